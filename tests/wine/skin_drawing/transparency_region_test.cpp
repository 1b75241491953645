#include "skin/model/bitmap_region.h"
#include "skin/model/scratch_bitmap.h"
#include "skin/model/transparent_blit.h"

#include "test_pictures.h"

#include <gtest/gtest.h>

using namespace test_pictures;

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

// Magenta in a diagonal pattern, with a colour one step off the key here and there.
TBitmap SpottedPicture(int bitCount) {
  return MakePicture(7, 5, [](int x, int y) {
    if ((x + y) % 3 == 0)
      return kMagenta;
    return (x * y) % 4 == 1 ? RGB(254, 0, 255) : RGB(x, y, kTag);
  }, bitCount);
}

}  // namespace

TEST(DrawTransparentBitmap, BothMaskMethodsLeaveExactlyTheKeyOut) {
  for (int bitCount : {24, 32}) {
    const TBitmap picture = SpottedPicture(bitCount);
    const COLORREF paper = RGB(10, 120, 30);
    for (TMaskMethod method : {TMaskMethod::mmMaskBlt, TMaskMethod::mmInversion}) {
      TTarget target(9, 7, paper);
      DrawTransparentBitmap(target.Dc(), RECT{1, 1, 8, 6}, picture, kMagenta, method);
      for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 9; ++x) {
          const bool inside = x >= 1 && x < 8 && y >= 1 && y < 6;
          const COLORREF source = inside ? PixelAt(picture, x - 1, y - 1) : paper;
          ASSERT_EQ(target.Pixel(x, y), source == kMagenta ? paper : source)
              << bitCount << " bits, method " << static_cast<int>(method) << " at " << x << "," << y;
        }
    }
  }
}

TEST(DrawTransparentBitmap, IsCutToTheRectangle) {
  const TBitmap picture = MakePicture(6, 6, [](int x, int y) { return RGB(x, y, kTag); });
  const COLORREF paper = RGB(3, 3, 3);
  TTarget target(8, 8, paper);
  DrawTransparentBitmap(target.Dc(), RECT{0, 0, 3, 2}, picture, kMagenta);
  EXPECT_EQ(target.Pixel(2, 1), RGB(2, 1, kTag));
  EXPECT_EQ(target.Pixel(3, 1), paper);
  EXPECT_EQ(target.Pixel(2, 2), paper);
  DrawTransparentBitmap(target.Dc(), RECT{5, 5, 4, 8}, picture, kMagenta);
  EXPECT_EQ(target.Pixel(5, 5), paper);
}

TEST(BitmapToRegion, CoversTheOpaquePixelsMoved) {
  const TBitmap picture = SpottedPicture(24);
  const UniqueRgn region = BitmapToRegion(picture, 10, 20, 0, 0, 0, kMagenta);
  ASSERT_TRUE(region);
  for (int y = -1; y <= 5; ++y)
    for (int x = -1; x <= 7; ++x) {
      const bool inside = x >= 0 && x < 7 && y >= 0 && y < 5;
      const bool opaque = inside && PixelAt(picture, x, y) != kMagenta;
      EXPECT_EQ(PtInRegion(region.Get(), x + 10, y + 20) != 0, opaque) << x << "," << y;
    }
  // The caller's picture keeps its format.
  EXPECT_EQ(picture.BitCount(), 24);
}

TEST(BitmapToRegion, ToleranceReachesUpwardFromTheKey) {
  const TBitmap picture = MakePicture(3, 1, [](int x, int) {
    return x == 0 ? RGB(200, 0, 200) : x == 1 ? RGB(205, 5, 210) : RGB(211, 0, 200);
  });
  const UniqueRgn region = BitmapToRegion(picture, 0, 0, 10, 10, 10, RGB(200, 0, 200));
  ASSERT_TRUE(region);
  EXPECT_FALSE(PtInRegion(region.Get(), 0, 0));
  EXPECT_FALSE(PtInRegion(region.Get(), 1, 0));
  EXPECT_TRUE(PtInRegion(region.Get(), 2, 0));
  // A tolerance so large it would overflow still stops at 255.
  EXPECT_FALSE(BitmapToRegion(picture, 0, 0, 0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF, RGB(200, 0, 200)));
}

TEST(BitmapToRegion, ManyRunsAreUnitedInBatches) {
  // A checkerboard of 120 x 70: 60 runs a row, 4200 in all, more than two batches.
  const TBitmap picture = MakePicture(120, 70, [](int x, int y) {
    return (x + y) % 2 ? RGB(0, 0, 0) : kMagenta;
  }, 32);
  const UniqueRgn region = BitmapToRegion(picture, 0, 0, 0, 0, 0, kMagenta);
  ASSERT_TRUE(region);
  for (int y = 0; y < 70; ++y)
    for (int x = 0; x < 120; ++x)
      ASSERT_EQ(PtInRegion(region.Get(), x, y) != 0, (x + y) % 2 == 1) << x << "," << y;
}

TEST(BitmapToRegion, NoRegionWithoutAnOpaquePixel) {
  EXPECT_FALSE(BitmapToRegion(MakePicture(9, 4, [](int, int) { return kMagenta; }), 0, 0, 0, 0, 0,
                              kMagenta));
  EXPECT_FALSE(BitmapToRegion(TBitmap(), 0, 0, 0, 0, 0, kMagenta));
}

TEST(ScratchBitmap, IsOneDcThatKeepsItsBitmapSelectedAcrossSizes) {
  TScratchBitmap& scratch = ScratchBitmap();
  EXPECT_EQ(&scratch, &ScratchBitmap());
  const HDC dc = scratch.Dc();
  EXPECT_EQ(GetStretchBltMode(dc), COLORONCOLOR);
  for (int size : {8, 3}) {
    scratch.SetSize(size, size + 1);
    EXPECT_EQ(scratch.Dc(), dc);
    const RECT all{0, 0, size, size + 1};
    UniqueBrush brush(CreateSolidBrush(RGB(size, 40, 50)));
    FillRect(dc, &all, brush.Get());
    EXPECT_EQ(PixelAt(scratch.Bitmap(), size - 1, size), RGB(size, 40, 50));
  }
  scratch.SetSize(-4, 2);
  EXPECT_TRUE(scratch.Bitmap().Empty());
}
