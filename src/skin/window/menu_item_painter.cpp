#include "skin/window/menu_item_painter.h"

#include "framework/colour.h"
#include "framework/menu_item_paint.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_text.h"
#include "skin/model/element_drawing.h"
#include "skin/model/memory_dc.h"
#include "skin/model/transparent_blit.h"

#include <algorithm>
#include <optional>

namespace {

// Side of the glyph column when the menu has no image list, and the least for a check mark.
constexpr int kGlyphSize = 16;
// PSDPxax: the pattern where the source is black, the destination where it is white.
constexpr DWORD kPaintBlackOfSource = 0x00B8074A;
constexpr UINT kMeasureFlags = DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE;
constexpr UINT kTextFlags = DT_EXPANDTABS | DT_SINGLELINE;
// Characters of a native item's text that are read.
constexpr int kNativeTextLength = 80;

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

// The MenuItem element when it has a picture to draw from.
const TDataSkinObject* MenuItemPicture(const TSkinData& skin) {
  const auto& element = skin.Elements().MenuItem;
  return element && !element->Image.Empty() ? element.get() : nullptr;
}

int MenuItemLeftMargin(const TSkinData& skin) {
  const TDataSkinObject* element = MenuItemPicture(skin);
  return element ? std::max(0, element->Margins.Left) : 0;
}

COLORREF SkinColour(const TSkinData& skin, TColourIndex index) {
  return ColorToRGB(skin.ColourTable().Colours[index]);
}

void FillColour(HDC dc, const RECT& rect, COLORREF colour) {
  UniqueBrush brush(CreateSolidBrush(colour));
  FillRect(dc, &rect, brush.Get());
}

COLORREF TextColour(const TMenuItemLook& item, bool selected, const TSkinData& skin) {
  const auto& colours = skin.ColourTable().Colours;
  if (!item.enabled) {
    // Disabled text in the menu's own text colour would look enabled.
    if (colours[ciButtonShadow] == colours[ciMenuText])
      return GetSysColor(COLOR_BTNSHADOW);
    return SkinColour(skin, ciButtonShadow);
  }
  return SkinColour(skin, selected ? ciHilightText : ciMenuText);
}

int GlyphSize(const TMenuItemLook& item) {
  int size = kGlyphSize;
  int cx = 0, cy = 0;
  if (item.images && ImageList_GetIconSize(item.images, &cx, &cy))
    size = cx;
  if (item.checked)
    size = std::max(size, kGlyphSize);
  return size;
}

RECT GlyphRect(const RECT& rect, const TMenuItemLook& item, const TSkinData& skin) {
  const int size = GlyphSize(item);
  const int inset = 1 + MenuItemLeftMargin(skin);
  const int left = item.rightToLeft ? rect.right - inset - size : rect.left + inset;
  return RECT{left, rect.top + 1, left + size, rect.top + 1 + size};
}

bool HasImage(const TMenuItemLook& item) {
  return item.images && item.imageIndex >= 0 && item.imageIndex < ImageList_GetImageCount(item.images);
}

// The sunken, checkered square behind the image of a checked item.
void DrawCheckedImageGround(HDC dc, const RECT& glyph) {
  static const WORD kChecker[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
  UniqueBitmap pattern(CreateBitmap(8, 8, 1, 1, kChecker));
  UniqueBrush brush(CreatePatternBrush(pattern.Get()));
  const COLORREF oldText = SetTextColor(dc, GetSysColor(COLOR_BTNFACE));
  const COLORREF oldBack = SetBkColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
  FillRect(dc, &glyph, brush.Get());
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
  RECT edge = glyph;
  DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
}

void DrawImage(HDC dc, const RECT& glyph, const TMenuItemLook& item) {
  if (item.checked)
    DrawCheckedImageGround(dc, glyph);
  if (item.enabled) {
    ImageList_Draw(item.images, item.imageIndex, dc, glyph.left, glyph.top, ILD_TRANSPARENT);
    return;
  }
  UniqueIcon icon(ImageList_GetIcon(item.images, item.imageIndex, ILD_NORMAL));
  if (icon)
    DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon.Get()), 0, glyph.left,
               glyph.top, 0, 0, DST_ICON | DSS_DISABLED);
}

// The system's check mark in the text colour, its white left out.
void DrawCheckMark(HDC dc, const RECT& rect, const RECT& glyph, COLORREF colour) {
  UniqueBitmap mark(LoadBitmapW(nullptr, MAKEINTRESOURCEW(OBM_CHECK)));
  BITMAP info{};
  if (!mark || !GetObjectW(mark.Get(), sizeof info, &info))
    return;
  const int x = glyph.left + (Width(glyph) - info.bmWidth) / 2 + 1;
  const int y = rect.top + (Height(rect) - info.bmHeight) / 2 + 1;
  UniqueDC source(CreateCompatibleDC(dc));
  UniqueBrush brush(CreateSolidBrush(colour));
  TSelectObject keepMark(source.Get(), mark.Get());
  TSelectObject keepBrush(dc, brush.Get());
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  BitBlt(dc, x, y, info.bmWidth, info.bmHeight, source.Get(), 0, 0, kPaintBlackOfSource);
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
}

// A bold copy of dc's font for the default item.
UniqueFont BoldFontOf(HDC dc) {
  LOGFONTW font{};
  if (!GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof font, &font))
    return UniqueFont();
  font.lfWeight = FW_BOLD;
  return UniqueFont(CreateFontIndirectW(&font));
}

void DrawTexts(HDC dc, const RECT& rect, const RECT& glyph, const TMenuItemLook& item,
               COLORREF colour) {
  UniqueFont bold = item.isDefault ? BoldFontOf(dc) : UniqueFont();
  std::optional<TSelectObject> keepFont;
  if (bold)
    keepFont.emplace(dc, bold.Get());
  RECT text = item.rightToLeft ? RECT{rect.left + 1, rect.top, glyph.left - 3, rect.bottom}
                               : RECT{glyph.right + 3, rect.top, rect.right - 1, rect.bottom};
  const bool blank = item.caption.empty() || item.caption == L"&";
  RECT measured = text;
  DrawSkinText(dc, blank ? std::wstring(L" ") : item.caption, measured, kMeasureFlags);
  const int textWidth = Width(measured);
  text.top = rect.top + (Height(rect) - Height(measured)) / 2;
  text.bottom = text.top + Height(measured);

  const COLORREF oldColour = SetTextColor(dc, colour);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const UINT direction = item.rightToLeft ? DT_RIGHT | DT_RTLREADING : 0;
  RECT caption = text;
  DrawSkinText(dc, item.caption, caption, kTextFlags | direction);
  if (!item.shortcut.empty()) {
    RECT shortcut = item.rightToLeft
                        ? RECT{rect.left + 11, text.top, text.right - textWidth, text.bottom}
                        : RECT{text.left + textWidth, text.top, rect.right - 11, text.bottom};
    DrawSkinText(dc, item.shortcut, shortcut,
                 kTextFlags | (item.rightToLeft ? DT_LEFT | DT_RTLREADING : DT_RIGHT));
  }
  SetBkMode(dc, oldMode);
  SetTextColor(dc, oldColour);
}

// Where the client area of the window that DC paints starts inside the window: the popup
// frame's width on systems that draw the frame outside the client area, 0 where the client
// area is the whole window. A DC of no window (a print or memory DC) is taken as the former.
POINT ClientOrigin(HDC dc) {
  HWND window = WindowFromDC(dc);
  RECT outer{};
  POINT client{0, 0};
  if (!window || !GetWindowRect(window, &outer) || !ClientToScreen(window, &client))
    return POINT{kPopupFrameWidth, kPopupFrameWidth};
  return POINT{client.x - outer.left, client.y - outer.top};
}

// Under the item (rect in the client coordinates of the window that target paints): the popup
// window's skinned background where the item lies on it, else the skin's Menu colour.
void PaintItemGround(HDC work, HDC target, const RECT& rect, const TSkinData& skin,
                     const TBitmap* background) {
  const RECT whole{0, 0, Width(rect), Height(rect)};
  FillColour(work, whole, SkinColour(skin, ciMenu));
  if (!background || background->Empty())
    return;
  const POINT origin = ClientOrigin(target);
  TMemoryDC source(background->Handle());
  BitBlt(work, 0, 0, whole.right, whole.bottom, source.Get(), rect.left + origin.x,
         rect.top + origin.y, SRCCOPY);
}

std::wstring NativeItemText(HMENU menu, UINT item, bool byPosition, MENUITEMINFOW& info) {
  wchar_t text[kNativeTextLength + 1] = {};
  info = MENUITEMINFOW{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
  info.dwTypeData = text;
  info.cch = kNativeTextLength + 1;
  if (!GetMenuItemInfoW(menu, item, byPosition, &info))
    return std::wstring();
  return std::wstring(text);
}

}  // namespace

TMenuItemLook NativeMenuItemLook(HMENU menu, UINT item, bool byPosition) {
  MENUITEMINFOW info;
  const std::wstring text = NativeItemText(menu, item, byPosition, info);
  TMenuItemLook look;
  const size_t tab = text.find(L'\t');
  look.caption = text.substr(0, tab);
  if (tab != std::wstring::npos)
    look.shortcut = text.substr(tab + 1);
  look.enabled = !(info.fState & (MFS_GRAYED | MFS_DISABLED));
  look.checked = (info.fState & MFS_CHECKED) != 0;
  look.isDefault = (info.fState & MFS_DEFAULT) != 0;
  look.separator = (info.fType & MFT_SEPARATOR) != 0;
  look.rightToLeft = (info.fType & MFT_RIGHTORDER) != 0;
  return look;
}

void DrawMenuItem(HDC dc, const RECT& rect, const TMenuItemLook& item, bool selected,
                  const TSkinData& skin, const TBitmap* popupBackground) {
  const TDataSkinObject* element = MenuItemPicture(skin);
  if (!element) {
    DrawPlainMenuItem(dc, rect, item, selected, skin);
    return;
  }
  const int width = Width(rect), height = Height(rect);
  if (width <= 0 || height <= 0)
    return;
  TBitmap canvas(width, height, 24);
  {
    TMemoryDC work(canvas.Handle());
    PaintItemGround(work.Get(), dc, rect, skin, popupBackground);
    if (!item.separator) {
      const RECT whole{0, 0, width, height};
      DrawSkinElement(work.Get(), whole, element->Image, false, element->Tile != 0,
                      element->Trans != 0, kMenuItemFrames,
                      selected ? kMenuItemSelectedFrame : kMenuItemNormalFrame, element->Margins);
      TSelectObject keepFont(work.Get(), MenuFont());
      DrawItemContent(work.Get(), whole, item, selected, skin);
    }
    BitBlt(dc, rect.left, rect.top, width, height, work.Get(), 0, 0, SRCCOPY);
  }
  if (item.separator)
    DrawSeparator(dc, rect, skin);
}

void DrawNativeMenuItem(HDC dc, const RECT& rect, HMENU menu, UINT item, bool byPosition,
                        bool selected, const TSkinData& skin, const TBitmap* popupBackground) {
  DrawMenuItem(dc, rect, NativeMenuItemLook(menu, item, byPosition), selected, skin, popupBackground);
}

void DrawPlainMenuItem(HDC dc, const RECT& rect, const TMenuItemLook& item, bool selected,
                       const TSkinData& skin) {
  FillColour(dc, rect, SkinColour(skin, selected ? ciHilight : ciMenu));
  if (item.separator) {
    RECT line{rect.left, rect.top + 4, rect.right, rect.bottom};
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  DrawItemContent(dc, rect, item, selected, skin);
}

void DrawItemContent(HDC dc, const RECT& rect, const TMenuItemLook& item, bool selected,
                     const TSkinData& skin) {
  if (item.separator)
    return;
  const RECT glyph = GlyphRect(rect, item, skin);
  const COLORREF colour = TextColour(item, selected, skin);
  if (HasImage(item))
    DrawImage(dc, glyph, item);
  else if (item.checked)
    DrawCheckMark(dc, rect, glyph, colour);
  DrawTexts(dc, rect, glyph, item, colour);
}

void DrawSeparator(HDC dc, const RECT& rect, const TSkinData& skin) {
  const TDataSkinObject* element = MenuItemPicture(skin);
  if (!element)
    return;
  const TBitmap& picture = element->Image;
  const int frameWidth = picture.Width() / kMenuItemFrames;
  const int frameHeight = picture.Height();
  const int width = Width(rect), height = Height(rect);
  if (frameWidth <= 0 || frameHeight <= 0 || width <= 0 || height <= 0)
    return;
  int left = std::max(0, element->Margins.Left);
  int right = std::max(0, element->Margins.Right);
  if (left + right >= frameWidth || left + right > width)
    left = right = 0;
  // A picture taller than the item gives its bottom rows: that is where the line is drawn.
  const int sourceTop = std::max(0, frameHeight - height);
  const int sourceHeight = frameHeight - sourceTop;
  const int x0 = frameWidth * (kMenuItemSeparatorFrame - 1);

  TBitmap line(width, height, 24);
  {
    TMemoryDC to(line.Handle());
    TMemoryDC from(picture.Handle());
    SetStretchBltMode(to.Get(), COLORONCOLOR);
    if (left > 0)
      StretchBlt(to.Get(), 0, 0, left, height, from.Get(), x0, sourceTop, left, sourceHeight, SRCCOPY);
    StretchBlt(to.Get(), left, 0, width - left - right, height, from.Get(), x0 + left, sourceTop,
               frameWidth - left - right, sourceHeight, SRCCOPY);
    if (right > 0)
      StretchBlt(to.Get(), width - right, 0, right, height, from.Get(), x0 + frameWidth - right,
                 sourceTop, right, sourceHeight, SRCCOPY);
  }
  DrawTransparentBitmap(dc, rect, line, kColourKey);
}

int MeasureBarItem(int measuredWidth, bool hasImages, const TSkinData& skin) {
  return measuredWidth + MenuItemLeftMargin(skin) + 10 + (hasImages ? 0 : 25);
}

int MeasurePopupItem(int measuredWidth, bool hasImages, const TSkinData& skin) {
  return measuredWidth + MenuItemLeftMargin(skin) + 12 + (hasImages ? 0 : 23);
}

SIZE MeasureNativeMenuText(HDC dc, const std::wstring& text, const TSkinData& skin) {
  RECT measured{0, 0, 0, 0};
  if (!text.empty())
    DrawSkinText(dc, text, measured, kMeasureFlags);
  SIZE size{Width(measured) + 26 + MenuItemLeftMargin(skin), text.empty() ? 8 : Height(measured) + 4};
  if (!UseWideText())
    size.cy += 4;
  return size;
}

void MeasureNativeMenuItem(HMENU menu, MEASUREITEMSTRUCT& measure, const TSkinData& skin) {
  MENUITEMINFOW info;
  const std::wstring text = NativeItemText(menu, measure.itemID, false, info);
  TWindowDC screen(nullptr);
  TSelectObject keepFont(screen.Get(), MenuFont());
  const SIZE size = MeasureNativeMenuText(screen.Get(), text, skin);
  measure.itemWidth = static_cast<UINT>(size.cx);
  measure.itemHeight = static_cast<UINT>(size.cy);
}
