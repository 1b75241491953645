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
void FlipBitmap(TBitmap& bitmap);

// Quarter turns (anticlockwise, clockwise); the bitmap becomes height x width, 24 bits per pixel.
void RotateLeft(TBitmap& bitmap);
void RotateRight(TBitmap& bitmap);

// MixRgbColours after system colours are looked up.
TColour MixColours(TColour c1, TColour c2, int weight);

// Paints the rectangle from c1 (top, or left) to c2 (bottom, or right), one solid line per
// pixel, only where the DC's clip box lets it show. Nothing for a rectangle without area.
void GradientFill(HDC dc, const RECT& rect, TColour c1, bool vertical, TColour c2);
