#include "screen.h"

namespace e2e {

namespace {

// Messages to another process's windows time out rather than hang a test
// when that process stops answering.
LRESULT Send(HWND window, UINT message, WPARAM w, LPARAM l) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, message, w, l, SMTO_ABORTIFHUNG, 2000, &result)) return 0;
  return static_cast<LRESULT>(result);
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM found) {
  reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  return TRUE;
}

}  // namespace

std::string Text(HWND window) {
  if (!window) return {};
  const auto length = Send(window, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const auto copied = Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(copied));
  return text;
}

std::string ClassName(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

HWND Control(HWND dialog, int id) { return GetDlgItem(dialog, id); }

std::string ControlText(HWND dialog, int id) { return Text(Control(dialog, id)); }

bool Checked(HWND dialog, int id) {
  return Send(Control(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::pair<int, int> Selection(HWND edit) {
  const auto both = static_cast<DWORD>(Send(edit, EM_GETSEL, 0, 0));
  return {LOWORD(both), HIWORD(both)};
}

bool Enabled(HWND window) { return IsWindowEnabled(window) != FALSE; }
bool Visible(HWND window) { return IsWindowVisible(window) != FALSE; }
HWND Owner(HWND window) { return GetWindow(window, GW_OWNER); }

RECT WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

RECT ClientRect(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return r;
}

HWND FocusOf(DWORD thread) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

HWND ActiveOf(DWORD thread) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(thread, &info) ? info.hwndActive : nullptr;
}

HWND Foreground() { return GetForegroundWindow(); }

std::vector<HWND> AllTopLevelWindows() {
  std::vector<HWND> found;
  EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::vector<HWND> TopLevelWindows(DWORD process) {
  std::vector<HWND> found;
  for (HWND window : AllTopLevelWindows()) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == process && IsWindowVisible(window)) found.push_back(window);
  }
  return found;
}

std::vector<HWND> WindowsWithCaption(DWORD process, const std::string& caption,
                                     const char* window_class) {
  std::vector<HWND> found;
  for (HWND window : TopLevelWindows(process)) {
    if (Text(window) != caption) continue;
    if (window_class && ClassName(window) != window_class) continue;
    found.push_back(window);
  }
  return found;
}

std::string MessageBoxText(HWND box) {
  std::string text;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (lstrcmpiA(ClassName(child).c_str(), "Static") != 0) continue;
    auto t = Text(child);
    if (t.size() > text.size()) text = std::move(t);
  }
  return text;
}

std::vector<MessageBox> MessageBoxes(DWORD process) {
  std::vector<MessageBox> boxes;
  for (HWND window : TopLevelWindows(process)) {
    if (ClassName(window) != "#32770") continue;
    auto text = MessageBoxText(window);
    if (text.empty()) continue;
    boxes.push_back({window, Text(window), std::move(text)});
  }
  return boxes;
}

}  // namespace e2e
