#include "framework/button_content.h"

#include "framework/system/gdi_handles.h"

void SetGlyphImage(TButtonContent& content, const TGlyph& glyph, TGlyphState state) {
  content.ImageSize = glyph.ImageSize();
  if (glyph.Empty()) {
    content.DrawImage = nullptr;
    return;
  }
  const int index = glyph.ImageFor(state);
  if (state == TGlyphState::gsDisabled && index == 0)
    content.DrawImage = [&glyph](HDC dc, POINT at) { glyph.DrawDisabled(dc, at.x, at.y); };
  else
    content.DrawImage = [&glyph, index](HDC dc, POINT at) { glyph.Draw(dc, at.x, at.y, index); };
}

void DrawButtonContent(HDC dc, const RECT& client, const TButtonContent& content) {
  TSaveDC saved(dc);
  SelectObject(dc, content.Font ? content.Font : GetStockObject(DEFAULT_GUI_FONT));
  SIZE captionSize{0, 0};
  if (!content.Caption.empty()) {
    RECT measured{0, 0, 0, 0};
    DrawTextA(dc, content.Caption.c_str(), -1, &measured, DT_SINGLELINE | DT_CALCRECT);
    captionSize = {measured.right, measured.bottom};
  }
  const TGlyphPlacement placement =
      PlaceGlyph(client, content.ImageSize, captionSize, content.Layout, content.Margin, content.Spacing);
  if (content.DrawImage)
    content.DrawImage(dc, placement.Glyph);
  if (content.Caption.empty())
    return;
  SetBkMode(dc, TRANSPARENT);
  RECT caption = placement.Caption;
  if (!content.Enabled) {
    OffsetRect(&caption, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextA(dc, content.Caption.c_str(), -1, &caption, DT_SINGLELINE | DT_NOCLIP);
    OffsetRect(&caption, -1, -1);
  }
  SetTextColor(dc, GetSysColor(content.Enabled ? COLOR_BTNTEXT : COLOR_BTNSHADOW));
  DrawTextA(dc, content.Caption.c_str(), -1, &caption, DT_SINGLELINE | DT_NOCLIP);
}
