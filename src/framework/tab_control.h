#pragma once
#include "framework/control.h"
#include "framework/tab_style.h"

#include <functional>
#include <string>
#include <vector>

// A row of tabs without pages: the program shows what the chosen tab stands for. The tabs are
// the object's own list, also while no window exists. OnChange runs after the user chose
// another tab, never for SetTabIndex.
class TTabControl : public TWinControl {
public:
  using NotifyEvent = std::function<void(TComponent* sender)>;

  explicit TTabControl(TComponent* owner) : TWinControl(owner) {}
  const char* ClassName() const override { return "TTabControl"; }

  const std::vector<std::string>& Tabs() const { return tabs_; }
  // Replaces the tabs; the first is chosen, if there is one.
  void SetTabs(std::vector<std::string> tabs);
  // The chosen tab, or -1. std::out_of_range for an index below -1 or past the last tab.
  int TabIndex();
  void SetTabIndex(int index);
  TTabPosition TabPosition() const { return tabPosition_; }
  void SetTabPosition(TTabPosition position);
  TTabStyle Style() const { return style_; }
  void SetStyle(TTabStyle style);

  NotifyEvent OnChange;

protected:
  TCreateParams CreateParams() override;
  void HandleCreated() override;
  bool NotifyReflect(const NMHDR& header, LRESULT& result) override;

private:
  void FillWindow();
  void ApplyStyle();

  std::vector<std::string> tabs_;  // left to right
  int tabIndex_ = -1;              // while no window exists, and as the user last chose
  TTabPosition tabPosition_ = TTabPosition::tpTop;
  TTabStyle style_ = TTabStyle::tsTabs;
};
