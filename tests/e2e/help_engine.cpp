#include "help_engine.h"

#include "screen.h"
#include "wait.h"

namespace e2e {

namespace {

constexpr char kClass[] = "MS_WINHELP";
// The tag WinHelpA puts into COPYDATASTRUCT::dwData.
constexpr ULONG_PTR kWinHelpTag = 0xA1DE505;

// The record WinHelpA sends; the file name and data follow it at the offsets given.
#pragma pack(push, 1)
struct WinHelpRecord {
  WORD size;
  WORD command;
  LONG data;
  LONG reserved;
  WORD file_offset;
  WORD data_offset;
};
#pragma pack(pop)

}  // namespace

FakeHelpEngine::FakeHelpEngine() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = &FakeHelpEngine::Procedure;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kClass;
  RegisterClassA(&wc);  // fails harmlessly when already registered
  window_ = CreateWindowA(kClass, "fake help engine", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                          GetModuleHandleA(nullptr), this);
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

FakeHelpEngine::~FakeHelpEngine() {
  if (window_) DestroyWindow(window_);
}

bool FakeHelpEngine::WaitFor(size_t count) {
  return WaitUntil([&] { return requests_.size() >= count; });
}

LRESULT CALLBACK FakeHelpEngine::Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_COPYDATA) {
    auto* self = reinterpret_cast<FakeHelpEngine*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(l);
    if (self && copy && copy->dwData == kWinHelpTag && copy->cbData >= sizeof(WinHelpRecord)) {
      const auto* record = static_cast<const WinHelpRecord*>(copy->lpData);
      HelpRequest request;
      request.owner = reinterpret_cast<HWND>(w);
      request.command = record->command;
      request.data = static_cast<unsigned long>(record->data);
      if (record->file_offset && record->file_offset < copy->cbData)
        request.file = reinterpret_cast<const char*>(record) + record->file_offset;
      self->requests_.push_back(request);
      return TRUE;
    }
  }
  return DefWindowProcA(window, message, w, l);
}

namespace help_engine {

std::vector<HWND> RealWindows() {
  std::vector<HWND> found;
  for (HWND window : AllTopLevelWindows()) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() && IsWindowVisible(window) &&
        ClassName(window).rfind(kClass, 0) == 0)
      found.push_back(window);
  }
  return found;
}

void EndReal() {
  for (;;) {
    HWND window = FindWindowA(kClass, nullptr);
    DWORD process = 0;
    if (!window || (GetWindowThreadProcessId(window, &process), process == GetCurrentProcessId())) return;
    HANDLE handle = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, process);
    if (!handle) return;
    TerminateProcess(handle, 0);
    WaitForSingleObject(handle, 5000);
    CloseHandle(handle);
  }
}

}  // namespace help_engine

}  // namespace e2e
