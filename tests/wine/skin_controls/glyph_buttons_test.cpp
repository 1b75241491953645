// Glyph buttons, drop-down menu buttons and windowless speed buttons as the skin draws them.

#include "controls_fixture.h"

#include "framework/bit_btn.h"
#include "framework/glyph.h"
#include "framework/speed_button.h"
#include "skin/model/bitmap_utils.h"
#include "skin/model/memory_dc.h"

#include <functional>

namespace controls_test {
namespace {

// COUNT 16 x 16 glyphs, glyph i a square of GlyphColour(i) inside a white (transparent) ring.
COLORREF GlyphColour(int index) {
  return RGB(200, 30 * index, 40);
}
TBitmap SquareGlyphs(int count) {
  TBitmap strip(16 * count, 16);
  TMemoryDC dc(strip.Handle());
  const RECT all{0, 0, 16 * count, 16};
  FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  for (int i = 0; i < count; ++i) {
    HBRUSH brush = CreateSolidBrush(GlyphColour(i + 1));
    const RECT square{16 * i + 2, 2, 16 * i + 14, 14};
    FillRect(dc.Get(), &square, brush);
    DeleteObject(brush);
  }
  return strip;
}

class GlyphButtonsTest : public ControlsTest {
protected:
  TSkinData& StartWithClasses() {
    TSkinData& data = Start();
    data.SetSkin3rd({"TBitBtn=bitbtn", "TSpeedButton=speedbutton", "TMenuButton=menubtn"});
    return data;
  }
  TSkinControl* SkinnerOwnedBy(TComponent& control) {
    for (TSkinControl* skinner : Skinner(form_->Handle())->ControlSkinners())
      if (skinner->Owner() == &control)
        return skinner;
    return nullptr;
  }
};

// Without a caption there is no spacing: the automatic margin centres the glyph,
// (75 - 16) div 2 = 29 from the left and (25 - 16 + 1) div 2 = 5 from the top.
TEST_F(GlyphButtonsTest, AGlyphButtonShowsTheGlyphOfItsStateWhereTheLayoutPutsIt) {
  const struct {
    int glyphs;
    bool enabled;
    COLORREF inside;
  } cases[] = {
      {1, true, GlyphColour(1)},
      {2, true, GlyphColour(1)},
      {2, false, GlyphColour(2)},
      {1, false, GetSysColor(COLOR_BTNSHADOW)},  // the one glyph, embossed
  };
  for (const auto& c : cases) {
    StartWithClasses();
    TBitBtn& button = Place<TBitBtn>(*form_, 20, 20, 75, 25, "");
    button.Glyph()->SetBitmap(SquareGlyphs(c.glyphs));
    button.SetNumGlyphs(c.glyphs);
    button.SetEnabled(c.enabled);
    ShowAndSkin();
    EXPECT_EQ(KindOf(button), "TSkinBitButton");
    EXPECT_EQ(WindowPixel(button.Handle(), 29 + 6, 5 + 6), c.inside) << c.glyphs << " glyphs, enabled " << c.enabled;
    form_.reset();
    Pump(20);
    skinData_.reset();
    DestroySkinManager();
  }
}

TEST_F(GlyphButtonsTest, AMenuButtonDrawsItsArrowInTheTextColourOrGreyedWhenDisabled) {
  StartWithClasses();
  class TMenuButton : public TBitBtn {
  public:
    using TBitBtn::TBitBtn;
    const char* ClassName() const override { return "TMenuButton"; }
  };
  TMenuButton& button = Place<TMenuButton>(*form_, 20, 20, 88, 25, "");
  ShowAndSkin();
  ASSERT_EQ(KindOf(button), "TSkinMenuButton");
  // Margin and spacing (88 - 8) div 4 = 20: the arrow's centre at 4 x 20, its top at (25 - 3) div 2.
  EXPECT_EQ(WindowPixel(button.Handle(), 80, 11), GetSysColor(COLOR_WINDOWTEXT));
  button.SetEnabled(false);
  RedrawWindow(button.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(WindowPixel(button.Handle(), 80, 11), GetSysColor(COLOR_BTNSHADOW));
}

TEST_F(GlyphButtonsTest, ASpeedButtonShowsItsFramesOnTheParentAndAFlatOneOnlyWhenHotOrDown) {
  TSkinData& data = StartWithClasses();
  TSpeedButton& plain = Place<TSpeedButton>(*form_, 20, 20, 60, 26, "");
  TSpeedButton& flat = Place<TSpeedButton>(*form_, 100, 20, 60, 26, "");
  flat.SetFlat(true);
  flat.SetGroupIndex(1);
  HWND window = ShowAndSkin();
  ASSERT_NE(SkinnerOwnedBy(plain), nullptr);
  ASSERT_NE(SkinnerOwnedBy(flat), nullptr);
  const TDataSkinButton& element = data.Elements().Buttons;
  const POINT at = DistinctFramePoint(element, 60, 26, {1, 2, 4});
  ASSERT_GE(at.x, 0);
  const COLORREF face = static_cast<COLORREF>(ResolveColour(data.ColourTable().Colours[ciButtonFace]));
  const auto pixel = [&](TSpeedButton& button) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return GetPixel(TWindowDC(window).Get(), button.Left() + at.x, button.Top() + at.y);
  };
  const auto frame = [&](int f) { return ElementPixel(element, element.FrameCount, f, 60, 26, at.x, at.y); };
  EXPECT_EQ(pixel(plain), frame(1));
  EXPECT_EQ(pixel(flat), face) << "flat and idle: no frame";
  flat.Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_EQ(pixel(flat), frame(4)) << "hot";
  flat.Perform(CM_MOUSELEAVE, 0, 0);
  flat.SetDown(true);
  EXPECT_EQ(pixel(flat), frame(2)) << "down";

  // The skinner lets go of a windowless control that goes first.
  const size_t listed = Skinner(window)->ControlSkinners().size();
  delete &plain;
  EXPECT_EQ(Skinner(window)->ControlSkinners().size(), listed - 1);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// A speed button's caption takes a second colour only in that colour's own frame: hot without a
// hot colour of the skin's is the plain text colour, not the normal frame's.
TEST_F(GlyphButtonsTest, ASpeedButtonsCaptionTakesEachSecondColourOnlyInItsOwnFrame) {
  TSkinData& data = StartWithClasses();
  constexpr COLORREF kNormal = RGB(250, 0, 0), kPressed = RGB(0, 0, 250);
  TDataSkinButton& buttons = data.Elements().Buttons;
  buttons.HasNormalColour2 = true;
  buttons.NormalColour2 = kNormal;
  buttons.HasMouseOverColour2 = false;
  buttons.HasPressedColour2 = true;
  buttons.PressedColour2 = kPressed;
  TSpeedButton& button = Place<TSpeedButton>(*form_, 20, 20, 120, 30, "WWWWWWWW");
  button.SetGroupIndex(1);
  HWND window = ShowAndSkin();
  const COLORREF text = static_cast<COLORREF>(ResolveColour(data.ColourTable().Colours[ciButtonText]));
  const auto count = [&](COLORREF colour) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    TWindowDC dc(window);
    int n = 0;
    for (int y = 0; y < button.Height(); ++y)
      for (int x = 0; x < button.Width(); ++x)
        n += GetPixel(dc.Get(), button.Left() + x, button.Top() + y) == colour;
    return n;
  };
  const struct {
    const char* what;
    std::function<void()> act;
    COLORREF caption;
  } cases[] = {
      {"normal", [] {}, kNormal},
      {"hot, no hot colour given", [&] { button.Perform(CM_MOUSEENTER, 0, 0); }, text},
      {"down", [&] {
         button.Perform(CM_MOUSELEAVE, 0, 0);
         button.SetDown(true);
       },
       kPressed},
  };
  for (const auto& c : cases) {
    c.act();
    EXPECT_GT(count(c.caption), 20) << c.what;
    for (COLORREF other : {kNormal, kPressed}) {
      if (other != c.caption) {
        EXPECT_EQ(count(other), 0) << c.what;
      }
    }
  }
}

}  // namespace
}  // namespace controls_test
