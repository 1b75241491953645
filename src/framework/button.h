#pragma once
#include "framework/control.h"

#include <functional>

// A push button. OnClick runs for a click by the user and for Click() from code.
class TButton : public TWinControl {
public:
  using NotifyEvent = std::function<void(TComponent* sender)>;

  explicit TButton(TComponent* owner) : TWinControl(owner) {}
  const char* ClassName() const override { return "TButton"; }

  // Presses the button from code: the same handler as a click.
  void Click() override;
  NotifyEvent OnClick;
  // The default button of its form, drawn with the heavier border.
  bool Default() const { return default_; }
  void SetDefault(bool isDefault);

protected:
  TCreateParams CreateParams() override;
  void CommandNotify(WORD code) override;
  // The button's type among the BS_* styles.
  virtual DWORD ButtonStyle() const { return default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON; }

private:

  bool default_ = false;  // kept while no window exists
};
