#pragma once
// Push buttons, check marks and radio marks.

#include "art_kit.h"

namespace skinart {

// Five frames: normal, pressed, disabled, hot, focused or default.
Bitmap24 draw_push_buttons();
// metrics::check_frames frames: unchecked, checked, mixed, each normal, hot, pressed, disabled.
Bitmap24 draw_check_marks();
// metrics::radio_frames frames: unchecked, checked, each normal, hot, pressed, disabled.
Bitmap24 draw_radio_marks();

}  // namespace skinart
