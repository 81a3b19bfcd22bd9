#include "app.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "input.h"
#include "screenshot.h"

namespace e2e {

namespace {

// The current environment with extra NAME=value entries, which replace
// entries of the same name: a block for CreateProcessA.
std::string Environment(const std::vector<std::string>& extra) {
  std::vector<std::string> entries(extra);
  char* block = GetEnvironmentStringsA();
  for (const char* p = block; *p; p += std::strlen(p) + 1) {
    const std::string entry(p);
    const auto name = entry.substr(0, entry.find('=', 1) + 1);
    bool replaced = false;
    for (const auto& e : extra) replaced = replaced || (_strnicmp(e.c_str(), name.c_str(), name.size()) == 0);
    if (!replaced) entries.push_back(entry);
  }
  FreeEnvironmentStringsA(block);
  std::string out;
  for (const auto& e : entries) out += e + '\0';
  return out + '\0';
}

}  // namespace

std::string App::ProgramPath() {
  const char* exe = std::getenv("KORVANE_EXE");
  return exe ? exe : "";
}

App::App() : App(Options{}) {}

App::App(const Options& options) {
  const std::string exe = options.exe.empty() ? ProgramPath() : options.exe;
  std::string command = "\"" + exe + "\"";
  std::string environment = Environment(options.environment);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0,
                      options.environment.empty() ? nullptr : environment.data(),
                      options.directory.empty() ? nullptr : options.directory.c_str(), &startup, &info)) {
    ADD_FAILURE() << "cannot start " << exe << " (error " << GetLastError() << ")";
    return;
  }
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  process_id_ = info.dwProcessId;
  thread_id_ = info.dwThreadId;
}

App::~App() {
  if (!process_) return;
  if (Running()) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
}

bool App::Running() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

bool App::WaitExit(std::chrono::milliseconds deadline) {
  return WaitUntil([&] { return !Running(); }, deadline);
}

bool App::RoundTrip(HWND window) const {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored) != 0;
}

void App::Shot(HWND window, const std::string& label) {
  if (!window || shot_.count(window)) return;
  shot_.insert(window);
  Screenshot(window, label);
}

HWND App::WaitWindow(const std::string& caption, const char* window_class, const std::vector<HWND>& except) {
  HWND found = nullptr;
  WaitUntil([&] {
    for (HWND w : WindowsWithCaption(process_id_, caption, window_class)) {
      bool old = false;
      for (HWND e : except) old = old || e == w;
      if (!old) {
        found = w;
        return true;
      }
    }
    return false;
  });
  if (found) Shot(found, caption);
  return found;
}

HWND App::MainWindow() {
  if (main_ && IsWindow(main_)) return main_;
  main_ = WaitWindow("Korvane / 32");
  if (main_) Activate(main_);
  return main_;
}

std::vector<MessageBox> App::MessageBoxes() const {
  std::vector<MessageBox> boxes;
  for (auto& box : e2e::MessageBoxes(process_id_))
    if (box.caption != "Korvane / 32" && box.caption != "About Korvane / 32 (v1.0)")
      boxes.push_back(std::move(box));
  return boxes;
}

HWND App::WaitMessageBox(const std::string& caption, const std::string& text) {
  HWND found = nullptr;
  WaitUntil([&] {
    for (const auto& box : MessageBoxes())
      if (box.caption == caption && box.text == text) found = box.window;
    return found != nullptr;
  });
  if (found) Shot(found, caption + "-message");
  return found;
}

bool App::WaitGone(const std::string& caption) {
  return WaitUntil([&] { return WindowsWithCaption(process_id_, caption).empty(); });
}

}  // namespace e2e

namespace e2e {

namespace {
HWND OpenMenu(DWORD process) {
  for (HWND w : TopLevelWindows(process))
    if (ClassName(w) == "#32768") return w;
  return nullptr;
}
}  // namespace

HWND App::WaitMenu() {
  HWND menu = nullptr;
  WaitUntil([&] { return (menu = OpenMenu(process_id_)) != nullptr; });
  return menu;
}

bool App::WaitMenuClosed() {
  return WaitUntil([&] { return OpenMenu(process_id_) == nullptr; });
}

}  // namespace e2e
