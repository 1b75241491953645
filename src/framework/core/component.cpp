#include "framework/core/component.h"

#include "framework/core/class_ancestry.h"

#include <algorithm>

namespace {

void EraseOnce(std::vector<TComponent*>& list, TComponent* item) {
  auto it = std::find(list.begin(), list.end(), item);
  if (it != list.end())
    list.erase(it);
}

}  // namespace

TComponent::TComponent(TComponent* owner) : owner_(nullptr) {
  if (owner)
    owner->InsertComponent(this);
}

TComponent::~TComponent() {
  // Everyone who holds a reference hears of the destruction first.
  while (!freeNotifies_.empty()) {
    TComponent* other = freeNotifies_.back();
    freeNotifies_.pop_back();
    EraseOnce(other->freeNotifies_, this);
    other->Notification(this, TOperation::opRemove);
  }
  // Owned components go in reverse order of creation, newest first.
  while (!components_.empty()) {
    TComponent* child = components_.back();
    delete child;  // its destructor removes it from components_
  }
  if (owner_)
    owner_->RemoveComponent(this);
}

bool TComponent::InheritsFrom(const std::string& className) const {
  return className == "TComponent" || ClassInheritsFrom(ClassName(), className);
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  for (TComponent* c : components_)
    if (!name.empty() && c->name_ == name)
      return c;
  return nullptr;
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this)
    return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end()) {
    freeNotifies_.push_back(component);
    component->freeNotifies_.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (!component)
    return;
  EraseOnce(freeNotifies_, component);
  EraseOnce(component->freeNotifies_, this);
}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::InsertComponent(TComponent* component) {
  components_.push_back(component);
  component->owner_ = this;
  Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  Notification(component, TOperation::opRemove);
  EraseOnce(components_, component);
  component->owner_ = nullptr;
}
