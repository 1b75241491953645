#include "framework/check_box.h"

void TCheckBox::SetChecked(bool checked) {
  SetState(checked ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked);
}

void TCheckBox::SetState(TCheckBoxState state) {
  if (state == state_)
    return;
  state_ = state;
  if (HandleAllocated())
    ApplyState();
  if (OnClick)
    OnClick(this);
}

// Only a three-state box shows the grayed mark, so the style follows the state.
void TCheckBox::ApplyState() {
  const bool grayed = state_ == TCheckBoxState::cbGrayed;
  SendMessageA(Handle(), BM_SETSTYLE, grayed ? BS_3STATE : BS_CHECKBOX, FALSE);
  const WPARAM check = grayed ? BST_INDETERMINATE : Checked() ? BST_CHECKED : BST_UNCHECKED;
  SendMessageA(Handle(), BM_SETCHECK, check, 0);
}

TWinControl::TCreateParams TCheckBox::CreateParams() {
  // Not an automatic box: the object decides the state, so code and clicks take one road.
  return {"BUTTON", WS_CHILD | WS_TABSTOP | BS_CHECKBOX, 0, Caption()};
}

void TCheckBox::HandleCreated() {
  ApplyState();
}

void TCheckBox::CommandNotify(WORD code) {
  if (code == BN_CLICKED)
    SetChecked(!Checked());
}
