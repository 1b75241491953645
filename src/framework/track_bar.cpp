#include "framework/track_bar.h"

#include <commctrl.h>

#include <algorithm>

namespace {

void RegisterTrackBarClass() {
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_BAR_CLASSES};
  InitCommonControlsEx(&classes);
}

constexpr DWORD kTickStyleBits[] = {TBS_BOTTOM, TBS_TOP, TBS_BOTH};

}  // namespace

void TTrackBar::SetMin(int min) {
  Position();
  min_ = min;
  ApplyRange();
}

void TTrackBar::SetMax(int max) {
  Position();
  max_ = max;
  ApplyRange();
}

int TTrackBar::Position() {
  if (HandleAllocated())
    position_ = static_cast<int>(SendMessageA(Handle(), TBM_GETPOS, 0, 0));
  return position_;
}

void TTrackBar::SetPosition(int position) {
  position_ = position;
  ApplyRange();
}

void TTrackBar::SetThumbLength(int length) {
  thumbLength_ = length;
  if (HandleAllocated())
    SendMessageA(Handle(), TBM_SETTHUMBLENGTH, static_cast<WPARAM>(length), 0);
}

// The position stays inside the range; Max below Min is taken as Min.
void TTrackBar::ApplyRange() {
  position_ = std::clamp(position_, min_, std::max(min_, max_));
  if (!HandleAllocated())
    return;
  SendMessageA(Handle(), TBM_SETRANGEMIN, FALSE, min_);
  SendMessageA(Handle(), TBM_SETRANGEMAX, FALSE, std::max(min_, max_));
  SendMessageA(Handle(), TBM_SETPOS, TRUE, position_);
}

TWinControl::TCreateParams TTrackBar::CreateParams() {
  RegisterTrackBarClass();
  const DWORD orientation = orientation_ == TTrackBarOrientation::trVertical ? TBS_VERT : TBS_HORZ;
  return {TRACKBAR_CLASSA,
          WS_CHILD | WS_TABSTOP | TBS_AUTOTICKS | TBS_FIXEDLENGTH | orientation |
              kTickStyleBits[static_cast<int>(tickMarks_)],
          0, ""};
}

void TTrackBar::HandleCreated() {
  SendMessageA(Handle(), TBM_SETTHUMBLENGTH, static_cast<WPARAM>(thumbLength_), 0);
  ApplyRange();
}

LRESULT TTrackBar::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == CN_HSCROLL || msg == CN_VSCROLL) {
    const int before = position_;
    if (Position() != before && OnChange)
      OnChange(this);
    return 0;
  }
  return TWinControl::DefaultHandler(msg, wParam, lParam);
}
