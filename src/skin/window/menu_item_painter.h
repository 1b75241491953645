#pragma once
// The painters of owner-drawn menu items: skinned from the skin's MenuItem element over the
// popup window's skinned background, or plain in the skin's menu colours when the skin has no
// MenuItem picture. They see an item only as a TMenuItemLook, so framework menus and native
// menus are drawn alike.

#include "framework/graphics/bitmap.h"
#include "framework/system/gdi_handles.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

class TSkinData;

// What a painter needs to know of one menu item.
struct TMenuItemLook {
  std::wstring caption;          // "&" marks the accelerator
  std::wstring shortcut;         // drawn right-aligned; empty for none
  bool enabled = true;
  bool checked = false;
  bool isDefault = false;        // drawn bold
  bool separator = false;
  bool rightToLeft = false;      // glyph on the right, text read right to left
  HIMAGELIST images = nullptr;   // the menu's image list, if any
  int imageIndex = -1;           // the item's image in it; -1 for none
};

// Frames of the MenuItem strip: 1 normal, 2 separator, 4 selected.
inline constexpr int kMenuItemFrames = 5;
inline constexpr int kMenuItemNormalFrame = 1;
inline constexpr int kMenuItemSeparatorFrame = 2;
inline constexpr int kMenuItemSelectedFrame = 4;
// Width of the popup window's frame, which the item rectangles sit inside where the system
// draws it outside the client area.
inline constexpr int kPopupFrameWidth = 3;

// The item of a native menu, by command identifier or, with byPosition, by position: its text
// (the part after a tab is the shortcut), enabled unless grayed or disabled, checked, default,
// separator, right-to-left when the menu's item says so.
TMenuItemLook NativeMenuItemLook(HMENU menu, UINT item, bool byPosition);

// The skinned item over the popup background (the bitmap of the whole popup window, frame
// included; null paints the skin's Menu colour instead), in rect of dc. rect is in the client
// coordinates of the window dc belongs to; for a DC of no window, the client area is taken to
// start kPopupFrameWidth inside the background. Uses the plain painter when the skin has no
// MenuItem picture.
void DrawMenuItem(HDC dc, const RECT& rect, const TMenuItemLook& item, bool selected,
                  const TSkinData& skin, const TBitmap* popupBackground);
// The same for an item that exists only in a native menu; the look is read from the menu.
void DrawNativeMenuItem(HDC dc, const RECT& rect, HMENU menu, UINT item, bool byPosition,
                        bool selected, const TSkinData& skin, const TBitmap* popupBackground);
// The item on the skin's Hilight (selected) or Menu colour; a separator is an etched line.
void DrawPlainMenuItem(HDC dc, const RECT& rect, const TMenuItemLook& item, bool selected,
                       const TSkinData& skin);
// Glyph (image, or check mark), caption and shortcut of a non-separator item.
void DrawItemContent(HDC dc, const RECT& rect, const TMenuItemLook& item, bool selected,
                     const TSkinData& skin);
// Frame 2 of the MenuItem strip as a separator across rect, magenta left out.
void DrawSeparator(HDC dc, const RECT& rect, const TSkinData& skin);

// Widths after the item's own measuring, with room for the skinned glyph column: a menu-bar
// submenu item, and an item of a popup menu.
int MeasureBarItem(int measuredWidth, bool hasImages, const TSkinData& skin);
int MeasurePopupItem(int measuredWidth, bool hasImages, const TSkinData& skin);

// The size of a native menu item of that text, measured in dc's font: text width + 26 (+ the
// MenuItem left margin), text height + 4, or 8 high for an item without text; 4 more on the 9x
// family.
SIZE MeasureNativeMenuText(HDC dc, const std::wstring& text, const TSkinData& skin);
// WM_MEASUREITEM for an item of a native menu: its text read from the menu (80 characters at
// most) and measured in the menu font.
void MeasureNativeMenuItem(HMENU menu, MEASUREITEMSTRUCT& measure, const TSkinData& skin);
