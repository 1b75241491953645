#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "quantize.h"

using namespace assetgen;

namespace {

Image horizontal_ramp(int width, int height) {
    Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const float t = static_cast<float>(x) / static_cast<float>(width - 1);
            image.at(x, y) = {t, 0.5f * t, 1.0f - t, 1.0f};
        }
    return image;
}

bool same(const Rgb8& a, const Rgb8& b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

TEST(MedianCut, KeepsEveryColourWhenThereAreFewerThanEntries) {
    const std::vector<ColourCount> colours{{{10, 20, 30}, 5}, {{200, 0, 0}, 1}, {{0, 250, 0}, 7}};
    const std::vector<Rgb8> palette = median_cut(colours, 256);
    ASSERT_EQ(palette.size(), 3u);
    for (const ColourCount& c : colours)
        EXPECT_TRUE(std::any_of(palette.begin(), palette.end(), [&](const Rgb8& p) { return same(p, c.colour); }));
}

TEST(MedianCut, SplitsSeparateClustersIntoSeparateEntries) {
    // Many pixels of dark blues, few of bright oranges: each group still gets its entry.
    std::vector<ColourCount> colours;
    for (std::uint8_t i = 0; i < 8; ++i) colours.push_back({{i, i, static_cast<std::uint8_t>(60 + i)}, 1000});
    for (std::uint8_t i = 0; i < 8; ++i) colours.push_back({{250, static_cast<std::uint8_t>(140 + i), 40}, 3});
    const std::vector<Rgb8> palette = median_cut(colours, 2);
    ASSERT_EQ(palette.size(), 2u);
    const auto orange = std::count_if(palette.begin(), palette.end(), [](const Rgb8& p) { return p.r > 200; });
    EXPECT_EQ(orange, 1);
}

TEST(MedianCut, FillsThePaletteFromARichImage) {
    const std::vector<Rgb8> palette = median_cut(histogram(horizontal_ramp(1000, 2)), 64);
    ASSERT_EQ(palette.size(), 64u);
    for (std::size_t i = 0; i < palette.size(); ++i)
        for (std::size_t j = i + 1; j < palette.size(); ++j)
            EXPECT_FALSE(same(palette[i], palette[j])) << i << " and " << j;
}

double squared_error(const std::vector<ColourCount>& colours, const std::vector<Rgb8>& palette) {
    double sum = 0;
    for (const ColourCount& c : colours) {
        const Rgb8& p = palette[static_cast<std::size_t>(nearest_index(palette, c.colour.r, c.colour.g, c.colour.b))];
        const double dr = p.r - c.colour.r, dg = p.g - c.colour.g, db = p.b - c.colour.b;
        sum += (dr * dr + dg * dg + db * db) * c.count;
    }
    return sum;
}

TEST(RefinePalette, NeverIncreasesTheError) {
    const std::vector<ColourCount> colours = histogram(horizontal_ramp(700, 3));
    std::vector<Rgb8> palette = median_cut(colours, 12);
    const double before = squared_error(colours, palette);
    refine_palette(colours, palette, 4);
    EXPECT_LE(squared_error(colours, palette), before);
}

TEST(Dither, FlatAreaOfAPaletteColourUsesOnlyThatEntry) {
    const std::vector<Rgb8> palette{{0, 0, 0}, {255, 255, 255}, {51, 102, 153}};
    const IndexedImage out = dither(Image(9, 7, {0.2f, 0.4f, 0.6f, 1.0f}), palette);
    EXPECT_TRUE(std::all_of(out.indices.begin(), out.indices.end(), [](std::uint8_t i) { return i == 2; }));
}

TEST(Dither, MixesNeighbouringEntriesToKeepTheAverageColour) {
    const std::vector<Rgb8> palette{{0, 0, 0}, {255, 255, 255}};
    const IndexedImage out = dither(Image(40, 40, {0.25f, 0.25f, 0.25f, 1.0f}), palette);
    const auto white = std::count(out.indices.begin(), out.indices.end(), 1);
    EXPECT_NEAR(static_cast<double>(white) / static_cast<double>(out.indices.size()), 0.25, 0.03);
}

TEST(ReduceColours, RampStaysCloseToTheOriginalOnAverage) {
    const Image ramp = horizontal_ramp(256, 16);
    const IndexedImage out = reduce_colours(ramp, 16);
    double error = 0;
    for (int x = 0; x < 256; ++x) {
        double column = 0;  // dithering trades pixel error for a correct local average
        for (int y = 0; y < 16; ++y)
            column += out.palette[out.indices[static_cast<std::size_t>(y) * 256 + x]].r;
        error += std::abs(column / 16 - ramp.at(x, 0).r * 255.0);
    }
    EXPECT_LT(error / 256, 6.0);
}

}  // namespace
