// Where glyph buttons put glyph and caption, and the glyph drawn for each state.

#include "controls_fixture.h"

#include "skin/controls/glyph_layout.h"
#include "skin/model/memory_dc.h"

#include <array>

namespace controls_test {
namespace {

TEST(GlyphLayout, MarginAndSpacingFollowTheLayoutAndTheAutomaticRules) {
  const SIZE client{75, 25}, glyph{16, 16}, text{30, 13};
  const struct {
    TGlyphSide side;
    int margin, spacing;
    bool centred;
    int extra;
    POINT glyphAt, textAt;
  } cases[] = {
      // (75 - 46) div 3 = 9 for margin and spacing alike.
      {TGlyphSide::gsLeft, -1, -1, false, 0, {9, 5}, {34, 6}},
      {TGlyphSide::gsRight, -1, -1, false, 0, {50, 5}, {11, 6}},
      // A given margin, automatic spacing: ((75 - (4 + 16)) - 30) div 2 = 12.
      {TGlyphSide::gsLeft, 4, -1, false, 0, {4, 5}, {32, 6}},
      // Centred with a given spacing: (75 - (16 + 4 + 30)) div 2 = 12, one more for speed buttons.
      {TGlyphSide::gsLeft, 2, 4, true, 0, {12, 5}, {32, 6}},
      {TGlyphSide::gsLeft, -1, 4, false, 1, {13, 5}, {33, 6}},
      // Top and bottom work along the height: (25 - 29) div 3 = -1.
      {TGlyphSide::gsTop, -1, -1, false, 0, {30, -1}, {23, 14}},
      {TGlyphSide::gsBottom, 0, 0, false, 0, {30, 9}, {23, -4}},
  };
  for (const auto& c : cases) {
    const TGlyphPlacement at = PlaceGlyphAndText(client, glyph, text, c.margin, c.spacing, c.side, c.centred, c.extra);
    EXPECT_EQ(at.Glyph.x, c.glyphAt.x) << static_cast<int>(c.side) << " " << c.margin << " " << c.spacing;
    EXPECT_EQ(at.Glyph.y, c.glyphAt.y) << static_cast<int>(c.side) << " " << c.margin << " " << c.spacing;
    EXPECT_EQ(at.Text.x, c.textAt.x) << static_cast<int>(c.side) << " " << c.margin << " " << c.spacing;
    EXPECT_EQ(at.Text.y, c.textAt.y) << static_cast<int>(c.side) << " " << c.margin << " " << c.spacing;
  }
  // Without a caption there is no spacing to keep.
  EXPECT_EQ(PlaceGlyphAndText(client, glyph, {0, 0}, 3, 8, TGlyphSide::gsRight, false).Text.x, 75 - 3 - 16);
  EXPECT_EQ(GlyphSideOf("BLGLYPHBOTTOM"), TGlyphSide::gsBottom);
  EXPECT_EQ(GlyphSideOf("something else"), TGlyphSide::gsLeft);
}

// A 2-glyph strip: a red square on white, then a blue one; white is the transparent colour.
TBitmap TwoGlyphs(int count) {
  TBitmap strip(8 * count, 8);
  TMemoryDC dc(strip.Handle());
  const RECT all{0, 0, 8 * count, 8};
  FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  const COLORREF colours[] = {RGB(200, 0, 0), RGB(0, 0, 200)};
  for (int i = 0; i < count; ++i) {
    HBRUSH brush = CreateSolidBrush(colours[i]);
    const RECT square{8 * i + 2, 2, 8 * i + 6, 6};
    FillRect(dc.Get(), &square, brush);
    DeleteObject(brush);
  }
  return strip;
}

TEST(GlyphLayout, ADisabledGlyphIsTheStripsSecondOrTheFirstEmbossed) {
  const COLORREF background = RGB(10, 120, 10);
  const auto draw = [&](const TBitmap& strip, int count, int index) {
    TBitmap target(8, 8);
    TMemoryDC dc(target.Handle());
    HBRUSH brush = CreateSolidBrush(background);
    const RECT all{0, 0, 8, 8};
    FillRect(dc.Get(), &all, brush);
    DeleteObject(brush);
    DrawButtonGlyph(dc.Get(), strip, count, index, {0, 0});
    return std::array<COLORREF, 3>{GetPixel(dc.Get(), 3, 3), GetPixel(dc.Get(), 6, 6), GetPixel(dc.Get(), 0, 0)};
  };
  const auto two = draw(TwoGlyphs(2), 2, 2);
  EXPECT_EQ(two[0], RGB(0, 0, 200)) << "the strip's own disabled glyph";
  EXPECT_EQ(two[2], background) << "its white is left out";
  const auto embossed = draw(TwoGlyphs(1), 1, 2);
  EXPECT_EQ(embossed[0], GetSysColor(COLOR_BTNSHADOW)) << "the shape in the shadow colour";
  EXPECT_EQ(embossed[1], GetSysColor(COLOR_BTNHIGHLIGHT)) << "its highlight one pixel down and right";
  EXPECT_EQ(embossed[2], background);
  EXPECT_EQ(draw(TwoGlyphs(2), 2, 4)[0], RGB(200, 0, 0)) << "beyond the strip: glyph 1";
}

}  // namespace
}  // namespace controls_test
