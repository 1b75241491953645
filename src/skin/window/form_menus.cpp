#include "skin/window/form_menus.h"

#include "framework/form.h"
#include "framework/main_menu.h"
#include "framework/popup_menu.h"
#include "skin/data/skin_data.h"
#include "skin/window/menu_item_painter.h"
#include "skin/window/popup_menu_skinner.h"
#include "skin/window/skin_manage.h"

#include <string>

namespace {

std::wstring Wide(const std::string& text) {
  std::wstring wide(text.size() + 1, L'\0');
  wide.resize(static_cast<size_t>(
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), static_cast<int>(wide.size()))));
  return wide;
}

// The native menu ITEM is shown in: its parent item's submenu, or its menu's own.
HMENU MenuShowing(TMenuItem& item) {
  if (TMenuItem* parent = item.Parent())
    return parent->Handle();
  TMenu* menu = item.Menu();
  return menu ? menu->Handle() : nullptr;
}

void DrawItem(TSkinData& skin, TMenuItem* item, HDC dc, const RECT& rect, bool selected) {
  const TBitmap* background = nullptr;
  if (TSkinManage* manager = SkinManage()) {
    HMENU menu = MenuShowing(*item);
    manager->BindPopupMenu(menu);
    if (TWinSkinPopMenu* popup = manager->PopupFor(menu); popup && !popup->Background().Empty())
      background = &popup->Background();
  }
  DrawMenuItem(dc, rect, LookOf(*item), selected, skin, background);
}

bool HasImages(TMenuItem& item) {
  TMenu* menu = item.Menu();
  return menu && menu->Images();
}

// Every item below ITEMS' level, recursively.
template <class Fn>
void ForEachItem(TMenuItem& item, Fn&& fn) {
  fn(item);
  for (int i = 0; i < item.Count(); ++i)
    ForEachItem(*item.Items(i), fn);
}

void PaintItems(TMenuItem& top, TSkinData& skin, bool enable, bool popup) {
  ForEachItem(top, [&](TMenuItem& item) {
    if (!enable) {
      item.OnDrawItem = nullptr;
      item.OnMeasureItem = nullptr;
      return;
    }
    if (!popup && item.OnDrawItem)
      return;
    item.OnDrawItem = [&skin](TMenuItem* drawn, HDC dc, const RECT& rect, bool selected) {
      DrawItem(skin, drawn, dc, rect, selected);
    };
    if (!item.OnMeasureItem || !popup)
      item.OnMeasureItem = [&skin, popup](TMenuItem* measured, HDC, int& width, int&) {
        width = popup ? MeasurePopupItem(width, HasImages(*measured), skin)
                      : MeasureBarItem(width, HasImages(*measured), skin);
      };
  });
}

}  // namespace

TMenuItemLook LookOf(TMenuItem& item) {
  TMenuItemLook look;
  look.caption = Wide(item.Caption());
  look.shortcut = Wide(item.ShortCut());
  look.enabled = item.Enabled();
  look.checked = item.Checked();
  look.isDefault = item.Default();
  look.separator = item.IsLine();
  look.rightToLeft = item.RightToLeft();
  TMenu* menu = item.Menu();
  look.images = menu ? menu->Images() : nullptr;
  look.imageIndex = item.ImageIndex();
  return look;
}

void PrepareFormMenus(TComponent& container, TSkinData& skin, bool enable) {
  if (std::string(container.ClassName()) == "TwwRichEditForm")
    return;
  for (int i = 0; i < container.ComponentCount(); ++i) {
    TComponent* component = container.Components(i);
    if (dynamic_cast<TForm*>(component)) {
      PrepareFormMenus(*component, skin, enable);
      continue;
    }
    auto* popup = dynamic_cast<TPopupMenu*>(component);
    if (!popup || popup->Tag() == skin.DisableTag() || !skin.SkinControls().Contains(xcPopupMenu))
      continue;
    popup->SetOwnerDraw(enable);
    for (int j = 0; j < popup->Count(); ++j)
      PaintItems(*popup->Items(j), skin, enable, true);
  }
}

void PrepareMainMenus(TComponent& form, TSkinData& skin, bool enable) {
  for (int i = 0; i < form.ComponentCount(); ++i) {
    auto* bar = dynamic_cast<TMainMenu*>(form.Components(i));
    if (!bar)
      continue;
    bar->SetOwnerDraw(enable);
    for (int j = 0; j < bar->Count(); ++j)
      for (int k = 0; k < bar->Items(j)->Count(); ++k)
        PaintItems(*bar->Items(j)->Items(k), skin, enable, false);
  }
}
