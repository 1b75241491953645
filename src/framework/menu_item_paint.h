#pragma once
#include "framework/menu_item.h"

#include <windows.h>

// The plain look of owner-drawn menu items, for items without handlers of their own: system
// menu colours (highlight colours when selected), a glyph column with the item's image or check
// mark, the caption, and the shortcut right-aligned.

// The system's menu font, made once.
HFONT MenuFont();

// Left room for the image or check mark, and right room after the shortcut.
constexpr int kMenuGlyphColumn = 24;
constexpr int kMenuRightMargin = 12;

// The item's size in the plain look: its default measuring plus the glyph column and margin.
void MeasureMenuItemPlain(const TMenuItem& item, HDC dc, int& width, int& height);
// Paints the item into RECT of DC in the plain look.
void DrawMenuItemPlain(const TMenuItem& item, HDC dc, const RECT& rect, bool selected);
