#include "skin/model/element_drawing.h"

#include "skin/model/memory_dc.h"
#include "skin/model/transparent_blit.h"

#include <algorithm>
#include <cstdint>

namespace {

// Where one frame lies in its strip.
struct TFrame {
  int x = 0, y = 0;  // top-left in the picture
  int w = 0, h = 0;  // size
};

TFrame FrameOf(const TBitmap& picture, bool vertical, int frameCount, int frameIndex) {
  const int count = std::max(frameCount, 1);
  const int index = std::clamp(frameIndex, 1, count) - 1;
  TFrame f;
  if (vertical) {
    f.w = picture.Width();
    f.h = picture.Height() / count;
    f.y = index * f.h;
  } else {
    f.w = picture.Width() / count;
    f.h = picture.Height();
    f.x = index * f.w;
  }
  return f;
}

bool Inverted(const RECT& r) { return r.right < r.left || r.bottom < r.top; }

// Two edge widths together, wide enough for any pair a skin may give.
int64_t Sum(int32_t first, int32_t second) { return static_cast<int64_t>(first) + second; }

// Edge widths of one direction that fit both into the frame and into the destination.
void FitMargins(int32_t& first, int32_t& second, int frameSize, int destSize) {
  first = std::max(first, 0);
  second = std::max(second, 0);
  if (Sum(first, second) > frameSize || Sum(first, second) > destSize)
    first = second = 0;
}

// A stretching copy between two rectangles given as corners; nothing when either is empty
// (a reversed rectangle would mirror the piece).
void CopyPiece(HDC to, int dx1, int dy1, int dx2, int dy2, HDC from, int sx1, int sy1, int sx2,
               int sy2) {
  if (dx2 <= dx1 || dy2 <= dy1 || sx2 <= sx1 || sy2 <= sy1)
    return;
  StretchBlt(to, dx1, dy1, dx2 - dx1, dy2 - dy1, from, sx1, sy1, sx2 - sx1, sy2 - sy1, SRCCOPY);
}

void TilePiece(HDC to, const RECT& dest, HDC from, const RECT& piece) {
  const int pw = piece.right - piece.left, ph = piece.bottom - piece.top;
  if (pw <= 0 || ph <= 0)
    return;
  for (int x = dest.left; x < dest.right; x += pw)
    for (int y = dest.top; y < dest.bottom; y += ph)
      BitBlt(to, x, y, std::min(pw, static_cast<int>(dest.right) - x),
             std::min(ph, static_cast<int>(dest.bottom) - y), from, piece.left, piece.top, SRCCOPY);
}

// The bitmap drawn at dest's top-left, magenta left out when transparent.
void PutBitmap(HDC dc, const RECT& dest, const TBitmap& bitmap, bool transparent) {
  if (bitmap.Empty())
    return;
  if (transparent) {
    DrawTransparentBitmap(dc, dest, bitmap, kColourKey);
    return;
  }
  TMemoryDC source(bitmap.Handle());
  BitBlt(dc, dest.left, dest.top, bitmap.Width(), bitmap.Height(), source.Get(), 0, 0, SRCCOPY);
}

RECT SizedAt(int left, int top, int width, int height) {
  return RECT{left, top, left + width, top + height};
}

}  // namespace

bool DrawSkinElementPieces(HDC to, int width, int height, HDC from, const TBitmap& picture,
                           const TMargins& margins, bool vertical, bool tile, int frameCount,
                           int frameIndex) {
  const int W = width, H = height;
  if (W <= 0 || H <= 0 || picture.Empty())
    return false;
  const TFrame f = FrameOf(picture, vertical, frameCount, frameIndex);
  if (f.w <= 0 || f.h <= 0)
    return false;
  TMargins m = margins;
  FitMargins(m.Left, m.Right, f.w, W);
  FitMargins(m.Top, m.Bottom, f.h, H);
  const int L = m.Left, T = m.Top, R = m.Right, B = m.Bottom;
  const int x0 = f.x, y0 = f.y, x1 = f.x + f.w, y1 = f.y + f.h;

  SetStretchBltMode(to, COLORONCOLOR);
  HDC d = to, s = from;
  CopyPiece(d, 0, 0, L, T, s, x0, y0, x0 + L, y0 + T);                      // top-left
  CopyPiece(d, 0, H - B, L, H, s, x0, y1 - B, x0 + L, y1);                  // bottom-left
  CopyPiece(d, W - R, 0, W, T, s, x1 - R, y0, x1, y0 + T);                  // top-right
  CopyPiece(d, 0, T, L, H - B, s, x0, y0 + T, x0 + L, y1 - B);              // left edge
  CopyPiece(d, L, 0, W - R, T, s, x0 + L, y0, x1 - R, y0 + T);              // top edge
  if (tile)
    TilePiece(d, RECT{L, T, W - R, H - B}, s, RECT{x0 + L, y0 + T, x1 - R, y1 - B});
  else
    CopyPiece(d, L, T, W - R, H - B, s, x0 + L, y0 + T, x1 - R, y1 - B);    // centre
  CopyPiece(d, W - R, H - B, W, H, s, x1 - R, y1 - B, x1, y1);              // bottom-right
  CopyPiece(d, W - R, T, W, H - B, s, x1 - R, y0 + T, x1, y1 - B);          // right edge
  CopyPiece(d, L, H - B, W - R, H, s, x0 + L, y1 - B, x1 - R, y1);          // bottom edge
  return true;
}

TBitmap BuildSkinElementBitmap(const RECT& dest, const TBitmap& picture, const TMargins& margins,
                               bool vertical, bool tile, int frameCount, int frameIndex) {
  const int W = dest.right - dest.left, H = dest.bottom - dest.top;
  if (Inverted(dest) || W == 0 || H == 0 || picture.Empty())
    return {};
  const TFrame f = FrameOf(picture, vertical, frameCount, frameIndex);
  if (f.w <= 0 || f.h <= 0)
    return {};
  TBitmap result(W, H, 24);
  TMemoryDC to(result.Handle());
  TMemoryDC from(picture.Handle());
  DrawSkinElementPieces(to.Get(), W, H, from.Get(), picture, margins, vertical, tile, frameCount, frameIndex);
  return result;
}

void DrawSkinElement(HDC dc, const RECT& dest, const TBitmap& picture, bool vertical, bool tile,
                     bool transparent, int frameCount, int frameIndex, const TMargins& margins) {
  const TBitmap built =
      BuildSkinElementBitmap(dest, picture, margins, vertical, tile, frameCount, frameIndex);
  PutBitmap(dc, dest, built, transparent);
}

void TileBitmap(HDC dc, const RECT& dest, const TBitmap& picture, const RECT& source) {
  if (Inverted(dest) || picture.Empty())
    return;
  RECT piece{};
  const RECT bounds{0, 0, picture.Width(), picture.Height()};
  if (!IntersectRect(&piece, &source, &bounds))
    return;
  TMemoryDC from(picture.Handle());
  TilePiece(dc, dest, from.Get(), piece);
}

void DrawSkinFrame(HDC dc, const RECT& dest, const TBitmap& picture, bool transparent,
                   int frameCount, int frameIndex) {
  DrawSkinElement(dc, dest, picture, false, false, transparent, frameCount, frameIndex, {});
}

void DrawSkinGlyph(HDC dc, const RECT& rect, const TBitmap& picture, bool transparent,
                   int frameCount, int frameIndex) {
  if (Inverted(rect) || picture.Empty())
    return;
  const TFrame f = FrameOf(picture, false, frameCount, frameIndex);
  if (f.w <= 0)
    return;
  TBitmap glyph(f.w, f.h, 24);
  {
    TMemoryDC to(glyph.Handle());
    TMemoryDC from(picture.Handle());
    BitBlt(to.Get(), 0, 0, f.w, f.h, from.Get(), f.x, f.y, SRCCOPY);
  }
  // Integer division truncates toward zero: an oversized glyph overhangs both sides equally.
  const int left = rect.left + (rect.right - rect.left - f.w) / 2;
  const int top = rect.top + (rect.bottom - rect.top - f.h) / 2;
  PutBitmap(dc, SizedAt(left, top, f.w, f.h), glyph, transparent);
}

void DrawTiledBar(HDC dc, const RECT& dest, const TBitmap& picture, bool vertical,
                  bool transparent, int frameCount, int frameIndex, const TMargins& margins) {
  const int W = dest.right - dest.left, H = dest.bottom - dest.top;
  if (Inverted(dest) || W == 0 || H == 0 || picture.Empty())
    return;
  const TFrame f = FrameOf(picture, vertical, frameCount, frameIndex);
  if (f.w <= 0 || f.h <= 0)
    return;
  int32_t L = std::max(margins.Left, 0), R = std::max(margins.Right, 0);
  if (Sum(L, R) > f.w)
    L = R = 0;
  const int x0 = f.x, x1 = f.x + f.w, y0 = f.y, y1 = f.y + f.h;
  const int middle = f.w - L - R;

  TBitmap bar(W, H, 24);
  {
    TMemoryDC to(bar.Handle());
    TMemoryDC from(picture.Handle());
    SetStretchBltMode(to.Get(), COLORONCOLOR);
    CopyPiece(to.Get(), 0, 0, L, H, from.Get(), x0, y0, x0 + L, y1);
    // No middle (the margins fill the frame): nothing to repeat.
    for (int x = L; middle > 0 && x < W - R; x += middle)
      CopyPiece(to.Get(), x, 0, x + middle, H, from.Get(), x0 + L, y0, x1 - R, y1);
    CopyPiece(to.Get(), W - R, 0, W, H, from.Get(), x1 - R, y0, x1, y1);
  }
  PutBitmap(dc, dest, bar, transparent);
}

void DrawThreeSliceBar(HDC dc, const RECT& dest, const TBitmap& picture, const TMargins& margins) {
  const int W = dest.right - dest.left, H = dest.bottom - dest.top;
  if (Inverted(dest) || picture.Empty())
    return;
  const int pw = picture.Width(), ph = picture.Height();
  const int L = std::max(margins.Left, 0), R = std::max(margins.Right, 0);
  TMemoryDC from(picture.Handle());
  const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
  const int x = dest.left, y = dest.top;
  if (pw > W || Sum(L, R) >= pw) {
    CopyPiece(dc, x, y, x + W, y + H, from.Get(), 0, 0, pw, ph);
  } else {
    CopyPiece(dc, x, y, x + L, y + H, from.Get(), 0, 0, L, ph);
    CopyPiece(dc, x + L, y, x + W - R, y + H, from.Get(), L, 0, pw - R, ph);
    CopyPiece(dc, x + W - R, y, x + W, y + H, from.Get(), pw - R, 0, pw, ph);
  }
  SetStretchBltMode(dc, oldMode);
}
