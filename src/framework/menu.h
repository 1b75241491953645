#pragma once
#include "framework/core/component.h"
#include "framework/menu_item.h"
#include "framework/system/gdi_handles.h"

#include <commctrl.h>
#include <windows.h>

#include <vector>

// Owner windows of menus report every WM_ENTERMENULOOP and WM_EXITMENULOOP here: a native menu
// replaced inside a menu's loop is kept until the loop has ended.
void NoteMenuLoopMessage(UINT msg);

// What popup menus and menu bars share: the ordered top-level items (components of their own,
// usually owned by the form) and the native menu built from them, with every sub-item's
// submenu. A change of an item's look updates its native item in place; a change of which
// items exist rebuilds the native menu (MenuChanged says which, for a bar to follow). A native
// menu replaced while the thread is in a menu's loop (a Click run as a submenu opens) is kept
// until the loop has ended, since the loop may still show it.
class TMenu : public TComponent {
public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  const char* ClassName() const override { return "TMenu"; }

  // Appends ITEM (an item is listed by one menu or item at most; adding it here takes it from
  // its old one).
  void Add(TMenuItem* item);
  void Remove(TMenuItem* item);
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }

  // Native items are built MFT_OWNERDRAW, so that the owner window's WM_MEASUREITEM and
  // WM_DRAWITEM reach the items' handlers (see menu_owner_draw.h).
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool ownerDraw);
  // The images that items' ImageIndex refers to; not owned.
  HIMAGELIST Images() const { return images_; }
  void SetImages(HIMAGELIST images);
  // Items are laid out and read right to left.
  bool RightToLeft() const { return rightToLeft_; }
  void SetRightToLeft(bool rightToLeft);

  // The native menu, built on demand.
  HMENU Handle();
  bool HandleAllocated() const { return static_cast<bool>(handle_); }
  // The visible, enabled item of the menu with that shortcut, or null.
  TMenuItem* FindByShortCut(const TShortCut& shortCut) const;

protected:
  void Notification(TComponent* component, TOperation operation) override;
  // An empty native menu of the menu's kind (CreatePopupMenu, CreateMenu).
  virtual HMENU CreateNativeMenu() const = 0;
  // Whether ITEM is drawn by its owner; a bar's own items keep their text.
  virtual bool DrawnByOwner(const TMenuItem& item) const;
  // The native menu changed: OLD is the one it replaces (still alive, destroyed when this
  // returns), or null when an item was updated in place.
  virtual void MenuChanged(HMENU old);

private:
  friend class TMenuItem;
  void ItemChanged(TMenuItem& item, bool structure);
  void Rebuild();
  void FreeRetired();
  UniqueMenu BuildMenu();
  void AppendItems(HMENU native, const std::vector<TMenuItem*>& items);
  void ForgetSubMenus(const std::vector<TMenuItem*>& items);

  std::vector<TMenuItem*> items_;  // top-level items in order, not owned
  bool ownerDraw_ = false;         // native items are MFT_OWNERDRAW
  HIMAGELIST images_ = nullptr;    // not owned
  bool rightToLeft_ = false;       // right-to-left layout and reading
  UniqueMenu handle_;              // the native menu, null until needed
  std::vector<UniqueMenu> retired_;  // replaced while a menu was open, which may show them still
};
