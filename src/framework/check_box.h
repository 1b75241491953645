#pragma once
#include "framework/control.h"

#include <functional>

// A check box. OnClick runs whenever the state changes: a click by the user, or SetChecked from
// code with the other state; setting the state it already has does nothing.
class TCheckBox : public TWinControl {
public:
  using NotifyEvent = std::function<void(TComponent* sender)>;

  explicit TCheckBox(TComponent* owner) : TWinControl(owner) {}
  const char* ClassName() const override { return "TCheckBox"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TCheckBox" || c == "TCustomCheckBox" || c == "TButtonControl" || TWinControl::InheritsFrom(c);
  }

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  NotifyEvent OnClick;

protected:
  TCreateParams CreateParams() override;
  void HandleCreated() override;
  void CommandNotify(WORD code) override;

private:
  bool checked_ = false;  // kept while no window exists
};
