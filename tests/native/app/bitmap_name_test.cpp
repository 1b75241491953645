#include "app/bitmap_name.h"

#include <gtest/gtest.h>

TEST(BitmapName, TakesAnyNameEndingInBmpWhateverTheCase) {
  EXPECT_TRUE(IsBitmapName("sea.bmp"));
  EXPECT_TRUE(IsBitmapName("SEA.BMP"));
  EXPECT_TRUE(IsBitmapName("Sea.bMp"));
  EXPECT_TRUE(IsBitmapName("x.abmp"));   // a four-letter extension ending in the letters
  EXPECT_TRUE(IsBitmapName("nobmp"));    // no extension at all
  EXPECT_TRUE(IsBitmapName("bmp"));
}

TEST(BitmapName, RefusesOtherLastExtensionsAndShortNames) {
  EXPECT_FALSE(IsBitmapName("sea.bmp.txt"));
  EXPECT_FALSE(IsBitmapName("bmp.jpg"));
  EXPECT_FALSE(IsBitmapName("mp"));
  EXPECT_FALSE(IsBitmapName(""));
}
