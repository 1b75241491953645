#include "skin/model/bitmap_utils.h"
#include "skin/format/gradient_cache.h"

#include "test_pictures.h"

#include <gtest/gtest.h>

using namespace test_pictures;

namespace {

constexpr COLORREF kPaper = RGB(7, 77, 7);

TColour ButtonFace() { return static_cast<TColour>(GetSysColor(COLOR_BTNFACE)); }

}  // namespace

TEST(ReplaceKeyColour, ReplacesExactlyTheKeyAndMakesThePicture24Bit) {
  TBitmap picture = MakePicture(3, 2, [](int x, int y) {
    return x == 0 ? RGB(255, 0, 255) : x == 1 ? RGB(255, 0, 254) : RGB(x, y, kTag);
  }, 32);
  ReplaceKeyColour(picture, Rgb(236, 233, 216));
  EXPECT_EQ(picture.BitCount(), 24);
  for (int y = 0; y < 2; ++y) {
    EXPECT_EQ(PixelAt(picture, 0, y), RGB(236, 233, 216));
    EXPECT_EQ(PixelAt(picture, 1, y), RGB(255, 0, 254));
    EXPECT_EQ(PixelAt(picture, 2, y), RGB(2, y, kTag));
  }
}

TEST(ReplaceKeyColour, ASystemColourIsLookedUp) {
  TBitmap picture = MakePicture(1, 1, [](int, int) { return RGB(255, 0, 255); });
  ReplaceKeyColour(picture, static_cast<TColour>(0xFF00000F));
  EXPECT_EQ(static_cast<TColour>(PixelAt(picture, 0, 0)), ButtonFace());
  TBitmap empty;
  ReplaceKeyColour(empty, 0);
  EXPECT_TRUE(empty.Empty());
}

TEST(MirrorAndFlip, MovePixelsAndKeepSizeAndFormat) {
  for (int bitCount : {24, 32}) {
    TBitmap mirrored = CoordinatePicture(3, 2);
    mirrored.SetBitCount(bitCount);
    TBitmap flipped = mirrored.Clone();
    MirrorBitmap(mirrored);
    FlipBitmap(flipped);
    for (TBitmap* b : {&mirrored, &flipped}) {
      EXPECT_EQ(b->Width(), 3);
      EXPECT_EQ(b->Height(), 2);
      EXPECT_EQ(b->BitCount(), bitCount);
    }
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(PixelAt(mirrored, x, y), RGB(2 - x, y, kTag)) << bitCount;
        EXPECT_EQ(PixelAt(flipped, x, y), RGB(x, 1 - y, kTag)) << bitCount;
      }
  }
  TBitmap empty;
  MirrorBitmap(empty);
  FlipBitmap(empty);
  EXPECT_TRUE(empty.Empty());
}

TEST(Rotate, QuarterTurnsSwapTheSides) {
  TBitmap left = CoordinatePicture(3, 2, 32);
  TBitmap right = CoordinatePicture(3, 2);
  RotateLeft(left);
  RotateRight(right);
  for (TBitmap* b : {&left, &right}) {
    EXPECT_EQ(b->Width(), 2);
    EXPECT_EQ(b->Height(), 3);
    EXPECT_EQ(b->BitCount(), 24);
  }
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 2; ++x) {
      EXPECT_EQ(PixelAt(left, x, y), RGB(2 - y, x, kTag)) << x << "," << y;
      EXPECT_EQ(PixelAt(right, x, y), RGB(y, 1 - x, kTag)) << x << "," << y;
    }
  TBitmap empty;
  RotateLeft(empty);
  EXPECT_TRUE(empty.Empty());
}

TEST(MixColours, SystemColoursAreLookedUpFirst) {
  const TColour face = static_cast<TColour>(0xFF00000F);
  EXPECT_EQ(MixColours(face, 0xFFFFFF, 1000), ButtonFace());
  EXPECT_EQ(MixColours(0x808080, face, 150), MixRgbColours(0x808080, ButtonFace(), 150));
}

TEST(GradientFill, PaintsOneLinePerPixelFromTheFirstColourToTheSecond) {
  TTarget down(4, 3, kPaper), across(3, 2, kPaper);
  GradientFill(down.Dc(), RECT{0, 0, 4, 3}, 0, true, 0xFFFFFF);
  GradientFill(across.Dc(), RECT{0, 0, 3, 2}, 0xFFFFFF, false, 0);
  for (int x = 0; x < 4; ++x) {
    EXPECT_EQ(down.Pixel(x, 0), RGB(0, 0, 0));
    EXPECT_EQ(down.Pixel(x, 1), RGB(128, 128, 128));
    EXPECT_EQ(down.Pixel(x, 2), RGB(255, 255, 255));
  }
  EXPECT_EQ(across.Pixel(0, 1), RGB(255, 255, 255));
  EXPECT_EQ(across.Pixel(1, 1), RGB(128, 128, 128));
  EXPECT_EQ(across.Pixel(2, 1), RGB(1, 1, 1));  // a falling ramp ends one above
}

TEST(GradientFill, PaintsOnlyInsideTheClipBoxWithTheFullPaintsColours) {
  const RECT bar{0, 0, 2, 8};
  TTarget full(2, 8, kPaper), lower(2, 8, kPaper);
  GradientFill(full.Dc(), bar, Rgb(0, 40, 200), true, Rgb(160, 40, 0));
  IntersectClipRect(lower.Dc(), 0, 4, 2, 8);
  GradientFill(lower.Dc(), bar, Rgb(0, 40, 200), true, Rgb(160, 40, 0));
  for (int y = 0; y < 8; ++y)
    EXPECT_EQ(lower.Pixel(1, y), y < 4 ? kPaper : full.Pixel(1, y)) << y;
  // Nothing at all where the rectangle is not visible.
  SelectClipRgn(lower.Dc(), nullptr);
  IntersectClipRect(lower.Dc(), 0, 0, 1, 1);
  GradientFill(lower.Dc(), RECT{1, 1, 2, 8}, 0, true, 0);
  EXPECT_EQ(lower.Pixel(1, 1), kPaper);
}

TEST(GradientFill, EqualFillsShareOneCacheSlotAndEmptyOnesUseNone) {
  TTarget target(6, 37, kPaper);
  const RECT bar{0, 0, 6, 37};
  const int before = SharedGradientCache().NextSlot();
  GradientFill(target.Dc(), bar, Rgb(1, 2, 3), true, Rgb(201, 202, 203));
  GradientFill(target.Dc(), bar, Rgb(1, 2, 3), true, Rgb(201, 202, 203));
  EXPECT_EQ(SharedGradientCache().NextSlot(), (before + 1) % TGradientCache::kSlotCount);
  // Without height, or reversed, in either direction: nothing painted, no ramp made.
  const COLORREF painted = target.Pixel(4, 6);
  for (const RECT& r : {RECT{0, 5, 6, 5}, RECT{0, 9, 6, 2}, RECT{4, 0, 1, 10}}) {
    GradientFill(target.Dc(), r, 0, true, 0xFFFFFF);
    GradientFill(target.Dc(), r, 0, false, 0xFFFFFF);
  }
  EXPECT_EQ(SharedGradientCache().NextSlot(), (before + 1) % TGradientCache::kSlotCount);
  EXPECT_EQ(target.Pixel(4, 6), painted);
  EXPECT_EQ(target.Pixel(0, 6), painted);
}
