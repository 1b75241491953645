#include "framework/menu_owner_draw.h"

#include "framework/menu_item.h"
#include "framework/menu_item_paint.h"
#include "framework/system/gdi_handles.h"

#include <cctype>

namespace {

TMenuItem* ItemOf(UINT itemID) {
  if (TMenuItem* item = TMenuItem::FindByCommand(itemID))
    return item;
  // Some systems identify an item with a submenu by the submenu's handle.
  return TMenuItem::FindBySubMenu(reinterpret_cast<HMENU>(static_cast<UINT_PTR>(itemID)));
}

bool MeasureItem(MEASUREITEMSTRUCT& measure) {
  if (measure.CtlType != ODT_MENU)
    return false;
  TMenuItem* item = ItemOf(measure.itemID);
  if (!item)
    return false;
  TWindowDC screen(nullptr);
  TSelectObject keep(screen.Get(), MenuFont());
  int width = 0, height = 0;
  if (item->OnMeasureItem) {
    item->MeasureDefault(screen.Get(), width, height);
    item->OnMeasureItem(item, screen.Get(), width, height);
  } else {
    MeasureMenuItemPlain(*item, screen.Get(), width, height);
  }
  measure.itemWidth = static_cast<UINT>(width > 0 ? width : 0);
  measure.itemHeight = static_cast<UINT>(height > 0 ? height : 0);
  return true;
}

bool DrawItem(const DRAWITEMSTRUCT& draw) {
  if (draw.CtlType != ODT_MENU)
    return false;
  TMenuItem* item = ItemOf(draw.itemID);
  if (!item)
    return false;
  TSaveDC saved(draw.hDC);
  SelectObject(draw.hDC, MenuFont());
  const bool selected = (draw.itemState & ODS_SELECTED) != 0;
  if (item->OnDrawItem)
    item->OnDrawItem(item, draw.hDC, draw.rcItem, selected);
  else
    DrawMenuItemPlain(*item, draw.hDC, draw.rcItem, selected);
  return true;
}

// The position of the first owner-drawn item of MENU whose caption has CHARACTER after "&".
int AcceleratedPosition(HMENU menu, char character) {
  const int count = GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info) || !(info.fType & MFT_OWNERDRAW))
      continue;
    const TMenuItem* item = TMenuItem::FindByCommand(info.wID);
    if (item && item->Enabled() && MenuAccelerator(item->Caption()) == character)
      return position;
  }
  return -1;
}

}  // namespace

bool AnswerMenuOwnerDraw(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_MEASUREITEM:
      if (wParam == 0 && lParam && MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) {
        result = TRUE;
        return true;
      }
      return false;
    case WM_DRAWITEM:
      if (wParam == 0 && lParam && DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
        result = TRUE;
        return true;
      }
      return false;
    case WM_MENUCHAR: {
      const char character = static_cast<char>(std::tolower(LOWORD(wParam) & 0xFF));
      const int position = AcceleratedPosition(reinterpret_cast<HMENU>(lParam), character);
      if (position < 0)
        return false;
      result = MAKELRESULT(position, MNC_EXECUTE);
      return true;
    }
  }
  return false;
}
