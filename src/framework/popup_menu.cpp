#include "framework/popup_menu.h"

#include "framework/utility_window.h"

#include <algorithm>
#include <memory>

namespace {

// The popup menus' shared window, alive while any popup menu is.
struct TPopupList {
  int menus = 0;                           // live popup menus
  std::unique_ptr<TUtilityWindow> window;  // owner of every tracked menu
};

TPopupList& PopupList() {
  static TPopupList list;
  return list;
}

LRESULT PopupListProcedure(UINT msg, WPARAM wParam, LPARAM lParam) {
  // A menu's WM_COMMAND: notification code 0, no control.
  if (msg == WM_COMMAND && HIWORD(wParam) == 0 && lParam == 0) {
    if (TMenuItem* item = TMenuItem::FindByCommand(LOWORD(wParam)))
      item->Click();
    return 0;
  }
  return DefWindowProcA(PopupList().window->Handle(), msg, wParam, lParam);
}

}  // namespace

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner) {
  TPopupList& list = PopupList();
  if (!list.window)
    list.window = std::make_unique<TUtilityWindow>(&PopupListProcedure);
  ++list.menus;
}

TPopupMenu::~TPopupMenu() {
  TPopupList& list = PopupList();
  if (--list.menus == 0)
    list.window.reset();
}

HWND TPopupMenu::PopupListWindow() {
  const TPopupList& list = PopupList();
  return list.window ? list.window->Handle() : nullptr;
}

void TPopupMenu::Add(TMenuItem* item) {
  if (!item || item->menu_ == this)
    return;
  if (item->menu_)
    item->menu_->Remove(item);
  items_.push_back(item);
  item->menu_ = this;
  FreeNotification(item);
  ItemsChanged();
}

void TPopupMenu::Remove(TMenuItem* item) {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end())
    return;
  items_.erase(it);
  item->menu_ = nullptr;
  ItemsChanged();
}

TMenuItem* TPopupMenu::DefaultItem() const {
  for (TMenuItem* item : items_)
    if (item->Default())
      return item;
  return nullptr;
}

void TPopupMenu::SetPopupComponent(TComponent* component) {
  popupComponent_ = component;
  // The link to an earlier popup component stays: it may carry another reference too.
  FreeNotification(component);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove)
    return;
  if (component == popupComponent_)
    popupComponent_ = nullptr;
  auto it = std::find(items_.begin(), items_.end(), component);
  if (it != items_.end()) {
    items_.erase(it);
    ItemsChanged();
  }
}

HMENU TPopupMenu::Handle() {
  if (!handle_)
    handle_ = BuildMenu();
  return handle_.Get();
}

UniqueMenu TPopupMenu::BuildMenu() const {
  UniqueMenu menu(CreatePopupMenu());
  if (!menu)
    return menu;
  for (const TMenuItem* item : items_) {
    if (item->IsLine()) {
      AppendMenuA(menu.Get(), MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const UINT flags = MF_STRING | (item->Enabled() ? MF_ENABLED : MF_GRAYED);
    AppendMenuA(menu.Get(), flags, item->Command(), item->Caption().c_str());
    if (item->Default())
      SetMenuDefaultItem(menu.Get(), item->Command(), FALSE);
  }
  return menu;
}

void TPopupMenu::Popup(int x, int y) {
  if (HMENU menu = Handle())
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, PopupListWindow(), nullptr);
}
