// Shortcut texts, "&" accelerators, and finding the item a key press chooses.
#include "framework/popup_menu.h"
#include "framework/shortcut.h"

#include "menu_test_support.h"

namespace {

TEST(ShortCutText, NamesKeyAndModifiers) {
  struct Row {
    const char* text;
    WORD key;
    TShiftState shift;
  } rows[] = {
      {"Ctrl+O", 'O', ssCtrl},
      {"ctrl+o", 'O', ssCtrl},
      {"Shift+Ctrl+F5", VK_F5, ssShift | ssCtrl},
      {"Alt+Enter", VK_RETURN, ssAlt},
      {"Control+Shift+Alt+9", '9', ssCtrl | ssShift | ssAlt},
      {"F12", VK_F12, 0},
      {"F24", VK_F24, 0},
      {"Del", VK_DELETE, 0},
      {"PgDn", VK_NEXT, 0},
      {"Ctrl+Left", VK_LEFT, ssCtrl},
      // Nothing a key press could match:
      {"", 0, 0},
      {"Ctrl+", 0, 0},
      {"Ctrl", 0, 0},
      {"Hyper+O", 0, 0},
      {"F0", 0, 0},
      {"F25", 0, 0},
      {"F1x", 0, 0},
      {"Ctrl+OO", 0, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    const TShortCut shortCut = TextToShortCut(row.text);
    EXPECT_EQ(shortCut.Key, row.key);
    EXPECT_EQ(shortCut.Shift, row.shift);
  }
}

TEST(MenuAcceleratorText, IsTheCharacterAfterTheFirstSingleAmpersand) {
  struct Row {
    const char* caption;
    char accelerator;
  } rows[] = {
      {"&File", 'f'}, {"E&xit", 'x'}, {"Save &As", 'a'}, {"Fish && &Chips", 'c'},
      {"&&Literal", 0}, {"No accelerator", 0}, {"Trailing&", 0}, {"", 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.caption);
    EXPECT_EQ(MenuAccelerator(row.caption), row.accelerator);
  }
}

class ShortCutSearchTest : public menu_test::MenuFixture {};

TEST_F(ShortCutSearchTest, FindsNestedItemsButSkipsHiddenAndDisabledOnes) {
  TPopupMenu menu(&root_);
  auto* file = new TMenuItem(&root_);
  auto* open = new TMenuItem(&root_);
  auto* reload = new TMenuItem(&root_);
  auto* quit = new TMenuItem(&root_);
  open->SetShortCut("Ctrl+O");
  reload->SetShortCut("F5");
  quit->SetShortCut("Ctrl+Q");
  file->Add(open);
  file->Add(reload);
  menu.Add(file);
  menu.Add(quit);

  EXPECT_EQ(menu.FindByShortCut({'O', ssCtrl}), open);
  EXPECT_EQ(menu.FindByShortCut({VK_F5, 0}), reload);
  EXPECT_EQ(menu.FindByShortCut({'Q', ssCtrl}), quit);
  EXPECT_EQ(menu.FindByShortCut({'O', ssCtrl | ssShift}), nullptr);  // modifiers must match
  EXPECT_EQ(menu.FindByShortCut({'O', 0}), nullptr);
  EXPECT_EQ(menu.FindByShortCut({}), nullptr);
  open->SetEnabled(false);
  EXPECT_EQ(menu.FindByShortCut({'O', ssCtrl}), nullptr);
  file->SetVisible(false);  // a hidden parent hides its sub-items' keys too
  EXPECT_EQ(menu.FindByShortCut({VK_F5, 0}), nullptr);
}

}  // namespace
