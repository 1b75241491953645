#include "tray/simple_timer.h"

#include <algorithm>
#include <memory>

namespace {

// The process-wide slot; a handler still in it at program end is destroyed with it.
std::unique_ptr<TSimpleTimerHandler>& HandlerSlot() {
  static std::unique_ptr<TSimpleTimerHandler> slot;
  return slot;
}

}  // namespace

// ---- TSimpleTimerHandler ----

TSimpleTimerHandler::TSimpleTimerHandler()
    : window_([this](UINT msg, WPARAM wParam, LPARAM lParam) { return Procedure(msg, wParam, lParam); }) {}

TSimpleTimerHandler* TSimpleTimerHandler::Instance() {
  return HandlerSlot().get();
}

TSimpleTimerHandler& TSimpleTimerHandler::Acquire(TSimpleTimer* timer) {
  auto& slot = HandlerSlot();
  if (!slot)
    slot.reset(new TSimpleTimerHandler());
  slot->timers_.push_back(timer);
  return *slot;
}

void TSimpleTimerHandler::Release(TSimpleTimer* timer) {
  auto& slot = HandlerSlot();
  if (!slot)
    return;
  std::erase(slot->timers_, timer);
  if (slot->timers_.empty())
    slot.reset();
}

LRESULT TSimpleTimerHandler::Procedure(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_TIMER)
    return window_.DefaultHandler(msg, wParam, lParam);
  // The identifier is the timer's address. The window is top-level, so a WM_TIMER another
  // program posts to it could carry anything: only a live timer's identifier is followed.
  auto* timer = reinterpret_cast<TSimpleTimer*>(wParam);
  if (std::find(timers_.begin(), timers_.end(), timer) != timers_.end())
    timer->Tick();  // may destroy the timer, and with the last one this handler: nothing after
  return 0;
}

// ---- TSimpleTimer ----

TSimpleTimer::TSimpleTimer() : TSimpleTimer(1000, nullptr) {}

TSimpleTimer::TSimpleTimer(int32_t interval, Callback callback)
    : id_(reinterpret_cast<UINT_PTR>(this)), interval_(interval) {
  SetCallback(std::move(callback));
  handler_ = &TSimpleTimerHandler::Acquire(this);
}

TSimpleTimer::~TSimpleTimer() {
  if (enabled_)
    Disarm(true);
  TSimpleTimerHandler::Release(this);
}

bool TSimpleTimer::Arm() {
  if (interval_ == 0)
    return false;
  if (enabled_)
    Disarm(true);
  const bool armed = SetTimer(handler_->Handle(), id_, static_cast<UINT>(interval_), nullptr) != 0;
  if (armed) {
    enabled_ = true;
    handler_->TimerStarted();
  }
  return armed;
}

bool TSimpleTimer::Disarm(bool clearEnabled) {
  if (clearEnabled)
    enabled_ = false;
  const bool killed = handler_->HandleAllocated() && KillTimer(handler_->Handle(), id_) != 0;
  if (killed)
    handler_->TimerStopped();
  return killed;
}

void TSimpleTimer::SetEnabled(bool enabled) {
  if (enabled)
    Arm();
  else
    Disarm(true);
}

void TSimpleTimer::SetInterval(int32_t interval) {
  if (interval == interval_)
    return;
  interval_ = interval;
  if (!enabled_)
    return;
  if (interval_ != 0)
    Arm();
  else
    Disarm(false);
}

void TSimpleTimer::SetCallback(Callback callback) {
  callback_ = std::move(callback);
  if (!callback_ && enabled_)
    Disarm(false);
}

void TSimpleTimer::Tick() {
  if (autoDisable_)
    Disarm(true);
  // Run from a copy: the callback may destroy this timer.
  if (const Callback callback = callback_)
    callback(this);
}
