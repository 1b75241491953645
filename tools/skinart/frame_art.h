#pragma once
// The window frame: four borders and the caption's text background, each with an active and
// an inactive frame.

#include "art_kit.h"

namespace skinart {

// The caption's colour at a row: outline, highlight, gradient, then the line above the client.
Rgba caption_colour(int row, bool active);

// Horizontal strips of two frames (active, inactive), metrics::border wide.
Bitmap24 draw_left_border();
Bitmap24 draw_right_border();
// Vertical strips of two frames (active, inactive).
Bitmap24 draw_top_border();
Bitmap24 draw_bottom_border();
Bitmap24 draw_title_back();

}  // namespace skinart
