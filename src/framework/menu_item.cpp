#include "framework/menu_item.h"

#include "framework/core/exceptions.h"
#include "framework/popup_menu.h"

#include <map>

namespace {

// Every live item by its command identifier. WM_COMMAND carries 16 bits of it.
std::map<UINT, TMenuItem*>& ItemsByCommand() {
  static std::map<UINT, TMenuItem*> items;
  return items;
}

UINT FreeCommand() {
  UINT command = 1;
  for (const auto& [used, item] : ItemsByCommand()) {
    if (used != command)
      break;
    ++command;
  }
  if (command > 0xFFFF)
    throw EOutOfResources("Too many menu items");
  return command;
}

}  // namespace

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(FreeCommand()) {
  ItemsByCommand()[command_] = this;
}

TMenuItem::~TMenuItem() {
  ItemsByCommand().erase(command_);
}

TMenuItem* TMenuItem::FindByCommand(UINT command) {
  auto it = ItemsByCommand().find(command);
  return it == ItemsByCommand().end() ? nullptr : it->second;
}

void TMenuItem::SetCaption(const std::string& caption) {
  caption_ = caption;
  Changed();
}

void TMenuItem::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Changed();
}

void TMenuItem::SetDefault(bool isDefault) {
  default_ = isDefault;
  Changed();
}

void TMenuItem::Click() {
  if (enabled_ && OnClick)
    OnClick(this);
}

void TMenuItem::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == menu_)
    menu_ = nullptr;
}

void TMenuItem::Changed() {
  if (menu_)
    menu_->ItemsChanged();
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (auto* menu = dynamic_cast<TPopupMenu*>(parent))
    menu->Add(this);
}
