#include "framework/main_menu.h"

#include "framework/control.h"

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}

TMainMenu::~TMainMenu() {
  // The window must not keep a bar that is about to be destroyed.
  if (window_ && window_->HandleAllocated() && HandleAllocated() && GetMenu(window_->Handle()) == Handle())
    SetMenu(window_->Handle(), nullptr);
}

bool TMainMenu::DrawnByOwner(const TMenuItem& item) const {
  return OwnerDraw() && item.Parent() != nullptr;
}

void TMainMenu::SetWindow(TWinControl* window) {
  if (window_)
    RemoveFreeNotification(window_);
  window_ = window;
  FreeNotification(window_);
}

void TMainMenu::MenuChanged(HMENU old) {
  if (!window_ || !window_->HandleAllocated())
    return;
  HWND window = window_->Handle();
  SendMessageA(window, CM_MENUCHANGED, 0, 0);
  // Whatever a hook did with the notification, the window must not keep the old bar, which is
  // destroyed when this returns.
  if (old && GetMenu(window) == old)
    SetMenu(window, Handle());
}

void TMainMenu::Notification(TComponent* component, TOperation operation) {
  TMenu::Notification(component, operation);
  if (operation == TOperation::opRemove && component == window_)
    window_ = nullptr;
}
