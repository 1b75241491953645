#include "framework/list_box.h"

#include "framework/system/gdi_handles.h"

#include <algorithm>
#include <stdexcept>
#include <string>

void TListBox::Add(const std::string& item) {
  items_.push_back(item);
  if (HandleAllocated())
    SendMessageA(Handle(), LB_SETCOUNT, items_.size(), 0);
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

void TListBox::DeleteSelected() {
  if (!HandleAllocated())
    return;  // no window, no selection
  HWND hwnd = Handle();
  std::vector<bool> selected(items_.size(), false);
  const LRESULT count = SendMessageA(hwnd, LB_GETSELCOUNT, 0, 0);
  if (count == LB_ERR) {  // a single-select list
    const LRESULT current = SendMessageA(hwnd, LB_GETCURSEL, 0, 0);
    if (current >= 0 && static_cast<size_t>(current) < items_.size())
      selected[static_cast<size_t>(current)] = true;
  } else if (count > 0) {
    std::vector<int> indexes(static_cast<size_t>(count));
    SendMessageA(hwnd, LB_GETSELITEMS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(indexes.data()));
    for (int i : indexes)
      if (i >= 0 && static_cast<size_t>(i) < items_.size())
        selected[static_cast<size_t>(i)] = true;
  }
  if (std::find(selected.begin(), selected.end(), true) == selected.end())
    return;  // nothing to remove: the window stays as it is
  const LRESULT top = SendMessageA(hwnd, LB_GETTOPINDEX, 0, 0);
  const LRESULT caret = SendMessageA(hwnd, LB_GETCARETINDEX, 0, 0);
  std::vector<std::string> kept;
  for (size_t i = 0; i < items_.size(); ++i)
    if (!selected[i])
      kept.push_back(std::move(items_[i]));
  items_ = std::move(kept);
  FillWindow();
  if (items_.empty())
    return;
  const LRESULT last = Count() - 1;
  SendMessageA(hwnd, LB_SETCARETINDEX, static_cast<WPARAM>(std::clamp<LRESULT>(caret, 0, last)), FALSE);
  SendMessageA(hwnd, LB_SETTOPINDEX, static_cast<WPARAM>(std::clamp<LRESULT>(top, 0, last)), 0);
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
          static_cast<DWORD>(WS_CHILD | WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                             LBS_OWNERDRAWFIXED | LBS_NODATA | (multiSelect_ ? LBS_EXTENDEDSEL : 0)),
          0, ""};
}

void TListBox::HandleCreated() {
  if (itemHeight_ > 0)
    SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, itemHeight_);
  FillWindow();
}

void TListBox::FillWindow() {
  HWND hwnd = Handle();
  SendMessageA(hwnd, LB_RESETCONTENT, 0, 0);
  SendMessageA(hwnd, LB_SETCOUNT, items_.size(), 0);
  InvalidateRect(hwnd, nullptr, TRUE);
}

bool TListBox::DrawItemReflect(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1)) {  // an empty list with the focus: only its rectangle
    if (item.itemState & ODS_FOCUS)
      DrawFocusRect(item.hDC, &item.rcItem);
    return true;
  }
  const bool selected = item.itemState & ODS_SELECTED;
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (item.itemID < items_.size()) {
    TSelectObject font(item.hDC, FontHandle());
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT text = item.rcItem;
    text.left += 2;
    const std::string& s = items_[item.itemID];
    DrawTextA(item.hDC, s.c_str(), static_cast<int>(s.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  }
  if (item.itemState & ODS_FOCUS)
    DrawFocusRect(item.hDC, &item.rcItem);
  return true;
}

void TListBox::CommandNotify(WORD code) {
  if (code == LBN_SELCHANGE && OnClick)
    OnClick(this);
}
