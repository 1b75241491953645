#pragma once

#include <cstdint>
#include <vector>

#include "image.h"

namespace assetgen {

// One distinct colour of an image and how many pixels have it.
struct ColourCount {
    Rgb8 colour;
    std::uint32_t count = 0;
};

// A palette picture: every pixel is an index into the palette.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb8> palette;
    std::vector<std::uint8_t> indices;  // row-major, top row first
};

// The distinct colours of an opaque image with their pixel counts.
std::vector<ColourCount> histogram(const Image& image);

// Median cut: splits the colour box with the largest spread along its widest channel until
// there are `palette_size` boxes, and returns the mean of each box. The cut falls where it
// leaves the least squared error rather than at the exact median.
std::vector<Rgb8> median_cut(std::vector<ColourCount> colours, int palette_size);

// Lloyd (k-means) passes that move each palette entry to the mean of the colours nearest it.
void refine_palette(const std::vector<ColourCount>& colours, std::vector<Rgb8>& palette,
                    int passes);

// Index of the palette entry nearest to (r, g, b) in a perceptually weighted RGB distance.
int nearest_index(const std::vector<Rgb8>& palette, float r, float g, float b);

// Serpentine Floyd-Steinberg error diffusion onto the palette.
IndexedImage dither(const Image& image, const std::vector<Rgb8>& palette);

// The whole reduction: a median-cut palette chosen from the image, refined, then dithered.
IndexedImage reduce_colours(const Image& image, int palette_size);

}  // namespace assetgen
