#pragma once
#include "framework/control.h"

// A captioned frame around other controls, which are its children.
class TGroupBox : public TWinControl {
public:
  explicit TGroupBox(TComponent* owner) : TWinControl(owner) {}
  const char* ClassName() const override { return "TGroupBox"; }

protected:
  TCreateParams CreateParams() override;
  LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) override;
};
