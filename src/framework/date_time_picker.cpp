#include "framework/date_time_picker.h"

#include "framework/core/exceptions.h"

#include <commctrl.h>

#include <cstdio>
#include <string>

namespace {

void RegisterDateClasses() {
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_DATE_CLASSES};
  InitCommonControlsEx(&classes);
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// The day alone, with its day of the week filled in; false for a day the calendar lacks (the
// system's conversion would roll 29 February of a common year over into March).
bool DayOnly(const SYSTEMTIME& date, SYSTEMTIME& day) {
  if (date.wYear < 1601 || date.wMonth < 1 || date.wMonth > 12 || date.wDay < 1 ||
      date.wDay > DaysInMonth(date.wYear, date.wMonth))
    return false;
  SYSTEMTIME midnight{};
  midnight.wYear = date.wYear;
  midnight.wMonth = date.wMonth;
  midnight.wDay = date.wDay;
  FILETIME file{};
  return SystemTimeToFileTime(&midnight, &file) && FileTimeToSystemTime(&file, &day);
}

}  // namespace

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner) {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  DayOnly(now, date_);
}

SYSTEMTIME TDateTimePicker::Date() {
  if (HandleAllocated()) {
    SYSTEMTIME shown{};
    if (SendMessageA(Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown)) == GDT_VALID)
      DayOnly(shown, date_);
  }
  return date_;
}

void TDateTimePicker::SetDate(const SYSTEMTIME& date) {
  SYSTEMTIME day{};
  if (!DayOnly(date, day))
    throw EConvertError("Invalid date");
  date_ = day;
  if (HandleAllocated())
    SendMessageA(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&date_));
}

std::string TDateTimePicker::DateText() {
  const SYSTEMTIME date = Date();
  char text[16];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u", date.wYear, date.wMonth, date.wDay);
  return text;
}

void TDateTimePicker::SetDateText(const std::string& text) {
  bool wellFormed = text.size() == 10;
  for (size_t i = 0; wellFormed && i < text.size(); ++i)
    wellFormed = i == 4 || i == 7 ? text[i] == '-' : text[i] >= '0' && text[i] <= '9';
  if (!wellFormed)
    throw EConvertError("'" + text + "' is not a valid date");
  SYSTEMTIME date{};
  date.wYear = static_cast<WORD>(std::stoi(text.substr(0, 4)));
  date.wMonth = static_cast<WORD>(std::stoi(text.substr(5, 2)));
  date.wDay = static_cast<WORD>(std::stoi(text.substr(8, 2)));
  SetDate(date);
}

TWinControl::TCreateParams TDateTimePicker::CreateParams() {
  RegisterDateClasses();
  return {DATETIMEPICK_CLASSA, WS_CHILD | WS_TABSTOP | DTS_SHORTDATEFORMAT, 0, ""};
}

void TDateTimePicker::HandleCreated() {
  SendMessageA(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&date_));
}

bool TDateTimePicker::NotifyReflect(const NMHDR& header, LRESULT& result) {
  if (header.code != DTN_DATETIMECHANGE)
    return false;
  const auto& change = reinterpret_cast<const NMDATETIMECHANGE&>(header);
  SYSTEMTIME day{};
  if (change.dwFlags == GDT_VALID && DayOnly(change.st, day) &&
      (day.wYear != date_.wYear || day.wMonth != date_.wMonth || day.wDay != date_.wDay)) {
    date_ = day;
    if (OnChange)
      OnChange(this);
  }
  result = 0;
  return true;
}
