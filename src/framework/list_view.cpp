#include "framework/list_view.h"

#include <commctrl.h>

#include <stdexcept>

namespace {

void RegisterListViewClass() {
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&classes);
}

constexpr DWORD kViewStyleBits[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};

}  // namespace

TListView::TColumn TListView::Column(int index) {
  if (index < 0 || index >= ColumnCount())
    throw std::out_of_range("List view column index out of bounds (" + std::to_string(index) + ")");
  TColumn column = columns_[static_cast<size_t>(index)];
  if (HandleAllocated())
    column.Width = static_cast<int>(SendMessageA(Handle(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(index), 0));
  return column;
}

void TListView::AddColumn(const std::string& caption, int width) {
  columns_.push_back({caption, width});
  if (HandleAllocated())
    InsertColumn(ColumnCount() - 1);
}

void TListView::SetColumns(const std::vector<TColumn>& columns) {
  if (HandleAllocated())
    for (int i = ColumnCount() - 1; i >= 0; --i)
      SendMessageA(Handle(), LVM_DELETECOLUMN, static_cast<WPARAM>(i), 0);
  columns_ = columns;
  if (!HandleAllocated())
    return;
  for (int i = 0; i < ColumnCount(); ++i)
    InsertColumn(i);
  // The items' texts of the new columns: the window dropped them with the old ones.
  SendMessageA(Handle(), LVM_DELETEALLITEMS, 0, 0);
  for (int i = 0; i < ItemCount(); ++i)
    InsertItem(i);
}

int TListView::AddItem(const std::string& caption, const std::vector<std::string>& subItems) {
  items_.push_back({caption, subItems});
  if (HandleAllocated())
    InsertItem(ItemCount() - 1);
  return ItemCount() - 1;
}

void TListView::Clear() {
  items_.clear();
  if (HandleAllocated())
    SendMessageA(Handle(), LVM_DELETEALLITEMS, 0, 0);
}

int TListView::ItemIndex() {
  if (!HandleAllocated())
    return -1;
  return static_cast<int>(SendMessageA(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void TListView::SetViewStyle(TViewStyle style) {
  viewStyle_ = style;
  ApplyStyle();
}

void TListView::SetHideSelection(bool hide) {
  hideSelection_ = hide;
  ApplyStyle();
}

void TListView::SetRowSelect(bool rowSelect) {
  rowSelect_ = rowSelect;
  if (HandleAllocated())
    SendMessageA(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, rowSelect ? LVS_EX_FULLROWSELECT : 0);
}

HWND TListView::HeaderHandle() {
  return HandleAllocated() ? reinterpret_cast<HWND>(SendMessageA(Handle(), LVM_GETHEADER, 0, 0)) : nullptr;
}

DWORD TListView::StyleBits() const {
  return kViewStyleBits[static_cast<int>(viewStyle_)] | (hideSelection_ ? 0 : LVS_SHOWSELALWAYS);
}

// The list view takes a new view or selection style while it exists.
void TListView::ApplyStyle() {
  if (!HandleAllocated())
    return;
  const LONG_PTR kept =
      GetWindowLongPtrA(Handle(), GWL_STYLE) & ~static_cast<LONG_PTR>(LVS_TYPEMASK | LVS_SHOWSELALWAYS);
  SetWindowLongPtrA(Handle(), GWL_STYLE, kept | StyleBits());
  InvalidateRect(Handle(), nullptr, TRUE);
}

TWinControl::TCreateParams TListView::CreateParams() {
  RegisterListViewClass();
  return {WC_LISTVIEWA, WS_CHILD | WS_TABSTOP | WS_BORDER | LVS_SINGLESEL | StyleBits(), 0, ""};
}

void TListView::HandleCreated() {
  SetRowSelect(rowSelect_);
  for (int i = 0; i < ColumnCount(); ++i)
    InsertColumn(i);
  for (int i = 0; i < ItemCount(); ++i)
    InsertItem(i);
}

void TListView::InsertColumn(int index) {
  TColumn& column = columns_[static_cast<size_t>(index)];
  LVCOLUMNA native{};
  native.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  native.pszText = column.Caption.data();
  native.cx = column.Width;
  native.iSubItem = index;
  SendMessageA(Handle(), LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&native));
}

void TListView::InsertItem(int index) {
  TItem& item = items_[static_cast<size_t>(index)];
  LVITEMA native{};
  native.mask = LVIF_TEXT;
  native.iItem = index;
  native.pszText = item.Caption.data();
  const int at = static_cast<int>(SendMessageA(Handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&native)));
  if (at < 0)
    return;
  for (size_t i = 0; i < item.SubItems.size(); ++i) {
    LVITEMA sub{};
    sub.iSubItem = static_cast<int>(i) + 1;
    sub.pszText = item.SubItems[i].data();
    SendMessageA(Handle(), LVM_SETITEMTEXTA, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&sub));
  }
}
