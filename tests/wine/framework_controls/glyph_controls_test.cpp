// The check box that paints its mark from a glyph strip, the media player's button bar and the
// page control that draws its tabs over pictures.
#include "framework/glyph_check.h"
#include "framework/media_player.h"
#include "framework/picture_page_control.h"

#include "control_form.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

using control_form::Click;

class GlyphControlsTest : public ::testing::Test, protected control_form::ControlForm {};

TEST_F(GlyphControlsTest, TheStripImageFollowsCheckedGrayedAndEnabledState) {
  auto* check = Place(new TGlyphCheckBox(&Form()), 0, 0, 120, 18);
  const struct {
    const char* what;
    bool radio, checked, grayed, enabled;
    int count, index;
  } cases[] = {
      {"check unchecked", false, false, false, true, 9, 0},
      {"check checked", false, true, false, true, 9, 1},
      {"check grayed", false, false, true, true, 9, 2},
      {"check disabled checked", false, true, false, false, 9, 7},
      {"check disabled grayed", false, false, true, false, 9, 8},
      {"radio checked", true, true, false, true, 6, 1},
      {"radio disabled unchecked", true, false, false, false, 6, 4},
      {"radio grayed is no state of a radio", true, false, true, true, 6, 0},
      {"six images, disabled: no disabled row", false, true, false, false, 6, 1},
      {"a strip too short", false, true, false, true, 2, -1},
  };
  for (const auto& c : cases) {
    check->SetRadioItem(c.radio);
    check->SetChecked(c.checked);
    check->SetGrayed(c.grayed);
    check->SetEnabled(c.enabled);
    EXPECT_EQ(check->ImageIndex(c.count), c.index) << c.what;
  }
}

TEST_F(GlyphControlsTest, ClickingTicksABoxOnAndOffAndARadioButtonUnchecksItsSiblings) {
  auto* box = Place(new TGlyphCheckBox(&Form()), 0, 0, 120, 18);
  auto* first = Place(new TGlyphCheckBox(&Form()), 0, 20, 120, 18);
  auto* second = Place(new TGlyphCheckBox(&Form()), 0, 40, 120, 18);
  first->SetRadioItem(true);
  second->SetRadioItem(true);
  first->SetChecked(true);
  int clicks = 0;
  box->OnClick = [&](TComponent*) { ++clicks; };
  Click(box->Handle(), 5, 5);
  EXPECT_TRUE(box->Checked());
  Click(box->Handle(), 5, 5);
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(clicks, 2);
  Click(second->Handle(), 5, 5);
  EXPECT_TRUE(second->Checked());
  EXPECT_FALSE(first->Checked()) << "the other radio button lets go";
  Click(second->Handle(), 5, 5);
  EXPECT_TRUE(second->Checked()) << "a radio button is not unchecked by a click";
}

TEST_F(GlyphControlsTest, APlayerClicksTheButtonThePressBeganOnAndOnlyWhenEnabled) {
  auto* player = Place(new TMediaPlayer(&Form()), 0, 0, 180, 30);
  player->SetVisibleButtons({"btPlay", "btStop", "btEject"});
  player->SetEnabledButtons({"btPlay", "btEject"});
  std::vector<TMPBtnType> clicked;
  player->OnClick = [&](TComponent*, TMPBtnType button) { clicked.push_back(button); };
  const struct {
    const char* what;
    int down, up;
    std::vector<TMPBtnType> clicks;
  } cases[] = {
      {"play", 10, 50, {TMPBtnType::btPlay}},
      {"eject", 170, 125, {TMPBtnType::btEject}},
      {"disabled stop", 90, 90, {}},
      {"pressed on play, released on eject", 10, 170, {}},
      {"released past the bar", 10, 400, {}},
  };
  for (const auto& c : cases) {
    clicked.clear();
    player->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.down, 10));
    player->Perform(WM_LBUTTONUP, 0, MAKELPARAM(c.up, 10));
    EXPECT_EQ(clicked, c.clicks) << c.what;
  }
  const struct {
    int x, button;
  } hits[] = {{0, 0}, {59, 0}, {60, 1}, {179, 2}, {180, -1}, {-1, -1}};
  for (const auto& h : hits)
    EXPECT_EQ(player->ButtonAt(h.x), h.button) << "x " << h.x;
  player->SetVisibleButtons({});
  EXPECT_EQ(player->ButtonAt(10), -1) << "no button shown";
}

TEST_F(GlyphControlsTest, APicturePageControlStretchesItsPictureOverTheActiveTab) {
  auto* pages = Place(new TPicturePageControl(&Form()), 0, 0, 200, 100);
  for (const char* caption : {"One", "Two"}) {
    auto* sheet = new TTabSheet(pages);
    sheet->SetCaption(caption);
    sheet->SetParent(pages);
  }
  TBitmap active(10, 10);
  {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, active.Handle());
    const RECT all{0, 0, 10, 10};
    HBRUSH brush = CreateSolidBrush(RGB(10, 200, 30));
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    SelectObject(dc, old);
    DeleteDC(dc);
  }
  pages->TabBackGroundActive()->SetBitmap(std::move(active));
  HWND window = pages->Handle();
  EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & TCS_OWNERDRAWFIXED);
  Form().Handle();
  ShowWindow(Form().Handle(), SW_SHOWNOACTIVATE);
  RECT first{}, second{};
  SendMessageA(window, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
  SendMessageA(window, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  HDC dc = GetDC(window);
  EXPECT_EQ(GetPixel(dc, first.left + 3, (first.top + first.bottom) / 2), RGB(10, 200, 30)) << "the active tab";
  EXPECT_EQ(GetPixel(dc, second.left + 3, (second.top + second.bottom) / 2), GetSysColor(COLOR_BTNFACE))
      << "a tab without a picture";
  ReleaseDC(window, dc);
  ShowWindow(Form().Handle(), SW_HIDE);
}

}  // namespace
