#pragma once
#include "framework/control.h"
#include "framework/tab_style.h"

#include <functional>
#include <string>
#include <vector>

class TPageControl;

// One page of a page control: a plain framework window filling the page control's display
// area, its Caption shown on its tab. Its children are placed in its own client coordinates.
class TTabSheet : public TWinControl {
public:
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;
  const char* ClassName() const override { return "TTabSheet"; }

  // The page control this sheet is placed on (its parent), or null.
  TPageControl* PageControl() const;

protected:
  TCreateParams CreateParams() override;
  void HandleCreated() override;
  void CaptionChanged() override;
};

// Tabs (drawn as buttons unless told otherwise) beside a display area that shows the active
// page, one of the TTabSheet children; the first page is active until another is chosen by a
// click or by the program.
class TPageControl : public TWinControl {
public:
  using NotifyEvent = std::function<void(TComponent* sender)>;

  explicit TPageControl(TComponent* owner);
  const char* ClassName() const override { return "TPageControl"; }

  int PageCount() const;
  // The sheets in the order they were placed; std::out_of_range for a bad index.
  TTabSheet* Pages(int index) const;
  // -1 while there is no page.
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);
  TTabPosition TabPosition() const { return tabPosition_; }
  void SetTabPosition(TTabPosition position);
  TTabStyle Style() const { return style_; }
  void SetStyle(TTabStyle style);

  // After a click on a tab made another page active.
  NotifyEvent OnChange;

protected:
  TCreateParams CreateParams() override;
  void HandleCreated() override;
  bool NotifyReflect(const NMHDR& header, LRESULT& result) override;
  RECT AlignArea() override;

public:
  LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
  friend class TTabSheet;
  void PageRemoved(TTabSheet* page);
  void UpdateTabs();
  void ShowActivePage();
  void ApplyStyle();

  TTabSheet* activePage_ = nullptr;  // null: the first page
  // The captions last given to the tab control's window, and that window: a rebuild that would
  // change nothing is skipped, each insertion redraws the tabs.
  std::vector<std::string> tabCaptions_;
  HWND tabsWindow_ = nullptr;
  TTabPosition tabPosition_ = TTabPosition::tpTop;
  TTabStyle style_ = TTabStyle::tsButtons;
};
