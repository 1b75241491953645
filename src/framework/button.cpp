#include "framework/button.h"

void TButton::Click() {
  if (OnClick)
    OnClick(this);
}

TWinControl::TCreateParams TButton::CreateParams() {
  return {"BUTTON", WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON, 0, Caption()};
}

void TButton::CommandNotify(WORD code) {
  if (code == BN_CLICKED)
    Click();
}
