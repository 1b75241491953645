#include "skin/window/owner_drawn_menus.h"

#include "framework/menu_item_paint.h"
#include "framework/system/gdi_handles.h"
#include "skin/window/menu_item_painter.h"

namespace {

// Marks our items' data so that items owner-drawn by someone else are left to them.
constexpr ULONG_PTR kItemDataBase = 0x7E570000;

}  // namespace

void TOwnerDrawnMenus::Convert(HMENU menu, const TImageOf& imageOf) {
  const int count = menu ? GetMenuItemCount(menu) : 0;
  for (int position = 0; position < count; ++position) {
    wchar_t text[256] = L"";
    MENUITEMINFOW info{sizeof info};
    info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU | MIIM_ID;
    info.dwTypeData = text;
    info.cch = 255;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info) || (info.fType & MFT_OWNERDRAW))
      continue;
    const int image = imageOf ? imageOf(info.wID) : -1;
    items_.push_back({menu, static_cast<UINT>(position), info.fType, text, image});
    MENUITEMINFOW owner{sizeof owner};
    owner.fMask = MIIM_FTYPE | MIIM_DATA;
    owner.fType = info.fType | MFT_OWNERDRAW;
    owner.dwItemData = kItemDataBase + items_.size() - 1;
    SetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &owner);
    if (info.hSubMenu)
      Convert(info.hSubMenu, imageOf);
  }
}

void TOwnerDrawnMenus::Restore() {
  for (const TItem& item : items_) {
    if (!IsMenu(item.Menu))
      continue;
    MENUITEMINFOW info{sizeof info};
    info.fMask = MIIM_FTYPE | MIIM_DATA | ((item.Type & MFT_SEPARATOR) ? 0 : MIIM_STRING);
    info.fType = item.Type;
    info.dwItemData = 0;
    info.dwTypeData = const_cast<wchar_t*>(item.Text.c_str());
    SetMenuItemInfoW(item.Menu, item.Position, TRUE, &info);
  }
  items_.clear();
}

const TOwnerDrawnMenus::TItem* TOwnerDrawnMenus::Find(HMENU menu, ULONG_PTR data) const {
  if (data < kItemDataBase || data - kItemDataBase >= items_.size())
    return nullptr;
  const TItem& item = items_[data - kItemDataBase];
  return !menu || item.Menu == menu ? &item : nullptr;
}

bool TOwnerDrawnMenus::Measure(MEASUREITEMSTRUCT& measure, const TSkinData& skin) const {
  if (measure.CtlType != ODT_MENU)
    return false;
  const TItem* item = Find(nullptr, measure.itemData);
  if (!item)
    return false;
  UniqueDC dc(CreateCompatibleDC(nullptr));
  TSelectObject keep(dc.Get(), MenuFont());
  const SIZE size = MeasureNativeMenuText(dc.Get(), (item->Type & MFT_SEPARATOR) ? L"" : item->Text, skin);
  measure.itemWidth = static_cast<UINT>(size.cx);
  measure.itemHeight = static_cast<UINT>(size.cy);
  return true;
}

bool TOwnerDrawnMenus::Draw(const DRAWITEMSTRUCT& draw, const TSkinData& skin, const TBitmap* background,
                            HIMAGELIST images) const {
  if (draw.CtlType != ODT_MENU)
    return false;
  const TItem* item = Find(reinterpret_cast<HMENU>(draw.hwndItem), draw.itemData);
  if (!item)
    return false;
  TMenuItemLook look = NativeMenuItemLook(item->Menu, item->Position, true);
  const size_t tab = item->Text.find(L'\t');
  look.caption = item->Text.substr(0, tab);
  look.shortcut = tab == std::wstring::npos ? L"" : item->Text.substr(tab + 1);
  look.separator = (item->Type & MFT_SEPARATOR) != 0;
  look.images = item->Image >= 0 ? images : nullptr;
  look.imageIndex = item->Image;
  DrawMenuItem(draw.hDC, draw.rcItem, look, (draw.itemState & ODS_SELECTED) != 0, skin, background);
  return true;
}
