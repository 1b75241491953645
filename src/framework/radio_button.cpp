#include "framework/radio_button.h"

void TRadioButton::SetChecked(bool checked) {
  if (checked == checked_)
    return;
  checked_ = checked;
  if (HandleAllocated())
    ApplyCheck();
  if (!checked_ || !Parent())
    return;
  for (int i = 0; i < Parent()->ControlCount(); ++i)
    if (auto* sibling = dynamic_cast<TRadioButton*>(Parent()->Controls(i)); sibling && sibling != this)
      sibling->SetChecked(false);
}

void TRadioButton::Click() {
  if (checked_)
    return;
  SetChecked(true);
  if (OnClick)
    OnClick(this);
}

void TRadioButton::ApplyCheck() {
  SendMessageA(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

TWinControl::TCreateParams TRadioButton::CreateParams() {
  // Not an automatic button: the object decides the state, so code and clicks take one road.
  return {"BUTTON", WS_CHILD | WS_TABSTOP | BS_RADIOBUTTON, 0, Caption()};
}

void TRadioButton::HandleCreated() {
  ApplyCheck();
}

void TRadioButton::CommandNotify(WORD code) {
  if (code == BN_CLICKED)
    Click();
}
