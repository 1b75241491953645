#include "framework/panel.h"

#include "framework/application.h"
#include "framework/published.h"

#include "controls_support.h"
#include "wine_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

using namespace controls_support;
using wine_support::Canvas;

constexpr uint32_t kUnpainted = 0x123456;
constexpr TColor kRedColour = 0x0000FF, kBlueColour = 0xFF0000;  // 0x00BBGGRR
constexpr uint32_t kRed = 0xFF0000, kBlue = 0x0000FF;

class PanelTest : public ::testing::Test {
protected:
  PanelTest() : form_(nullptr), panel_(new TPanel(&form_)) {
    form_.SetBounds(40, 40, 200, 120);
    form_.SetColor(kBlueColour);
    panel_->SetParent(&form_);
    panel_->SetBounds(20, 20, 100, 50);
    form_.Handle();
  }
  void Print(const Canvas& canvas) {
    SendMessageA(panel_->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
  }
  TApplication app_;
  TWinControl form_;
  TPanel* panel_;
};

TEST_F(PanelTest, ThePanelPaintsItsColourOrItsParentsBackgroundInsideItsBevel) {
  const uint32_t light = SysRgb(COLOR_BTNHIGHLIGHT), shadow = SysRgb(COLOR_BTNSHADOW);
  struct Case {
    const char* bevel;
    TColor colour;
    bool parentBackground;
    uint32_t topLeft, inside, bottomRight;
  } cases[] = {
      {"bvNone", kRedColour, false, kRed, kRed, kRed},
      {"bvRaised", kRedColour, false, light, kRed, shadow},
      {"bvLowered", kRedColour, false, shadow, kRed, light},
      {"bvNone", kRedColour, true, kBlue, kBlue, kBlue},
      {"bvNone", clNone, false, kBlue, kBlue, kBlue},  // no colour of its own: the parent's
      {"bvRaised", clBtnFace, false, light, SysRgb(COLOR_BTNFACE), shadow},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(SetPropertyText(*panel_, "BevelOuter", c.bevel));
    ASSERT_TRUE(SetPublishedProperty(*panel_, "Color", static_cast<int>(c.colour)));
    ASSERT_TRUE(SetPublishedProperty(*panel_, "ParentBackground", c.parentBackground));
    Canvas canvas(100, 50, kUnpainted);
    Print(canvas);
    EXPECT_EQ(canvas.Pixel(0, 0), c.topLeft) << c.bevel << " " << c.colour << " " << c.parentBackground;
    EXPECT_EQ(canvas.Pixel(1, 1), c.inside) << c.bevel << " " << c.colour << " " << c.parentBackground;
    EXPECT_EQ(canvas.Pixel(50, 25), c.inside) << c.bevel << " " << c.colour << " " << c.parentBackground;
    EXPECT_EQ(canvas.Pixel(99, 49), c.bottomRight) << c.bevel << " " << c.colour << " " << c.parentBackground;
  }
}

// Where text pixels (any colour but the background) are.
RECT TextExtent(const Canvas& canvas, int width, int height, uint32_t background) {
  RECT extent{width, height, -1, -1};
  for (int y = 1; y < height - 1; ++y)
    for (int x = 1; x < width - 1; ++x)
      if (canvas.Pixel(x, y) != background) {
        extent.left = std::min<LONG>(extent.left, x), extent.top = std::min<LONG>(extent.top, y);
        extent.right = std::max<LONG>(extent.right, x), extent.bottom = std::max<LONG>(extent.bottom, y);
      }
  return extent;
}

TEST_F(PanelTest, TheCaptionIsCentredAndFollowsChanges) {
  panel_->SetColor(kRedColour);
  Canvas empty(100, 50, kUnpainted);
  Print(empty);
  EXPECT_EQ(TextExtent(empty, 100, 50, kRed).right, -1) << "no caption, no text";
  panel_->SetCaption("Centre");
  Canvas canvas(100, 50, kUnpainted);
  Print(canvas);
  const RECT text = TextExtent(canvas, 100, 50, kRed);
  ASSERT_GT(text.right, text.left);
  EXPECT_LE(std::abs((text.left + text.right) - 99), 4) << text.left << ".." << text.right;
  EXPECT_LE(std::abs((text.top + text.bottom) - 49), 4) << text.top << ".." << text.bottom;
}

TEST_F(PanelTest, AShownPanelPaintsOnTheScreen) {
  panel_->SetColor(kRedColour);
  panel_->SetBevelOuter(TBevelCut::bvLowered);
  UpdateWindow(form_.Handle());
  EXPECT_EQ(ClientPixel(panel_->Handle(), 10, 10), kRed);
  EXPECT_EQ(ClientPixel(panel_->Handle(), 0, 0), SysRgb(COLOR_BTNSHADOW));
  EXPECT_EQ(ClientPixel(form_.Handle(), 10, 10), kBlue);
  EXPECT_TRUE(panel_->InheritsFrom("TCustomPanel"));
  EXPECT_TRUE(panel_->InheritsFrom("TCustomControl"));
}

}  // namespace
