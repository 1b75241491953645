#pragma once
// Small bitmap operations of skin loading: cutting a rectangle out, filling, reading a pixel.

#include "framework/graphics/bitmap.h"
#include "skin/format/colour_math.h"

#include <windows.h>

// A 24-bit copy of the source rectangle; parts outside the source come out black. Empty when
// the rectangle has no area.
TBitmap CutBitmap(const TBitmap& source, const RECT& rect);

// Every pixel of the bitmap set to the colour (system colours looked up).
void FillBitmap(TBitmap& bitmap, TColour colour);

// The pixel at (x, y) as 0x00BBGGRR; -1 outside the bitmap.
TColour BitmapPixel(const TBitmap& bitmap, int x, int y);
