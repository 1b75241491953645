#include <gtest/gtest.h>

#include <numbers>

#include "gradient.h"
#include "mask.h"
#include "shapes.h"

using namespace assetgen;

namespace {

float total_alpha(const Image& image) {
    float sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) sum += image.at(x, y).a;
    return sum;
}

TEST(Fill, PixelAlignedEdgesStaySharpAndCurvesCoverTheirArea) {
    Image image(20, 20);
    fill(image, rect({2, 2, 6, 9}), solid({1, 1, 1, 1}), 4);
    EXPECT_EQ(image.at(2, 2).a, 1.0f);
    EXPECT_EQ(image.at(5, 8).a, 1.0f);
    EXPECT_EQ(image.at(6, 8).a, 0.0f);
    EXPECT_EQ(image.at(1, 2).a, 0.0f);

    Image disc(20, 20);
    fill(disc, circle({10, 10}, 6), solid({1, 1, 1, 1}), 8);
    EXPECT_NEAR(total_alpha(disc), std::numbers::pi_v<float> * 36.0f, 1.0f);
}

TEST(Fill, RotatedAndArcShapesLandWhereTheAnglesSay) {
    // A 10 x 2 bar turned a quarter turn clockwise stands upright about its centre.
    Image bar(20, 20);
    fill(bar, rotated(rect({5, 9, 15, 11}), {10, 10}, std::numbers::pi_v<float> / 2), solid({1, 1, 1, 1}), 4);
    EXPECT_EQ(bar.at(9, 6).a, 1.0f);
    EXPECT_EQ(bar.at(6, 9).a, 0.0f);
    EXPECT_NEAR(total_alpha(bar), 20.0f, 0.5f);

    // Angles grow clockwise on screen: a quarter sweep from 0 covers the lower right.
    Image arc(20, 20);
    fill(arc, ring_arc({10, 10}, 3, 8, 0, std::numbers::pi_v<float> / 2), solid({1, 1, 1, 1}), 4);
    EXPECT_EQ(arc.at(13, 13).a, 1.0f);
    EXPECT_EQ(arc.at(13, 6).a, 0.0f);
    EXPECT_EQ(arc.at(6, 13).a, 0.0f);
}

TEST(Blur, SpreadsCoverageWithoutLosingAny) {
    Mask mask = padded(Mask(3, 3), 10);
    mask.at(11, 11) = 1.0f;
    blur(mask, 2);
    float sum = 0;
    for (float v : mask.coverage) sum += v;
    EXPECT_NEAR(sum, 1.0f, 1e-4f);
    EXPECT_GT(mask.at(11, 11), mask.at(13, 11));
    EXPECT_GT(mask.at(13, 11), 0.0f);
    EXPECT_NEAR(mask.at(9, 11), mask.at(13, 11), 1e-6f) << "blur must be symmetric";
}

TEST(Compositing, OverAndGradientsBlendPremultipliedColours) {
    const Rgba half_red{0.5f, 0, 0, 0.5f};
    const Rgba out = over(half_red, hex(0x0000ff));
    EXPECT_FLOAT_EQ(out.r, 0.5f);
    EXPECT_FLOAT_EQ(out.b, 0.5f);
    EXPECT_FLOAT_EQ(out.a, 1.0f);
    EXPECT_EQ(unpremultiplied8(half_red).r, 255);

    const std::vector<ColourStop> stops{{0.2f, hex(0x000000)}, {0.6f, hex(0xffffff)}};
    EXPECT_FLOAT_EQ(colour_at(stops, 0.0f).r, 0.0f);
    EXPECT_FLOAT_EQ(colour_at(stops, 0.4f).r, 0.5f);
    EXPECT_FLOAT_EQ(colour_at(stops, 1.0f).r, 1.0f);
}

}  // namespace
