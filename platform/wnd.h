// CWnd: a window object bound to its HWND, with the message dispatch that
// every window of the program shares: the notification lock-out of the field
// exchange, the window's message map, and the application's command table
// for commands the window does not handle.
#pragma once

#include <windows.h>

#include "menu.h"
#include "message_map.h"

// A notification from a child control (WM_COMMAND sent by a control, or
// WM_NOTIFY), as opposed to a command from a menu, an accelerator or code.
inline bool IsControlNotification(UINT message, LPARAM lParam) {
  return (message == WM_COMMAND && lParam != 0) || message == WM_NOTIFY;
}

class CWnd : public CCmdTarget {
 public:
  CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  // The window object bound to this handle, or nullptr when it is not one of ours.
  static CWnd* FromHandlePermanent(HWND hWnd);

  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
  }
  BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
  void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
  CMenu GetSystemMenu(BOOL bRevert) const { return CMenu(::GetSystemMenu(m_hWnd, bRevert)); }

  // The help context this window asks for when help is requested while it is in front.
  virtual DWORD GetHelpContext() const { return 0; }

  HWND m_hWnd = nullptr;

 protected:
  // Hands the message being handled on to the window's default processing.
  LRESULT Default();
  // The default processing of a message for this kind of window.
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

  // F1 (WM_HELP) in this window or in a message box it owns: the help
  // command to the main window, unless Shift, Ctrl or Alt is held down.
  BOOL OnHelpInfo(HELPINFO* pHelpInfo);

  // Dispatches one message; true when something of ours handled it, with
  // the handler's result in *pResult.
  bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

  void Attach(HWND hWnd);
  void Detach();

  // The message being dispatched, for Default(). One user-interface thread.
  static MSG s_currentMessage;

  const MessageMap* GetMessageMap() const override;
  static const MessageMap messageMap;

 private:
  static const MessageMapEntry messageEntries[];
};
