#pragma once

#include <vector>

#include "color.h"

namespace assetgen {

// A canvas of premultiplied colours, row 0 at the top.
class Image {
public:
    Image(int width, int height, Rgba fill = {});

    int width() const { return width_; }
    int height() const { return height_; }

    Rgba& at(int x, int y) { return pixels_[index(x, y)]; }
    const Rgba& at(int x, int y) const { return pixels_[index(x, y)]; }

    // Composites src over the pixel; coordinates outside the canvas are ignored.
    void blend(int x, int y, Rgba src);

    // Bilinear sample at pixel-centre coordinates, clamped to the edges.
    Rgba sample(float x, float y) const;

    // Draws other with its top-left corner at (x, y).
    void composite(const Image& other, int x, int y);

private:
    int index(int x, int y) const { return y * width_ + x; }

    int width_;                 // columns
    int height_;                // rows
    std::vector<Rgba> pixels_;  // row-major, top row first
};

}  // namespace assetgen
