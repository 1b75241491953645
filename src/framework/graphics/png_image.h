#pragma once
#include "framework/graphics/bitmap.h"
#include "framework/graphics/graphic.h"

#include <cstddef>
#include <string>

class TPictureRows;

// Reads a PNG file image (from memory, or the file at PATH) into ROWS, top row first, as
// 24-bit rows: every bit depth, palette, grey and alpha form is read; transparent pixels are
// laid over black. A damaged file (a bad chunk checksum, missing data, not a PNG) raises
// EInvalidGraphic "PNG error: %s" with the decoder's text; a picture whose pixels would need
// more than kMaxPictureMemory raises EOutOfResources before they are decoded.
void ReadPngRows(const void* data, size_t size, TPictureRows& rows);
void ReadPngRows(const std::string& path, TPictureRows& rows);

class TPNGImage : public TGraphic {
public:
  bool Empty() const override { return bitmap_.Empty(); }
  int Width() const override { return bitmap_.Width(); }
  int Height() const override { return bitmap_.Height(); }
  const TBitmap& Bitmap() const { return bitmap_; }

  void LoadFromBytes(const void* data, size_t size) override;
  // A picture larger than maxWidth x maxHeight is reduced to fit while it is read, so it is
  // never whole in memory.
  void LoadFromFileWithin(const std::string& path, int maxWidth, int maxHeight) override;
  void Draw(HDC dc, const RECT& rect) const override { bitmap_.Draw(dc, rect); }

private:
  TBitmap bitmap_;  // the decoded picture
};
