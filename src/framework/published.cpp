#include "framework/published.h"

#include "framework/standard_classes.h"

#include <map>

namespace {

std::map<std::string, TPublishedClass>& Classes() {
  static std::map<std::string, TPublishedClass> classes = [] {
    std::map<std::string, TPublishedClass> table;
    for (TPublishedClass& c : StandardClasses())
      table.emplace(c.Name, std::move(c));
    return table;
  }();
  return classes;
}

int Depth(const TPublishedClass& c) {
  int depth = 0;
  for (const TPublishedClass* p = &c; !p->Parent.empty() && (p = FindPublishedClass(p->Parent));)
    ++depth;
  return depth;
}

// The object's class as published or, for a class that is not (a form's own), its most derived
// published ancestor.
const TPublishedClass* ClassOf(const TComponent& object) {
  if (const TPublishedClass* c = FindPublishedClass(object.ClassName()))
    return c;
  const TPublishedClass* best = nullptr;
  for (const auto& [name, c] : Classes())
    if (object.InheritsFrom(name) && (!best || Depth(c) > Depth(*best)))
      best = &c;
  return best;
}

}  // namespace

const TPublishedClass* FindPublishedClass(const std::string& name) {
  auto it = Classes().find(name);
  return it == Classes().end() ? nullptr : &it->second;
}

void RegisterPublishedClass(TPublishedClass publishedClass) {
  std::string name = publishedClass.Name;
  Classes().insert_or_assign(name, std::move(publishedClass));
}

const TPublishedProperty* FindPublishedProperty(const TComponent& object, const std::string& name) {
  for (const TPublishedClass* c = ClassOf(object); c; c = c->Parent.empty() ? nullptr : FindPublishedClass(c->Parent))
    for (const TPublishedProperty& p : c->Properties)
      if (p.Name == name)
        return &p;
  return nullptr;
}

namespace {

TPropertyValue Read(TComponent& object, const std::string& name) {
  const TPublishedProperty* p = FindPublishedProperty(object, name);
  return p && p->Get ? p->Get(object) : TPropertyValue{};
}

}  // namespace

int GetIntegerProperty(TComponent& object, const std::string& name) {
  TPropertyValue v = Read(object, name);
  if (auto* i = std::get_if<int>(&v))
    return *i;
  if (auto* b = std::get_if<bool>(&v))
    return *b ? 1 : 0;
  return -1;
}

std::string GetStringProperty(TComponent& object, const std::string& name) {
  TPropertyValue v = Read(object, name);
  auto* s = std::get_if<std::string>(&v);
  return s ? *s : std::string();
}

TComponent* GetObjectProperty(TComponent& object, const std::string& name) {
  TPropertyValue v = Read(object, name);
  auto* o = std::get_if<TComponent*>(&v);
  return o ? *o : nullptr;
}

bool SetPublishedProperty(TComponent& object, const std::string& name, const TPropertyValue& value) {
  const TPublishedProperty* p = FindPublishedProperty(object, name);
  if (!p || !p->Set)
    return false;
  const bool fits = [&] {
    switch (p->Kind) {
      case TPropertyKind::pkInteger: return std::holds_alternative<int>(value);
      case TPropertyKind::pkBoolean: return std::holds_alternative<bool>(value);
      case TPropertyKind::pkString: return std::holds_alternative<std::string>(value);
      case TPropertyKind::pkStrings: return std::holds_alternative<std::vector<std::string>>(value);
      case TPropertyKind::pkObject: return std::holds_alternative<TComponent*>(value);
      case TPropertyKind::pkEvent: return std::holds_alternative<TNotifyEvent>(value);
      case TPropertyKind::pkBinary: return std::holds_alternative<std::string>(value);
    }
    return false;
  }();
  if (!fits)
    return false;
  p->Set(object, value);
  return true;
}
