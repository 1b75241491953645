#pragma once
// The preview contact sheet: one band per picture of a skin, its label on the left, then every
// frame side by side at the frame's own size, then every frame again stretched three times as
// wide and twice as high, each drawn with the routine its painter uses.

#include "framework/graphics/bitmap.h"
#include "preview_rows.h"

#include <string>
#include <vector>

// The sheet's ground; pictures are drawn over it, magenta left out where they are transparent.
inline constexpr COLORREF kSheetBackground = RGB(144, 150, 158);

struct TPreviewBand {
  int Top;            // first row of pixels
  int Bottom;         // one past the last
  std::string Label;
};

struct TPreviewSheet {
  TBitmap Bitmap;                   // 24 bits per pixel
  std::vector<TPreviewBand> Bands;  // top to bottom, together covering the whole height
  int DrawingLeft = 0;              // the labels lie left of this column, the drawings right
};

TPreviewSheet DrawPreviewSheet(const std::vector<TPreviewRow>& rows);
