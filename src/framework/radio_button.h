#pragma once
#include "framework/control.h"
#include "framework/published.h"

// A radio button. The object keeps the state: checking one unchecks the other radio buttons of
// the same parent. OnClick runs when the user checks it (or Click() does), not for a change
// made from code.
class TRadioButton : public TWinControl {
public:
  explicit TRadioButton(TComponent* owner) : TWinControl(owner) {}
  const char* ClassName() const override { return "TRadioButton"; }

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  // What a click by the user does: checks the button and runs OnClick, unless it was checked.
  void Click() override;
  TNotifyEvent OnClick;

protected:
  TCreateParams CreateParams() override;
  void HandleCreated() override;
  void CommandNotify(WORD code) override;

private:
  void ApplyCheck();

  bool checked_ = false;  // kept while no window exists
};
