#pragma once
// Edit-like controls: the sunken edge and drop-down button of combo boxes, their arrow glyphs,
// and the buttons of up-down controls.

#include "art_kit.h"

namespace skinart {

// Frames of these pictures: normal, pressed, disabled, hot (or focused).
Bitmap24 draw_sunken_edge();
Bitmap24 draw_combo_button();
// Four drop-down arrow glyphs in the same states, then the status bar's size grip.
Bitmap24 draw_extra_images();
// Eight frames: the first button in four states, then the second; rounded on every side so
// the same picture serves vertical and horizontal controls.
Bitmap24 draw_up_down_buttons();
// Eight glyph frames in the same order: up then down, or left then right.
Bitmap24 draw_up_down_glyphs(bool horizontal);

}  // namespace skinart
