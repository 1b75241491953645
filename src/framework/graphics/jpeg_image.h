#pragma once
#include "framework/graphics/bitmap.h"
#include "framework/graphics/graphic.h"

#include <cstddef>
#include <string>

class TPictureRows;

// Decodes a JPEG file image into a 24-bit bitmap. Grey, colour and CMYK pictures are read;
// a damaged one raises EInvalidGraphic "JPEG error #%d: %s" with the decoder's number and text.
// Damage inside the compressed data that the decoder can step over (a truncated file, for one)
// is not an error: the picture is shown as far as it goes, grey after.
TBitmap DecodeJpeg(const void* data, size_t size);

// Reads the JPEG file at PATH into ROWS, top row first. With a cover size (both above 0) the
// decoder's own scaling by n/8 makes the rows the smallest that still cover it, so a large
// photo is never decoded whole. Unlike DecodeJpeg, a file that ends before its picture does
// raises EInvalidGraphic "JPEG file is truncated"; a decoder that would need more than
// kMaxPictureMemory raises EInvalidGraphic with the decoder's message.
void ReadJpegRows(const std::string& path, int coverWidth, int coverHeight, TPictureRows& rows);

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
