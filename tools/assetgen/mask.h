#pragma once

#include <vector>

#include "raster.h"

namespace assetgen {

// Coverage values 0..1 on a grid: rendered text, shadows, glows.
struct Mask {
    int width = 0;
    int height = 0;
    std::vector<float> coverage;  // row-major, top row first

    Mask() = default;
    Mask(int w, int h) : width(w), height(h), coverage(static_cast<std::size_t>(w) * h, 0.0f) {}

    float& at(int x, int y) { return coverage[static_cast<std::size_t>(y) * width + x]; }
    float at(int x, int y) const { return coverage[static_cast<std::size_t>(y) * width + x]; }
};

// Coverage of a shape on a width x height grid, sampled like fill().
Mask rasterize(const Shape& shape, int width, int height, int samples);

// The mask enlarged by `margin` empty pixels on every side, so a blur has room to spread.
Mask padded(const Mask& mask, int margin);

// Approximates a Gaussian of the given radius with three box passes in each direction.
void blur(Mask& mask, int radius);

// Paints through the mask placed with its top-left corner at (x, y).
void paint_mask(Image& image, const Mask& mask, int x, int y, const Paint& paint);

}  // namespace assetgen
