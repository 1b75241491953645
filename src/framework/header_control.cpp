#include "framework/header_control.h"

#include <commctrl.h>

#include <stdexcept>

namespace {

void RegisterHeaderClass() {
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&classes);
}

}  // namespace

THeaderControl::TSection THeaderControl::Section(int index) {
  if (index < 0 || index >= SectionCount())
    throw std::out_of_range("Header section index out of bounds (" + std::to_string(index) + ")");
  TSection section = sections_[static_cast<size_t>(index)];
  HDITEMA item{};
  item.mask = HDI_WIDTH;
  if (HandleAllocated() &&
      SendMessageA(Handle(), HDM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)))
    section.Width = item.cxy;
  return section;
}

void THeaderControl::AddSection(const std::string& text, int width) {
  sections_.push_back({text, width});
  if (HandleAllocated())
    InsertSection(SectionCount() - 1);
}

void THeaderControl::SetSections(const std::vector<TSection>& sections) {
  if (HandleAllocated())
    for (int i = SectionCount() - 1; i >= 0; --i)
      SendMessageA(Handle(), HDM_DELETEITEM, static_cast<WPARAM>(i), 0);
  sections_ = sections;
  if (HandleAllocated())
    for (int i = 0; i < SectionCount(); ++i)
      InsertSection(i);
}

void THeaderControl::SetHotTrack(bool hotTrack) {
  hotTrack_ = hotTrack;
  if (!HandleAllocated())
    return;
  const LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE) & ~static_cast<LONG_PTR>(HDS_HOTTRACK);
  SetWindowLongPtrA(Handle(), GWL_STYLE, style | (hotTrack ? HDS_HOTTRACK : 0));
}

TWinControl::TCreateParams THeaderControl::CreateParams() {
  RegisterHeaderClass();
  const DWORD hotTrack = hotTrack_ ? HDS_HOTTRACK : 0;
  return {WC_HEADERA, WS_CHILD | HDS_HORZ | HDS_BUTTONS | HDS_FULLDRAG | hotTrack, 0, ""};
}

void THeaderControl::HandleCreated() {
  for (int i = 0; i < SectionCount(); ++i)
    InsertSection(i);
}

void THeaderControl::InsertSection(int index) {
  TSection& section = sections_[static_cast<size_t>(index)];
  HDITEMA item{};
  item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
  item.pszText = section.Text.data();
  item.cxy = section.Width;
  item.fmt = HDF_LEFT | HDF_STRING;
  SendMessageA(Handle(), HDM_INSERTITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}
