#pragma once
#include "framework/core/component.h"
#include "framework/system/gdi_handles.h"
#include "framework/menu_item.h"

#include <windows.h>

#include <string>
#include <vector>

// A popup menu: an ordered list of items (components of their own, usually owned by the
// form) and the native menu built from them. The native menu is rebuilt after any change of the
// list or of an item. Popup shows it with TrackPopupMenu, owned by the popup menus' shared
// utility window, which turns the chosen command into the item's Click once the menu has closed.
class TPopupMenu : public TComponent {
public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;

  const char* ClassName() const override { return "TPopupMenu"; }

  // Appends ITEM (an item is in one menu at most; adding it here takes it from its old one).
  void Add(TMenuItem* item);
  void Remove(TMenuItem* item);
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
  // The first item marked Default, or null.
  TMenuItem* DefaultItem() const;

  // Whether components that carry the menu open it by themselves (right button, tray icon).
  bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool autoPopup) { autoPopup_ = autoPopup; }
  // The component the menu was last opened for, or null.
  TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* component);

  // The native menu, built on demand.
  HMENU Handle();
  // Shows the menu with its top-left corner at the screen point; returns when it closes. The
  // chosen item's OnClick runs when the message loop delivers the command.
  void Popup(int x, int y);
  // The shared window that owns every tracked popup menu and receives their commands.
  static HWND PopupListWindow();

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  friend class TMenuItem;
  void ItemsChanged() { handle_.Reset(); }
  UniqueMenu BuildMenu() const;

  std::vector<TMenuItem*> items_;            // in menu order, not owned
  bool autoPopup_ = true;                    // opened by the components that carry it
  TComponent* popupComponent_ = nullptr;     // set by whoever opens the menu
  UniqueMenu handle_;                        // the native menu, null until needed
};
