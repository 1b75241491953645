#pragma once
#include "framework/control.h"

#include <functional>

// A push button. OnClick runs for a click by the user and for Click() from code.
class TButton : public TWinControl {
public:
  using NotifyEvent = std::function<void(TComponent* sender)>;

  explicit TButton(TComponent* owner) : TWinControl(owner) {}
  const char* ClassName() const override { return "TButton"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TButton" || c == "TButtonControl" || TWinControl::InheritsFrom(c);
  }

  // Presses the button from code: the same handler as a click.
  void Click();
  NotifyEvent OnClick;

protected:
  TCreateParams CreateParams() override;
  void CommandNotify(WORD code) override;
};
