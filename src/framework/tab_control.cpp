#include "framework/tab_control.h"

#include <stdexcept>

namespace {

void RegisterTabClass() {
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_TAB_CLASSES};
  InitCommonControlsEx(&classes);
}

}  // namespace

void TTabControl::SetTabs(std::vector<std::string> tabs) {
  tabs_ = std::move(tabs);
  tabIndex_ = tabs_.empty() ? -1 : 0;
  if (HandleAllocated())
    FillWindow();
}

int TTabControl::TabIndex() {
  if (HandleAllocated())
    tabIndex_ = static_cast<int>(SendMessageA(Handle(), TCM_GETCURSEL, 0, 0));
  return tabIndex_;
}

void TTabControl::SetTabIndex(int index) {
  if (index < -1 || index >= static_cast<int>(tabs_.size()))
    throw std::out_of_range("Tab index out of bounds (" + std::to_string(index) + ")");
  tabIndex_ = index;
  if (HandleAllocated())
    SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TTabControl::SetTabPosition(TTabPosition position) {
  tabPosition_ = position;
  ApplyStyle();
}

void TTabControl::SetStyle(TTabStyle style) {
  style_ = style;
  ApplyStyle();
}

void TTabControl::ApplyStyle() {
  if (!HandleAllocated())
    return;
  ApplyTabStyle(Handle(), tabPosition_, style_);
}

TWinControl::TCreateParams TTabControl::CreateParams() {
  RegisterTabClass();
  return {WC_TABCONTROLA, WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS | TabStyleBits(tabPosition_, style_), 0, ""};
}

void TTabControl::HandleCreated() { FillWindow(); }

void TTabControl::FillWindow() {
  HWND hwnd = Handle();
  SendMessageA(hwnd, TCM_DELETEALLITEMS, 0, 0);
  for (size_t i = 0; i < tabs_.size(); ++i) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = tabs_[i].data();
    SendMessageA(hwnd, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
  }
  SendMessageA(hwnd, TCM_SETCURSEL, static_cast<WPARAM>(tabIndex_), 0);
}

bool TTabControl::NotifyReflect(const NMHDR& header, LRESULT& result) {
  if (header.code != TCN_SELCHANGE)
    return false;
  TabIndex();
  if (OnChange)
    OnChange(this);
  result = 0;
  return true;
}
