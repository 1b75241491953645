#pragma once
// The menu bar, popup-menu items and the popup menus' background.

#include "art_kit.h"

namespace skinart {

// The active menu bar's colour at a row.
Rgba menubar_colour(int row);

// Vertical strip: active, inactive.
Bitmap24 draw_menubar();
// Five frames: normal, separator, disabled, selected, selected and pressed.
Bitmap24 draw_menu_item();
// One frame stretched over the whole popup window, its three-pixel frame included.
Bitmap24 draw_menu_background();

}  // namespace skinart
