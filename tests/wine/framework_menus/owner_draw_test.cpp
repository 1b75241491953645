// Owner-drawn popup menus under a real TrackPopupMenu, driven by keys, and the plain look.
#include "framework/menu_item_paint.h"
#include "framework/popup_menu.h"
#include "framework/system/gdi_handles.h"

#include "menu_test_support.h"

#include <vector>

namespace {

using menu_test::MenuDriver;

struct TDrawCall {
  bool selected;
  int height;
};

class OwnerDrawTest : public menu_test::MenuFixture {
protected:
  TMenuItem* Item(const std::string& caption) {
    auto* item = new TMenuItem(&root_);
    item->SetCaption(caption);
    menu_.Add(item);
    return item;
  }
  void TrackWith(std::vector<MenuDriver::TKey> keys) {
    MenuDriver driver(std::move(keys));
    menu_.Popup(40, 40);
    EXPECT_TRUE(driver.Seen());
    app_.ProcessMessages();  // the chosen command arrives posted
  }
  TPopupMenu menu_{&root_};
};

TEST_F(OwnerDrawTest, TheTrackedMenuMeasuresAndDrawsThroughTheItemsHandlers) {
  menu_.SetOwnerDraw(true);
  TMenuItem* first = Item("&First");
  Item("Second");  // no handlers: the plain look
  std::vector<TDrawCall> draws;
  int defaultWidth = -1;
  first->OnMeasureItem = [&](TMenuItem* item, HDC, int& width, int& height) {
    EXPECT_EQ(item, first);
    defaultWidth = width;
    width += 40;
    height = 30;
  };
  first->OnDrawItem = [&](TMenuItem* item, HDC dc, const RECT& rect, bool selected) {
    EXPECT_EQ(item, first);
    EXPECT_NE(dc, nullptr);
    draws.push_back({selected, rect.bottom - rect.top});
  };
  int clicks = 0;
  first->OnClick = [&](TComponent*) { ++clicks; };

  TrackWith({{WM_KEYDOWN, VK_DOWN}, {WM_CHAR, '\r'}});

  EXPECT_GT(defaultWidth, 0);  // the handler started from the default measuring
  ASSERT_FALSE(draws.empty());
  EXPECT_FALSE(draws.front().selected);
  bool drawnSelected = false;
  for (const TDrawCall& call : draws) {
    EXPECT_EQ(call.height, 30);
    drawnSelected = drawnSelected || call.selected;
  }
  EXPECT_TRUE(drawnSelected);
  EXPECT_EQ(clicks, 1);
}

TEST_F(OwnerDrawTest, TypedAcceleratorsChooseOwnerDrawnItems) {
  struct Row {
    char typed;
    int chosen;  // index of the item clicked, -1 for none
  } rows[] = {{'b', 1}, {'B', 1}, {'m', 2}, {'g', -1}, {'d', -1}};
  menu_.SetOwnerDraw(true);
  std::vector<TMenuItem*> items = {Item("&Alpha"), Item("&Beta"), Item("Gam&ma && &gin")};
  Item("&Disabled")->SetEnabled(false);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.typed);
    int clicked = -1;
    for (size_t i = 0; i < items.size(); ++i)
      items[i]->OnClick = [&clicked, i](TComponent*) { clicked = static_cast<int>(i); };
    TrackWith({{WM_CHAR, static_cast<WPARAM>(row.typed)}});
    EXPECT_EQ(clicked, row.chosen);
  }
}

// ---- The plain look, painted into a bitmap ----

COLORREF Pixel(HDC dc, int x, int y) {
  return GetPixel(dc, x, y);
}

int CountColour(HDC dc, const RECT& area, COLORREF colour) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      count += GetPixel(dc, x, y) == colour;
  return count;
}

TEST_F(OwnerDrawTest, ThePlainLookUsesTheSystemMenuColours) {
  struct Row {
    const char* what;
    bool selected, enabled, checked;
    int background, text;  // system colour indices
  } rows[] = {
      {"normal", false, true, false, COLOR_MENU, COLOR_MENUTEXT},
      {"selected", true, true, false, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT},
      {"disabled", false, false, false, COLOR_MENU, COLOR_GRAYTEXT},
      {"checked", false, true, true, COLOR_MENU, COLOR_MENUTEXT},
  };
  const RECT rect = {0, 0, 160, 22};
  const RECT glyph = {0, 0, kMenuGlyphColumn, 22};
  const RECT text = {kMenuGlyphColumn, 0, 160, 22};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    TMenuItem* item = Item("&Open");
    item->SetShortCut("Ctrl+O");
    item->SetEnabled(row.enabled);
    item->SetChecked(row.checked);
    TWindowDC screen(nullptr);
    UniqueDC dc(CreateCompatibleDC(screen.Get()));
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.Get(), 160, 22));
    TSelectObject keep(dc.Get(), bitmap.Get());
    DrawMenuItemPlain(*item, dc.Get(), rect, row.selected);
    EXPECT_EQ(Pixel(dc.Get(), 1, 1), GetSysColor(row.background));
    EXPECT_EQ(Pixel(dc.Get(), 159, 21), GetSysColor(row.background));
    EXPECT_GT(CountColour(dc.Get(), text, GetSysColor(row.text)), 10);
    EXPECT_EQ(CountColour(dc.Get(), glyph, GetSysColor(row.text)) > 0, row.checked);
    // The shortcut sits at the right: text colour in the last quarter.
    EXPECT_GT(CountColour(dc.Get(), {120, 0, 160, 22}, GetSysColor(row.text)), 0);
  }
}

TEST_F(OwnerDrawTest, APlainSeparatorIsAnEtchedLineNeverHighlighted) {
  TMenuItem* line = Item("-");
  int width = -1, height = -1;
  TWindowDC screen(nullptr);
  line->MeasureDefault(screen.Get(), width, height);
  EXPECT_EQ(height, TMenuItem::kSeparatorHeight);
  UniqueDC dc(CreateCompatibleDC(screen.Get()));
  UniqueBitmap bitmap(CreateCompatibleBitmap(screen.Get(), 100, 8));
  TSelectObject keep(dc.Get(), bitmap.Get());
  DrawMenuItemPlain(*line, dc.Get(), {0, 0, 100, 8}, true);
  EXPECT_EQ(Pixel(dc.Get(), 50, 0), GetSysColor(COLOR_MENU));
  EXPECT_GT(CountColour(dc.Get(), {0, 0, 100, 8}, GetSysColor(COLOR_BTNSHADOW)), 50);
}

TEST_F(OwnerDrawTest, DefaultMeasuringAddsTheShortCutAndTheBoldDefault) {
  TMenuItem* item = Item("Open");
  TWindowDC screen(nullptr);
  int plainWidth = 0, height = 0;
  item->MeasureDefault(screen.Get(), plainWidth, height);
  EXPECT_GT(plainWidth, 0);
  EXPECT_GT(height, 0);
  item->SetShortCut("Ctrl+O");
  int withShortCut = 0;
  item->MeasureDefault(screen.Get(), withShortCut, height);
  EXPECT_GT(withShortCut, plainWidth + TMenuItem::kShortCutGap);
  item->SetShortCut("");
  item->SetDefault(true);
  int bold = 0;
  item->MeasureDefault(screen.Get(), bold, height);
  EXPECT_GE(bold, plainWidth);
}

}  // namespace
