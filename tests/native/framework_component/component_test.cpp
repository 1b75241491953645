#include "framework/core/component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> destroyed;

class Probe : public TComponent {
public:
  Probe(TComponent* owner, const std::string& name) : TComponent(owner) { SetName(name); }
  ~Probe() override { destroyed.push_back(Name()); }
  const char* ClassName() const override { return "TProbe"; }
  bool InheritsFrom(const std::string& c) const override { return c == "TProbe" || TComponent::InheritsFrom(c); }

  TComponent* watched = nullptr;  // a reference that must be dropped when it goes

protected:
  void Notification(TComponent* c, TOperation op) override {
    if (op == TOperation::opRemove && c == watched)
      watched = nullptr;
  }
};

TEST(Component, AnOwnerFreesItsComponentsNewestFirst) {
  destroyed.clear();
  auto* form = new Probe(nullptr, "Form1");
  auto* panel = new Probe(form, "Panel");
  new Probe(panel, "Button");
  new Probe(form, "Timer");
  EXPECT_EQ(form->ComponentCount(), 2);
  EXPECT_EQ(form->FindComponent("Panel"), panel);
  EXPECT_EQ(form->FindComponent("Button"), nullptr);  // owned by the panel, not the form
  delete form;
  EXPECT_EQ(destroyed, (std::vector<std::string>{"Form1", "Timer", "Panel", "Button"}));
}

TEST(Component, AComponentFreedFirstLeavesItsOwnerAndWatchersClean) {
  destroyed.clear();
  Probe form(nullptr, "Form1");
  auto* menu = new Probe(&form, "PopupMenu1");
  auto* tray = new Probe(&form, "TrayIcon1");
  tray->watched = menu;
  menu->FreeNotification(tray);
  delete menu;
  EXPECT_EQ(tray->watched, nullptr);
  EXPECT_EQ(form.ComponentCount(), 1);
  EXPECT_EQ(form.Components(0), tray);
}

TEST(Component, AWatcherThatGoesFirstIsNotToldLater) {
  Probe form(nullptr, "Form1");
  auto* menu = new Probe(&form, "Menu");
  auto* tray = new Probe(&form, "Tray");
  menu->FreeNotification(tray);
  delete tray;  // must unregister itself, or deleting the menu would touch freed memory
  delete menu;
  EXPECT_EQ(form.ComponentCount(), 0);
}

TEST(Component, ReportsItsClassAndAncestry) {
  Probe p(nullptr, "p");
  EXPECT_STREQ(p.ClassName(), "TProbe");
  EXPECT_TRUE(p.InheritsFrom("TComponent"));
  EXPECT_FALSE(p.InheritsFrom("TControl"));
}

}  // namespace
