#pragma once
// The 16 x 16 glyphs the frame and menu skinners draw on menu items for the window commands:
// restore, maximise, minimise and close, in this order.

#include "framework/image_list.h"

enum TMenuGlyph { mgRestore, mgMaximise, mgMinimise, mgClose };

inline constexpr int kMenuGlyphSize = 16;
inline constexpr int kMenuGlyphCount = 4;

// The image list made from the engine's bitmap "DURAZUREVIVU", white being transparent.
// EResNotFound when the bitmap is missing, EOutOfResources when no list can be made.
UniqueImageList LoadMenuGlyphs();
