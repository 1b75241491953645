#pragma once

#include <vector>

#include "raster.h"

namespace assetgen {

struct Point {
    float x = 0, y = 0;
};

Shape rect(Box box);
Shape rounded_rect(Box box, float radius);
Shape circle(Point centre, float radius);
Shape ellipse(Point centre, float rx, float ry);

// Closed polygon, even-odd rule.
Shape polygon(std::vector<Point> points);

// A segment with round ends: a stroke of the given width.
Shape capsule(Point a, Point b, float width);

// Part of an annulus between inner and outer radius, from angle start sweeping by sweep
// radians; angles grow clockwise on screen (y points down).
Shape ring_arc(Point centre, float inner, float outer, float start, float sweep);

// A ring arc that ends in an arrowhead pointing along the sweep.
Shape circular_arrow(Point centre, float radius, float thickness, float start, float sweep,
                     float head_width);

// Everything below the curve y = top(x), tabulated at `step` pixels from x = x0.
Shape below_curve(std::vector<float> top, float x0, float step, float bottom);

// The shape turned by angle radians (clockwise on screen) about pivot.
Shape rotated(Shape shape, Point pivot, float angle);

// The shape moved by (dx, dy).
Shape translated(Shape shape, float dx, float dy);

Shape unite(Shape a, Shape b);
Shape subtract(Shape a, Shape b);
Shape intersect(Shape a, Shape b);

}  // namespace assetgen
