#pragma once
// Small bitmap operations of skin loading: cutting a rectangle out, filling, reading a pixel.
// Those that only move pixels work on the bitmaps' rows: under Wine a memory DC for a copy costs
// more than the copy.

#include "framework/graphics/bitmap.h"
#include "skin/format/colour_math.h"

#include <windows.h>

// A 24-bit copy of the source rectangle; parts outside the source come out black. Empty when
// the rectangle has no area.
TBitmap CutBitmap(const TBitmap& source, const RECT& rect);

// The pixels of the source rectangle into the 24-bit target with the rectangle's top-left at
// (x, y), as BitBlt copies between DIB sections: only what lies on both bitmaps is copied, the
// rest of the target is left as it was. EInvalidOperation for a target of another format.
void CopyPixels(const TBitmap& source, const RECT& rect, TBitmap& target, int x, int y);

// Every pixel of the bitmap set to the colour (system colours looked up).
void FillBitmap(TBitmap& bitmap, TColour colour);

// The pixel at (x, y) as 0x00BBGGRR; -1 outside the bitmap.
TColour BitmapPixel(const TBitmap& bitmap, int x, int y);
