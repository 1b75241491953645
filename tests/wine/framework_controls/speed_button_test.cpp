#include "framework/speed_button.h"

#include "framework/application.h"

#include "controls_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace controls_support;

constexpr uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kGreen = 0x00FF00, kMagenta = 0xFF00FF;

class SpeedButtonTest : public ::testing::Test {
protected:
  SpeedButtonTest() : form_(nullptr) {
    form_.SetBounds(40, 40, 300, 120);
    for (int i = 0; i < 5; ++i) {
      auto* button = new TSpeedButton(&form_);
      button->SetParent(&form_);
      button->SetBounds(10 + i * 50, 10, 40, 30);
      button->SetCaption(std::string(1, static_cast<char>('A' + i)));
      button->OnClick = [this, i](TComponent*) { clicks_ += static_cast<char>('A' + i); };
      buttons_.push_back(button);
    }
    form_.Handle();
    UpdateWindow(form_.Handle());
  }
  // A click at the middle of button I, through the parent's window.
  void ClickButton(int i) {
    const TSpeedButton* b = buttons_[static_cast<size_t>(i)];
    PostClick(form_.Handle(), b->Left() + b->Width() / 2, b->Top() + b->Height() / 2);
  }
  std::string DownOnes() const {
    std::string down;
    for (size_t i = 0; i < buttons_.size(); ++i)
      if (buttons_[i]->Down())
        down += static_cast<char>('A' + i);
    return down;
  }
  // The button's face as the screen shows it.
  uint32_t Pixel(int i, int x, int y) {
    UpdateWindow(form_.Handle());
    const TSpeedButton* b = buttons_[static_cast<size_t>(i)];
    return ClientPixel(form_.Handle(), b->Left() + x, b->Top() + y);
  }

  TApplication app_;
  TWinControl form_;
  std::vector<TSpeedButton*> buttons_;
  std::string clicks_;
};

// A, B and C form group 1 and D group 2; E has no group.
TEST_F(SpeedButtonTest, ClicksKeepOneButtonOfAGroupDown) {
  for (int i : {0, 1, 2})
    buttons_[static_cast<size_t>(i)]->SetGroupIndex(1);
  buttons_[3]->SetGroupIndex(2);
  struct Step {
    int click;               // -1: none
    bool allowAllUp;         // for group 1
    const char* downAfter;
  } steps[] = {
      {0, false, "A"},   {1, false, "B"},  {1, false, "B"},  // the down button stays down
      {3, false, "BD"},  {4, false, "BD"},                     // no group: never stays down
      {2, true, "CD"},   {2, true, "D"},   {3, false, "D"},   // AllowAllUp lets C go up
  };
  std::string expectedClicks;
  for (const Step& s : steps) {
    for (int i : {0, 1, 2})
      buttons_[static_cast<size_t>(i)]->SetAllowAllUp(s.allowAllUp);
    ClickButton(s.click);
    expectedClicks += static_cast<char>('A' + s.click);
    EXPECT_EQ(DownOnes(), s.downAfter) << "after a click on " << static_cast<char>('A' + s.click);
  }
  EXPECT_EQ(clicks_, expectedClicks) << "every click runs OnClick, whether it changed Down or not";
}

TEST_F(SpeedButtonTest, DownSetFromCodeReleasesTheGroupAndNeedsAGroup) {
  buttons_[0]->SetGroupIndex(1);
  buttons_[1]->SetGroupIndex(1);
  buttons_[0]->SetDown(true);
  buttons_[1]->SetDown(true);
  EXPECT_EQ(DownOnes(), "B");
  buttons_[1]->SetDown(false);  // the group may not be left with none down
  EXPECT_EQ(DownOnes(), "B");
  buttons_[4]->SetDown(true);
  EXPECT_EQ(DownOnes(), "B");
  buttons_[1]->SetGroupIndex(0);
  EXPECT_EQ(DownOnes(), "");
  EXPECT_TRUE(clicks_.empty());
}

TEST_F(SpeedButtonTest, APressReleasedOffTheButtonIsNoClick) {
  HWND window = form_.Handle();
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  PostMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, 90));
  PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(20, 90));
  Pump(50);
  EXPECT_EQ(clicks_, "");
  ClickButton(0);
  EXPECT_EQ(clicks_, "A");
  buttons_[0]->SetEnabled(false);
  ClickButton(0);
  EXPECT_EQ(clicks_, "A");
}

TEST_F(SpeedButtonTest, TheEdgeIsRaisedSunkenWhenDownAndOnlyShownOnAFlatButtonUnderTheMouse) {
  const uint32_t light = SysRgb(COLOR_BTNHIGHLIGHT), shadow = SysRgb(COLOR_BTNSHADOW);
  const uint32_t dark = SysRgb(COLOR_3DDKSHADOW), face = SysRgb(COLOR_BTNFACE);
  buttons_[0]->SetGroupIndex(1);
  EXPECT_EQ(Pixel(0, 1, 1), light);
  EXPECT_EQ(Pixel(0, 39, 29), dark);
  buttons_[0]->SetDown(true);
  EXPECT_EQ(Pixel(0, 0, 0), shadow);
  EXPECT_EQ(Pixel(0, 1, 1), dark);
  buttons_[1]->SetFlat(true);
  EXPECT_EQ(Pixel(1, 0, 0), face);
  buttons_[1]->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_EQ(Pixel(1, 0, 0), light);
  EXPECT_EQ(Pixel(1, 39, 29), shadow);
  buttons_[1]->Perform(CM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Pixel(1, 0, 0), face);
}

TEST_F(SpeedButtonTest, TheGlyphShowsTheImageOfTheButtonsState) {
  TSpeedButton* b = buttons_[0];
  b->SetCaption("");
  b->SetGroupIndex(1);
  b->Glyph()->SetBitmap(GlyphStrip({kRed, kBlue, kGreen, kMagenta}, 10, 0x00FFFF));
  b->SetNumGlyphs(4);
  // Centred in 40 x 30: the glyph's middle is at (20, 15); pressed or down, a pixel further.
  EXPECT_EQ(Pixel(0, 20, 15), kRed);
  b->SetDown(true);
  EXPECT_EQ(Pixel(0, 21, 16), kMagenta);
  b->SetDown(false);
  b->SetGroupIndex(0);
  b->SetEnabled(false);
  EXPECT_EQ(Pixel(0, 20, 15), kBlue);
  b->SetEnabled(true);
  HWND window = form_.Handle();
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  EXPECT_EQ(Pixel(0, 21, 16), kGreen);
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
  EXPECT_EQ(Pixel(0, 20, 15), kRed);
  EXPECT_EQ(Pixel(0, 15, 19), SysRgb(COLOR_BTNFACE)) << "the transparent colour is left out";
}

}  // namespace
