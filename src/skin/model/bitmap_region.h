#pragma once
// Window regions of shaped windows, made from pictures.

#include "framework/system/gdi_handles.h"
#include "framework/graphics/bitmap.h"
#include "skin/format/colour_math.h"

// The region covering every pixel of the bitmap that is not transparent, moved by the offsets.
// A pixel is transparent when each channel lies between the key's and the key's plus its
// tolerance. Null when every pixel is transparent.
UniqueRgn BitmapToRegion(const TBitmap& bitmap, int xOffset, int yOffset, int blueTolerance,
                         int greenTolerance, int redTolerance, TColour key);
