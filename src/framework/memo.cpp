#include "framework/memo.h"

#include <vector>

namespace {

constexpr char kLineBreak[] = "\r\n";

}  // namespace

void TMemo::SetLines(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0)
      text += kLineBreak;
    text += lines[i];
  }
  SetText(text);
}

std::vector<std::string> TMemo::Lines() const {
  std::vector<std::string> lines;
  if (text_.empty())
    return lines;
  size_t start = 0;
  for (size_t end; (end = text_.find(kLineBreak, start)) != std::string::npos; start = end + 2)
    lines.push_back(text_.substr(start, end - start));
  lines.push_back(text_.substr(start));
  return lines;
}

void TMemo::SetText(const std::string& text) {
  text_ = text;
  if (HandleAllocated())
    SetWindowTextA(Handle(), text_.c_str());
}

void TMemo::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  if (HandleAllocated())
    SendMessageA(Handle(), EM_SETREADONLY, readOnly, 0);
}

TWinControl::TCreateParams TMemo::CreateParams() {
  DWORD style = WS_CHILD | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
  if (readOnly_)
    style |= ES_READONLY;
  // Created empty: the text goes in after the length limit is lifted. The edge is non-client,
  // as an edit's (edit.cpp).
  return {"EDIT", style, WS_EX_CLIENTEDGE, ""};
}

void TMemo::HandleCreated() {
  // The default limit (about 30000 characters) would silently cut a longer text.
  SendMessageA(Handle(), EM_SETLIMITTEXT, 0, 0);
  SetWindowTextA(Handle(), text_.c_str());
}

void TMemo::CommandNotify(WORD code) {
  if (code != EN_CHANGE)
    return;
  const int length = GetWindowTextLengthA(Handle());
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  GetWindowTextA(Handle(), buffer.data(), length + 1);
  text_.assign(buffer.data());
}
