#include "framework/page_control.h"

#include <commctrl.h>

#include <stdexcept>
#include <string>

namespace {

void RegisterTabClass() {
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_TAB_CLASSES};
  InitCommonControlsEx(&classes);
}

}  // namespace

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
  SetAlign(TAlign::alClient);
}

// A container, like a panel: Tab and Shift+Tab go through its controls.
TWinControl::TCreateParams TTabSheet::CreateParams() {
  TCreateParams params = TWinControl::CreateParams();
  params.ExStyle |= WS_EX_CONTROLPARENT;
  return params;
}

// The caption is shown on the tab, whether the sheet has its window yet or not.
void TTabSheet::CaptionChanged() {
  if (TPageControl* pages = PageControl())
    pages->UpdateTabs();
}

TTabSheet::~TTabSheet() {
  if (TPageControl* pages = PageControl()) {
    SetParent(nullptr);
    pages->PageRemoved(this);
  }
}

TPageControl* TTabSheet::PageControl() const { return dynamic_cast<TPageControl*>(Parent()); }

void TTabSheet::HandleCreated() {
  if (TPageControl* pages = PageControl())
    pages->UpdateTabs();
}

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) {}

LRESULT TPageControl::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = TWinControl::DefaultHandler(msg, wParam, lParam);
  // Another font changes the height of the tabs and with it the display area.
  if (msg == WM_SETFONT)
    AlignControls();
  return result;
}

int TPageControl::PageCount() const {
  int count = 0;
  for (int i = 0; i < ControlCount(); ++i)
    if (dynamic_cast<TTabSheet*>(Controls(i)))
      ++count;
  return count;
}

TTabSheet* TPageControl::Pages(int index) const {
  int seen = 0;
  for (int i = 0; i < ControlCount(); ++i)
    if (auto* page = dynamic_cast<TTabSheet*>(Controls(i)); page && seen++ == index)
      return page;
  throw std::out_of_range("Tab index out of bounds (" + std::to_string(index) + ")");
}

int TPageControl::ActivePageIndex() const {
  const int count = PageCount();
  for (int i = 0; i < count; ++i)
    if (Pages(i) == activePage_)
      return i;
  return count > 0 ? 0 : -1;
}

void TPageControl::SetActivePageIndex(int index) {
  activePage_ = Pages(index);
  if (HandleAllocated())
    SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  ShowActivePage();
}

void TPageControl::SetTabPosition(TTabPosition position) {
  tabPosition_ = position;
  ApplyStyle();
}

void TPageControl::SetStyle(TTabStyle style) {
  style_ = style;
  ApplyStyle();
}

// The tabs move or change their look, and the display area with them.
void TPageControl::ApplyStyle() {
  if (!HandleAllocated())
    return;
  ApplyTabStyle(Handle(), tabPosition_, style_);
  AlignControls();
}

TWinControl::TCreateParams TPageControl::CreateParams() {
  RegisterTabClass();
  // The pages are the strip's children: Tab and Shift+Tab go through the page shown.
  return {WC_TABCONTROLA,
          WS_CHILD | WS_TABSTOP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | TabStyleBits(tabPosition_, style_),
          WS_EX_CONTROLPARENT, ""};
}

// Runs before the sheets get their windows: only the active one is created visible.
void TPageControl::HandleCreated() { UpdateTabs(); }

bool TPageControl::NotifyReflect(const NMHDR& header, LRESULT& result) {
  if (header.code != TCN_SELCHANGE)
    return false;
  const int index = static_cast<int>(SendMessageA(Handle(), TCM_GETCURSEL, 0, 0));
  if (index >= 0 && index < PageCount()) {
    activePage_ = Pages(index);
    ShowActivePage();
    if (OnChange)
      OnChange(this);
  }
  result = 0;
  return true;
}

RECT TPageControl::AlignArea() {
  RECT area = TWinControl::AlignArea();
  if (HandleAllocated())
    SendMessageA(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  return area;
}

void TPageControl::PageRemoved(TTabSheet* page) {
  if (activePage_ == page)
    activePage_ = nullptr;
  UpdateTabs();
}

// The tabs are rebuilt from the sheets: there are few, and it keeps their order and captions
// in step with the children.
void TPageControl::UpdateTabs() {
  if (HandleAllocated()) {
    HWND tabs = Handle();
    std::vector<std::string> captions;
    for (int i = 0; i < PageCount(); ++i)
      captions.push_back(Pages(i)->Caption());
    if (tabs != tabsWindow_ || captions != tabCaptions_) {
      SendMessageA(tabs, TCM_DELETEALLITEMS, 0, 0);
      for (size_t i = 0; i < captions.size(); ++i) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = captions[i].data();
        SendMessageA(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
      }
      tabsWindow_ = tabs;
      tabCaptions_ = std::move(captions);
    }
    SendMessageA(tabs, TCM_SETCURSEL, static_cast<WPARAM>(ActivePageIndex()), 0);
  }
  ShowActivePage();
}

// The new page is shown and placed before the old one is hidden, so the display area is never
// empty in between.
void TPageControl::ShowActivePage() {
  const int active = ActivePageIndex();
  if (active < 0)
    return;
  Pages(active)->SetVisible(true);
  AlignControls();
  for (int i = 0; i < PageCount(); ++i)
    if (i != active)
      Pages(i)->SetVisible(false);
}
