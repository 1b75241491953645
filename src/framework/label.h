#pragma once
#include "framework/control.h"

// A line of static text; its background is its parent's colour.
class TLabel : public TWinControl {
public:
  explicit TLabel(TComponent* owner) : TWinControl(owner) {}
  const char* ClassName() const override { return "TLabel"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TLabel" || c == "TCustomLabel" || TWinControl::InheritsFrom(c);
  }
  // Sizes the label to its text in its font, as a label of automatic size does.
  void AutoSize();

protected:
  TCreateParams CreateParams() override;
  void HandleCreated() override { AutoSize(); }
};
