#pragma once
// Caption buttons (frames: normal, pressed, hot, inactive or disabled) and the three buttons a
// maximised MDI child shows in the menu bar.

#include "art_kit.h"

namespace skinart {

Bitmap24 draw_close_button();
Bitmap24 draw_maximise_button();
Bitmap24 draw_restore_button();
Bitmap24 draw_minimise_button();

// Minimise, restore and close, four frames each (normal, pressed, hot, hot), side by side.
Bitmap24 draw_mdi_controls();

}  // namespace skinart
