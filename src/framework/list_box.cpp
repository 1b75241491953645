#include "framework/list_box.h"

#include <stdexcept>
#include <string>

void TListBox::Add(const std::string& item) {
  items_.push_back(item);
  if (HandleAllocated())
    SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void TListBox::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  if (HandleAllocated())
    FillWindow();
}

void TListBox::Delete(int index) {
  if (index < 0 || index >= Count())
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
  items_.erase(items_.begin() + index);
  if (HandleAllocated())
    SendMessageA(Handle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void TListBox::Clear() {
  items_.clear();
  if (HandleAllocated())
    SendMessageA(Handle(), LB_RESETCONTENT, 0, 0);
}

void TListBox::SetItemHeight(int height) {
  itemHeight_ = height;
  if (HandleAllocated() && height > 0)
    SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, height);
}

bool TListBox::Selected(int index) {
  return HandleAllocated() && SendMessageA(Handle(), LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
}

void TListBox::SetSelected(int index, bool selected) {
  SendMessageA(Handle(), LB_SETSEL, selected, index);
}

int TListBox::ItemIndex() {
  if (!HandleAllocated())
    return -1;
  const int caret = static_cast<int>(SendMessageA(Handle(), LB_GETCARETINDEX, 0, 0));
  return caret >= 0 && caret < Count() ? caret : -1;
}

TWinControl::TCreateParams TListBox::CreateParams() {
  return {"LISTBOX",
          WS_CHILD | WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
              (multiSelect_ ? LBS_EXTENDEDSEL : 0),
          0, ""};
}

void TListBox::HandleCreated() {
  if (itemHeight_ > 0)
    SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, itemHeight_);
  FillWindow();
}

void TListBox::FillWindow() {
  HWND hwnd = Handle();
  SendMessageA(hwnd, WM_SETREDRAW, FALSE, 0);
  SendMessageA(hwnd, LB_RESETCONTENT, 0, 0);
  size_t bytes = 0;
  for (const std::string& s : items_)
    bytes += s.size() + 1;
  SendMessageA(hwnd, LB_INITSTORAGE, items_.size(), bytes);
  for (const std::string& s : items_)
    SendMessageA(hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
  SendMessageA(hwnd, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(hwnd, nullptr, TRUE);
}

void TListBox::CommandNotify(WORD code) {
  if (code == LBN_SELCHANGE && OnClick)
    OnClick(this);
}
