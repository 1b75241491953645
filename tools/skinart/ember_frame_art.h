#pragma once
// Ember's window frame: borders with rounded corners, the tiled title bar and the plate behind
// the title, the round caption buttons, the MDI buttons, the menu bar and popup menus.

#include "art_kit.h"
#include "bitmap24.h"

namespace skinart::ember {

// The caption's colour at a row, before its texture.
Rgba caption_colour(int row, bool active);

Bitmap24 draw_left_border();
Bitmap24 draw_right_border();
Bitmap24 draw_top_border();
Bitmap24 draw_bottom_border();
Bitmap24 draw_title_back();
// Three frames: normal, pressed, hot.
Bitmap24 draw_close_button();
Bitmap24 draw_maximise_button();
Bitmap24 draw_restore_button();
Bitmap24 draw_minimise_button();
Bitmap24 draw_mdi_controls();
Bitmap24 draw_menubar();
Bitmap24 draw_menu_item();
Bitmap24 draw_menu_background();

}  // namespace skinart::ember
