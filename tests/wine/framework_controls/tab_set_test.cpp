#include "framework/tab_set.h"

#include "control_form.h"
#include "framework/tab_control.h"
#include "wine_support.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstdint>
#include <utility>

namespace {

// A system colour as the canvas reads pixels: 0x00RRGGBB.
uint32_t SystemPixel(int index) {
  const COLORREF c = GetSysColor(index);
  return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

class TabSetTest : public ::testing::Test, protected control_form::ControlForm {
protected:
  TabSetTest() : tabs_(Place(new TTabSet(&Form()), 0, 440, 400, kHeight)) {
    tabs_->SetTabs({"壁纸", "设置", "关于"});
    tabs_->OnChange = [this](TComponent*) { ++changes_; };
  }
  // The first and last x of row Y that TabAt gives to tab I, or {-1, -1}.
  std::pair<int, int> Span(int tab, int y) {
    std::pair<int, int> span{-1, -1};
    for (int x = 0; x < 400; ++x)
      if (tabs_->TabAt(x, y) == tab) {
        if (span.first < 0)
          span.first = x;
        span.second = x;
      }
    return span;
  }
  static constexpr int kHeight = 21;
  TTabSet* tabs_;
  int changes_ = 0;
};

TEST_F(TabSetTest, TabsArePaintedAsTrapezoidsTheChosenOneWhiteAndOpenAtTheTop) {
  Form().Handle();
  wine_support::Canvas canvas(400, kHeight, 0x123456);
  SendMessageA(tabs_->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
  const int top = 3, bottom = kHeight - 4;
  struct Case {
    int tab;
    int colour;
  };
  const Case cases[] = {{0, COLOR_WINDOW}, {1, COLOR_BTNFACE}, {2, COLOR_BTNFACE}};
  int lastRight = 0;
  for (const Case& c : cases) {
    const auto high = Span(c.tab, top);
    const auto low = Span(c.tab, bottom);
    ASSERT_GE(high.first, 0) << c.tab;
    ASSERT_GE(low.first, 0) << c.tab;
    // Each tab lies over its right neighbour: its right edge is its own, and slants.
    EXPECT_LT(low.second, high.second) << "tab " << c.tab << " narrows towards the bottom";
    EXPECT_EQ(canvas.Pixel(high.first + 1, top), SystemPixel(c.colour)) << "tab " << c.tab;
    EXPECT_EQ(canvas.Pixel(low.second - 1, bottom), SystemPixel(c.colour)) << "tab " << c.tab;
    bool text = false;
    for (int x = low.first; x <= low.second; ++x)
      for (int y = top; y <= bottom; ++y)
        text = text || canvas.Pixel(x, y) == SystemPixel(COLOR_BTNTEXT);
    EXPECT_TRUE(text) << "tab " << c.tab << " shows its caption";
    lastRight = high.second;
  }
  // Left of the first tab's lower part and right of the last tab lies the strip.
  const auto first = Span(0, bottom);
  EXPECT_GT(first.first, Span(0, top).first) << "the first tab's left edge slants too";
  EXPECT_EQ(canvas.Pixel(first.first - 2, bottom), SystemPixel(COLOR_BTNSHADOW));
  EXPECT_EQ(canvas.Pixel(lastRight + 20, kHeight / 2), SystemPixel(COLOR_BTNSHADOW));
  // The strip's top edge is a line, except where the chosen tab opens upwards.
  EXPECT_EQ(canvas.Pixel(lastRight + 20, 0), SystemPixel(COLOR_WINDOWTEXT));
  const auto chosen = Span(0, top);
  EXPECT_EQ(canvas.Pixel((chosen.first + chosen.second) / 2, 0), SystemPixel(COLOR_WINDOW));
  const auto other = Span(1, top);
  EXPECT_EQ(canvas.Pixel((other.first + other.second) / 2, 0), SystemPixel(COLOR_WINDOWTEXT));
}

TEST_F(TabSetTest, AClickOnATabChoosesItAndRaisesOnChangeOnce) {
  EXPECT_EQ(tabs_->TabAt(20, kHeight / 2), -1) << "no window, no tab under any point";
  Form().Handle();
  EXPECT_EQ(tabs_->TabAt(20, kHeight / 2), 0);
  const auto third = Span(2, kHeight / 2);
  control_form::Click(tabs_->Handle(), (third.first + third.second) / 2, kHeight / 2);
  EXPECT_EQ(tabs_->TabIndex(), 2);
  EXPECT_EQ(changes_, 1);
  control_form::Click(tabs_->Handle(), (third.first + third.second) / 2, kHeight / 2);  // already chosen
  control_form::Click(tabs_->Handle(), 390, kHeight / 2);                               // the bare strip
  EXPECT_EQ(tabs_->TabIndex(), 2);
  EXPECT_EQ(changes_, 1);

  wine_support::Canvas canvas(400, kHeight, 0);
  SendMessageA(tabs_->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
  EXPECT_EQ(canvas.Pixel(third.first + 2, 3), SystemPixel(COLOR_WINDOW)) << "the chosen tab is painted white";
  tabs_->SetTabIndex(0);
  EXPECT_EQ(changes_, 1) << "the program's choice is no change";
}

TEST_F(TabSetTest, WhereTabsOverlapTheChosenOneIsOnTopAndOtherwiseTheLeftOne) {
  Form().Handle();
  const auto behind = Span(1, 1);  // near the top, where neighbours overlap most
  tabs_->SetTabIndex(1);
  const auto chosen = Span(1, 1);
  EXPECT_LT(chosen.first, behind.first) << "the chosen tab takes the stretch it shares with its left neighbour";
  EXPECT_EQ(chosen.second, behind.second) << "and lies over its right neighbour either way";
  tabs_->SetTabs({});
  EXPECT_EQ(tabs_->TabIndex(), -1);
  EXPECT_EQ(tabs_->TabAt(10, 5), -1);
}

TEST(TabControl, AClickOnATabChoosesItAndRaisesOnChange) {
  control_form::ControlForm form;
  auto* tabs = form.Place(new TTabControl(&form.Form()), 10, 10, 300, 100);
  tabs->SetTabs({"图片", "声音", "其他"});
  int changes = 0;
  tabs->OnChange = [&](TComponent*) { ++changes; };
  HWND w = tabs->Handle();
  RECT tab{};
  SendMessageA(w, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
  control_form::Click(w, (tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
  EXPECT_EQ(tabs->TabIndex(), 1);
  EXPECT_EQ(changes, 1);
  tabs->SetTabIndex(2);
  EXPECT_EQ(SendMessageA(w, TCM_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(changes, 1);
}

}  // namespace
