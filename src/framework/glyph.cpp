#include "framework/glyph.h"

#include <algorithm>

void TGlyph::SetBitmap(TBitmap bitmap) {
  bitmap_ = std::move(bitmap);
  Changed();
}

void TGlyph::LoadFromBytes(const std::string& bytes) {
  TBitmap loaded;
  loaded.LoadFromBytes(bytes.data(), bytes.size());
  SetBitmap(std::move(loaded));
}

void TGlyph::Assign(const TGlyph* source) {
  if (source == this)
    return;
  SetBitmap(source ? source->bitmap_.Clone() : TBitmap());
}

void TGlyph::SetNumGlyphs(int count) {
  count = std::clamp(count, 1, 4);
  if (count == numGlyphs_)
    return;
  numGlyphs_ = count;
  Changed();
}

SIZE TGlyph::ImageSize() const {
  if (bitmap_.Empty())
    return {0, 0};
  return {bitmap_.Width() / numGlyphs_, bitmap_.Height()};
}

int TGlyph::ImageFor(TGlyphState state) const {
  const int index = static_cast<int>(state);
  return index < numGlyphs_ ? index : 0;
}

void TGlyph::Draw(HDC dc, int x, int y, int index) const {
  const SIZE size = ImageSize();
  if (size.cx <= 0 || size.cy <= 0)
    return;
  UniqueDC memory(CreateCompatibleDC(dc));
  TSelectObject select(memory.Get(), bitmap_.Handle());
  const COLORREF transparent = GetPixel(memory.Get(), 0, size.cy - 1);
  TransparentBlt(dc, x, y, size.cx, size.cy, memory.Get(), index * size.cx, 0, size.cx, size.cy, transparent);
}

void TGlyph::DrawDisabled(HDC dc, int x, int y) const {
  const SIZE size = ImageSize();
  if (size.cx <= 0 || size.cy <= 0)
    return;
  // A mask of the up image: white where the transparent colour is, black where the shape is.
  UniqueDC image(CreateCompatibleDC(dc));
  UniqueDC mask(CreateCompatibleDC(dc));
  UniqueBitmap maskBitmap(CreateBitmap(size.cx, size.cy, 1, 1, nullptr));
  if (!image || !mask || !maskBitmap)
    return;
  TSelectObject selectImage(image.Get(), bitmap_.Handle());
  TSelectObject selectMask(mask.Get(), maskBitmap.Get());
  SetBkColor(image.Get(), GetPixel(image.Get(), 0, size.cy - 1));
  BitBlt(mask.Get(), 0, 0, size.cx, size.cy, image.Get(), 0, 0, SRCCOPY);
  // Where the mask is black the brush paints, elsewhere the target stays (ROP PSDPxax).
  constexpr DWORD kBrushThroughMask = 0x00B8074A;
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  for (const auto& [offset, colour] : {std::pair{1, COLOR_BTNHIGHLIGHT}, std::pair{0, COLOR_BTNSHADOW}}) {
    TSelectObject brush(dc, GetSysColorBrush(colour));
    BitBlt(dc, x + offset, y + offset, size.cx, size.cy, mask.Get(), 0, 0, kBrushThroughMask);
  }
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
}

void TGlyph::Changed() {
  if (OnChange)
    OnChange();
}
