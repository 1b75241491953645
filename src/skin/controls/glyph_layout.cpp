#include "skin/controls/glyph_layout.h"

#include "framework/system/gdi_handles.h"
#include "skin/model/memory_dc.h"
#include "skin/model/transparent_blit.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace {

// Paints the brush where the monochrome source is white and leaves the rest.
constexpr DWORD kBrushWhereSourceSet = 0x00E20746;

// A monochrome picture of PICTURE: white where it is not KEY, black where it is.
UniqueBitmap GlyphMask(const TBitmap& picture, COLORREF key) {
  UniqueBitmap mask(CreateBitmap(picture.Width(), picture.Height(), 1, 1, nullptr));
  TMemoryDC from(picture.Handle()), to(mask.Get());
  SetBkColor(from.Get(), key);
  BitBlt(to.Get(), 0, 0, picture.Width(), picture.Height(), from.Get(), 0, 0, SRCCOPY);
  // The copy made KEY white; the glyph itself should be.
  BitBlt(to.Get(), 0, 0, picture.Width(), picture.Height(), nullptr, 0, 0, DSTINVERT);
  return mask;
}

void PaintThroughMask(HDC dc, HBITMAP mask, int x, int y, int w, int h, int colourIndex) {
  TMemoryDC source(mask);
  HBRUSH brush = CreateSolidBrush(GetSysColor(colourIndex));
  HGDIOBJ old = SelectObject(dc, brush);
  const COLORREF text = SetTextColor(dc, RGB(0, 0, 0)), back = SetBkColor(dc, RGB(255, 255, 255));
  BitBlt(dc, x, y, w, h, source.Get(), 0, 0, kBrushWhereSourceSet);
  SetTextColor(dc, text);
  SetBkColor(dc, back);
  SelectObject(dc, old);
  DeleteObject(brush);
}

}  // namespace

TGlyphPlacement PlaceGlyphAndText(SIZE client, SIZE glyph, SIZE text, int margin, int spacing, TGlyphSide side,
                                  bool centred, int autoMarginExtra) {
  const bool across = side == TGlyphSide::gsLeft || side == TGlyphSide::gsRight;
  // Along the layout's axis and across it.
  const int c = across ? client.cx : client.cy, g = across ? glyph.cx : glyph.cy, t = across ? text.cx : text.cy;
  TGlyphPlacement place{};
  if (across) {
    place.Glyph.y = (client.cy - glyph.cy + 1) / 2;
    place.Text.y = (client.cy - text.cy + 1) / 2;
  } else {
    place.Glyph.x = (client.cx - glyph.cx + 1) / 2;
    place.Text.x = (client.cx - text.cx + 1) / 2;
  }
  if (text.cx == 0 || glyph.cx == 0)
    spacing = 0;
  if (margin == -1 || centred) {
    if (spacing == -1) {
      margin = (c - (g + t)) / 3;
      spacing = margin;
    } else {
      margin = (c - (g + spacing + t)) / 2 + autoMarginExtra;
    }
  } else if (spacing == -1) {
    spacing = ((c - (margin + g)) - t) / 2;
  }
  switch (side) {
    case TGlyphSide::gsLeft:
      place.Glyph.x = margin;
      place.Text.x = margin + glyph.cx + spacing;
      break;
    case TGlyphSide::gsRight:
      place.Glyph.x = client.cx - margin - glyph.cx;
      place.Text.x = place.Glyph.x - spacing - text.cx;
      break;
    case TGlyphSide::gsTop:
      place.Glyph.y = margin;
      place.Text.y = margin + glyph.cy + spacing;
      break;
    case TGlyphSide::gsBottom:
      place.Glyph.y = client.cy - margin - glyph.cy;
      place.Text.y = place.Glyph.y - spacing - text.cy;
      break;
  }
  return place;
}

TGlyphSide GlyphSideOf(const std::string& layoutName) {
  std::string name = layoutName;
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (name == "blglyphright")
    return TGlyphSide::gsRight;
  if (name == "blglyphtop")
    return TGlyphSide::gsTop;
  if (name == "blglyphbottom")
    return TGlyphSide::gsBottom;
  return TGlyphSide::gsLeft;
}

void DrawButtonGlyph(HDC dc, const TBitmap& strip, int count, int index, POINT at) {
  count = std::max(count, 1);
  const int w = strip.Width() / count, h = strip.Height();
  if (strip.Empty() || w < 1 || h < 1)
    return;
  const bool emboss = index == 2 && count == 1;
  if (index > count)
    index = 1;
  TBitmap glyph(w, h);
  {
    TMemoryDC from(strip.Handle()), to(glyph.Handle());
    BitBlt(to.Get(), 0, 0, w, h, from.Get(), (index - 1) * w, 0, SRCCOPY);
  }
  COLORREF key = 0;
  {
    TMemoryDC picture(glyph.Handle());
    key = GetPixel(picture.Get(), 0, h - 1);
  }
  if (emboss) {
    // No disabled glyph of its own: the glyph's shape, embossed.
    const UniqueBitmap mask = GlyphMask(glyph, key);
    TBitmap embossed(w, h);
    TMemoryDC canvas(embossed.Handle());
    const RECT all{0, 0, w, h};
    FillRect(canvas.Get(), &all, GetSysColorBrush(COLOR_BTNFACE));
    PaintThroughMask(canvas.Get(), mask.Get(), 1, 1, w, h, COLOR_BTNHIGHLIGHT);
    PaintThroughMask(canvas.Get(), mask.Get(), 0, 0, w, h, COLOR_BTNSHADOW);
    glyph = std::move(embossed);
    key = GetSysColor(COLOR_BTNFACE);
  }
  DrawTransparentBitmap(dc, {at.x, at.y, at.x + w, at.y + h}, glyph, static_cast<TColour>(key));
}
