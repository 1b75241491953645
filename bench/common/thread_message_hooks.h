#pragma once
#include <windows.h>

// Hooks on the calling thread that hand NOTE every message the thread handles: each one it takes
// from its queue and each one sent to it, before the window sees it. For benchmarks that watch a
// program run in their own process; one set at a time. Unhooked with the object.
class TThreadMessageHooks {
public:
  using Note = void (*)(HWND window, UINT message);

  explicit TThreadMessageHooks(Note note) {
    note_ = note;
    const DWORD thread = GetCurrentThreadId();
    queued_ = SetWindowsHookExA(WH_GETMESSAGE, Queued, nullptr, thread);
    sent_ = SetWindowsHookExA(WH_CALLWNDPROC, Sent, nullptr, thread);
  }
  ~TThreadMessageHooks() {
    UnhookWindowsHookEx(queued_);
    UnhookWindowsHookEx(sent_);
  }
  TThreadMessageHooks(const TThreadMessageHooks&) = delete;
  TThreadMessageHooks& operator=(const TThreadMessageHooks&) = delete;

private:
  static LRESULT CALLBACK Queued(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == PM_REMOVE) {
      const MSG& message = *reinterpret_cast<const MSG*>(lParam);
      note_(message.hwnd, message.message);
    }
    return CallNextHookEx(queued_, code, wParam, lParam);
  }
  static LRESULT CALLBACK Sent(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
      const CWPSTRUCT& message = *reinterpret_cast<const CWPSTRUCT*>(lParam);
      note_(message.hwnd, message.message);
    }
    return CallNextHookEx(sent_, code, wParam, lParam);
  }

  static inline Note note_ = nullptr;
  static inline HHOOK queued_ = nullptr;
  static inline HHOOK sent_ = nullptr;
};
