#include "framework/utility_window.h"

namespace {

const TMessageWindowClass kUtilityClass{.name = "TPUtilWindow"};
const TMessageWindowStyle kUtilityStyle{.exStyle = WS_EX_TOOLWINDOW, .style = WS_POPUP, .parent = nullptr};

}  // namespace

TUtilityWindow::TUtilityWindow(Procedure procedure) : procedure_(std::move(procedure)) {}

HWND TUtilityWindow::Handle() const {
  if (!window_) {
    window_.emplace(kUtilityClass, kUtilityStyle, [this](HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
      return Dispatch(window, msg, wParam, lParam);
    });
    created_ = true;
  }
  return window_->Handle();
}

TUtilityWindow::~TUtilityWindow() {
  // The destruction messages must not reach an object that is going away.
  procedure_ = nullptr;
}

LRESULT TUtilityWindow::Dispatch(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) const {
  if (!created_ || !procedure_)
    return DefWindowProcA(window, msg, wParam, lParam);
  return procedure_(msg, wParam, lParam);
}
