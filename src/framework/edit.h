#pragma once
#include "framework/control.h"

#include <functional>
#include <string>

// Whether a control draws the sunken edge around its field.
enum TBorderStyle { bsNone, bsSingle };

// A single-line edit. Setting a different text raises OnChange before the setter returns, also
// for an invisible edit; setting the text it already holds does nothing. Typing raises it too.
class TEdit : public TWinControl {
public:
  using NotifyEvent = std::function<void(TComponent* sender)>;

  explicit TEdit(TComponent* owner) : TWinControl(owner) {}
  const char* ClassName() const override { return "TEdit"; }

  std::string Text() const { return text_; }
  void SetText(const std::string& text);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle style);
  NotifyEvent OnChange;

protected:
  TCreateParams CreateParams() override;
  void CommandNotify(WORD code) override;

private:
  void Change();

  std::string text_;        // the text, also while no window exists
  TBorderStyle borderStyle_ = bsSingle;
  bool settingText_ = false;  // our own SetWindowText is not a user's edit
};
