#include "framework/timer.h"

#include "framework/core/exceptions.h"

namespace {

const TMessageWindowClass kTimerWindowClass{.name = "TTimerWindow"};
constexpr UINT_PTR kTimerId = 1;

}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer() {
  if (running_)
    KillTimer(window_->Handle(), kTimerId);
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_)
    return;
  enabled_ = enabled;
  UpdateTimer();
}

void TTimer::SetInterval(uint32_t interval) {
  if (interval == interval_)
    return;
  interval_ = interval;
  UpdateTimer();
}

void TTimer::SetOnTimer(TimerEvent handler) {
  onTimer_ = std::move(handler);
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (running_) {
    KillTimer(window_->Handle(), kTimerId);
    running_ = false;
  }
  if (!enabled_ || interval_ == 0 || !onTimer_)
    return;
  // Made on the first start: most timers of a program wait disabled, and each window costs the
  // start-up a round trip to the window manager.
  if (!window_)
    window_.emplace(kTimerWindowClass, TMessageWindowStyle{},
                    [this](HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
                      return HandleMessage(window, msg, wParam, lParam);
                    });
  if (!SetTimer(window_->Handle(), kTimerId, interval_, nullptr))
    throw EOutOfResources("Not enough timers available");
  running_ = true;
}

LRESULT TTimer::HandleMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_TIMER || wParam != kTimerId)
    return DefWindowProcA(window, msg, wParam, lParam);
  // A failing tick is reported by the window's guard; the timer keeps running.
  if (onTimer_)
    onTimer_(this);
  return 0;
}
