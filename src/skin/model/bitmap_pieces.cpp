#include "skin/model/bitmap_pieces.h"

#include "framework/core/bmp_format.h"
#include "framework/core/exceptions.h"
#include "framework/system/gdi_handles.h"
#include "skin/model/bitmap_utils.h"

#include <cstring>
#include <vector>

namespace {

HDC CreateMemoryDC() {
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc)
    throw EOutOfResources("Out of system resources");
  return dc;
}

}  // namespace

TBitmap CutBitmap(const TBitmap& source, const RECT& rect) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0)
    return TBitmap();
  TBitmap piece(w, h, 24);
  CopyPixels(source, rect, piece, 0, 0);
  return piece;
}

void CopyPixels(const TBitmap& source, const RECT& rect, TBitmap& target, int x, int y) {
  if (target.Empty())
    return;
  if (target.BitCount() != 24)
    throw EInvalidOperation("Pixels are copied into 24-bit bitmaps only");
  // The rectangle cut to the source, then to the target where it lands.
  const RECT sourceBounds{0, 0, source.Width(), source.Height()};
  RECT from{};
  if (!IntersectRect(&from, &sourceBounds, &rect))
    return;
  const int dx = x - rect.left, dy = y - rect.top;
  const RECT targetBounds{0, 0, target.Width(), target.Height()};
  const RECT landed{from.left + dx, from.top + dy, from.right + dx, from.bottom + dy};
  RECT to{};
  if (!IntersectRect(&to, &targetBounds, &landed))
    return;
  const size_t bytes = 3 * static_cast<size_t>(to.right - to.left);
  const size_t first = 3 * static_cast<size_t>(to.left - dx);
  // Rows of other formats are converted whole: an indexed row's pixels need not start on a byte.
  std::vector<uint8_t> converted;
  if (source.BitCount() != 24)
    converted.resize(3 * static_cast<size_t>(source.Width()));
  for (int row = to.top; row < to.bottom; ++row) {
    const uint8_t* line = source.ScanLine(row - dy);
    if (source.BitCount() != 24) {
      ConvertDibRow(line, source.BitCount(), source.Palette(), converted.data(), 24, source.Width());
      line = converted.data();
    }
    std::memcpy(target.ScanLine(row) + 3 * static_cast<size_t>(to.left), line + first, bytes);
  }
}

void FillBitmap(TBitmap& bitmap, TColour colour) {
  if (bitmap.Empty())
    return;
  UniqueDC dc(CreateMemoryDC());
  TSelectObject keep(dc.Get(), bitmap.Handle());
  UniqueBrush brush(CreateSolidBrush(static_cast<COLORREF>(ResolveColour(colour))));
  const RECT all{0, 0, bitmap.Width(), bitmap.Height()};
  FillRect(dc.Get(), &all, brush.Get());
  GdiFlush();
}

TColour BitmapPixel(const TBitmap& bitmap, int x, int y) {
  if (bitmap.Empty() || x < 0 || y < 0 || x >= bitmap.Width() || y >= bitmap.Height())
    return kNoColour;
  // The row converted as far as the pixel, for indexed formats as much as for direct ones.
  std::vector<uint8_t> bgr(3 * static_cast<size_t>(x + 1));
  ConvertDibRow(bitmap.ScanLine(y), bitmap.BitCount(), bitmap.Palette(), bgr.data(), 24, x + 1);
  const uint8_t* p = bgr.data() + 3 * static_cast<size_t>(x);
  return Rgb(p[2], p[1], p[0]);
}
