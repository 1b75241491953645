#pragma once
#include "framework/control.h"

#include <functional>
#include <string>
#include <vector>

// An old-style strip of tabs for the bottom edge of a form, drawn by the framework: the tabs
// hang from the strip's top edge as trapezoids, narrower at the bottom, and the chosen one is
// white and open towards the area above. A click on a tab chooses it and runs OnChange.
class TTabSet : public TWinControl {
public:
  using NotifyEvent = std::function<void(TComponent* sender)>;

  explicit TTabSet(TComponent* owner);
  const char* ClassName() const override { return "TTabSet"; }

  const std::vector<std::string>& Tabs() const { return tabs_; }
  // Replaces the tabs; the first is chosen, if there is one.
  void SetTabs(std::vector<std::string> tabs);
  // The chosen tab, or -1. std::out_of_range for an index below -1 or past the last tab.
  int TabIndex() const { return tabIndex_; }
  void SetTabIndex(int index);
  // The tab under a point of the client area, or -1 (also while there is no window); the chosen
  // tab lies above its neighbours, and each other tab above its right neighbour.
  int TabAt(int x, int y);
  // Room kept free before the first tab and after the last.
  int StartMargin() const { return startMargin_; }
  void SetStartMargin(int margin);
  int EndMargin() const { return endMargin_; }
  void SetEndMargin(int margin);

  NotifyEvent OnChange;

  LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
  // A tab's corners, clockwise from the top left.
  struct TTabShape {
    POINT Corners[4];
  };
  std::vector<TTabShape> Shapes(HDC dc);
  void Paint(HDC dc);
  void Clicked(int x, int y);

  std::vector<std::string> tabs_;  // left to right
  int tabIndex_ = -1;
  int startMargin_ = 4;
  int endMargin_ = 4;
};
