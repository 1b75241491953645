#include "framework/combo_box.h"

#include <commctrl.h>

#include <stdexcept>
#include <vector>

namespace {

constexpr DWORD kRightToLeftExStyle = WS_EX_RTLREADING | WS_EX_RIGHT | WS_EX_LEFTSCROLLBAR;

DWORD StyleBits(TComboBoxStyle style) {
  switch (style) {
    case TComboBoxStyle::csSimple: return CBS_SIMPLE;
    case TComboBoxStyle::csDropDownList: return CBS_DROPDOWNLIST;
    default: return CBS_DROPDOWN;
  }
}

std::string WindowText(HWND hwnd) {
  const int length = GetWindowTextLengthA(hwnd);
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  GetWindowTextA(hwnd, buffer.data(), length + 1);
  return buffer.data();
}

}  // namespace

void TComboBox::SetBounds(int left, int top, int width, int height) {
  TWinControl::SetBounds(left, top, width, height);
  if (HandleAllocated())
    ApplyDropDownCount();
}

void TComboBox::SetBiDiMode(TBiDiMode mode) {
  biDiMode_ = mode;
  if (!HandleAllocated())
    return;
  LONG_PTR exStyle = GetWindowLongPtrA(Handle(), GWL_EXSTYLE) & ~static_cast<LONG_PTR>(kRightToLeftExStyle);
  if (mode == TBiDiMode::bdRightToLeft)
    exStyle |= kRightToLeftExStyle;
  SetWindowLongPtrA(Handle(), GWL_EXSTYLE, exStyle);
  InvalidateRect(Handle(), nullptr, TRUE);
}

void TComboBox::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  itemIndex_ = -1;
  if (HandleAllocated())
    FillWindow();
}

void TComboBox::Add(const std::string& item) {
  items_.push_back(item);
  if (HandleAllocated())
    SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

int TComboBox::ItemIndex() {
  if (!HandleAllocated())
    return itemIndex_;
  const LRESULT index = SendMessageA(Handle(), CB_GETCURSEL, 0, 0);
  return index == CB_ERR ? -1 : static_cast<int>(index);
}

void TComboBox::SetItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size()))
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
  itemIndex_ = index;
  text_ = index >= 0 ? items_[static_cast<size_t>(index)] : std::string();
  if (HandleAllocated())
    SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::string TComboBox::Text() {
  return HandleAllocated() ? WindowText(Handle()) : text_;
}

void TComboBox::SetText(const std::string& text) {
  if (style_ == TComboBoxStyle::csDropDownList) {
    int found = -1;
    for (size_t i = 0; i < items_.size() && found < 0; ++i)
      if (items_[i] == text)
        found = static_cast<int>(i);
    SetItemIndex(found);
    return;
  }
  text_ = text;
  if (HandleAllocated())
    SetWindowTextA(Handle(), text.c_str());
}

void TComboBox::SetDropDownCount(int count) {
  dropDownCount_ = count < 1 ? 1 : count;
  if (HandleAllocated())
    ApplyDropDownCount();
}

TWinControl::TCreateParams TComboBox::CreateParams() {
  return {"COMBOBOX", WS_CHILD | WS_TABSTOP | WS_VSCROLL | CBS_AUTOHSCROLL | StyleBits(style_),
          biDiMode_ == TBiDiMode::bdRightToLeft ? kRightToLeftExStyle : 0, ""};
}

void TComboBox::HandleCreated() {
  FillWindow();
  if (itemIndex_ >= 0)
    SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
  else if (style_ != TComboBoxStyle::csDropDownList)
    SetWindowTextA(Handle(), text_.c_str());
  ApplyDropDownCount();
}

void TComboBox::FillWindow() {
  HWND hwnd = Handle();
  SendMessageA(hwnd, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items_)
    SendMessageA(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

// A dropping combo box takes the height it is given as the height of its dropped-down list; its
// own field keeps its height.
void TComboBox::ApplyDropDownCount() {
  if (style_ == TComboBoxStyle::csSimple)
    return;
  HWND hwnd = Handle();
  const int field = static_cast<int>(SendMessageA(hwnd, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
  const int item = static_cast<int>(SendMessageA(hwnd, CB_GETITEMHEIGHT, 0, 0));
  const int frame = 2 * GetSystemMetrics(SM_CYEDGE) + 2 * GetSystemMetrics(SM_CYBORDER);
  SetWindowPos(hwnd, nullptr, 0, 0, Width(), field + frame + dropDownCount_ * item + 2,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TComboBox::CommandNotify(WORD code) {
  if (code != CBN_SELCHANGE && code != CBN_EDITCHANGE)
    return;
  const int chosen = ItemIndex();
  // A key pressed on the last item reports a selection change that changed nothing.
  if (code == CBN_SELCHANGE && chosen == itemIndex_)
    return;
  itemIndex_ = chosen;
  if (OnChange)
    OnChange(this);
}
