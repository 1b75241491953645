#pragma once
// Native menu items switched to owner-drawn while a skinned window shows them, with what it
// takes to measure and draw them from the skin and to give them their own look back.

#include "framework/graphics/bitmap.h"

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

class TSkinData;

class TOwnerDrawnMenus {
public:
  using TImageOf = std::function<int(UINT command)>;

  TOwnerDrawnMenus() = default;
  ~TOwnerDrawnMenus() { Restore(); }
  TOwnerDrawnMenus(const TOwnerDrawnMenus&) = delete;
  TOwnerDrawnMenus& operator=(const TOwnerDrawnMenus&) = delete;

  // Every item of MENU and of its submenus becomes owner-drawn; IMAGE_OF, when given, names the
  // glyph of an item by its command (-1 for none).
  void Convert(HMENU menu, const TImageOf& imageOf = {});
  // Every converted item back to its own type and text.
  void Restore();

  // WM_MEASUREITEM and WM_DRAWITEM for a converted item; false for any other.
  bool Measure(MEASUREITEMSTRUCT& measure, const TSkinData& skin) const;
  bool Draw(const DRAWITEMSTRUCT& draw, const TSkinData& skin, const TBitmap* background,
            HIMAGELIST images) const;

private:
  struct TItem {
    HMENU Menu;
    UINT Position;
    UINT Type;          // the item's own type flags
    std::wstring Text;  // its own text; owner-drawn items keep none
    int Image;
  };
  const TItem* Find(HMENU menu, ULONG_PTR data) const;

  std::vector<TItem> items_;
};
