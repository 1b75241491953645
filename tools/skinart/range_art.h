#pragma once
// Progress bars and track bars.

#include "art_kit.h"

namespace skinart {

// Two frames: the empty bar, then its filled part.
Bitmap24 draw_progress();
// One block of a segmented progress bar, with its gap.
Bitmap24 draw_progress_chunk();
// The channel of horizontal and of vertical track bars.
Bitmap24 draw_track(bool vertical_bar);

enum class ThumbShape { Box, BoxVertical, PointLeft, PointRight, PointUp, PointDown };

// Five frames: normal, focused (the one the engine shows), hot, pressed, disabled.
Bitmap24 draw_track_thumb(ThumbShape shape);

}  // namespace skinart
