#include "framework/check_box.h"

void TCheckBox::SetChecked(bool checked) {
  if (checked == checked_)
    return;
  checked_ = checked;
  if (HandleAllocated())
    SendMessageA(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
  if (OnClick)
    OnClick(this);
}

TWinControl::TCreateParams TCheckBox::CreateParams() {
  // Not an automatic box: the object decides the state, so code and clicks take one road.
  return {"BUTTON", WS_CHILD | WS_TABSTOP | BS_CHECKBOX, 0, Caption()};
}

void TCheckBox::HandleCreated() {
  SendMessageA(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TCheckBox::CommandNotify(WORD code) {
  if (code == BN_CLICKED)
    SetChecked(!checked_);
}
