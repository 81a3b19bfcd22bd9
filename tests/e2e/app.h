// KORVN32.EXE as a process of its own, started afresh for each test and ended
// at the test's end if it is still running. Finds the windows it opens and
// takes a screenshot of each one the first time a test finds it.
#pragma once

#include <windows.h>

#include <chrono>
#include <set>
#include <string>
#include <vector>

#include "screen.h"
#include "wait.h"

namespace e2e {

class App {
 public:
  struct Options {
    std::string exe;                   // empty: the program under test (KORVANE_EXE)
    std::string directory;             // the current folder it starts in; empty: the test's own
    std::vector<std::string> environment;  // extra NAME=value entries, e.g. WINEDLLOVERRIDES
  };

  // The program under test: the full Windows path in KORVANE_EXE.
  static std::string ProgramPath();

  App();
  explicit App(const Options& options);
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  DWORD Process() const { return process_id_; }
  // The user-interface thread: the process's first thread, the one that runs WinMain.
  DWORD Thread() const { return thread_id_; }

  // Waits for the main window (caption "Korvane / 32"), makes it the
  // foreground window and returns it; null when it does not appear.
  HWND MainWindow();
  // Waits for a visible top-level window with this caption (and class, if
  // given) that differs from every window in `except`; null at the deadline.
  HWND WaitWindow(const std::string& caption, const char* window_class = nullptr,
                  const std::vector<HWND>& except = {});
  // Waits for a message box with exactly this caption and text; null at the deadline.
  HWND WaitMessageBox(const std::string& caption, const std::string& text);
  // Waits for an open popup menu of the process (class "#32768"), such as the
  // system menu after Alt+Space; null at the deadline. Menu items cannot be
  // read from another process under Wine: tests act on them by keyboard or
  // by position and check what happens.
  HWND WaitMenu();
  // Waits until no popup menu of the process is open.
  bool WaitMenuClosed();
  // Waits until no visible top-level window has this caption.
  bool WaitGone(const std::string& caption);

  std::vector<HWND> Windows() const { return TopLevelWindows(process_id_); }
  // The message boxes the program shows now: its dialogs with static texts
  // (the main window and the About box) are not message boxes.
  std::vector<MessageBox> MessageBoxes() const;
  HWND Focus() const { return FocusOf(thread_id_); }
  HWND Active() const { return ActiveOf(thread_id_); }

  bool Running() const;
  bool WaitExit(std::chrono::milliseconds deadline = kDeadline);
  // Waits until the process's thread has handled everything sent to `window`
  // before this call (a round trip with WM_NULL).
  bool RoundTrip(HWND window) const;

  // Screenshot of a window once per test (later calls for the same window do nothing).
  void Shot(HWND window, const std::string& label);

 private:
  HANDLE process_ = nullptr;
  DWORD process_id_ = 0;
  DWORD thread_id_ = 0;
  HWND main_ = nullptr;
  std::set<HWND> shot_;
};

}  // namespace e2e
