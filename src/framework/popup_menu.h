#pragma once
#include "framework/menu.h"

#include <windows.h>

// A popup menu. Popup shows it with TrackPopupMenu, owned by the popup menus' shared utility
// window, which turns the chosen command into the item's Click once the menu has closed and
// answers the owner-draw messages of the items.
class TPopupMenu : public TMenu {
public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;

  const char* ClassName() const override { return "TPopupMenu"; }

  // The first item marked Default, or null.
  TMenuItem* DefaultItem() const;

  // Whether components that carry the menu open it by themselves (right button, tray icon).
  bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool autoPopup) { autoPopup_ = autoPopup; }
  // The component the menu was last opened for, or null.
  TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* component);

  // Shows the menu with its top-left corner at the screen point; returns when it closes. The
  // chosen item's OnClick runs when the message loop delivers the command.
  void Popup(int x, int y);
  // The shared window that owns every tracked popup menu and receives their commands.
  static HWND PopupListWindow();

protected:
  void Notification(TComponent* component, TOperation operation) override;
  HMENU CreateNativeMenu() const override { return CreatePopupMenu(); }

private:
  bool autoPopup_ = true;                 // opened by the components that carry it
  TComponent* popupComponent_ = nullptr;  // set by whoever opens the menu
};
