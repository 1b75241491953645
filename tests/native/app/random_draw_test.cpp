#include "app/random_draw.h"

#include <gtest/gtest.h>

#include <vector>

TEST(RandomDraw, TwelveEntriesDrawTheKnownSequenceFromSeedZero) {
  TRandomDraw draw;
  std::vector<int32_t> got;
  for (int i = 0; i < 10; ++i)
    got.push_back(draw.Next(12));
  EXPECT_EQ(got, (std::vector<int32_t>{0, 0, 10, 2, 3, 8, 3, 1, 4, 5}));
}

TEST(RandomDraw, StaysInRangeAndAnEmptyRangeStillAdvancesTheSeed) {
  TRandomDraw draw;
  EXPECT_EQ(draw.Next(0), 0);
  EXPECT_EQ(draw.Seed(), 1u);
  EXPECT_EQ(draw.Next(-3), 0);
  for (int i = 0; i < 10000; ++i) {
    const int32_t r = draw.Next(7);
    ASSERT_GE(r, 0);
    ASSERT_LT(r, 7);
  }
  // The largest range must not overflow the 64-bit product.
  for (int i = 0; i < 1000; ++i)
    ASSERT_LT(draw.Next(INT32_MAX), INT32_MAX);
}

TEST(RandomDraw, OneEntryAlwaysDrawsZero) {
  TRandomDraw draw;
  for (int i = 0; i < 100; ++i)
    ASSERT_EQ(draw.Next(1), 0);
}
