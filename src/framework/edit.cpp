#include "framework/edit.h"

#include <vector>

void TEdit::SetText(const std::string& text) {
  if (text == text_)
    return;
  text_ = text;
  if (HandleAllocated()) {
    settingText_ = true;
    SetWindowTextA(Handle(), text_.c_str());
    settingText_ = false;
  }
  Change();
}

void TEdit::SetBorderStyle(TBorderStyle style) {
  if (style == borderStyle_)
    return;
  borderStyle_ = style;
  if (!HandleAllocated())
    return;
  const LONG_PTR exStyle = GetWindowLongPtrA(Handle(), GWL_EXSTYLE);
  SetWindowLongPtrA(Handle(), GWL_EXSTYLE, style == bsSingle ? exStyle | WS_EX_CLIENTEDGE : exStyle & ~WS_EX_CLIENTEDGE);
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TEdit::Change() {
  if (OnChange)
    OnChange(this);
}

// The edge is a non-client one: an edit made with WS_BORDER draws its border inside its client
// area, where nothing outside the edit can tell it from the text field.
TWinControl::TCreateParams TEdit::CreateParams() {
  return {"EDIT", WS_CHILD | WS_TABSTOP | ES_AUTOHSCROLL, borderStyle_ == bsSingle ? WS_EX_CLIENTEDGE : 0u, text_};
}

void TEdit::CommandNotify(WORD code) {
  if (code != EN_CHANGE || settingText_)
    return;
  const int length = GetWindowTextLengthA(Handle());
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  GetWindowTextA(Handle(), buffer.data(), length + 1);
  std::string typed(buffer.data());
  if (typed == text_)
    return;
  text_ = std::move(typed);
  Change();
}
