#pragma once
#include "framework/control.h"

#include <functional>

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// A check box. OnClick runs whenever the state changes: a click by the user, or SetChecked or
// SetState from code with another state; setting the state it already has does nothing. A
// click on a grayed box checks it.
class TCheckBox : public TWinControl {
public:
  using NotifyEvent = std::function<void(TComponent* sender)>;

  explicit TCheckBox(TComponent* owner) : TWinControl(owner) {}
  const char* ClassName() const override { return "TCheckBox"; }

  bool Checked() const { return state_ == TCheckBoxState::cbChecked; }
  void SetChecked(bool checked);
  TCheckBoxState State() const { return state_; }
  void SetState(TCheckBoxState state);
  NotifyEvent OnClick;

protected:
  TCreateParams CreateParams() override;
  void HandleCreated() override;
  void CommandNotify(WORD code) override;

private:
  void ApplyState();

  TCheckBoxState state_ = TCheckBoxState::cbUnchecked;  // kept while no window exists
};
