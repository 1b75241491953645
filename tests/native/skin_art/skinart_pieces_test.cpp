#include <gtest/gtest.h>

#include <stdexcept>

#include "art_kit.h"
#include "bitmap24.h"
#include "bmp_view.h"

namespace skin_art {
namespace {

using skinart::Bitmap24;

TEST(SkinartBitmap, WritesBottomUpRowsOfBlueGreenRedPaddedToFourBytes) {
  Bitmap24 picture(2, 2, {0, 0, 0});
  picture.at(0, 0) = {10, 20, 30};  // top left
  picture.at(1, 1) = {40, 50, 60};  // bottom right
  const std::vector<uint8_t> file = skinart::encode_bmp24(picture);
  ASSERT_EQ(file.size(), 54u + 2 * 8);
  const std::optional<BmpView> view = ViewBmp24(file);
  ASSERT_TRUE(view);
  EXPECT_EQ(view->Pixel(0, 0), 0x0A141Eu);
  EXPECT_EQ(view->Pixel(1, 1), 0x28323Cu);
  // The file's first row is the picture's bottom one: black, then blue 60, green 50, red 40.
  const std::vector<uint8_t> first(file.begin() + 54, file.begin() + 62);
  EXPECT_EQ(first, (std::vector<uint8_t>{0, 0, 0, 60, 50, 40, 0, 0}));
}

TEST(SkinartBitmap, StripsKeepFrameOrderAndRefuseFramesOfOtherSizes) {
  const Bitmap24 a(2, 3, {1, 1, 1}), b(2, 3, {2, 2, 2});
  const Bitmap24 across = skinart::side_by_side({a, b});
  EXPECT_EQ(across.width, 4);
  EXPECT_EQ(across.at(2, 2).r, 2);
  const Bitmap24 down = skinart::stacked({a, b});
  EXPECT_EQ(down.height, 6);
  EXPECT_EQ(down.at(1, 3).r, 2);
  EXPECT_EQ(down.at(1, 2).r, 1);
  EXPECT_THROW(skinart::side_by_side({a, Bitmap24(3, 3)}), std::invalid_argument);
}

TEST(SkinartFlatten, UntouchedPixelsBecomeTheKeyAndSoftEdgesMixWithTheBackdrop) {
  skinart::Image art(3, 1);
  art.at(1, 0) = {0.5f, 0.5f, 0.5f, 0.5f};  // half-covered white
  art.at(2, 0) = {0.0f, 0.0f, 1.0f, 1.0f};  // blue
  const skinart::Rgba black{0, 0, 0, 1};
  const Bitmap24 keyed = skinart::flatten(art, black, true);
  EXPECT_TRUE(skinart::is_key(keyed.at(0, 0)));
  EXPECT_EQ(keyed.at(1, 0).r, 128);
  EXPECT_EQ(keyed.at(2, 0).b, 255);
  const Bitmap24 opaque = skinart::flatten(art, black, false);
  EXPECT_FALSE(skinart::is_key(opaque.at(0, 0)));
  EXPECT_EQ(opaque.at(0, 0).r, 0);
}

TEST(SkinartFlatten, CrispGlyphsHaveNoSoftEdgesLeftToMixWithTheKey) {
  skinart::Image art(12, 12);
  skinart::stroke(art, {2, 2}, {10, 9}, 1.7f, {1, 1, 1, 1});
  skinart::crisp(art);
  const Bitmap24 glyph = skinart::flatten(art, {0, 0, 0, 1}, true);
  int solid = 0;
  for (const auto& c : glyph.pixels) {
    EXPECT_TRUE(skinart::is_key(c) || (c.r == 255 && c.g == 255 && c.b == 255));
    solid += !skinart::is_key(c);
  }
  EXPECT_GT(solid, 8);
}

}  // namespace
}  // namespace skin_art
