// Native menus built from item trees: structure, texts, states, and how changes reach them.
#include "framework/core/exceptions.h"
#include "framework/main_menu.h"
#include "framework/popup_menu.h"

#include "menu_test_support.h"

#include <memory>

namespace {

using menu_test::NativeInfo;
using menu_test::NativeText;

class MenuBuildTest : public menu_test::MenuFixture {
protected:
  TMenuItem* Item(const std::string& caption, TMenuItem* parent = nullptr) {
    auto* item = new TMenuItem(&root_);
    item->SetCaption(caption);
    if (parent)
      parent->Add(item);
    return item;
  }
};

TEST_F(MenuBuildTest, SubItemsBuildNestedNativeMenusThatCarryTheItemsCommands) {
  TMainMenu bar(&root_);
  TMenuItem* file = Item("&File");
  TMenuItem* open = Item("&Open...", file);
  open->SetShortCut("Ctrl+O");
  Item("-", file);
  TMenuItem* recent = Item("&Recent", file);
  TMenuItem* first = Item("first.skin", recent);
  TMenuItem* help = Item("&Help");
  bar.Add(file);
  bar.Add(help);

  HMENU native = bar.Handle();
  ASSERT_TRUE(IsMenu(native));
  ASSERT_EQ(GetMenuItemCount(native), 2);
  HMENU fileMenu = GetSubMenu(native, 0);
  EXPECT_EQ(fileMenu, file->Handle());
  EXPECT_EQ(GetSubMenu(native, 1), nullptr);  // no sub-items: no submenu
  EXPECT_EQ(help->Handle(), nullptr);
  EXPECT_EQ(NativeInfo(native, 0).wID, file->Command());

  struct Row {
    int position;
    std::string text;
    UINT command;
    bool separator, popup;
  } rows[] = {
      {0, "&Open...\tCtrl+O", open->Command(), false, false},
      {1, "", 0, true, false},
      {2, "&Recent", recent->Command(), false, true},
  };
  ASSERT_EQ(GetMenuItemCount(fileMenu), 3);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.position);
    const MENUITEMINFOA info = NativeInfo(fileMenu, row.position);
    EXPECT_EQ((info.fType & MFT_SEPARATOR) != 0, row.separator);
    EXPECT_EQ(info.hSubMenu != nullptr, row.popup);
    if (!row.separator) {
      EXPECT_EQ(NativeText(fileMenu, row.position), row.text);
      EXPECT_EQ(info.wID, row.command);
    }
  }
  HMENU recentMenu = recent->Handle();
  ASSERT_TRUE(IsMenu(recentMenu));
  EXPECT_EQ(NativeInfo(recentMenu, 0).wID, first->Command());
  EXPECT_EQ(first->Menu(), &bar);
  EXPECT_EQ(first->Parent(), recent);
  EXPECT_EQ(TMenuItem::FindBySubMenu(recentMenu), recent);
}

TEST_F(MenuBuildTest, StatesAndVisibilityReachTheNativeItems) {
  struct Row {
    const char* what;
    bool enabled, checked, visible;
    UINT state;  // expected state bits of MFS_GRAYED | MFS_CHECKED
  } rows[] = {
      {"plain", true, false, true, 0},
      {"disabled", false, false, true, MFS_GRAYED},
      {"checked", true, true, true, MFS_CHECKED},
      {"both", false, true, true, MFS_GRAYED | MFS_CHECKED},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    TPopupMenu menu(&root_);
    TMenuItem* hidden = Item("hidden");
    hidden->SetVisible(false);
    TMenuItem* item = Item(row.what);
    item->SetEnabled(row.enabled);
    item->SetChecked(row.checked);
    menu.Add(hidden);
    menu.Add(item);
    ASSERT_EQ(GetMenuItemCount(menu.Handle()), 1);  // the hidden item is left out
    EXPECT_EQ(NativeInfo(menu.Handle(), 0).fState & (MFS_GRAYED | MFS_CHECKED), row.state);
    // Changed after the build, the same native item follows.
    item->SetEnabled(!row.enabled);
    item->SetChecked(!row.checked);
    EXPECT_EQ(NativeInfo(menu.Handle(), 0).fState & (MFS_GRAYED | MFS_CHECKED),
              (MFS_GRAYED | MFS_CHECKED) & ~row.state);
  }
}

TEST_F(MenuBuildTest, LookChangesUpdateInPlaceAndStructureChangesRebuild) {
  TPopupMenu menu(&root_);
  TMenuItem* parent = Item("Parent");
  TMenuItem* child = Item("Child", parent);
  menu.Add(parent);
  HMENU before = menu.Handle();
  HMENU subBefore = parent->Handle();

  child->SetCaption("Renamed");
  child->SetShortCut("F5");
  EXPECT_EQ(menu.Handle(), before);  // a tracked menu must survive a look change
  EXPECT_EQ(NativeText(subBefore, 0), "Renamed\tF5");

  // An item made owner-drawn by whoever draws the menu stays so through a look change.
  MENUITEMINFOA ownerDrawn = {sizeof ownerDrawn, MIIM_FTYPE};
  ownerDrawn.fType = MFT_OWNERDRAW;
  SetMenuItemInfoA(subBefore, 0, TRUE, &ownerDrawn);
  child->SetChecked(true);
  EXPECT_TRUE(NativeInfo(subBefore, 0).fType & MFT_OWNERDRAW);
  EXPECT_TRUE(NativeInfo(subBefore, 0).fState & MFS_CHECKED);

  Item("Second", parent);
  EXPECT_NE(menu.Handle(), before);
  EXPECT_FALSE(IsMenu(before));  // the old tree went, submenus with it
  EXPECT_FALSE(IsMenu(subBefore));
  EXPECT_EQ(GetMenuItemCount(parent->Handle()), 2);

  // An item destroyed leaves its parent's native submenu.
  delete child;
  EXPECT_EQ(parent->Count(), 1);
  EXPECT_EQ(NativeText(parent->Handle(), 0), "Second");
  // A parent whose sub-items are all hidden opens nothing.
  parent->Items(0)->SetVisible(false);
  EXPECT_EQ(parent->Handle(), nullptr);
  EXPECT_EQ(GetSubMenu(menu.Handle(), 0), nullptr);
}

TEST_F(MenuBuildTest, AnItemTakenOutOfTheTreeNoLongerNamesASubmenu) {
  TPopupMenu menu(&root_);
  TMenuItem* outer = Item("Outer");
  TMenuItem* inner = Item("Inner", outer);
  Item("Leaf", inner);
  menu.Add(outer);
  HMENU innerMenu = inner->Handle();
  ASSERT_NE(innerMenu, nullptr);
  delete outer;  // INNER is left without parent, its native submenu gone with the rebuild
  EXPECT_EQ(inner->Menu(), nullptr);
  EXPECT_EQ(inner->Handle(), nullptr);
  EXPECT_EQ(TMenuItem::FindBySubMenu(innerMenu), nullptr);
}

TEST_F(MenuBuildTest, AnItemMovesBetweenParentsAndCannotGoUnderItself) {
  TPopupMenu menu(&root_);
  TMenuItem* a = Item("A");
  TMenuItem* b = Item("B");
  TMenuItem* leaf = Item("leaf", a);
  menu.Add(a);
  menu.Add(b);
  b->Add(leaf);
  EXPECT_EQ(a->Count(), 0);
  EXPECT_EQ(leaf->Parent(), b);
  EXPECT_THROW(leaf->Add(b), EInvalidOperation);
  // A top-level item placed under another item leaves the menu's own list.
  a->Add(b);
  EXPECT_EQ(menu.Count(), 1);
  EXPECT_EQ(b->Parent(), a);
  EXPECT_EQ(leaf->Menu(), &menu);
}

TEST_F(MenuBuildTest, AMenuDestroyedFirstLeavesItsItemsWithoutMenuOrSubmenus) {
  TMenuItem* parent = Item("Parent");
  Item("Child", parent);
  {
    TPopupMenu menu(&root_);
    menu.Add(parent);
    ASSERT_NE(parent->Handle(), nullptr);
  }
  EXPECT_EQ(parent->Menu(), nullptr);
  EXPECT_EQ(parent->Handle(), nullptr);
  parent->SetCaption("still usable");  // reaches no menu
  EXPECT_EQ(parent->Items(0)->Menu(), nullptr);
}

TEST_F(MenuBuildTest, OwnerDrawBuildsOwnerDrawnItemsButKeepsTheBarsOwnText) {
  TMainMenu bar(&root_);
  TMenuItem* top = Item("&Skin");
  TMenuItem* sub = Item("&Hints", top);
  Item("-", top);
  bar.Add(top);
  HMENU before = bar.Handle();
  bar.SetOwnerDraw(true);
  EXPECT_NE(bar.Handle(), before);
  EXPECT_FALSE(NativeInfo(bar.Handle(), 0).fType & MFT_OWNERDRAW);
  EXPECT_EQ(NativeText(bar.Handle(), 0), "&Skin");
  EXPECT_TRUE(NativeInfo(top->Handle(), 0).fType & MFT_OWNERDRAW);
  EXPECT_EQ(NativeInfo(top->Handle(), 0).wID, sub->Command());
  EXPECT_EQ(NativeInfo(top->Handle(), 1).fType & (MFT_OWNERDRAW | MFT_SEPARATOR),
            static_cast<UINT>(MFT_OWNERDRAW | MFT_SEPARATOR));

  TPopupMenu popup(&root_);
  TMenuItem* only = Item("only");
  popup.Add(only);
  popup.SetOwnerDraw(true);
  EXPECT_TRUE(NativeInfo(popup.Handle(), 0).fType & MFT_OWNERDRAW);
  EXPECT_FALSE(only->RightToLeft());
  popup.SetRightToLeft(true);
  EXPECT_TRUE(only->RightToLeft());
  EXPECT_TRUE(NativeInfo(popup.Handle(), 0).fType & MFT_RIGHTORDER);
}

}  // namespace
