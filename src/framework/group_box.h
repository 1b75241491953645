#pragma once
#include "framework/control.h"

// A captioned frame around other controls, which are its children.
class TCustomGroupBox : public TWinControl {
public:
  explicit TCustomGroupBox(TComponent* owner) : TWinControl(owner) {}
  const char* ClassName() const override { return "TCustomGroupBox"; }

protected:
  TCreateParams CreateParams() override;
  LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

class TGroupBox : public TCustomGroupBox {
public:
  explicit TGroupBox(TComponent* owner) : TCustomGroupBox(owner) {}
  const char* ClassName() const override { return "TGroupBox"; }
};
