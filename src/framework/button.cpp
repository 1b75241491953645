#include "framework/button.h"

void TButton::Click() {
  if (OnClick)
    OnClick(this);
}

void TButton::SetDefault(bool isDefault) {
  default_ = isDefault;
  if (HandleAllocated())
    SendMessageA(Handle(), BM_SETSTYLE, ButtonStyle(), TRUE);
}

TWinControl::TCreateParams TButton::CreateParams() {
  return {"BUTTON", WS_CHILD | WS_TABSTOP | ButtonStyle(), 0, Caption()};
}

void TButton::CommandNotify(WORD code) {
  if (code == BN_CLICKED)
    Click();
}
