#include "framework/menu.h"

#include <algorithm>
#include <string>

namespace {

// The native description of ITEM; TEXT must outlive the structure.
MENUITEMINFOA NativeItem(const TMenuItem& item, bool ownerDrawn, bool rightToLeft, std::string& text) {
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
  info.wID = item.Command();
  info.dwItemData = item.Command();
  if (ownerDrawn)
    info.fType = MFT_OWNERDRAW | (item.IsLine() ? MFT_SEPARATOR : 0);
  else if (item.IsLine())
    info.fType = MFT_SEPARATOR;
  else {
    info.fType = MFT_STRING;
    info.fMask |= MIIM_STRING;
    // The system draws the text after a tab right-aligned: that is the shortcut's column.
    text = item.ShortCut().empty() ? item.Caption() : item.Caption() + "\t" + item.ShortCut();
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
  }
  if (rightToLeft)
    info.fType |= MFT_RIGHTORDER;
  info.fState = (item.Enabled() ? MFS_ENABLED : MFS_GRAYED) | (item.Checked() ? MFS_CHECKED : 0) |
                (item.Default() ? MFS_DEFAULT : 0);
  return info;
}

// Menu loops the owner windows reported as entered and not yet left (the thread's own).
thread_local int openMenuLoops = 0;

// A loop opened without notifications (TPM_NONOTIFY) is only known to the system.
bool InMenuLoop() {
  if (openMenuLoops > 0)
    return true;
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetCurrentThreadId(), &info) && (info.flags & GUI_INMENUMODE);
}

}  // namespace

void NoteMenuLoopMessage(UINT msg) {
  if (msg == WM_ENTERMENULOOP)
    ++openMenuLoops;
  else if (msg == WM_EXITMENULOOP && openMenuLoops > 0)
    --openMenuLoops;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner) {}

TMenu::~TMenu() {
  // Items outlive their menu: they must not keep a pointer to it nor to its native submenus.
  for (TMenuItem* item : items_)
    item->menu_ = nullptr;
  ForgetSubMenus(items_);
}

void TMenu::Add(TMenuItem* item) {
  if (!item || item->menu_ == this)
    return;
  item->Detach();
  items_.push_back(item);
  item->menu_ = this;
  FreeNotification(item);
  ItemChanged(*item, true);
}

void TMenu::Remove(TMenuItem* item) {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end())
    return;
  items_.erase(it);
  item->menu_ = nullptr;
  ItemChanged(*item, true);
}

void TMenu::SetOwnerDraw(bool ownerDraw) {
  if (ownerDraw == ownerDraw_)
    return;
  ownerDraw_ = ownerDraw;
  Rebuild();
}

void TMenu::SetImages(HIMAGELIST images) {
  images_ = images;
  if (handle_)
    MenuChanged(nullptr);
}

void TMenu::SetRightToLeft(bool rightToLeft) {
  if (rightToLeft == rightToLeft_)
    return;
  rightToLeft_ = rightToLeft;
  Rebuild();
}

HMENU TMenu::Handle() {
  FreeRetired();
  if (!handle_)
    handle_ = BuildMenu();
  return handle_.Get();
}

TMenuItem* TMenu::FindByShortCut(const TShortCut& shortCut) const {
  if (!shortCut.Key)
    return nullptr;
  for (TMenuItem* item : items_) {
    if (!item->Visible() || !item->Enabled())
      continue;
    if (item->ShortCutKey() == shortCut)
      return item;
    if (TMenuItem* found = item->FindByShortCut(shortCut))
      return found;
  }
  return nullptr;
}

bool TMenu::DrawnByOwner(const TMenuItem&) const {
  return ownerDraw_;
}

void TMenu::MenuChanged(HMENU) {}

void TMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove)
    return;
  auto it = std::find(items_.begin(), items_.end(), component);
  if (it != items_.end()) {
    items_.erase(it);
    Rebuild();
  }
}

void TMenu::ForgetSubMenus(const std::vector<TMenuItem*>& items) {
  for (TMenuItem* item : items) {
    item->subMenu_ = nullptr;
    ForgetSubMenus(item->items_);
  }
}

// A new native menu, built while the old one stays alive until MenuChanged has let go of it
// (a bar attached to a window, a submenu being tracked). Nothing while none was built yet.
void TMenu::Rebuild() {
  if (!handle_)
    return;
  FreeRetired();
  UniqueMenu old = std::move(handle_);
  ForgetSubMenus(items_);
  handle_ = BuildMenu();
  MenuChanged(old.Get());
  if (InMenuLoop())
    retired_.push_back(std::move(old));
}

void TMenu::FreeRetired() {
  if (!retired_.empty() && !InMenuLoop())
    retired_.clear();
}

// A look change is written into the live native item; a change of which items exist rebuilds.
void TMenu::ItemChanged(TMenuItem& item, bool structure) {
  if (!handle_)
    return;
  if (structure) {
    Rebuild();
    return;
  }
  std::string text;
  MENUITEMINFOA info = NativeItem(item, DrawnByOwner(item), rightToLeft_, text);
  // The type stays: what decides it changes only with a rebuild, and a skinned bar switches
  // the items of a submenu it opens to owner-drawn itself.
  info.fMask &= ~(MIIM_ID | MIIM_DATA | MIIM_FTYPE);
  // By identifier: the call finds the item in whichever submenu holds it.
  SetMenuItemInfoA(handle_.Get(), item.Command(), FALSE, &info);
  MenuChanged(nullptr);
}

UniqueMenu TMenu::BuildMenu() {
  UniqueMenu menu(CreateNativeMenu());
  if (menu)
    AppendItems(menu.Get(), items_);
  return menu;
}

void TMenu::AppendItems(HMENU native, const std::vector<TMenuItem*>& items) {
  UINT position = 0;
  for (TMenuItem* item : items) {
    if (!item->Visible())
      continue;
    std::string text;
    MENUITEMINFOA info = NativeItem(*item, DrawnByOwner(*item), rightToLeft_, text);
    if (!item->IsLine() && std::any_of(item->items_.begin(), item->items_.end(),
                                       [](const TMenuItem* sub) { return sub->Visible(); })) {
      // A submenu belongs to the tree: DestroyMenu of the top menu destroys it.
      HMENU sub = CreatePopupMenu();
      AppendItems(sub, item->items_);
      item->subMenu_ = sub;
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = sub;
    }
    InsertMenuItemA(native, position++, TRUE, &info);
  }
}
