#pragma once
// Colour-key transparency: a bitmap drawn with the pixels of one colour left out.

#include "framework/graphics/bitmap.h"
#include "skin/format/colour_math.h"

#include <windows.h>

// How the mask is applied: MaskBlt on the NT family; three plain blits where MaskBlt is missing.
enum class TMaskMethod { mmMaskBlt, mmInversion };

// The bitmap drawn at dest's top-left (cut to dest's size) except where its pixels are exactly
// the key colour; the method suits the running Windows family.
void DrawTransparentBitmap(HDC dc, const RECT& dest, const TBitmap& bitmap, TColour key);
void DrawTransparentBitmap(HDC dc, const RECT& dest, const TBitmap& bitmap, TColour key,
                           TMaskMethod method);
