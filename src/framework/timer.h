#pragma once
#include "framework/core/component.h"
#include "framework/message_window.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>

// A timer component: ticks only while it is enabled, its interval is above 0 and a tick
// handler is bound. Setting Enabled or Interval to the value it has does nothing; any real
// change stops the platform timer and, when the three conditions hold, starts it from zero.
class TTimer : public TComponent {
public:
  using TimerEvent = std::function<void(TComponent* sender)>;

  explicit TTimer(TComponent* owner = nullptr);
  ~TTimer() override;
  const char* ClassName() const override { return "TTimer"; }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  uint32_t Interval() const { return interval_; }
  void SetInterval(uint32_t interval);
  void SetOnTimer(TimerEvent handler);
  const TimerEvent& OnTimer() const { return onTimer_; }
  bool Running() const { return running_; }

  // The longest interval the platform accepts.
  static constexpr uint32_t MaxInterval = 0x7FFFFFFF;

private:
  LRESULT HandleMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void UpdateTimer();

  bool enabled_ = true;    // as designed: a new timer is enabled
  uint32_t interval_ = 1000;
  TimerEvent onTimer_;
  bool running_ = false;   // a platform timer is set
  std::optional<TMessageWindow> window_;  // receives WM_TIMER, from the first start; last, so it goes first
};
