#include "message_map.h"

const MessageMap CCmdTarget::messageMap = {nullptr, nullptr, 0};

const MessageMap* CCmdTarget::GetMessageMap() const { return &messageMap; }

const MessageMapEntry* FindMessageEntry(const MessageMap* map, UINT message, UINT code, UINT id) {
  for (; map != nullptr; map = map->base) {
    for (std::size_t i = 0; i < map->count; ++i) {
      const MessageMapEntry& entry = map->entries[i];
      if (entry.message != message) continue;
      if (message == WM_COMMAND && (entry.code != code || entry.id != id)) continue;
      return &entry;
    }
  }
  return nullptr;
}

bool CCmdTarget::OnCmdMsg(UINT nID, UINT nCode) {
  const MessageMapEntry* entry = FindMessageEntry(GetMessageMap(), WM_COMMAND, nCode, nID);
  if (entry == nullptr) return false;
  entry->handler(this, MAKEWPARAM(nID, nCode), 0);
  return true;
}
