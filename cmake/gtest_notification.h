// GoogleTest's own Notification helper needs std::mutex, which the win32
// thread model of MinGW-w64's GCC 12 does not have. Only GoogleTest's own
// threading tests use it; this stand-in lets GoogleTest build without
// std::mutex, so that the program and its tests need no pthreads library.
#pragma once

#include <atomic>

namespace testing {
namespace internal {

class Notification {
 public:
  void Notify() { notified_ = true; }
  void WaitForNotification() {
    while (!notified_) {
    }
  }

 private:
  std::atomic<bool> notified_{false};
};

}  // namespace internal
}  // namespace testing
