// Reading back what the screen shows, from another process: texts, checks,
// selections, which window is enabled, active or focused, the windows of a
// process and its message boxes. Nothing here changes a window.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace e2e {

std::string Text(HWND window);       // WM_GETTEXT
std::string ClassName(HWND window);  // e.g. "#32770" for a dialog, "Edit", "Button"
HWND Control(HWND dialog, int id);   // the child with that id, or null
std::string ControlText(HWND dialog, int id);
bool Checked(HWND dialog, int id);   // BM_GETCHECK == BST_CHECKED
std::pair<int, int> Selection(HWND edit);  // EM_GETSEL: start, end
bool Enabled(HWND window);
bool Visible(HWND window);
HWND Owner(HWND window);             // GW_OWNER
RECT WindowRect(HWND window);        // screen coordinates
RECT ClientRect(HWND window);        // client coordinates (left and top are 0)

// The thread's keyboard focus and active window (GetGUIThreadInfo), or null.
HWND FocusOf(DWORD thread);
HWND ActiveOf(DWORD thread);
HWND Foreground();

// All top-level windows of the desktop, topmost first, hidden ones included.
std::vector<HWND> AllTopLevelWindows();
// Visible top-level windows of a process, topmost first.
std::vector<HWND> TopLevelWindows(DWORD process);

// Visible top-level windows of a process with this caption and, if given, class.
std::vector<HWND> WindowsWithCaption(DWORD process, const std::string& caption,
                                     const char* window_class = nullptr);

// A message box: a dialog (#32770) whose static child holds the message.
struct MessageBox {
  HWND window = nullptr;
  std::string caption;
  std::string text;
};
// The message boxes a process shows now.
std::vector<MessageBox> MessageBoxes(DWORD process);
// The text of a message box: the longest text of its static children (the
// icon is a static too, with no text).
std::string MessageBoxText(HWND box);

}  // namespace e2e
