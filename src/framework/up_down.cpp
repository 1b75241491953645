#include "framework/up_down.h"

#include <commctrl.h>

#include <algorithm>

namespace {

void RegisterUpDownClass() {
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&classes);
}

}  // namespace

TUpDown::~TUpDown() {
  if (associate_)
    associate_->RemoveFreeNotification(this);
}

void TUpDown::SetMin(int min) {
  position_ = Position();
  min_ = min;
  ApplyRange();
}

void TUpDown::SetMax(int max) {
  position_ = Position();
  max_ = max;
  ApplyRange();
}

int TUpDown::Position() {
  if (!HandleAllocated())
    return position_;
  BOOL failed = FALSE;
  const int position = static_cast<int>(SendMessageA(Handle(), UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
  return failed ? position_ : position;
}

void TUpDown::SetPosition(int position) {
  position_ = std::clamp(position, std::min(min_, max_), std::max(min_, max_));
  if (HandleAllocated())
    SendMessageA(Handle(), UDM_SETPOS32, 0, position_);
}

void TUpDown::SetAssociate(TWinControl* associate) {
  if (associate_)
    associate_->RemoveFreeNotification(this);
  associate_ = associate;
  if (associate_)
    associate_->FreeNotification(this);
  if (HandleAllocated())
    ApplyBuddy();
}

void TUpDown::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == associate_) {
    associate_ = nullptr;
    if (HandleAllocated())
      SendMessageA(Handle(), UDM_SETBUDDY, 0, 0);
  }
}

TWinControl::TCreateParams TUpDown::CreateParams() {
  RegisterUpDownClass();
  DWORD style = WS_CHILD | UDS_ARROWKEYS | UDS_NOTHOUSANDS | UDS_ALIGNRIGHT | UDS_SETBUDDYINT;
  if (orientation_ == TUDOrientation::udHorizontal)
    style |= UDS_HORZ;
  return {UPDOWN_CLASSA, style, 0, ""};
}

void TUpDown::HandleCreated() {
  ApplyRange();
  ApplyBuddy();
}

// The position stays inside the range, reversed ranges included.
void TUpDown::ApplyRange() {
  position_ = std::clamp(position_, std::min(min_, max_), std::max(min_, max_));
  if (!HandleAllocated())
    return;
  SendMessageA(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
  SendMessageA(Handle(), UDM_SETPOS32, 0, position_);
}

// The buddy must have its window on the same parent. The window reads its position from the
// buddy's text, so the position is taken before the buddy changes and written into the new one.
void TUpDown::ApplyBuddy() {
  const int position = Position();
  HWND buddy = associate_ && associate_->Parent() ? associate_->Handle() : nullptr;
  SendMessageA(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
  SendMessageA(Handle(), UDM_SETPOS32, 0, position);
}

LRESULT TUpDown::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
  // The window reports a click on an arrow at the end of the range too, which moved nothing.
  if ((msg == CN_VSCROLL || msg == CN_HSCROLL) && LOWORD(wParam) == SB_THUMBPOSITION) {
    const int before = position_;
    position_ = Position();
    if (position_ != before && OnClick)
      OnClick(this);
    return 0;
  }
  return TWinControl::DefaultHandler(msg, wParam, lParam);
}
