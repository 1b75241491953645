#include "skin/model/element_drawing.h"

#include "test_pictures.h"

#include <gtest/gtest.h>

#include <utility>

using namespace test_pictures;

namespace {

// Along one direction of a nine-slice, where a destination position must take its pixel from:
// the unscaled edges give one exact source position, the middle any position of its band.
struct TBand {
  int low, high;  // inclusive range of source positions, frame-relative
};
TBand ExpectedSource(int pos, int destSize, int first, int second, int frameSize) {
  if (pos < first)
    return {pos, pos};
  if (pos >= destSize - second)
    return {frameSize - (destSize - pos), frameSize - (destSize - pos)};
  return {first, frameSize - second - 1};
}

void ExpectNineSlice(const TBitmap& built, int frameX, int frameY, int fw, int fh,
                     const TMargins& m) {
  ASSERT_FALSE(built.Empty());
  for (int y = 0; y < built.Height(); ++y)
    for (int x = 0; x < built.Width(); ++x) {
      const COLORREF c = PixelAt(built, x, y);
      ASSERT_TRUE(FromPicture(c)) << x << "," << y;
      const TBand bx = ExpectedSource(x, built.Width(), m.Left, m.Right, fw);
      const TBand by = ExpectedSource(y, built.Height(), m.Top, m.Bottom, fh);
      const int sx = SourceX(c) - frameX, sy = SourceY(c) - frameY;
      EXPECT_TRUE(sx >= bx.low && sx <= bx.high) << "x " << x << " from " << sx;
      EXPECT_TRUE(sy >= by.low && sy <= by.high) << "y " << y << " from " << sy;
    }
}

RECT Rect(int l, int t, int r, int b) { return RECT{l, t, r, b}; }

}  // namespace

TEST(BuildSkinElementBitmap, NineSliceOfTheChosenFrame) {
  const TBitmap strip = CoordinatePicture(24, 8);  // three frames of 8 x 8
  const TMargins m{2, 3, 1, 2};
  const TBitmap built = BuildSkinElementBitmap(Rect(5, 5, 25, 17), strip, m, false, false, 3, 2);
  EXPECT_EQ(built.Width(), 20);
  EXPECT_EQ(built.Height(), 12);
  ExpectNineSlice(built, 8, 0, 8, 8, m);

  const TBitmap stacked = CoordinatePicture(8, 24);
  ExpectNineSlice(BuildSkinElementBitmap(Rect(0, 0, 20, 12), stacked, m, true, false, 3, 3), 0,
                  16, 8, 8, m);
}

TEST(BuildSkinElementBitmap, OneFrameStripsAgreeWhicheverWayTheyLie) {
  const TBitmap picture = CoordinatePicture(9, 7);
  const TMargins m{2, 2, 3, 1};
  const TBitmap across = BuildSkinElementBitmap(Rect(0, 0, 30, 11), picture, m, false, false, 1, 1);
  const TBitmap down = BuildSkinElementBitmap(Rect(0, 0, 30, 11), picture, m, true, false, 1, 1);
  for (int y = 0; y < 11; ++y)
    for (int x = 0; x < 30; ++x)
      ASSERT_EQ(PixelAt(across, x, y), PixelAt(down, x, y)) << x << "," << y;
}

TEST(BuildSkinElementBitmap, MarginsWiderThanTheTargetAreIgnoredInThatDirection) {
  const TBitmap picture = CoordinatePicture(8, 8);
  // 5 wide < 3 + 3: the top and bottom bands stretch over the full width.
  const TBitmap built =
      BuildSkinElementBitmap(Rect(0, 0, 5, 10), picture, {3, 2, 3, 2}, false, false, 1, 1);
  const TBitmap without =
      BuildSkinElementBitmap(Rect(0, 0, 5, 10), picture, {0, 2, 0, 2}, false, false, 1, 1);
  ExpectNineSlice(built, 0, 0, 8, 8, TMargins{0, 2, 0, 2});
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 5; ++x)
      ASSERT_EQ(PixelAt(built, x, y), PixelAt(without, x, y)) << x << "," << y;
}

TEST(BuildSkinElementBitmap, MarginsWiderThanTheFrameNeitherMirrorNorReadTheNextFrame) {
  const TBitmap strip = CoordinatePicture(12, 6);  // two frames of 6 x 6
  const TBitmap built =
      BuildSkinElementBitmap(Rect(0, 0, 20, 10), strip, TMargins{5, 4, 5, 4}, false, false, 2, 1);
  ExpectNineSlice(built, 0, 0, 6, 6, TMargins{});
  for (int x = 1; x < 20; ++x)
    EXPECT_GE(SourceX(PixelAt(built, x, 0)), SourceX(PixelAt(built, x - 1, 0)));
  // Margins whose sum does not fit in 32 bits are just as wide.
  const TBitmap huge = BuildSkinElementBitmap(Rect(0, 0, 20, 10), strip,
                                              TMargins{0x7FFFFFFF, 1, 0x7FFFFFFF, 1}, false, false, 2, 1);
  ExpectNineSlice(huge, 0, 0, 6, 6, TMargins{0, 1, 0, 1});
}

TEST(BuildSkinElementBitmap, TiledCentreOverhangsUnderTheEdges) {
  // Frame 16 x 8 with margins 3/2/3/2: a 10 x 4 centre piece repeated over a 25 x 6 centre.
  const TBitmap picture = CoordinatePicture(16, 8);
  const TMargins m{3, 2, 3, 2};
  const TBitmap built = BuildSkinElementBitmap(Rect(0, 0, 31, 10), picture, m, false, true, 1, 1);
  for (int y = 2; y < 8; ++y)
    for (int x = 3; x < 28; ++x) {
      const COLORREF c = PixelAt(built, x, y);
      ASSERT_EQ(SourceX(c), 3 + (x - 3) % 10) << x << "," << y;
      ASSERT_EQ(SourceY(c), 2 + (y - 2) % 4) << x << "," << y;
    }
  // The third tile would reach x = 33 and the second row of tiles y = 10: edges cover them.
  for (int x = 28; x < 31; ++x)
    EXPECT_EQ(SourceX(PixelAt(built, x, 4)), 16 - (31 - x));
  for (int y = 8; y < 10; ++y)
    EXPECT_EQ(SourceY(PixelAt(built, 10, y)), 8 - (10 - y));
}

TEST(BuildSkinElementBitmap, FrameCountAndIndexOutOfRangeUseTheNearestFrame) {
  const TBitmap strip = CoordinatePicture(12, 4);
  // No frame count: the whole picture is the one frame.
  const TBitmap whole = BuildSkinElementBitmap(Rect(0, 0, 12, 4), strip, {}, false, false, 0, 1);
  EXPECT_EQ(SourceX(PixelAt(whole, 11, 0)), 11);
  const TBitmap low = BuildSkinElementBitmap(Rect(0, 0, 4, 4), strip, {}, false, false, 3, 0);
  EXPECT_EQ(SourceX(PixelAt(low, 0, 0)), 0);
  const TBitmap high = BuildSkinElementBitmap(Rect(0, 0, 4, 4), strip, {}, false, false, 3, 99);
  EXPECT_EQ(SourceX(PixelAt(high, 0, 0)), 8);
}

TEST(BuildSkinElementBitmap, NothingToBuild) {
  const TBitmap picture = CoordinatePicture(8, 8);
  EXPECT_TRUE(BuildSkinElementBitmap(Rect(10, 0, 5, 8), picture, {}, false, false, 1, 1).Empty());
  EXPECT_TRUE(BuildSkinElementBitmap(Rect(0, 8, 8, 0), picture, {}, false, false, 1, 1).Empty());
  EXPECT_TRUE(BuildSkinElementBitmap(Rect(3, 3, 3, 9), picture, {}, false, false, 1, 1).Empty());
  EXPECT_TRUE(BuildSkinElementBitmap(Rect(0, 0, 8, 8), TBitmap(), {}, false, false, 1, 1).Empty());
  // More frames than pixels: the frames have no width.
  EXPECT_TRUE(BuildSkinElementBitmap(Rect(0, 0, 8, 8), picture, {}, false, false, 9, 1).Empty());
}

TEST(DrawSkinElement, DrawsAtTheRectangleAndLeavesTheRestAlone) {
  const COLORREF paper = RGB(1, 2, 3);
  TTarget target(20, 20, paper);
  const TBitmap picture = CoordinatePicture(6, 6);
  DrawSkinElement(target.Dc(), Rect(4, 5, 14, 15), picture, false, false, false, 1, 1, {2, 2, 2, 2});
  EXPECT_EQ(target.Pixel(4, 5), RGB(0, 0, kTag));
  EXPECT_EQ(target.Pixel(13, 14), RGB(5, 5, kTag));
  EXPECT_EQ(target.Pixel(3, 5), paper);
  EXPECT_EQ(target.Pixel(14, 14), paper);
  EXPECT_EQ(target.Pixel(13, 15), paper);
  DrawSkinElement(target.Dc(), Rect(0, 0, -1, 10), picture, false, false, false, 1, 1, {});
  EXPECT_EQ(target.Pixel(0, 0), paper);
}

TEST(DrawSkinElement, MagentaIsTransparentOnlyWhenAsked) {
  const COLORREF paper = RGB(0, 200, 0);
  // Left column magenta, second column one step off magenta, the rest tagged.
  const TBitmap picture = MakePicture(4, 4, [](int x, int y) {
    return x == 0 ? RGB(255, 0, 255) : x == 1 ? RGB(255, 0, 254) : RGB(x, y, kTag);
  });
  TTarget clear(4, 4, paper), opaque(4, 4, paper);
  DrawSkinElement(clear.Dc(), Rect(0, 0, 4, 4), picture, false, false, true, 1, 1, {});
  DrawSkinElement(opaque.Dc(), Rect(0, 0, 4, 4), picture, false, false, false, 1, 1, {});
  for (int y = 0; y < 4; ++y) {
    EXPECT_EQ(clear.Pixel(0, y), paper);
    EXPECT_EQ(clear.Pixel(1, y), RGB(255, 0, 254));
    EXPECT_EQ(clear.Pixel(3, y), RGB(3, y, kTag));
    EXPECT_EQ(opaque.Pixel(0, y), RGB(255, 0, 255));
  }
}

TEST(DrawSkinGlyph, CentresUnscaledAndOverhangsEquallyWhenLarger) {
  const TBitmap strip = CoordinatePicture(40, 20);  // two glyphs of 20 x 20
  const COLORREF paper = RGB(9, 9, 9);
  TTarget target(40, 40, paper);
  // 15 x 15 rectangle at (10, 10): the offset (15 - 20) div 2 is -2.
  DrawSkinGlyph(target.Dc(), Rect(10, 10, 25, 25), strip, false, 2, 2);
  EXPECT_EQ(target.Pixel(8, 8), RGB(20, 0, kTag));
  EXPECT_EQ(target.Pixel(27, 27), RGB(39, 19, kTag));
  EXPECT_EQ(target.Pixel(7, 8), paper);
  EXPECT_EQ(target.Pixel(28, 27), paper);

  TTarget small(12, 12, paper);
  DrawSkinGlyph(small.Dc(), Rect(0, 0, 12, 11), CoordinatePicture(4, 4), false, 1, 1);
  EXPECT_EQ(small.Pixel(4, 3), RGB(0, 0, kTag));
  EXPECT_EQ(small.Pixel(3, 3), paper);
}

TEST(TileBitmap, RepeatsThePieceAndStaysInsideTheRectangle) {
  const TBitmap picture = CoordinatePicture(10, 10);
  const COLORREF paper = RGB(0, 0, 1);
  TTarget target(20, 20, paper);
  TileBitmap(target.Dc(), Rect(2, 2, 11, 9), picture, Rect(4, 5, 7, 7));
  for (int y = 2; y < 9; ++y)
    for (int x = 2; x < 11; ++x)
      ASSERT_EQ(target.Pixel(x, y), RGB(4 + (x - 2) % 3, 5 + (y - 2) % 2, kTag)) << x << "," << y;
  EXPECT_EQ(target.Pixel(11, 2), paper);
  EXPECT_EQ(target.Pixel(2, 9), paper);
  // A piece with no area, or outside the picture, draws nothing.
  TileBitmap(target.Dc(), Rect(12, 12, 20, 20), picture, Rect(3, 3, 3, 8));
  TileBitmap(target.Dc(), Rect(12, 12, 20, 20), picture, Rect(20, 20, 25, 25));
  EXPECT_EQ(target.Pixel(12, 12), paper);
}

TEST(DrawTiledBar, RepeatsTheMiddleBetweenTheEnds) {
  // Frame 10 x 3 (second of two), ends 3 wide, middle 4: copies at 3, 7 and 11, then the end.
  const TBitmap strip = CoordinatePicture(20, 3);
  TTarget target(15, 5, 0);
  DrawTiledBar(target.Dc(), Rect(0, 0, 15, 5), strip, false, false, 2, 2, {3, 0, 3, 0});
  for (int x = 0; x < 15; ++x) {
    const int expected = x < 3 ? x : x >= 12 ? 10 - (15 - x) : 3 + (x - 3) % 4;
    EXPECT_EQ(SourceX(target.Pixel(x, 2)) - 10, expected) << x;
  }
  EXPECT_EQ(SourceY(target.Pixel(0, 0)), 0);
  EXPECT_EQ(SourceY(target.Pixel(0, 4)), 2);
}

TEST(DrawTiledBar, EndsThatFillTheFrameLeaveNoMiddleToRepeat) {
  const TBitmap picture = CoordinatePicture(10, 3);
  TTarget target(30, 3, RGB(1, 1, 1));
  DrawTiledBar(target.Dc(), Rect(0, 0, 30, 3), picture, false, false, 1, 1, {5, 0, 5, 0});
  EXPECT_EQ(target.Pixel(4, 0), RGB(4, 0, kTag));
  EXPECT_EQ(target.Pixel(25, 0), RGB(5, 0, kTag));
  EXPECT_EQ(target.Pixel(29, 0), RGB(9, 0, kTag));
}

TEST(DrawThreeSliceBar, StretchesOnlyTheMiddle) {
  const TBitmap picture = CoordinatePicture(10, 4);
  TTarget target(20, 4, 0);
  DrawThreeSliceBar(target.Dc(), Rect(0, 0, 20, 4), picture, {3, 0, 3, 0});
  for (int x = 0; x < 20; ++x) {
    const int sx = SourceX(target.Pixel(x, 1));
    if (x < 3)
      EXPECT_EQ(sx, x);
    else if (x >= 17)
      EXPECT_EQ(sx, 10 - (20 - x));
    else
      EXPECT_TRUE(sx >= 3 && sx < 7) << x << " from " << sx;
  }
}

TEST(DrawThreeSliceBar, StretchesTheWholePictureWhenItDoesNotFit) {
  const TBitmap picture = CoordinatePicture(10, 4);
  // Narrower than the picture; then margins that leave no middle.
  for (const auto& [width, m] : {std::pair{5, TMargins{3, 0, 3, 0}}, std::pair{30, TMargins{8, 0, 8, 0}}}) {
    TTarget bar(width, 4, 0), whole(width, 4, 0);
    DrawThreeSliceBar(bar.Dc(), Rect(0, 0, width, 4), picture, m);
    DrawSkinFrame(whole.Dc(), Rect(0, 0, width, 4), picture, false, 1, 1);
    ASSERT_TRUE(FromPicture(bar.Pixel(0, 0)));
    for (int x = 0; x < width; ++x)
      EXPECT_EQ(bar.Pixel(x, 2), whole.Pixel(x, 2)) << width << " wide, at " << x;
  }
}
