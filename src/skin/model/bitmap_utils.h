#pragma once
// Pixel and colour routines used when skin elements are prepared and drawn. Pixel work goes
// through the bitmaps' scan lines.

#include "framework/graphics/bitmap.h"
#include "skin/format/colour_math.h"

#include <windows.h>

// The RGB value of a colour, system colours looked up.
TColour ResolveColour(TColour c);

// Makes the bitmap 24 bits per pixel and replaces every RGB(255, 0, 255) pixel by the colour.
void ReplaceKeyColour(TBitmap& bitmap, TColour colour);

// Left-right mirror and top-bottom flip, in place; size and pixel format are kept. Indexed
// bitmaps are made 24 bits per pixel first.
void MirrorBitmap(TBitmap& bitmap);
// A left-right mirror of the source at bitCount (24 or 32) bits per pixel, made in one pass:
// the source is left as it is, and no bitmap but the result is created. Empty for an empty source.
TBitmap Mirrored(const TBitmap& source, int bitCount);
void FlipBitmap(TBitmap& bitmap);

// Quarter turns (anticlockwise, clockwise); the bitmap becomes height x width, 24 bits per pixel.
void RotateLeft(TBitmap& bitmap);
void RotateRight(TBitmap& bitmap);

// MixRgbColours after system colours are looked up.
TColour MixColours(TColour c1, TColour c2, int weight);

// Paints the rectangle from c1 (top, or left) to c2 (bottom, or right), one solid line per
// pixel, only where the DC's clip box lets it show. Nothing for a rectangle without area.
void GradientFill(HDC dc, const RECT& rect, TColour c1, bool vertical, TColour c2);
// The whole of a 24-bit bitmap painted as GradientFill paints it through a DC, written straight
// into its rows. EInvalidOperation for a bitmap of another format.
void GradientFillBitmap(TBitmap& bitmap, TColour c1, bool vertical, TColour c2);
