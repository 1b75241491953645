#pragma once

#include <vector>

#include "raster.h"
#include "shapes.h"

namespace assetgen {

struct ColourStop {
    float at = 0;  // position along the gradient, 0..1
    Rgba colour;
};

// The colour at t of a stop list sorted by position; clamped outside the first and last stop.
Rgba colour_at(const std::vector<ColourStop>& stops, float t);

// Colour changes along the line from a to b and is constant across it.
Paint linear_gradient(Point a, Point b, std::vector<ColourStop> stops);

// Colour changes with the distance from centre, reaching the last stop at radius.
Paint radial_gradient(Point centre, float radius, std::vector<ColourStop> stops);

}  // namespace assetgen
