#include "framework/progress_bar.h"

#include <commctrl.h>

#include <algorithm>

namespace {

void RegisterProgressClass() {
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&classes);
}

}  // namespace

void TProgressBar::SetMin(int min) {
  min_ = min;
  ApplyRange();
}

void TProgressBar::SetMax(int max) {
  max_ = max;
  ApplyRange();
}

void TProgressBar::SetPosition(int position) {
  position_ = position;
  ApplyRange();
}

void TProgressBar::SetOrientation(TProgressBarOrientation orientation) {
  orientation_ = orientation;
  ApplyStyle();
}

void TProgressBar::SetSmooth(bool smooth) {
  smooth_ = smooth;
  ApplyStyle();
}

DWORD TProgressBar::StyleBits() const {
  return (orientation_ == TProgressBarOrientation::pbVertical ? PBS_VERTICAL : 0) | (smooth_ ? PBS_SMOOTH : 0);
}

// The bar reads its style when it paints.
void TProgressBar::ApplyStyle() {
  if (!HandleAllocated())
    return;
  const LONG_PTR kept = GetWindowLongPtrA(Handle(), GWL_STYLE) & ~static_cast<LONG_PTR>(PBS_VERTICAL | PBS_SMOOTH);
  SetWindowLongPtrA(Handle(), GWL_STYLE, kept | StyleBits());
  InvalidateRect(Handle(), nullptr, TRUE);
}

// A reversed range would make the window's fill run backwards (or divide by a negative width).
void TProgressBar::ApplyRange() {
  const int low = std::min(min_, max_);
  const int high = std::max(min_, max_);
  position_ = std::clamp(position_, low, high);
  if (!HandleAllocated())
    return;
  SendMessageA(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(low), high);
  SendMessageA(Handle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

TWinControl::TCreateParams TProgressBar::CreateParams() {
  RegisterProgressClass();
  return {PROGRESS_CLASSA, WS_CHILD | StyleBits(), 0, ""};
}

void TProgressBar::HandleCreated() { ApplyRange(); }
