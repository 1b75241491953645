#include "framework/bit_btn.h"

#include "framework/application.h"
#include "framework/image_list.h"
#include "framework/published.h"

#include "controls_support.h"
#include "wine_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace {

using namespace controls_support;
using wine_support::Canvas;

constexpr uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kTransparent = 0x00FFFF, kUnpainted = 0x123456;
constexpr int kWidth = 120, kHeight = 60, kGlyph = 10;

// Where the pixels of one colour are on a canvas.
struct TBox {
  int Left = INT_MAX, Top = INT_MAX, Right = -1, Bottom = -1;  // Right and Bottom inclusive
  bool Empty() const { return Right < 0; }
};

TBox FindColour(const Canvas& canvas, uint32_t colour) {
  TBox box;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      if (canvas.Pixel(x, y) == colour) {
        box.Left = std::min(box.Left, x), box.Top = std::min(box.Top, y);
        box.Right = std::max(box.Right, x), box.Bottom = std::max(box.Bottom, y);
      }
  return box;
}

class BitBtnTest : public ::testing::Test {
protected:
  BitBtnTest() : form_(nullptr), button_(new TBitBtn(&form_)) {
    form_.SetVisible(false);
    form_.SetBounds(0, 0, 200, 100);
    button_->SetParent(&form_);
    button_->SetBounds(10, 10, kWidth, kHeight);
    button_->Glyph()->SetBitmap(GlyphStrip({kRed, kBlue}, kGlyph, kTransparent));
    button_->SetNumGlyphs(2);
    form_.Handle();
  }
  // What the button's window paints, through the parent's WM_DRAWITEM as for a real paint.
  void Print(const Canvas& canvas) {
    SendMessageA(button_->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
  }
  TApplication app_;
  TWinControl form_;
  TBitBtn* button_;
};

// Inside the 2-pixel face edge: a glyph 6 pixels from the edge the layout names, centred across.
TEST_F(BitBtnTest, TheGlyphIsWhereTheLayoutPutsIt) {
  button_->SetMargin(6);
  const int acrossX = (kWidth - kGlyph) / 2, acrossY = (kHeight - kGlyph) / 2;
  struct Case {
    const char* layout;
    int left, top;
  } cases[] = {
      {"blGlyphLeft", 2 + 6, acrossY},
      {"blGlyphRight", kWidth - 2 - 6 - kGlyph, acrossY},
      {"blGlyphTop", acrossX, 2 + 6},
      {"blGlyphBottom", acrossX, kHeight - 2 - 6 - kGlyph},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(SetPropertyText(*button_, "Layout", c.layout));
    Canvas canvas(kWidth, kHeight, kUnpainted);
    Print(canvas);
    const TBox red = FindColour(canvas, kRed);
    EXPECT_EQ(red.Left, c.left) << c.layout;
    EXPECT_EQ(red.Top, c.top) << c.layout;
    EXPECT_EQ(red.Right, c.left + kGlyph - 1) << c.layout;
    EXPECT_EQ(red.Bottom, c.top + kGlyph - 1) << c.layout;
    EXPECT_NE(canvas.Pixel(c.left, c.top + kGlyph - 1), kTransparent) << "the transparent colour is left out";
    EXPECT_TRUE(FindColour(canvas, kBlue).Empty()) << c.layout;
  }
}

TEST_F(BitBtnTest, ADisabledButtonShowsTheSecondGlyphOrTheFirstInTheDisabledLook) {
  struct Case {
    int numGlyphs;
    bool enabled;
    uint32_t shown, hidden;
  } cases[] = {
      {2, true, kRed, kBlue},
      {2, false, kBlue, kRed},
      {1, false, SysRgb(COLOR_BTNSHADOW), kRed},
  };
  for (const Case& c : cases) {
    button_->SetNumGlyphs(c.numGlyphs);
    button_->SetEnabled(c.enabled);
    Canvas canvas(kWidth, kHeight, kUnpainted);
    Print(canvas);
    const int centre = (kHeight - kGlyph) / 2 + kGlyph / 2;
    EXPECT_EQ(canvas.Pixel((kWidth - kGlyph) / 2 + kGlyph / 2, centre), c.shown) << c.numGlyphs << c.enabled;
    EXPECT_TRUE(FindColour(canvas, c.hidden).Empty()) << c.numGlyphs << c.enabled;
  }
}

TEST_F(BitBtnTest, ThePushedFaceIsSunkenWithItsContentAPixelFurther) {
  Canvas up(kWidth, kHeight, kUnpainted), pushed(kWidth, kHeight, kUnpainted);
  const RECT rect{0, 0, kWidth, kHeight};
  button_->PaintFace(up.Dc(), rect, 0);
  button_->PaintFace(pushed.Dc(), rect, ODS_SELECTED);
  const TBox upGlyph = FindColour(up, kRed), pushedGlyph = FindColour(pushed, kRed);
  EXPECT_EQ(pushedGlyph.Left, upGlyph.Left + 1);
  EXPECT_EQ(pushedGlyph.Top, upGlyph.Top + 1);
  EXPECT_EQ(up.Pixel(kWidth - 1, kHeight - 1), SysRgb(COLOR_3DDKSHADOW));
  EXPECT_NE(pushed.Pixel(kWidth - 1, kHeight - 1), SysRgb(COLOR_3DDKSHADOW));
}

TEST_F(BitBtnTest, TheDefaultButtonHasADarkFrame) {
  Canvas canvas(kWidth, kHeight, kUnpainted);
  button_->SetDefault(true);
  Print(canvas);
  for (POINT p : {POINT{0, 0}, POINT{kWidth - 1, 0}, POINT{0, kHeight / 2}, POINT{kWidth / 2, kHeight - 1}})
    EXPECT_EQ(canvas.Pixel(p.x, p.y), SysRgb(COLOR_WINDOWFRAME)) << p.x << "," << p.y;
  EXPECT_EQ(GetWindowLongA(button_->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW) << "still drawn by us";
}

TEST_F(BitBtnTest, ClicksAndQuickSecondClicksRunOnClick) {
  int clicks = 0;
  button_->OnClick = [&](TComponent*) { ++clicks; };
  HWND window = button_->Handle();
  for (UINT down : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}) {
    SendMessageA(window, down, MK_LBUTTON, MAKELPARAM(20, 20));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
  }
  EXPECT_EQ(clicks, 2);
}

TEST_F(BitBtnTest, AFreedImageListIsForgotten) {
  auto* images = new TImageList(nullptr, 16, 16);
  ASSERT_TRUE(SetPublishedProperty(*button_, "Images", static_cast<TComponent*>(images)));
  EXPECT_EQ(GetObjectProperty(*button_, "Images", "TCustomImageList"), images);
  button_->SetImageIndex(0);
  delete images;
  EXPECT_EQ(button_->Images(), nullptr);
  Canvas canvas(kWidth, kHeight, kUnpainted);
  Print(canvas);
  EXPECT_FALSE(FindColour(canvas, kRed).Empty()) << "the glyph again";
}

}  // namespace
