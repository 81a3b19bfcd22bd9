#include "wnd.h"

#include <map>

#include "exchange.h"
#include "platform_ids.h"
#include "winapp.h"

namespace {

// Our window objects by handle. Everything runs on one thread.
std::map<HWND, CWnd*>& HandleMap() {
  static std::map<HWND, CWnd*> map;
  return map;
}

}  // namespace

MSG CWnd::s_currentMessage{};

const MessageMapEntry CWnd::messageEntries[] = {
    OnMessage<&CWnd::OnHelpInfo>(WM_HELP),
};
const MessageMap CWnd::messageMap = {&CCmdTarget::messageMap, messageEntries,
                                     std::size(messageEntries)};

const MessageMap* CWnd::GetMessageMap() const { return &messageMap; }

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
  auto found = HandleMap().find(hWnd);
  return found == HandleMap().end() ? nullptr : found->second;
}

void CWnd::Attach(HWND hWnd) {
  m_hWnd = hWnd;
  HandleMap()[hWnd] = this;
}

void CWnd::Detach() {
  if (m_hWnd == nullptr) return;
  auto found = HandleMap().find(m_hWnd);
  if (found != HandleMap().end() && found->second == this) HandleMap().erase(found);
  m_hWnd = nullptr;
}

LRESULT CWnd::Default() {
  return DefWindowProc(s_currentMessage.message, s_currentMessage.wParam, s_currentMessage.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::OnHelpInfo(HELPINFO* pHelpInfo) {
  if (::GetKeyState(VK_SHIFT) < 0 || ::GetKeyState(VK_CONTROL) < 0 || ::GetKeyState(VK_MENU) < 0)
    return TRUE;
  // One F1 is one help request. Wine's message box hands F1's WM_HELP to its
  // owner itself and then lets its default processing hand the same request
  // to the owner once more, while the same key press is being handled: the
  // second one, for the same item at the same message time, is dropped.
  static struct {
    LONG time;
    HANDLE item;
  } s_lastRequest{};
  const LONG time = ::GetMessageTime();
  HANDLE item = pHelpInfo != nullptr ? pHelpInfo->hItemHandle : nullptr;
  if (s_lastRequest.time == time && s_lastRequest.item == item && item != nullptr) return TRUE;
  s_lastRequest = {time, item};
  CWinApp* app = AfxGetApp();
  if (app != nullptr && app->m_pMainWnd != nullptr && app->m_pMainWnd->m_hWnd != nullptr)
    app->m_pMainWnd->SendMessage(WM_COMMAND, ID_HELP, 0);
  return TRUE;
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  *pResult = 0;
  // While a field exchange runs on this window, notifications from its
  // controls are swallowed here. Commands not sent by a control (lParam 0:
  // menus, accelerators, the help command) still go through.
  if (IsControlNotification(message, lParam) && m_hWnd != nullptr && LockedOutWindow() == m_hWnd) return true;

  UINT code = 0;
  UINT id = 0;
  if (message == WM_COMMAND) {
    code = HIWORD(wParam);
    id = LOWORD(wParam);
  }
  if (const MessageMapEntry* entry = FindMessageEntry(GetMessageMap(), message, code, id)) {
    *pResult = entry->handler(this, wParam, lParam);
    return true;
  }
  // A command the window does not handle goes on to the application.
  if (message == WM_COMMAND) {
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->OnCmdMsg(id, code)) return true;
  }
  return false;
}
