// Message maps: every window class and the application class keep a static
// table that ties a window message, or a command or control notification with
// its id, to one of their member functions. A class's table names its base
// class's table, and a lookup that finds nothing in the one goes on in the other.
#pragma once

#include <windows.h>

#include <cstddef>
#include <iterator>  // std::size for the tables

class CCmdTarget;

// Calls the member function of one map entry on the object, unpacking the
// message's parameters for it.
using MessageHandler = LRESULT (*)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);

struct MessageMapEntry {
  UINT message;  // a window message, or WM_COMMAND for commands and notifications
  UINT code;     // WM_COMMAND only: the notification code (0 is a plain command or BN_CLICKED)
  UINT id;       // WM_COMMAND only: the command or control id
  MessageHandler handler;
};

struct MessageMap {
  const MessageMap* base;  // the base class's map; nullptr at the root
  const MessageMapEntry* entries;
  std::size_t count;
};

// The first entry for the message in the map or its bases, or nullptr.
// code and id count only for WM_COMMAND.
const MessageMapEntry* FindMessageEntry(const MessageMap* map, UINT message, UINT code, UINT id);

// Anything that has a message map.
class CCmdTarget {
 public:
  virtual ~CCmdTarget() = default;
  virtual const MessageMap* GetMessageMap() const;

  // Runs the handler of the command with this id and notification code, if
  // the map has one; true when it did.
  bool OnCmdMsg(UINT nID, UINT nCode);

 protected:
  static const MessageMap messageMap;  // empty: the root of every chain
};

namespace message_map_detail {

template <class>
struct ClassOf;
template <class C, class R, class... Args>
struct ClassOf<R (C::*)(Args...)> {
  using type = C;
};

// The handler signatures our windows use.
template <class C>
LRESULT Call(C* object, void (C::*fn)(), WPARAM, LPARAM) {
  (object->*fn)();
  return 0;
}
template <class C>
LRESULT Call(C* object, BOOL (C::*fn)(), WPARAM, LPARAM) {
  return (object->*fn)();
}
template <class C>
LRESULT Call(C* object, HCURSOR (C::*fn)(), WPARAM, LPARAM) {
  return reinterpret_cast<LRESULT>((object->*fn)());
}
template <class C>
LRESULT Call(C* object, void (C::*fn)(UINT, LPARAM), WPARAM wParam, LPARAM lParam) {
  (object->*fn)(static_cast<UINT>(wParam), lParam);
  return 0;
}
template <class C>
LRESULT Call(C* object, BOOL (C::*fn)(HELPINFO*), WPARAM, LPARAM lParam) {
  return (object->*fn)(reinterpret_cast<HELPINFO*>(lParam));
}

template <auto Fn>
LRESULT Thunk(CCmdTarget* target, WPARAM wParam, LPARAM lParam) {
  using C = typename ClassOf<decltype(Fn)>::type;
  return Call(static_cast<C*>(target), Fn, wParam, lParam);
}

}  // namespace message_map_detail

// A map entry for a window message: OnMessage<&CMyDlg::OnPaint>(WM_PAINT).
template <auto Fn>
constexpr MessageMapEntry OnMessage(UINT message) {
  return {message, 0, 0, &message_map_detail::Thunk<Fn>};
}

// A map entry for a command or a control notification:
// OnCommand<&CMyDlg::OnMars>(IDC_MARS, BN_CLICKED).
template <auto Fn>
constexpr MessageMapEntry OnCommand(UINT id, UINT code = 0) {
  return {WM_COMMAND, code, id, &message_map_detail::Thunk<Fn>};
}
