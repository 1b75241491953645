#pragma once
#include "framework/control.h"

#include <functional>
#include <string>

// A date field with a drop-down calendar. OnChange runs when the user changed the date, never
// for the program's own SetDate.
class TDateTimePicker : public TWinControl {
public:
  using NotifyEvent = std::function<void(TComponent* sender)>;

  // Today, until another date is set.
  explicit TDateTimePicker(TComponent* owner);
  const char* ClassName() const override { return "TDateTimePicker"; }

  // The date; the time-of-day fields are zero.
  SYSTEMTIME Date();
  // EConvertError for a day the calendar does not have.
  void SetDate(const SYSTEMTIME& date);
  // The date as yyyy-mm-dd; EConvertError for other text or a day the calendar does not have.
  std::string DateText();
  void SetDateText(const std::string& text);

  NotifyEvent OnChange;

protected:
  TCreateParams CreateParams() override;
  void HandleCreated() override;
  bool NotifyReflect(const NMHDR& header, LRESULT& result) override;

private:
  SYSTEMTIME date_;  // the date while no window exists, and the last one the window reported
};
