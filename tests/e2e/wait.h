// Waiting for a condition with a deadline. The end-to-end tests never sleep a
// fixed time: they poll what the screen shows until it holds or time runs out.
#pragma once

#include <chrono>
#include <functional>

namespace e2e {

// How long a test waits for anything a person would see at once.
inline constexpr std::chrono::milliseconds kDeadline{5000};

// Polls `condition` every few milliseconds until it is true (returns true) or
// `deadline` has passed (returns false). While it waits it handles the messages
// of the calling thread, so windows of the test itself (the fake help engine)
// keep answering.
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds deadline = kDeadline);

// Handles the calling thread's pending messages once, without waiting.
void PumpMessages();

}  // namespace e2e
