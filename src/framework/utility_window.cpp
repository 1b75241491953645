#include "framework/utility_window.h"

namespace {

const TMessageWindowClass kUtilityClass{.name = "TPUtilWindow"};
const TMessageWindowStyle kUtilityStyle{.exStyle = WS_EX_TOOLWINDOW, .style = WS_POPUP, .parent = nullptr};

}  // namespace

TUtilityWindow::TUtilityWindow(Procedure procedure)
    : window_(kUtilityClass, kUtilityStyle,
              [this](HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
                return Dispatch(window, msg, wParam, lParam);
              }) {
  procedure_ = std::move(procedure);
}

TUtilityWindow::~TUtilityWindow() {
  // The destruction messages must not reach an object that is going away.
  procedure_ = nullptr;
}

LRESULT TUtilityWindow::Dispatch(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!procedure_)
    return DefWindowProcA(window, msg, wParam, lParam);
  return procedure_(msg, wParam, lParam);
}
