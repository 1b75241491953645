#include "skin/model/bitmap_utils.h"

#include "framework/core/bmp_format.h"
#include "framework/core/exceptions.h"
#include "framework/core/format.h"
#include "skin/format/gradient_cache.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace {

// Flipping moves whole pixels, so it works on 24 and 32 bits alike.
void MakeDirect(TBitmap& bitmap) {
  if (bitmap.BitCount() != 24 && bitmap.BitCount() != 32)
    bitmap.SetBitCount(24);
}

// Every pixel as 0x00RRGGBB, bottom row first, whatever the bitmap's own format.
std::vector<uint32_t> ReadPixels32(const TBitmap& bitmap) {
  const int w = bitmap.Width(), h = bitmap.Height();
  std::vector<uint32_t> pixels(static_cast<size_t>(w) * static_cast<size_t>(h));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  info.bmiHeader.biSizeImage = static_cast<DWORD>(pixels.size() * 4);
  info.bmiHeader.biXPelsPerMeter = 1;
  info.bmiHeader.biYPelsPerMeter = 1;
  TWindowDC screen(nullptr);
  GdiFlush();
  if (GetDIBits(screen.Get(), bitmap.Handle(), 0, static_cast<UINT>(h), pixels.data(), &info,
                DIB_RGB_COLORS) != h)
    throw EOutOfResources("Out of system resources");
  return pixels;
}

void StorePixel(uint8_t* at, uint32_t pixel) {
  at[0] = static_cast<uint8_t>(pixel);
  at[1] = static_cast<uint8_t>(pixel >> 8);
  at[2] = static_cast<uint8_t>(pixel >> 16);
}

// Rebuilds the bitmap turned a quarter: source gives, for the new pixel (x, y), the index of
// the old pixel in the bottom-up array.
template <class Source>
void Rotate(TBitmap& bitmap, Source source) {
  if (bitmap.Empty())
    return;
  const std::vector<uint32_t> pixels = ReadPixels32(bitmap);
  TBitmap turned(bitmap.Height(), bitmap.Width(), 24);
  for (int y = 0; y < turned.Height(); ++y) {
    uint8_t* row = turned.ScanLine(y);
    for (int x = 0; x < turned.Width(); ++x)
      StorePixel(row + 3 * x, pixels[source(x, y)]);
  }
  bitmap = std::move(turned);
}

}  // namespace

TColour ResolveColour(TColour c) {
  return IsSystemColour(c) ? static_cast<TColour>(GetSysColor(c & 0xFF)) : c;
}

void ReplaceKeyColour(TBitmap& bitmap, TColour colour) {
  if (bitmap.Empty())
    return;
  bitmap.SetBitCount(24);
  // A skin may name a system colour here (the button face, when it gives none of its own).
  const TColour rgb = ResolveColour(colour);
  for (int y = 0; y < bitmap.Height(); ++y) {
    uint8_t* p = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x, p += 3)
      if (p[0] == 255 && p[1] == 0 && p[2] == 255) {
        p[0] = static_cast<uint8_t>(BlueOf(rgb));
        p[1] = static_cast<uint8_t>(GreenOf(rgb));
        p[2] = static_cast<uint8_t>(RedOf(rgb));
      }
  }
}

void MirrorBitmap(TBitmap& bitmap) {
  if (!bitmap.Empty())
    bitmap = Mirrored(bitmap, bitmap.BitCount() == 32 ? 32 : 24);
}

TBitmap Mirrored(const TBitmap& source, int bitCount) {
  if (bitCount != 24 && bitCount != 32)
    throw EInvalidOperation(Format("Unsupported pixel format (%d bits)", bitCount));
  if (source.Empty())
    return TBitmap();
  const int w = source.Width(), bytes = bitCount / 8;
  TBitmap mirrored(w, source.Height(), bitCount);
  // Each row is converted in the order it is stored, then laid down from the right.
  std::vector<uint8_t> row(static_cast<size_t>(w) * static_cast<size_t>(bytes));
  for (int y = 0; y < source.Height(); ++y) {
    ConvertDibRow(source.ScanLine(y), source.BitCount(), source.Palette(), row.data(), bitCount, w);
    uint8_t* to = mirrored.ScanLine(y);
    for (int x = 0; x < w; ++x)
      std::memcpy(to + x * bytes, row.data() + (w - 1 - x) * bytes, static_cast<size_t>(bytes));
  }
  return mirrored;
}

void FlipBitmap(TBitmap& bitmap) {
  if (bitmap.Empty())
    return;
  MakeDirect(bitmap);
  const int h = bitmap.Height();
  TBitmap flipped(bitmap.Width(), h, bitmap.BitCount());
  for (int y = 0; y < h; ++y)
    std::memcpy(flipped.ScanLine(y), bitmap.ScanLine(h - 1 - y), bitmap.Stride());
  bitmap = std::move(flipped);
}

// Old pixel (W-1-y', x') of the top-down picture; its row x' is row H-1-x' of the array.
void RotateLeft(TBitmap& bitmap) {
  const size_t w = static_cast<size_t>(bitmap.Width()), h = static_cast<size_t>(bitmap.Height());
  Rotate(bitmap, [=](int x, int y) { return (h - 1 - x) * w + (w - 1 - y); });
}

// Old pixel (y', H-1-x'): top-down row H-1-x' is array row x'.
void RotateRight(TBitmap& bitmap) {
  const size_t w = static_cast<size_t>(bitmap.Width());
  Rotate(bitmap, [=](int x, int y) { return static_cast<size_t>(x) * w + y; });
}

TColour MixColours(TColour c1, TColour c2, int weight) {
  return MixRgbColours(ResolveColour(c1), ResolveColour(c2), weight);
}

void GradientFill(HDC dc, const RECT& rect, TColour c1, bool vertical, TColour c2) {
  // RectVisible puts a reversed rectangle the right way round, and FillRect would paint it.
  if (rect.right <= rect.left || rect.bottom <= rect.top || !RectVisible(dc, &rect))
    return;
  const TColour start = ResolveColour(c1), end = ResolveColour(c2);
  RECT clip{};
  GetClipBox(dc, &clip);
  const int origin = vertical ? rect.top : rect.left;
  const int count = vertical ? rect.bottom - rect.top : rect.right - rect.left;
  const int clipStart = vertical ? clip.top : clip.left;
  const int clipEnd = vertical ? clip.bottom : clip.right;
  const int first = std::max(clipStart - origin, 0);
  const int last = std::min(clipEnd - origin, count) - 1;

  const std::vector<TColour>& ramp = SharedGradientCache().Slot(GradientColours(count, start, end));
  RECT strip = rect;
  for (int i = first; i <= last; ++i) {
    if (vertical)
      strip.top = origin + i, strip.bottom = strip.top + 1;
    else
      strip.left = origin + i, strip.right = strip.left + 1;
    UniqueBrush brush(CreateSolidBrush(static_cast<COLORREF>(ramp[static_cast<size_t>(i)])));
    FillRect(dc, &strip, brush.Get());
  }
}

void GradientFillBitmap(TBitmap& bitmap, TColour c1, bool vertical, TColour c2) {
  if (bitmap.Empty())
    return;
  if (bitmap.BitCount() != 24)
    throw EInvalidOperation("Gradients are written into 24-bit bitmaps only");
  const int w = bitmap.Width(), h = bitmap.Height();
  const std::vector<TColour>& ramp =
      SharedGradientCache().Slot(GradientColours(vertical ? h : w, ResolveColour(c1), ResolveColour(c2)));
  const auto store = [](uint8_t* at, TColour c) {
    at[0] = static_cast<uint8_t>(BlueOf(c));
    at[1] = static_cast<uint8_t>(GreenOf(c));
    at[2] = static_cast<uint8_t>(RedOf(c));
  };
  for (int y = 0; y < h; ++y) {
    uint8_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < w; ++x)
      store(row + 3 * x, ramp[static_cast<size_t>(vertical ? y : x)]);
  }
}
