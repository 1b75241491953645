#pragma once
// Every wait of the harness ends: at its deadline a wait gives up and the caller reports what
// did not happen.
#include <windows.h>

namespace e2e {

// Timeouts against hangs, not timings under test. Without a window manager Wine needs about two
// seconds to map a top-level window, so window waits allow for it many times over.
constexpr DWORD kWindowTimeoutMs = 20000;
constexpr DWORD kReplyTimeoutMs = 5000;
constexpr DWORD kExitTimeoutMs = 10000;

class TDeadline {
public:
  explicit TDeadline(DWORD ms) : end_(GetTickCount64() + ms) {}
  bool Passed() const { return GetTickCount64() >= end_; }
  DWORD RemainingMs() const {
    const ULONGLONG now = GetTickCount64();
    return now >= end_ ? 0 : static_cast<DWORD>(end_ - now);
  }

private:
  ULONGLONG end_;
};

// Polls CONDITION until it holds or MS have passed; true when it held.
template <class Condition>
bool WaitFor(DWORD ms, Condition condition, DWORD pollMs = 20) {
  const TDeadline deadline(ms);
  for (;;) {
    if (condition())
      return true;
    if (deadline.Passed())
      return false;
    Sleep(pollMs);
  }
}

}  // namespace e2e
