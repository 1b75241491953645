#pragma once
#include "framework/utility_window.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

class TSimpleTimer;

// The hidden window every TSimpleTimer of the process shares. The handler lives from the first
// timer's construction to the last one's destruction, its window from the first timer armed;
// it turns WM_TIMER back into the timer whose identifier (its address) the message carries.
class TSimpleTimerHandler {
public:
  // The handler of the process, or null while no timer exists.
  static TSimpleTimerHandler* Instance();

  HWND Handle() const { return window_.Handle(); }
  // False until a timer was first armed: no window, so no timer to stop.
  bool HandleAllocated() const { return window_.HandleAllocated(); }
  // Number of TSimpleTimer objects alive.
  uint32_t ReferenceCount() const { return static_cast<uint32_t>(timers_.size()); }
  // Number of timers armed with the platform; never below 0.
  uint32_t RunningCount() const { return runningCount_; }

private:
  friend class TSimpleTimer;
  TSimpleTimerHandler();
  static TSimpleTimerHandler& Acquire(TSimpleTimer* timer);
  static void Release(TSimpleTimer* timer);
  LRESULT Procedure(UINT msg, WPARAM wParam, LPARAM lParam);
  void TimerStarted() { ++runningCount_; }
  void TimerStopped() {
    if (runningCount_ > 0)
      --runningCount_;
  }

  std::vector<TSimpleTimer*> timers_;  // the live timers; their number is the reference count
  uint32_t runningCount_ = 0;          // timers armed with the platform
  TUtilityWindow window_;              // receives WM_TIMER of every timer
};

// A light timer that is not a component: no owner, no stored properties, no window of its
// own. It is idle (enabled false), armed (enabled, a platform timer exists) or held (enabled,
// but its interval was set to 0 or its callback emptied, so no platform timer runs until it is
// armed again). Its callbacks come from the message loop, through the shared window.
class TSimpleTimer {
public:
  using Callback = std::function<void(TSimpleTimer* timer)>;

  // Interval 1000, no callback.
  TSimpleTimer();
  TSimpleTimer(int32_t interval, Callback callback);
  ~TSimpleTimer();
  TSimpleTimer(const TSimpleTimer&) = delete;
  TSimpleTimer& operator=(const TSimpleTimer&) = delete;

  // Starts the period from zero (stopping a running one first); false, and no change, for
  // interval 0; false, and idle, when the platform refuses.
  bool Arm();
  // Stops the platform timer; CLEAR_ENABLED also makes the timer idle.
  bool Disarm(bool clearEnabled);

  // The platform timer identifier: the object's own address.
  UINT_PTR Id() const { return id_; }
  bool Enabled() const { return enabled_; }
  // True arms (restarting an armed timer), false disarms.
  void SetEnabled(bool enabled);
  int32_t Interval() const { return interval_; }
  // An unchanged value does nothing; otherwise an enabled timer restarts with it, or is held
  // while it is 0.
  void SetInterval(int32_t interval);
  // An empty callback holds an enabled timer.
  void SetCallback(Callback callback);
  // When set, the timer makes itself idle before each callback.
  bool AutoDisable() const { return autoDisable_; }
  void SetAutoDisable(bool autoDisable) { autoDisable_ = autoDisable; }

private:
  friend class TSimpleTimerHandler;
  void Tick();

  UINT_PTR id_;                    // platform timer identifier: this object's address
  bool enabled_ = false;           // meant to run
  int32_t interval_;               // milliseconds between callbacks
  bool autoDisable_ = false;       // idle before each callback
  Callback callback_;              // called with this timer on each tick; may be empty
  TSimpleTimerHandler* handler_ = nullptr;  // the shared window
};
