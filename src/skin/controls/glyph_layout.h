#pragma once
// Where a glyph button puts its glyph and its caption, and how it draws a glyph of its strip.

#include "framework/graphics/bitmap.h"

#include <windows.h>

#include <string>

enum class TGlyphSide { gsLeft, gsRight, gsTop, gsBottom };

struct TGlyphPlacement {
  POINT Glyph;
  POINT Text;
};

// Glyph and text of sizes GLYPH and TEXT in a button of size CLIENT, SIDE saying where the glyph
// goes. MARGIN (glyph from the edge) and SPACING (glyph to text) of -1 are worked out; CENTRED
// works the margin out whatever it was. AUTOMARGINEXTRA is added to a margin worked out around a
// given spacing.
TGlyphPlacement PlaceGlyphAndText(SIZE client, SIZE glyph, SIZE text, int margin, int spacing, TGlyphSide side,
                                  bool centred, int autoMarginExtra = 0);

// The side a layout property's value name gives ("blGlyphRight", any case); the left otherwise.
TGlyphSide GlyphSideOf(const std::string& layoutName);

// Glyph INDEX (1-based) of a strip of COUNT drawn at AT, its bottom-left pixel's colour left
// out. A one-glyph strip asked for glyph 2, the disabled one, is drawn embossed in the system's
// highlight and shadow colours; an index beyond the strip draws glyph 1.
void DrawButtonGlyph(HDC dc, const TBitmap& strip, int count, int index, POINT at);
