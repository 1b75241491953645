#include "framework/menu_item_paint.h"

#include "framework/menu.h"
#include "framework/system/gdi_handles.h"

#include <commctrl.h>

#include <algorithm>

namespace {

// DrawText flags of captions: single line, "&" underlines the next character.
constexpr UINT kCaptionFlags = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;

UniqueFont BoldVariant(HFONT font) {
  LOGFONTA logFont = {};
  GetObjectA(font, sizeof logFont, &logFont);
  logFont.lfWeight = FW_BOLD;
  return UniqueFont(CreateFontIndirectA(&logFont));
}

SIZE TextExtent(HDC dc, const std::string& text, UINT flags) {
  RECT box = {0, 0, 0, 0};
  // Measured without vertical placement: some DrawText implementations move the measured box by
  // half the text height for DT_VCENTER and so report half the height.
  flags &= ~(DT_VCENTER | DT_BOTTOM);
  DrawTextA(dc, text.empty() ? " " : text.c_str(), -1, &box, flags | DT_CALCRECT | DT_NOCLIP);
  return {box.right - box.left, box.bottom - box.top};
}

void DrawCheckMark(HDC dc, const RECT& box, COLORREF colour) {
  UniquePen pen(CreatePen(PS_SOLID, 2, colour));
  TSelectObject keep(dc, pen.Get());
  const int x = box.left + (box.right - box.left - 10) / 2;
  const int y = box.top + (box.bottom - box.top - 8) / 2;
  const POINT tick[] = {{x, y + 4}, {x + 3, y + 7}, {x + 10, y}};
  Polyline(dc, tick, 3);
}

void DrawSeparatorLine(HDC dc, const RECT& rect) {
  RECT line = {rect.left + 2, (rect.top + rect.bottom) / 2 - 1, rect.right - 2, rect.bottom};
  DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
}

}  // namespace

HFONT MenuFont() {
  static const UniqueFont font = [] {
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
      return UniqueFont(CreateFontIndirectA(&metrics.lfMenuFont));
    return UniqueFont();
  }();
  return font ? font.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void TMenuItem::MeasureDefault(HDC dc, int& width, int& height) const {
  if (IsLine()) {
    width = 0;
    height = kSeparatorHeight;
    return;
  }
  UniqueFont bold;
  if (default_)
    bold = BoldVariant(MenuFont());
  TSelectObject keep(dc, bold ? bold.Get() : MenuFont());
  const SIZE caption = TextExtent(dc, caption_, kCaptionFlags);
  width = caption.cx;
  height = caption.cy + 6;
  if (!shortCutText_.empty())
    width += kShortCutGap + TextExtent(dc, shortCutText_, kCaptionFlags | DT_NOPREFIX).cx;
}

void MeasureMenuItemPlain(const TMenuItem& item, HDC dc, int& width, int& height) {
  item.MeasureDefault(dc, width, height);
  width += kMenuGlyphColumn + kMenuRightMargin;
}

void DrawMenuItemPlain(const TMenuItem& item, HDC dc, const RECT& rect, bool selected) {
  FillRect(dc, &rect, GetSysColorBrush(selected && !item.IsLine() ? COLOR_HIGHLIGHT : COLOR_MENU));
  if (item.IsLine()) {
    DrawSeparatorLine(dc, rect);
    return;
  }
  const COLORREF text = !item.Enabled() ? GetSysColor(COLOR_GRAYTEXT)
                        : selected      ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                        : GetSysColor(COLOR_MENUTEXT);
  const bool rightToLeft = item.RightToLeft();
  RECT glyph = rect;
  if (rightToLeft)
    glyph.left = glyph.right - kMenuGlyphColumn;
  else
    glyph.right = glyph.left + kMenuGlyphColumn;
  const TMenu* menu = item.Menu();
  HIMAGELIST images = menu ? menu->Images() : nullptr;
  int imageWidth = 0, imageHeight = 0;
  if (images && item.ImageIndex() >= 0 && item.ImageIndex() < ImageList_GetImageCount(images) &&
      ImageList_GetIconSize(images, &imageWidth, &imageHeight)) {
    const int x = glyph.left + (glyph.right - glyph.left - imageWidth) / 2;
    const int y = glyph.top + (glyph.bottom - glyph.top - imageHeight) / 2;
    ImageList_Draw(images, item.ImageIndex(), dc, x, y, item.Enabled() ? ILD_TRANSPARENT : ILD_BLEND50);
  } else if (item.Checked()) {
    DrawCheckMark(dc, glyph, text);
  }

  UniqueFont bold;
  if (item.Default())
    bold = BoldVariant(MenuFont());
  TSelectObject keep(dc, bold ? bold.Get() : MenuFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, text);
  RECT textRect = rect;
  if (rightToLeft) {
    textRect.right = glyph.left;
    textRect.left += kMenuRightMargin;
  } else {
    textRect.left = glyph.right;
    textRect.right -= kMenuRightMargin;
  }
  const UINT align = rightToLeft ? DT_RIGHT | DT_RTLREADING : DT_LEFT;
  DrawTextA(dc, item.Caption().c_str(), -1, &textRect, kCaptionFlags | align);
  if (!item.ShortCut().empty())
    DrawTextA(dc, item.ShortCut().c_str(), -1, &textRect,
              kCaptionFlags | DT_NOPREFIX | (rightToLeft ? DT_LEFT : DT_RIGHT));
}
