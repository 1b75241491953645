#pragma once
// Drawing vocabulary shared by every skin picture: exact pixel boxes for crisp 1-pixel detail,
// anti-aliased rounded panels and strokes for glyphs, and the step that turns a layer into a
// keyed 24-bit frame.

#include "bitmap24.h"
#include "image.h"
#include "raster.h"
#include "shapes.h"

namespace skinart {

using assetgen::Box;
using assetgen::Image;
using assetgen::Paint;
using assetgen::Point;
using assetgen::Rgba;

enum class Direction { Up, Down, Left, Right };

// A layer composed over what the element will be drawn on. Anti-aliased edges are mixed with
// that backdrop; with keyed set, pixels the art never touched become the key colour so the
// backdrop itself shows through when the engine draws the picture.
Bitmap24 flatten(const Image& art, const Paint& backdrop, bool keyed);
Bitmap24 flatten(const Image& art, Rgba backdrop, bool keyed);

// Pixel-exact fills: [x0, x1) x [y0, y1).
void fill_box(Image& image, int x0, int y0, int x1, int y1, Rgba colour);
// One colour per row, from top (row y0) to bottom (row y1 - 1).
void fill_rows(Image& image, int x0, int y0, int x1, int y1, Rgba top, Rgba bottom);

Paint vertical(float y0, float y1, Rgba top, Rgba bottom);

void fill_rounded(Image& image, Box box, float radius, const Paint& paint);
// A rounded panel with a one-pixel border in `border` around a body painted with `body`.
void rounded_panel(Image& image, Box box, float radius, Rgba border, const Paint& body);

// A straight stroke with round ends.
void stroke(Image& image, Point a, Point b, float width, Rgba colour);
// An open arrowhead ("v" shape) pointing in `to`, centred on `centre`; `span` is its width
// across the pointing direction and `depth` its length along it.
void chevron(Image& image, Point centre, float span, float depth, Direction to, float width,
             Rgba colour);

// The layer flipped left to right: a right border from a left one.
Image mirrored(const Image& art);

// Rounds every pixel's coverage to none or full: glyphs drawn on the key colour must not have
// soft edges, which would be mixed with magenta.
void crisp(Image& image);

}  // namespace skinart
