#include "skin/model/bitmap_pieces.h"

#include "framework/core/exceptions.h"
#include "framework/system/gdi_handles.h"
#include "skin/model/bitmap_utils.h"

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
  // Only the part that lies on the source is copied; the rest stays black.
  const RECT bounds{0, 0, source.Width(), source.Height()};
  RECT inside{};
  if (!IntersectRect(&inside, &bounds, &rect))
    return piece;
  UniqueDC from(CreateMemoryDC()), to(CreateMemoryDC());
  TSelectObject keepFrom(from.Get(), source.Handle());
  TSelectObject keepTo(to.Get(), piece.Handle());
  BitBlt(to.Get(), inside.left - rect.left, inside.top - rect.top, inside.right - inside.left,
         inside.bottom - inside.top, from.Get(), inside.left, inside.top, SRCCOPY);
  GdiFlush();
  return piece;
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
  UniqueDC dc(CreateMemoryDC());
  TSelectObject keep(dc.Get(), bitmap.Handle());
  const COLORREF pixel = GetPixel(dc.Get(), x, y);
  return pixel == CLR_INVALID ? kNoColour : static_cast<TColour>(pixel);
}
