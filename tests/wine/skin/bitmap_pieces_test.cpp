// The row-based copies, pixel reads and gradients must give what GDI gives through a DC, for
// every pixel format a skin picture may come in.
#include "framework/core/bmp_format.h"
#include "skin/model/bitmap_pieces.h"
#include "skin/model/bitmap_utils.h"

#include "test_pictures.h"

#include <gtest/gtest.h>

#include <vector>

using namespace test_pictures;

namespace {

constexpr COLORREF kPaper = RGB(7, 77, 7);

// A width x height picture of bitCount bits whose pixels differ from their neighbours: indexed
// ones through a colour table of distinct colours, direct ones by their coordinates; a 32-bit
// picture carries a fourth byte that must not leak into 24-bit copies.
TBitmap Sample(int bitCount, int width, int height) {
  if (bitCount >= 24) {
    TBitmap picture = CoordinatePicture(width, height, bitCount);
    if (bitCount == 32)
      for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
          picture.ScanLine(y)[4 * x + 3] = static_cast<uint8_t>(x + 1);
    return picture;
  }
  const int colours = 1 << bitCount;
  std::vector<uint32_t> palette;
  for (int i = 0; i < colours; ++i)
    palette.push_back(static_cast<uint32_t>(0x102030 + 0x0B0705 * i));
  const size_t stride = DibStride(width, bitCount);
  std::vector<uint8_t> rows(stride * height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const int index = (x + 3 * y) % colours, perByte = 8 / bitCount;
      rows[y * stride + x / perByte] |=
          static_cast<uint8_t>(index << (8 - bitCount * (x % perByte + 1)));
    }
  const std::string file = EncodeBmpFile(width, height, bitCount, palette, rows.data(),
                                         static_cast<ptrdiff_t>(stride));
  TBitmap picture;
  picture.LoadFromBytes(file.data(), file.size());
  return picture;
}

TBitmap Paper(int width, int height) {
  return MakePicture(width, height, [](int, int) { return kPaper; });
}

// What BitBlt leaves in a paper target for the same copy.
TBitmap BlitReference(const TBitmap& source, const RECT& r, int width, int height, int x, int y) {
  TBitmap target = Paper(width, height);
  {
    TMemoryDC from(source.Handle());
    TMemoryDC to(target.Handle());
    BitBlt(to.Get(), x, y, r.right - r.left, r.bottom - r.top, from.Get(), r.left, r.top, SRCCOPY);
    GdiFlush();
  }
  return target;
}

void ExpectSamePixels(const TBitmap& actual, const TBitmap& expected, const std::string& what) {
  ASSERT_EQ(actual.Width(), expected.Width()) << what;
  ASSERT_EQ(actual.Height(), expected.Height()) << what;
  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x)
      ASSERT_EQ(PixelAt(actual, x, y), PixelAt(expected, x, y)) << what << " at " << x << "," << y;
}

constexpr int kFormats[] = {1, 4, 8, 24, 32};

}  // namespace

TEST(CopyPixels, CopiesWhatBitBltCopiesForEveryFormatAndOverhang) {
  struct Case {
    const char* name;
    RECT rect;
    int x, y;
  };
  // The source is 13 x 7 and the target 9 x 6.
  const Case cases[] = {
      {"inside", {2, 1, 7, 5}, 1, 1},
      {"odd start in an indexed row", {3, 0, 12, 7}, 0, 0},
      {"over the source's left and top", {-3, -2, 4, 3}, 2, 1},
      {"over the source's right and bottom", {9, 4, 16, 10}, 0, 0},
      {"over the target's right and bottom", {0, 0, 13, 7}, 4, 3},
      {"landing left of and above the target", {0, 0, 8, 6}, -3, -2},
      {"beside the source", {20, 0, 25, 3}, 0, 0},
      {"beside the target", {0, 0, 5, 5}, 9, 0},
  };
  for (int bitCount : kFormats) {
    const TBitmap source = Sample(bitCount, 13, 7);
    for (const Case& c : cases) {
      TBitmap target = Paper(9, 6);
      CopyPixels(source, c.rect, target, c.x, c.y);
      ExpectSamePixels(target, BlitReference(source, c.rect, 9, 6, c.x, c.y),
                       std::string(c.name) + ", " + std::to_string(bitCount) + " bits");
    }
  }
}

TEST(CopyPixels, RefusesATargetOfAnotherFormatAndIgnoresAnEmptyOne) {
  TBitmap wide(4, 4, 32);
  EXPECT_THROW(CopyPixels(Sample(24, 4, 4), RECT{0, 0, 4, 4}, wide, 0, 0), EInvalidOperation);
  TBitmap empty;
  CopyPixels(Sample(24, 4, 4), RECT{0, 0, 4, 4}, empty, 0, 0);
  EXPECT_TRUE(empty.Empty());
}

TEST(CutBitmap, IsA24BitCopyBlackWhereTheRectangleLeavesTheSource) {
  for (int bitCount : kFormats) {
    const TBitmap source = Sample(bitCount, 13, 7);
    const TBitmap piece = CutBitmap(source, RECT{10, 5, 15, 9});
    ASSERT_EQ(piece.BitCount(), 24);
    ASSERT_EQ(piece.Width(), 5);
    ASSERT_EQ(piece.Height(), 4);
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 5; ++x) {
        const bool onSource = 10 + x < 13 && 5 + y < 7;
        EXPECT_EQ(PixelAt(piece, x, y), onSource ? static_cast<COLORREF>(BitmapPixel(source, 10 + x, 5 + y)) : 0u)
            << bitCount << " bits at " << x << "," << y;
      }
  }
  EXPECT_TRUE(CutBitmap(Sample(24, 4, 4), RECT{2, 2, 2, 3}).Empty());
}

TEST(BitmapPixel, ReadsWhatGetPixelReadsAndNothingOutside) {
  for (int bitCount : kFormats) {
    const TBitmap source = Sample(bitCount, 11, 3);
    TMemoryDC dc(source.Handle());
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 11; ++x)
        ASSERT_EQ(static_cast<COLORREF>(BitmapPixel(source, x, y)), GetPixel(dc.Get(), x, y))
            << bitCount << " bits at " << x << "," << y;
    for (const POINT p : {POINT{-1, 0}, POINT{0, -1}, POINT{11, 0}, POINT{0, 3}})
      EXPECT_EQ(BitmapPixel(source, p.x, p.y), kNoColour) << p.x << "," << p.y;
  }
  EXPECT_EQ(BitmapPixel(TBitmap(), 0, 0), kNoColour);
}

TEST(Mirrored, EveryFormatMirroredIntoEitherDirectFormatSourceKept) {
  for (int bitCount : kFormats)
    for (int into : {24, 32}) {
      const TBitmap source = Sample(bitCount, 13, 3);
      const std::string before = source.SaveToBytes();
      const TBitmap mirrored = Mirrored(source, into);
      ASSERT_EQ(mirrored.BitCount(), into);
      ASSERT_EQ(mirrored.Width(), 13);
      ASSERT_EQ(mirrored.Height(), 3);
      for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 13; ++x) {
          ASSERT_EQ(static_cast<TColour>(PixelAt(mirrored, x, y)), BitmapPixel(source, 12 - x, y))
              << bitCount << " into " << into << " at " << x << "," << y;
          if (into == 32)  // only a 32-bit source has a fourth byte to keep
            ASSERT_EQ(mirrored.ScanLine(y)[4 * x + 3], bitCount == 32 ? 13 - x : 0);
        }
      EXPECT_EQ(source.SaveToBytes(), before);
    }
  EXPECT_TRUE(Mirrored(TBitmap(), 24).Empty());
  EXPECT_THROW(Mirrored(Sample(24, 2, 2), 16), EInvalidOperation);
}

TEST(GradientFillBitmap, WritesWhatGradientFillPaintsThroughADc) {
  const TColour face = static_cast<TColour>(0xFF00000F);  // a system colour, looked up by both
  for (bool vertical : {true, false}) {
    TBitmap painted = Paper(10, 40), written = Paper(10, 40);
    {
      TMemoryDC dc(painted.Handle());
      GradientFill(dc.Get(), RECT{0, 0, 10, 40}, face, vertical, Rgb(20, 40, 200));
      GdiFlush();
    }
    GradientFillBitmap(written, face, vertical, Rgb(20, 40, 200));
    ExpectSamePixels(written, painted, vertical ? "vertical" : "horizontal");
    EXPECT_NE(PixelAt(written, 0, 0), PixelAt(written, 9, 39));
  }
  TBitmap wide(2, 2, 32);
  EXPECT_THROW(GradientFillBitmap(wide, 0, true, 0xFFFFFF), EInvalidOperation);
}
