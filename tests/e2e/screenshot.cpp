#include "screenshot.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "wait.h"

namespace e2e {

namespace {

// A file name part: letters, digits and a few marks; anything else becomes '_'.
std::string FileSafe(const std::string& text) {
  std::string out;
  for (char c : text) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '.';
    out += plain ? c : '_';
  }
  return out;
}

std::string TestName() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  if (!info) return "outside-test";
  return std::string(info->test_suite_name()) + "." + info->name();
}

int NextNumber(const std::string& test) {
  static std::string last;
  static int count = 0;
  if (test != last) {
    last = test;
    count = 0;
  }
  return ++count;
}

bool WriteBmp(const std::string& path, int width, int height, const std::vector<unsigned char>& pixels) {
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;  // bottom-up, as GetDIBits gives it
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  info.biSizeImage = static_cast<DWORD>(pixels.size());
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + info.biSizeImage;
  FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return false;
  const bool ok = std::fwrite(&file, sizeof file, 1, out) == 1 && std::fwrite(&info, sizeof info, 1, out) == 1 &&
                  std::fwrite(pixels.data(), 1, pixels.size(), out) == pixels.size();
  return std::fclose(out) == 0 && ok;
}

BOOL CALLBACK FindUnpainted(HWND child, LPARAM found) {
  if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
  }
  return TRUE;
}

bool NeedsPaint(HWND window) {
  bool found = GetUpdateRect(window, nullptr, FALSE) != FALSE;
  if (!found) EnumChildWindows(window, &FindUnpainted, reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace

std::string Screenshot(HWND window, const std::string& label) {
  const char* folder = std::getenv("KORVANE_SHOTS");
  if (!folder || !*folder || !IsWindow(window)) return {};

  // Let the window's thread finish what it has to paint: a round trip, then
  // no window of the tree may still have something to paint.
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
  WaitUntil([&] { return !NeedsPaint(window); }, std::chrono::milliseconds(2000));

  RECT r{};
  GetWindowRect(window, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  if (width <= 0 || height <= 0) return {};

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  SelectObject(memory, old);

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  const int stride = (width * 3 + 3) & ~3;
  std::vector<unsigned char> pixels(static_cast<size_t>(stride) * height);
  const int lines = GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (lines != height) return {};

  const std::string test = TestName();
  const std::string path = std::string(folder) + "\\" + FileSafe(test) + "-" + std::to_string(NextNumber(test)) +
                           "-" + FileSafe(label) + ".bmp";
  return WriteBmp(path, width, height, pixels) ? path : std::string{};
}

}  // namespace e2e
