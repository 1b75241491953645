#include "framework/popup_menu.h"

#include "framework/menu_owner_draw.h"
#include "framework/utility_window.h"

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
  NoteMenuLoopMessage(msg);
  LRESULT result = 0;
  if (AnswerMenuOwnerDraw(msg, wParam, lParam, result))
    return result;
  return DefWindowProcA(PopupList().window->Handle(), msg, wParam, lParam);
}

}  // namespace

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {
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

TMenuItem* TPopupMenu::DefaultItem() const {
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Default())
      return Items(i);
  return nullptr;
}

void TPopupMenu::SetPopupComponent(TComponent* component) {
  popupComponent_ = component;
  // The link to an earlier popup component stays: it may carry another reference too.
  FreeNotification(component);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  TMenu::Notification(component, operation);
  if (operation == TOperation::opRemove && component == popupComponent_)
    popupComponent_ = nullptr;
}

void TPopupMenu::Popup(int x, int y) {
  UINT flags = TPM_RIGHTBUTTON | (RightToLeft() ? TPM_RIGHTALIGN : TPM_LEFTALIGN);
  if (HMENU menu = Handle())
    TrackPopupMenu(menu, flags, x, y, 0, PopupListWindow(), nullptr);
}
