#include "message_box_icon.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace e2e {

namespace {

// A 32-bit top-down DIB of width x height pixels.
struct Canvas {
  Canvas(int width, int height) : width(width), height(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc = CreateCompatibleDC(nullptr);
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
    old = SelectObject(dc, bitmap);
  }
  ~Canvas() {
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // Pixels that differ by more than a little in any channel.
  int Differences(const Canvas& other) const {
    GdiFlush();
    int count = 0;
    for (int i = 0; i < width * height; ++i) {
      const uint32_t a = bits[i], b = other.bits[i];
      for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 8) {
          ++count;
          break;
        }
    }
    return count;
  }

  int width, height;
  HDC dc;
  HBITMAP bitmap;
  HGDIOBJ old;
  uint32_t* bits = nullptr;
};

HWND IconControl(HWND box) {
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[16] = {};
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, "Static") == 0 && IsWindowVisible(child) &&
        (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
      return child;
  }
  return nullptr;
}

}  // namespace

ULONG_PTR MessageBoxIcon(HWND box) {
  HWND control = IconControl(box);
  if (!control) return 0;
  RECT r{};
  GetWindowRect(control, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  if (width <= 0 || height <= 0) return 0;

  // What the screen shows, and the box's background just left of the icon.
  Canvas shown(width, height);
  HDC screen = GetDC(nullptr);
  BitBlt(shown.dc, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  const COLORREF background = GetPixel(screen, r.left - 1, r.top + height / 2);
  ReleaseDC(nullptr, screen);

  // The icon control fills its rectangle with the background and draws the
  // icon stretched over it; each candidate is drawn the same way.
  const ULONG_PTR candidates[] = {reinterpret_cast<ULONG_PTR>(IDI_EXCLAMATION), reinterpret_cast<ULONG_PTR>(IDI_HAND),
                                  reinterpret_cast<ULONG_PTR>(IDI_ASTERISK), reinterpret_cast<ULONG_PTR>(IDI_QUESTION)};
  ULONG_PTR best = 0;
  int best_differences = width * height / 10;  // a match must be close
  for (ULONG_PTR id : candidates) {
    Canvas drawn(width, height);
    HBRUSH brush = CreateSolidBrush(background);
    RECT all{0, 0, width, height};
    FillRect(drawn.dc, &all, brush);
    DeleteObject(brush);
    DrawIconEx(drawn.dc, 0, 0, LoadIconA(nullptr, MAKEINTRESOURCEA(id)), width, height, 0, nullptr, DI_NORMAL);
    const int differences = shown.Differences(drawn);
    if (differences < best_differences) {
      best = id;
      best_differences = differences;
    }
  }
  return best;
}

}  // namespace e2e
