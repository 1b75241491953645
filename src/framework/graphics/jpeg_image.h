#pragma once
#include "framework/graphics/bitmap.h"
#include "framework/graphics/graphic.h"

#include <cstddef>

// Decodes a JPEG file image into a 24-bit bitmap. Grey, colour and CMYK pictures are read;
// a damaged one raises EInvalidGraphic "JPEG error #%d: %s" with the decoder's number and text.
// Damage inside the compressed data that the decoder can step over (a truncated file, for one)
// is not an error: the picture is shown as far as it goes, grey after.
TBitmap DecodeJpeg(const void* data, size_t size);

class TJPEGImage : public TGraphic {
public:
  bool Empty() const override { return bitmap_.Empty(); }
  int Width() const override { return bitmap_.Width(); }
  int Height() const override { return bitmap_.Height(); }
  const TBitmap& Bitmap() const { return bitmap_; }

  void LoadFromBytes(const void* data, size_t size) override { bitmap_ = DecodeJpeg(data, size); }
  void Draw(HDC dc, const RECT& rect) const override { bitmap_.Draw(dc, rect); }

private:
  TBitmap bitmap_;  // the decoded picture
};
