#include "skin/controls/skin_progress.h"

#include "skin/data/skin_data.h"
#include "skin/model/bitmap_utils.h"
#include "skin/model/element_drawing.h"
#include "skin/model/memory_dc.h"

#include <commctrl.h>

#include <algorithm>

int ProgressFilledWidth(int width, int low, int high, int pos) {
  // Ranges below zero fill like any other: the bar shows where POS lies between its ends.
  if (high <= low || pos <= low)
    return 0;
  // Rounded as MulDiv rounds, in 64 bits so that the widest ranges cannot overflow; a position
  // past the end fills the bar, no more.
  const long long span = static_cast<long long>(high) - low, done = static_cast<long long>(std::min(pos, high)) - low;
  const long long filled = (2LL * width * done + span) / (2 * span);
  return static_cast<int>(std::clamp<long long>(filled, 0, width));
}

bool TSkinProgress::HasPicture() const {
  return skinData_ && skinData_->Elements().Progress && !skinData_->Elements().Progress->Image.Empty();
}

bool TSkinProgress::BeforeMessage(TSkinMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      if (!HasPicture())
        return true;
      PaintMessage(message);
      return false;
    case WM_ERASEBKGND:
      message.Result = 1;
      return false;
    default:
      return TSkinControl::BeforeMessage(message);
  }
}

int TSkinProgress::FilledWidth(int width) const {
  const int pos = static_cast<int>(SendMessageA(windowHandle_, PBM_GETPOS, 0, 0));
  const int high = static_cast<int>(SendMessageA(windowHandle_, PBM_GETRANGE, FALSE, 0));
  const int low = static_cast<int>(SendMessageA(windowHandle_, PBM_GETRANGE, TRUE, 0));
  return ProgressFilledWidth(width, low, high, pos);
}

void TSkinProgress::DrawControl(HDC dc, const RECT& rect) {
  if (!HasPicture())
    return;
  const bool vertical = GetWindowLongA(windowHandle_, GWL_STYLE) & PBS_VERTICAL;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0)
    return;
  // A vertical bar is built lying, filling from the left, and turned so that it fills upwards.
  const int lyingWidth = vertical ? height : width, lyingHeight = vertical ? width : height;
  TBitmap picture(lyingWidth, lyingHeight);
  {
    TMemoryDC buffer(picture.Handle());
    FillFace(buffer.Get(), {0, 0, lyingWidth, lyingHeight});
    if (skinData_->Elements().Progress->Style == 1)
      DrawChunks(buffer.Get(), lyingWidth, lyingHeight);
    else
      DrawSmooth(buffer.Get(), lyingWidth, lyingHeight);
  }
  if (vertical)
    RotateLeft(picture);
  TMemoryDC buffer(picture.Handle());
  BitBlt(dc, rect.left, rect.top, width, height, buffer.Get(), 0, 0, SRCCOPY);
}

void TSkinProgress::DrawSmooth(HDC buffer, int width, int height) const {
  const TDataSkinBorder& bar = *skinData_->Elements().Progress;
  DrawSkinElement(buffer, {0, 0, width, height}, bar.Image, false, bar.Tile != 0, true, 2, 1, bar.Margins);
  if (const int filled = FilledWidth(width); filled > 0)
    DrawSkinElement(buffer, {0, 0, filled, height}, bar.Image, false, bar.Tile != 0, true, 2, 2, bar.Margins);
}

void TSkinProgress::DrawChunks(HDC buffer, int width, int height) const {
  const TDataSkinObject* chunk = skinData_->Elements().ProgressChunk.get();
  if (!chunk || chunk->Image.Empty())
    return;
  const TDataSkinBorder& bar = *skinData_->Elements().Progress;
  DrawSkinElement(buffer, {0, 0, width, height}, bar.Image, false, false, true, 1, 1, bar.Margins);
  const int filled = FilledWidth(width);
  if (filled <= 0)
    return;
  const int chunkWidth = chunk->Image.Width(), chunkHeight = chunk->Image.Height();
  const int top = (height - chunkHeight) / 2;
  if (chunk->Tile == 1) {
    const int x = chunk->Margins.Left + 2;
    const int shown = std::min(filled, width - x - 2);
    if (shown <= 0 || chunkWidth <= 0)
      return;
    TBitmap strip(shown, chunkHeight);
    {
      TMemoryDC to(strip.Handle());
      TMemoryDC from(chunk->Image.Handle());
      for (int at = 0; at < shown; at += chunkWidth)
        BitBlt(to.Get(), at, 0, std::min(chunkWidth, shown - at), chunkHeight, from.Get(), 0, 0, SRCCOPY);
    }
    DrawSkinElement(buffer, {x, top, x + shown, top + chunkHeight}, strip, false, false, true, 1, 1, {});
    return;
  }
  const int shown = std::min(filled, width - 4);
  if (shown > 0)
    DrawTiledBar(buffer, {2, 2, 2 + shown, height - 2}, chunk->Image, false, true, 1, 1, chunk->Margins);
}
