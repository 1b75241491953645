#pragma once
// Scroll bars: arrows and thumb grips in one strip, the track, and the thumb.

#include "art_kit.h"

namespace skinart {

// 23 frames of metrics::scroll squares: left, right, up and down arrows (normal, pressed,
// disabled, hot each), horizontal and vertical grips (normal, pressed, hot each), size box.
Bitmap24 draw_scroll_parts();
// Four frames (normal, pressed, disabled, hot); flat, so one picture serves both directions.
Bitmap24 draw_scroll_track();
// Three frames (normal, dragged, hot); rounded on all sides, so it serves both directions.
Bitmap24 draw_scroll_thumb();

}  // namespace skinart
