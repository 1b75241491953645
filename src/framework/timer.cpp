#include "framework/timer.h"

#include "framework/application.h"
#include "framework/core/exceptions.h"

namespace {

constexpr char kTimerWindowClass[] = "TTimerWindow";
constexpr UINT_PTR kTimerId = 1;

void RegisterTimerWindowClass(HINSTANCE instance) {
  WNDCLASSA cls = {};
  if (GetClassInfoA(instance, kTimerWindowClass, &cls))
    return;
  cls.lpfnWndProc = DefWindowProcA;
  cls.hInstance = instance;
  cls.lpszClassName = kTimerWindowClass;
  RegisterClassA(&cls);
}

}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  RegisterTimerWindowClass(instance);
  window_ = CreateWindowExA(0, kTimerWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TTimer::WndProc));
}

TTimer::~TTimer() {
  if (running_)
    KillTimer(window_, kTimerId);
  DestroyWindow(window_);
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
    KillTimer(window_, kTimerId);
    running_ = false;
  }
  if (!enabled_ || interval_ == 0 || !onTimer_)
    return;
  if (!SetTimer(window_, kTimerId, interval_, nullptr))
    throw EOutOfResources("Not enough timers available");
  running_ = true;
}

LRESULT CALLBACK TTimer::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER && wParam == kTimerId) {
    auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    // A failing tick is reported; the timer keeps running.
    if (timer && timer->onTimer_)
      CallGuarded([timer] { timer->onTimer_(timer); });
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}
