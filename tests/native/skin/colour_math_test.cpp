#include "skin/format/colour_math.h"
#include "skin/format/gradient_cache.h"

#include "framework/core/exceptions.h"

#include <gtest/gtest.h>

#include <vector>

TEST(MixRgbColours, WeightBelowHundredIsAPercentFromHundredOnTenthsOfAPercent) {
  const TColour a = Rgb(200, 100, 0), b = Rgb(0, 0, 200);
  EXPECT_EQ(MixRgbColours(a, b, 0), b);
  EXPECT_EQ(MixRgbColours(a, b, 99), Rgb(198, 99, 2));    // (200*99 + 0*1 + 50) div 100
  EXPECT_EQ(MixRgbColours(a, b, 100), Rgb(20, 10, 180));  // only 10 %
  EXPECT_EQ(MixRgbColours(a, b, 1000), a);
  EXPECT_EQ(MixRgbColours(0x808080, 0xFFFFFF, 150), Rgb(236, 236, 236));
}

TEST(MixRgbColours, OutOfRangeWeightsStayWithinEightBitsAndDoNotOverflow) {
  EXPECT_EQ(MixRgbColours(Rgb(255, 255, 255), 0, 2000) & ~0xFFFFFF, 0);
  EXPECT_EQ(MixRgbColours(Rgb(255, 255, 255), 0, 0x7FFFFFFF) & ~0xFFFFFF, 0);
  EXPECT_EQ(MixRgbColours(0, Rgb(255, 255, 255), -0x7FFFFFFF) & ~0xFFFFFF, 0);
}

TEST(ColourSaturation, BrightColoursMeasuredDarkOnesCountAs200) {
  EXPECT_EQ(ColourSaturation(Rgb(255, 0, 0)), 255);
  EXPECT_EQ(ColourSaturation(Rgb(255, 255, 255)), 0);
  EXPECT_EQ(ColourSaturation(Rgb(150, 0, 0)), 200);  // no channel reaches 160
  EXPECT_EQ(ColourSaturation(Rgb(0, 0, 160)), 255);
  EXPECT_EQ(ColourSaturation(Rgb(236, 233, 216)), 22);  // 20/236*255 = 21.6
  EXPECT_EQ(ColourSaturation(0), 200);
}

TEST(GradientCache, RampEndsRoundedAndFallingChannelsEndOneAbove) {
  TGradientCache cache;
  const int rising = cache.Colours(3, Rgb(0, 0, 0), Rgb(255, 255, 255));
  EXPECT_EQ(cache.Slot(rising),
            (std::vector<TColour>{Rgb(0, 0, 0), Rgb(128, 128, 128), Rgb(255, 255, 255)}));
  const int falling = cache.Colours(3, Rgb(255, 0, 10), Rgb(0, 0, 10));
  EXPECT_EQ(cache.Slot(falling).back(), Rgb(1, 0, 10));
  EXPECT_EQ(cache.Colours(2, Rgb(10, 20, 30), Rgb(40, 50, 60)), 2);
  EXPECT_EQ(cache.Slot(2), (std::vector<TColour>{Rgb(10, 20, 30), Rgb(40, 50, 60)}));
}

TEST(GradientCache, EqualRampsShareASlotUnlessTheyCannotBeRecognised) {
  TGradientCache cache;
  const int first = cache.Colours(40, Rgb(10, 20, 30), Rgb(200, 210, 220));
  EXPECT_EQ(cache.Colours(40, Rgb(10, 20, 30), Rgb(200, 210, 220)), first);
  EXPECT_EQ(cache.NextSlot(), 1);
  // Another size is another ramp.
  EXPECT_NE(cache.Colours(41, Rgb(10, 20, 30), Rgb(200, 210, 220)), first);
  // Neither a one-entry ramp nor a falling one ends on its colours: each asks for a new slot.
  const int single = cache.Colours(1, Rgb(0, 0, 0), Rgb(100, 0, 0));
  EXPECT_EQ(cache.Slot(single), std::vector<TColour>{Rgb(50, 0, 0)});
  EXPECT_NE(cache.Colours(1, Rgb(0, 0, 0), Rgb(100, 0, 0)), single);
  EXPECT_NE(cache.Colours(5, Rgb(90, 0, 0), Rgb(0, 0, 0)), cache.Colours(5, Rgb(90, 0, 0), Rgb(0, 0, 0)));
}

TEST(GradientCache, SlotsAreReusedInTurnAfterSixteen) {
  TGradientCache cache;
  for (int n = 1; n <= TGradientCache::kSlotCount; ++n)
    cache.Colours(n + 1, 0, Rgb(n, n, n));
  EXPECT_EQ(cache.NextSlot(), 0);
  EXPECT_EQ(cache.Colours(100, 0, Rgb(255, 0, 0)), 0);
  EXPECT_EQ(cache.Slot(0).size(), 100u);
  // The ramp in slot 1 is still found; the one that lived in slot 0 is computed again, into
  // the next slot in turn.
  EXPECT_EQ(cache.Colours(3, 0, Rgb(2, 2, 2)), 1);
  EXPECT_EQ(cache.Colours(2, 0, Rgb(1, 1, 1)), 1);
  EXPECT_EQ(cache.NextSlot(), 2);
}

TEST(GradientCache, ACountBelowOneIsAnAssertionFailure) {
  TGradientCache cache;
  for (int count : {0, -5}) {
    try {
      cache.Colours(count, 0, Rgb(255, 255, 255));
      FAIL() << "no error for " << count;
    } catch (const EAssertionFailed& e) {
      EXPECT_EQ(e.Message(), "Assertion failure");
    }
  }
  EXPECT_EQ(cache.NextSlot(), 0);
}
