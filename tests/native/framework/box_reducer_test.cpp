#include "framework/core/box_reducer.h"
#include "framework/core/exceptions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// A source of W x H pixels whose blue, green and red come from a function of (x, y).
template <class Pixel>
std::vector<uint8_t> Reduce(int w, int h, int dw, int dh, Pixel pixel, bool bottomUp = false) {
  TBoxReducer reducer(w, h, dw, dh);
  std::vector<uint8_t> row(static_cast<size_t>(w) * 3);
  for (int i = 0; i < h; ++i) {
    const int y = bottomUp ? h - 1 - i : i;
    for (int x = 0; x < w; ++x)
      for (int c = 0; c < 3; ++c)
        row[static_cast<size_t>(x) * 3 + c] = pixel(x, y, c);
    reducer.AddRow(y, row.data());
  }
  std::vector<uint8_t> out(static_cast<size_t>(dw) * dh * 3, 0xCD);
  reducer.WriteRows(out.data(), dw * 3);
  return out;
}

TEST(BoxReducer, EachPixelIsTheRoundedMeanOfTheSourcePixelsOnIt) {
  // 4 x 2 to 2 x 1: columns 0-1 and 2-3 are averaged, over both rows.
  const uint8_t values[2][4] = {{0, 255, 10, 20}, {255, 0, 30, 41}};
  const std::vector<uint8_t> out =
      Reduce(4, 2, 2, 1, [&](int x, int y, int c) { return uint8_t(c == 0 ? values[y][x] : 7 * c); });
  EXPECT_EQ(out, (std::vector<uint8_t>{128, 7, 14, 25, 7, 14}));  // 510/4 rounds up, 101/4 down
}

TEST(BoxReducer, UnevenSplitsGiveEverySourcePixelToExactlyOneResultPixel) {
  // 7 columns onto 3: 3, 2 and 2 of them (the result column of x is x * 3 / 7).
  const std::vector<uint8_t> out =
      Reduce(7, 1, 3, 1, [](int x, int, int) { return uint8_t(x * 10); });
  EXPECT_EQ(out[0], 10);  // (0 + 10 + 20) / 3
  EXPECT_EQ(out[3], 35);  // (30 + 40) / 2
  EXPECT_EQ(out[6], 55);  // (50 + 60) / 2
}

TEST(BoxReducer, RowsMayComeInAnyOrderAndASideThatFitsStaysAsItIs) {
  const auto pixel = [](int x, int y, int c) { return uint8_t((x * 7 + y * 13 + c * 29) % 256); };
  EXPECT_EQ(Reduce(9, 12, 9, 4, pixel), Reduce(9, 12, 9, 4, pixel, true));
  const std::vector<uint8_t> same = Reduce(5, 3, 5, 3, pixel);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x)
      EXPECT_EQ(same[static_cast<size_t>(y * 5 + x) * 3 + 1], pixel(x, y, 1));
}

TEST(BoxReducer, AHugeSourceOntoOnePixelDoesNotOverflow) {
  const std::vector<uint8_t> out = Reduce(3000, 3000, 1, 1, [](int, int, int) { return uint8_t(255); });
  EXPECT_EQ(out, (std::vector<uint8_t>{255, 255, 255}));
}

TEST(BoxReducer, RefusesToGrowAndRowsOutsideThePicture) {
  EXPECT_THROW(TBoxReducer(4, 4, 5, 4), EInvalidOperation);
  EXPECT_THROW(TBoxReducer(4, 4, 0, 4), EInvalidOperation);
  TBoxReducer reducer(4, 4, 2, 2);
  const uint8_t row[12] = {};
  EXPECT_THROW(reducer.AddRow(4, row), EInvalidOperation);
  EXPECT_THROW(reducer.AddRow(-1, row), EInvalidOperation);
}

}  // namespace
