#include "framework/button_layout.h"

namespace {

// Positions along the layout's direction, measured from the edge the glyph sits at.
struct TAxisPlacement {
  int Glyph;
  int Caption;
};

TAxisPlacement PlaceAlong(int length, int glyph, int caption, int margin, int spacing) {
  if (glyph == 0 || caption == 0)
    spacing = 0;
  if (margin < 0 && spacing < 0) {
    const int space = (length - glyph - caption) / (glyph && caption ? 3 : 2);
    margin = spacing = space;
    if (glyph == 0 || caption == 0)
      spacing = 0;
  } else if (margin < 0) {
    margin = (length - glyph - spacing - caption) / 2;
  } else if (spacing < 0) {
    spacing = glyph && caption ? (length - margin - glyph - caption) / 2 : 0;
  }
  return {margin, margin + glyph + spacing};
}

}  // namespace

TGlyphPlacement PlaceGlyph(const RECT& client, SIZE glyph, SIZE caption, TButtonLayout layout, int margin,
                           int spacing) {
  const bool horizontal = layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
  const bool fromFarEdge = layout == TButtonLayout::blGlyphRight || layout == TButtonLayout::blGlyphBottom;
  const int width = client.right - client.left, height = client.bottom - client.top;
  const int length = horizontal ? width : height;
  const int glyphLength = horizontal ? glyph.cx : glyph.cy;
  const int captionLength = horizontal ? caption.cx : caption.cy;
  TAxisPlacement along = PlaceAlong(length, glyphLength, captionLength, margin, spacing);
  if (fromFarEdge) {
    along.Glyph = length - along.Glyph - glyphLength;
    along.Caption = length - along.Caption - captionLength;
  }
  // Across, each is centred on its own.
  const int across = horizontal ? height : width;
  const int glyphAcross = (across - (horizontal ? glyph.cy : glyph.cx)) / 2;
  const int captionAcross = (across - (horizontal ? caption.cy : caption.cx)) / 2;
  TGlyphPlacement placement{};
  if (horizontal) {
    placement.Glyph = {client.left + along.Glyph, client.top + glyphAcross};
    placement.Caption = {client.left + along.Caption, client.top + captionAcross,
                         client.left + along.Caption + caption.cx, client.top + captionAcross + caption.cy};
  } else {
    placement.Glyph = {client.left + glyphAcross, client.top + along.Glyph};
    placement.Caption = {client.left + captionAcross, client.top + along.Caption,
                         client.left + captionAcross + caption.cx, client.top + along.Caption + caption.cy};
  }
  return placement;
}
