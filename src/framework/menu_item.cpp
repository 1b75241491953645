#include "framework/menu_item.h"

#include "framework/core/exceptions.h"
#include "framework/menu.h"

#include <algorithm>
#include <map>

namespace {

// WM_COMMAND also arrives with identifiers no menu item gave: IsDialogMessage sends IDOK for
// Enter and IDCANCEL for Escape (IDOK..IDCONTINUE are 1..11), the window menu's SC_* start at
// 0xF000 and MDI frames number their children from kMDIFirstChild (form.h) up. Items keep clear
// of all of them, so a key press never runs an item.
constexpr UINT kFirstCommand = 0x0100;
constexpr UINT kLastCommand = 0xEFFF;

// Every live item by its command identifier. WM_COMMAND carries 16 bits of it.
std::map<UINT, TMenuItem*>& ItemsByCommand() {
  static std::map<UINT, TMenuItem*> items;
  return items;
}

UINT FreeCommand() {
  UINT command = kFirstCommand;
  for (const auto& [used, item] : ItemsByCommand()) {
    if (used != command)
      break;
    ++command;
  }
  if (command > kLastCommand)
    throw EOutOfResources("Too many menu items");
  return command;
}

}  // namespace

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(FreeCommand()) {
  ItemsByCommand()[command_] = this;
}

TMenuItem::~TMenuItem() {
  Detach();
  ItemsByCommand().erase(command_);
}

// Leaves the parent's list and the menu's, so neither keeps a pointer to a dying item.
void TMenuItem::Detach() {
  if (parent_)
    parent_->Remove(this);
  if (menu_)
    menu_->Remove(this);
}

TMenuItem* TMenuItem::FindByCommand(UINT command) {
  auto it = ItemsByCommand().find(command);
  return it == ItemsByCommand().end() ? nullptr : it->second;
}

TMenuItem* TMenuItem::FindBySubMenu(HMENU menu) {
  if (!menu)
    return nullptr;
  for (const auto& [command, item] : ItemsByCommand())
    if (item->subMenu_ == menu && item->Menu())
      return item;
  return nullptr;
}

TMenu* TMenuItem::Menu() const {
  const TMenuItem* top = this;
  while (top->parent_)
    top = top->parent_;
  return top->menu_;
}

HMENU TMenuItem::Handle() {
  TMenu* menu = Menu();
  if (!menu)
    return nullptr;  // an item out of every menu may remember a submenu long destroyed
  menu->Handle();    // builds the native tree, which records the submenus
  return subMenu_;
}

bool TMenuItem::RightToLeft() const {
  const TMenu* menu = Menu();
  return menu && menu->RightToLeft();
}

void TMenuItem::SetCaption(const std::string& caption) {
  const bool separatorChanged = (caption == "-") != IsLine();
  caption_ = caption;
  Changed(separatorChanged);
}

void TMenuItem::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Changed();
}

void TMenuItem::SetDefault(bool isDefault) {
  default_ = isDefault;
  Changed();
}

void TMenuItem::SetVisible(bool visible) {
  if (visible == visible_)
    return;
  visible_ = visible;
  Changed(true);
}

void TMenuItem::SetChecked(bool checked) {
  checked_ = checked;
  Changed();
}

void TMenuItem::SetShortCut(const std::string& text) {
  shortCutText_ = text;
  shortCut_ = TextToShortCut(text);
  Changed();
}

void TMenuItem::SetImageIndex(int index) {
  imageIndex_ = index;
  Changed();
}

void TMenuItem::Add(TMenuItem* item) {
  if (!item || item == this || item->parent_ == this)
    return;
  for (const TMenuItem* up = this; up; up = up->parent_)
    if (up == item)
      throw EInvalidOperation("A menu item cannot be placed under itself");
  item->Detach();
  items_.push_back(item);
  item->parent_ = this;
  FreeNotification(item);
  Changed(true);
}

void TMenuItem::Remove(TMenuItem* item) {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end())
    return;
  items_.erase(it);
  item->parent_ = nullptr;
  Changed(true);
}

void TMenuItem::Click() {
  if (enabled_ && OnClick)
    OnClick(this);
}

TMenuItem* TMenuItem::FindByShortCut(const TShortCut& shortCut) const {
  if (!shortCut.Key)
    return nullptr;
  for (TMenuItem* item : items_) {
    if (!item->visible_ || !item->enabled_)
      continue;
    if (item->shortCut_ == shortCut)
      return item;
    if (TMenuItem* found = item->FindByShortCut(shortCut))
      return found;
  }
  return nullptr;
}

void TMenuItem::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove)
    return;
  if (component == menu_)
    menu_ = nullptr;
  if (component == parent_)
    parent_ = nullptr;
  auto it = std::find(items_.begin(), items_.end(), component);
  if (it != items_.end()) {
    items_.erase(it);
    Changed(true);
  }
}

void TMenuItem::Changed(bool structure) {
  if (TMenu* menu = Menu())
    menu->ItemChanged(*this, structure);
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (auto* menu = dynamic_cast<TMenu*>(parent))
    menu->Add(this);
  else if (auto* item = dynamic_cast<TMenuItem*>(parent))
    item->Add(this);
}
