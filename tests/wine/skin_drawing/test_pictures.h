#pragma once
// Synthetic pictures whose pixels say where they came from, and pixel access for checking
// what was drawn.

#include "framework/graphics/bitmap.h"
#include "skin/model/memory_dc.h"

#include <windows.h>

#include <cstdint>
#include <functional>

namespace test_pictures {

// 0x00BBGGRR of the pixel at (x, y) of a 24- or 32-bit bitmap.
inline COLORREF PixelAt(const TBitmap& bitmap, int x, int y) {
  const int bytes = bitmap.BitCount() / 8;
  const uint8_t* p = bitmap.ScanLine(y) + x * bytes;
  return RGB(p[2], p[1], p[0]);
}

inline void SetPixelAt(TBitmap& bitmap, int x, int y, COLORREF c) {
  const int bytes = bitmap.BitCount() / 8;
  uint8_t* p = bitmap.ScanLine(y) + x * bytes;
  p[0] = GetBValue(c), p[1] = GetGValue(c), p[2] = GetRValue(c);
}

inline TBitmap MakePicture(int width, int height, const std::function<COLORREF(int, int)>& colour,
                           int bitCount = 24) {
  TBitmap picture(width, height, bitCount);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      SetPixelAt(picture, x, y, colour(x, y));
  return picture;
}

// A picture whose every pixel carries its own coordinates: red x, green y, blue 77.
constexpr int kTag = 77;
inline TBitmap CoordinatePicture(int width, int height, int bitCount = 24) {
  return MakePicture(width, height, [](int x, int y) { return RGB(x, y, kTag); }, bitCount);
}
inline int SourceX(COLORREF c) { return GetRValue(c); }
inline int SourceY(COLORREF c) { return GetGValue(c); }
inline bool FromPicture(COLORREF c) { return GetBValue(c) == kTag; }

// A 24-bit target filled with one colour and selected into a memory DC.
class TTarget {
public:
  TTarget(int width, int height, COLORREF fill)
      : bitmap_(MakePicture(width, height, [=](int, int) { return fill; })), dc_(bitmap_.Handle()) {}

  HDC Dc() const { return dc_.Get(); }
  COLORREF Pixel(int x, int y) const { return PixelAt(bitmap_, x, y); }
  int Width() const { return bitmap_.Width(); }
  int Height() const { return bitmap_.Height(); }

private:
  TBitmap bitmap_;
  TMemoryDC dc_;
};

}  // namespace test_pictures
