#pragma once
#include <windows.h>

// Where a button with a glyph puts it against its caption.
enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct TGlyphPlacement {
  POINT Glyph;   // the glyph's top-left
  RECT Caption;  // the caption's own extent
};

// Places a glyph of size GLYPH and a caption of size CAPTION (either may be 0 x 0) in CLIENT.
// MARGIN is the distance of the glyph from the edge the layout names; -1 centres glyph and
// caption together. SPACING is the gap between them; -1 makes the gap as wide as the margin
// when the margin is automatic too, and splits what is left between the gap and the far edge
// otherwise. Across the layout's direction both are centred.
TGlyphPlacement PlaceGlyph(const RECT& client, SIZE glyph, SIZE caption, TButtonLayout layout, int margin,
                           int spacing);
