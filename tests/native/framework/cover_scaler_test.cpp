#include "framework/core/cover_scaler.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// Scales a W x H source whose pixels come from pixel(x, y, channel) onto DW x DH, top row first.
template <class Pixel>
std::vector<uint8_t> Cover(int w, int h, int dw, int dh, Pixel pixel) {
  TCoverScaler scaler(w, h, dw, dh);
  std::vector<uint8_t> row(static_cast<size_t>(w) * 3);
  std::vector<uint8_t> out(static_cast<size_t>(dw) * dh * 3, 0xCD);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x)
      for (int c = 0; c < 3; ++c)
        row[static_cast<size_t>(x) * 3 + c] = pixel(x, y, c);
    scaler.AddRow(y, row.data(), out.data(), dw * 3);
  }
  EXPECT_EQ(scaler.RowsDone(), dh);
  return out;
}

uint8_t At(const std::vector<uint8_t>& out, int dw, int x, int y, int c = 0) {
  return out[(static_cast<size_t>(y) * dw + x) * 3 + c];
}

}  // namespace

// Each case: a source whose blue is its column (or row) number, and what the target's first
// and last columns (or rows) must come from: the crop is centred and every cell averaged.
TEST(CoverScaler, KeepsTheCentreOfTheSideThatSticksOut) {
  struct Case {
    const char* what;
    int w, h, dw, dh;
    bool columns;            // the blue of a source pixel is its x (else its y)
    int first, last;         // blue of the target's first and last column or row
  };
  const Case cases[] = {
      // 8 x 2 onto 2 x 2: scale 1 by height, columns 3 and 4 kept.
      {"wide, same height", 8, 2, 2, 2, true, 3, 4},
      // 2 x 8 onto 2 x 2: rows 3 and 4 kept.
      {"tall, same width", 2, 8, 2, 2, false, 3, 4},
      // 12 x 4 onto 4 x 2: scale 1/2 by height, 8 columns kept (2..9), pairs averaged.
      {"wide, halved", 12, 4, 4, 2, true, 3, 9},  // (2+3)/2 rounds to 3 (2.5 up), (8+9)/2 to 9
      // 4 x 4 onto 8 x 4: scale 2 by width, rows 1 and 2 kept, each pixel twice.
      {"small, doubled", 4, 4, 8, 4, false, 1, 2},
  };
  for (const Case& k : cases) {
    const auto out = Cover(k.w, k.h, k.dw, k.dh, [&](int x, int y, int c) {
      return uint8_t(c == 0 ? (k.columns ? x : y) : 100);
    });
    EXPECT_EQ(At(out, k.dw, 0, 0), k.first) << k.what;
    EXPECT_EQ(At(out, k.dw, k.dw - 1, k.dh - 1), k.last) << k.what;
    EXPECT_EQ(At(out, k.dw, k.dw / 2, k.dh / 2, 1), 100) << k.what;  // green untouched by averaging
  }
}

TEST(CoverScaler, EnlargedRowsAndColumnsRepeatTheirSource) {
  // 2 x 2 onto 4 x 4: each source pixel becomes a 2 x 2 block.
  const auto out = Cover(2, 2, 4, 4, [](int x, int y, int) { return uint8_t(10 * (2 * y + x) + 10); });
  const uint8_t expected[4][4] = {{10, 10, 20, 20}, {10, 10, 20, 20}, {30, 30, 40, 40}, {30, 30, 40, 40}};
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(At(out, 4, x, y, 2), expected[y][x]) << x << "," << y;
}

TEST(CoverScaler, A24MegapixelPhotoOntoAScreenAveragesWithoutOverflow) {
  // 6000 x 4000 onto 1024 x 768: scale by height (0.192), 5333 of the 6000 columns kept.
  TCoverScaler scaler(6000, 4000, 1024, 768);
  std::vector<uint8_t> row(6000 * 3, 255), out(1024 * 768 * 3, 0);
  for (int y = 0; y < 4000; ++y)
    scaler.AddRow(y, row.data(), out.data(), 1024 * 3);
  EXPECT_EQ(scaler.RowsDone(), 768);
  for (uint8_t v : out)
    ASSERT_EQ(v, 255);
}

TEST(CoverScaler, RowsBelowTheCropAreIgnoredAndBadSizesRefused) {
  // 2 x 6 onto 2 x 2: rows 2 and 3 kept; row 5 coming after the last target row changes nothing.
  TCoverScaler scaler(2, 6, 2, 2);
  std::vector<uint8_t> out(2 * 2 * 3, 0);
  for (int y = 0; y < 6; ++y) {
    const std::vector<uint8_t> row(6, uint8_t(y * 40));
    scaler.AddRow(y, row.data(), out.data(), 6);
  }
  EXPECT_EQ(out[0], 80);
  EXPECT_EQ(out[6], 120);
  EXPECT_THROW(TCoverScaler(0, 4, 2, 2), std::invalid_argument);
  EXPECT_THROW(TCoverScaler(4, 4, 2, 0), std::invalid_argument);
}
