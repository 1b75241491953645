#pragma once

#include <functional>

#include "image.h"

namespace assetgen {

// Axis-aligned rectangle in pixel coordinates (pixel (x, y) spans x..x+1, y..y+1).
struct Box {
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

// A region of the plane: a bounding box and an inside test.
struct Shape {
    Box bounds;
    std::function<bool(float x, float y)> contains;
};

// Colour at a point: solid colours and gradients alike.
using Paint = std::function<Rgba(float x, float y)>;

Paint solid(Rgba colour);

// Anti-aliased fill: each pixel is tested at samples x samples points and painted with the
// fraction that lies inside.
void fill(Image& image, const Shape& shape, const Paint& paint, int samples = 4);

}  // namespace assetgen
