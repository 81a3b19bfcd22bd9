// Watching the help engine. WinHelpA hands its request to the window of class
// "MS_WINHELP" when one exists (WM_COPYDATA carrying a WINHELP record) and
// starts winhlp32.exe only when none does. FakeHelpEngine is such a window in
// the test process: it records every request exactly and shows nothing.
// RealHelpEngine finds the windows of Wine's own engine and ends it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct HelpRequest {
  HWND owner = nullptr;     // the window that asked (WinHelpA's first argument)
  std::string file;         // the help file's path as given
  unsigned command = 0;     // HELP_CONTENTS is 3
  unsigned long data = 0;   // the context number
};

class FakeHelpEngine {
 public:
  FakeHelpEngine();   // registers the class and creates the (hidden) window
  ~FakeHelpEngine();  // destroys it, so a later WinHelpA starts the real engine
  FakeHelpEngine(const FakeHelpEngine&) = delete;
  FakeHelpEngine& operator=(const FakeHelpEngine&) = delete;

  // The requests received so far. Requests arrive only while this thread
  // handles messages: inside WaitUntil, WaitFor or PumpMessages.
  const std::vector<HelpRequest>& Requests() const { return requests_; }
  // Waits until at least `count` requests have arrived.
  bool WaitFor(size_t count);

 private:
  static LRESULT CALLBACK Procedure(HWND, UINT, WPARAM, LPARAM);
  HWND window_ = nullptr;
  std::vector<HelpRequest> requests_;
};

namespace help_engine {
// Visible top-level windows of other processes whose class starts with
// "MS_WINHELP": the windows of Wine's help engine (winhlp32, caption "Wine Help").
std::vector<HWND> RealWindows();
// Ends every process that owns a window of class "MS_WINHELP".
void EndReal();
}  // namespace help_engine

}  // namespace e2e
