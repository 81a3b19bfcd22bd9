#include "input.h"

#include <vector>

#include "wait.h"

namespace e2e {

namespace {

bool IsExtended(WORD key) {
  switch (key) {
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
    case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
    case VK_INSERT: case VK_DELETE:
      return true;
    default:
      return false;
  }
}

INPUT KeyInput(WORD key, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = key;
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtended(key) ? KEYEVENTF_EXTENDEDKEY : 0);
  return in;
}

void Send(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Absolute mouse coordinates are 0..65535 across the screen.
LONG Normalise(LONG value, int size) { return static_cast<LONG>((value * 65536LL + size - 1) / size); }

LRESULT HitTest(HWND window, int x, int y) {
  DWORD_PTR hit = HTNOWHERE;
  SendMessageTimeoutA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 2000, &hit);
  return static_cast<LRESULT>(hit);
}

// The middle of the caption area of a window that answers WM_NCHITTEST with
// `wanted`, searched from the right edge for the close box and from the left
// edge for the system menu.
POINT FindHit(HWND window, LRESULT wanted) {
  RECT r{};
  GetWindowRect(window, &r);
  const int step = wanted == HTCLOSE ? -1 : 1;
  const int start = wanted == HTCLOSE ? r.right - 1 : r.left;
  const int bottom = r.top + GetSystemMetrics(SM_CYCAPTION) + 2 * GetSystemMetrics(SM_CYFRAME);
  for (int y = r.top; y < bottom; ++y) {
    for (int x = start; x >= r.left && x < r.right; x += step) {
      if (HitTest(window, x, y) != wanted) continue;
      int last_x = x, last_y = y;
      while (HitTest(window, last_x + step, y) == wanted) last_x += step;
      while (HitTest(window, x, last_y + 1) == wanted) ++last_y;
      return {(x + last_x) / 2, (y + last_y) / 2};
    }
  }
  return {-1, -1};
}

}  // namespace

bool Activate(HWND window) {
  if (GetForegroundWindow() == window) return true;
  SetForegroundWindow(window);
  return WaitUntil([&] { return GetForegroundWindow() == window; });
}

void PressKey(WORD key) { Send({KeyInput(key, false), KeyInput(key, true)}); }

void Chord(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) inputs.push_back(KeyInput(key, false));
  for (auto it = keys.end(); it != keys.begin();) inputs.push_back(KeyInput(*--it, true));
  Send(std::move(inputs));
}

void Type(std::string_view text) {
  for (char c : text) {
    const SHORT scan = VkKeyScanA(c);
    const WORD key = LOBYTE(scan);
    if (HIBYTE(scan) & 1)
      Chord({VK_SHIFT, key});
    else
      PressKey(key);
  }
}

void ClickAt(POINT p, bool wait_for_capture) {
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  INPUT move{};
  move.type = INPUT_MOUSE;
  move.mi.dx = Normalise(p.x, w);
  move.mi.dy = Normalise(p.y, h);
  move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  Send({move});
  // The click must land where the pointer has arrived.
  WaitUntil([&] {
    POINT at{};
    GetCursorPos(&at);
    return at.x == p.x && at.y == p.y;
  });
  INPUT down = move, up = move;
  // Each press and release carries the position too, so that no stale pointer
  // position can come between.
  down.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
  up.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
  if (!wait_for_capture) {
    Send({down, up});
    return;
  }
  Send({down});
  // Whatever was pressed (a button, a caption box, a menu) usually captures
  // the mouse while the button is down; release it once it has, so the
  // release is seen by the tracking that the press started.
  HWND target = WindowFromPoint(p);
  DWORD thread = GetWindowThreadProcessId(target, nullptr);
  WaitUntil([&] {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(thread, &info) && (info.hwndCapture || (info.flags & GUI_INMENUMODE));
  }, std::chrono::milliseconds(300));
  Send({up});
}

void Click(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  ClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

POINT CloseBoxPoint(HWND window) { return FindHit(window, HTCLOSE); }
POINT SystemMenuPoint(HWND window) { return FindHit(window, HTSYSMENU); }

void ClickCloseBox(HWND window) { ClickAt(CloseBoxPoint(window)); }

void ClickSystemMenuButton(HWND window) { ClickAt(SystemMenuPoint(window), false); }

}  // namespace e2e
