#pragma once
// Painting of skin elements: one frame of a picture strip stretched, tiled or centred into a
// rectangle. Strips hold frameCount equal frames side by side, or stacked when vertical is set;
// frames are numbered from 1. A destination rectangle with right < left or bottom < top draws
// nothing.
//
// Input a skin may get wrong is drawn as best it can: a frame count below 1 means one frame, a
// frame index outside 1..frameCount is taken as the nearest frame, negative margins count as 0
// and margins wider (or taller) than the frame are ignored in that direction.

#include "framework/graphics/bitmap.h"
#include "skin/model/skin_elements.h"

#include <windows.h>

// Nine-slice of one frame into a new bitmap of the destination's size (24 bits): corners copied
// unscaled, edges stretched along their length, the centre stretched, or tiled when tile is set.
// Margins that do not fit the destination are ignored in that direction. Empty when the
// destination or the frame has no area.
TBitmap BuildSkinElementBitmap(const RECT& dest, const TBitmap& picture, const TMargins& margins,
                               bool vertical, bool tile, int frameCount, int frameIndex);
// The same nine-slice, width x height, drawn at the top-left of the bitmap selected into TO from
// FROM, which holds the picture: for callers that build many pieces with the same devices.
// Pixels of the area that no piece covers are left as they were. False, drawing nothing, when
// the area or the frame is empty.
bool DrawSkinElementPieces(HDC to, int width, int height, HDC from, const TBitmap& picture,
                           const TMargins& margins, bool vertical, bool tile, int frameCount,
                           int frameIndex);

// The nine-slice drawn at dest's top-left; with transparent set, magenta pixels are left out.
void DrawSkinElement(HDC dc, const RECT& dest, const TBitmap& picture, bool vertical, bool tile,
                     bool transparent, int frameCount, int frameIndex, const TMargins& margins);

// The source piece of the picture repeated unscaled over dest, column by column from its
// top-left; the last row and column are cut at dest's edges.
void TileBitmap(HDC dc, const RECT& dest, const TBitmap& picture, const RECT& source);

// One frame of a horizontal strip stretched over the whole rectangle.
void DrawSkinFrame(HDC dc, const RECT& dest, const TBitmap& picture, bool transparent,
                   int frameCount, int frameIndex);

// One frame of a horizontal strip, unscaled, centred in the rectangle; a frame larger than the
// rectangle overhangs both sides equally.
void DrawSkinGlyph(HDC dc, const RECT& rect, const TBitmap& picture, bool transparent,
                   int frameCount, int frameIndex);

// Menu bar and caption strips: the frame's left part (margins.Left wide), copies of its middle
// side by side, and its right part (margins.Right wide), each stretched to the full height.
void DrawTiledBar(HDC dc, const RECT& dest, const TBitmap& picture, bool vertical,
                  bool transparent, int frameCount, int frameIndex, const TMargins& margins);

// A single-frame picture as a bar: left and right parts unscaled, the middle stretched. A
// picture wider than the rectangle, or one the margins leave no middle of, is stretched whole.
void DrawThreeSliceBar(HDC dc, const RECT& dest, const TBitmap& picture, const TMargins& margins);
