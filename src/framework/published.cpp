#include "framework/published.h"

#include "framework/core/class_ancestry.h"
#include "framework/core/sysutils.h"
#include "framework/standard_classes.h"

#include <map>

namespace {

std::map<std::string, TPublishedClass>& Classes() {
  static std::map<std::string, TPublishedClass> classes = [] {
    std::map<std::string, TPublishedClass> table;
    for (TPublishedClass& c : StandardClasses()) {
      c.Parent = ClassParent(c.Name);
      table.emplace(c.Name, std::move(c));
    }
    return table;
  }();
  return classes;
}

// The ordinal of a value name, compared without letter case; -1 when there is none.
int OrdinalOf(const TPublishedProperty& p, const std::string& valueName) {
  for (size_t i = 0; i < p.ValueNames.size(); ++i)
    if (SameText(p.ValueNames[i], valueName))
      return static_cast<int>(i);
  return -1;
}

}  // namespace

const TPublishedClass* FindPublishedClass(const std::string& name) {
  auto it = Classes().find(name);
  return it == Classes().end() ? nullptr : &it->second;
}

void RegisterPublishedClass(TPublishedClass publishedClass) {
  if (!publishedClass.Parent.empty() || !IsClassRegistered(publishedClass.Name))
    RegisterClassAncestry(publishedClass.Name, publishedClass.Parent);
  else
    publishedClass.Parent = ClassParent(publishedClass.Name);
  std::string name = publishedClass.Name;
  Classes().insert_or_assign(name, std::move(publishedClass));
}

const TPublishedProperty* FindPublishedProperty(const TComponent& object, const std::string& name) {
  // A class the tree does not know is served as a plain component.
  std::string cls = IsClassRegistered(object.ClassName()) ? object.ClassName() : "TComponent";
  for (; !cls.empty(); cls = ClassParent(cls))
    if (const TPublishedClass* c = FindPublishedClass(cls))
      for (const TPublishedProperty& p : c->Properties)
        if (p.Name == name)
          return &p;
  return nullptr;
}

namespace {

TPropertyValue Read(TComponent& object, const TPublishedProperty* p) {
  return p && p->Get ? p->Get(object) : TPropertyValue{};
}

TPropertyValue Read(TComponent& object, const std::string& name) {
  return Read(object, FindPublishedProperty(object, name));
}

}  // namespace

int GetIntegerProperty(TComponent& object, const std::string& name) {
  const TPublishedProperty* p = FindPublishedProperty(object, name);
  if (!p || p->Kind == TPropertyKind::pkEnumeration)
    return -1;
  TPropertyValue v = Read(object, p);
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

TComponent* GetObjectProperty(TComponent& object, const std::string& name, const std::string& className) {
  TComponent* value = GetObjectProperty(object, name);
  return value && value->InheritsFrom(className) ? value : nullptr;
}

std::string GetEnumPropertyName(TComponent& object, const std::string& name) {
  const TPublishedProperty* p = FindPublishedProperty(object, name);
  if (!p || p->ValueNames.empty())
    return std::string();
  TPropertyValue v = Read(object, p);
  int ordinal = -1;
  if (auto* i = std::get_if<int>(&v))
    ordinal = *i;
  else if (auto* b = std::get_if<bool>(&v))
    ordinal = *b ? 1 : 0;
  if (ordinal < 0 || ordinal >= static_cast<int>(p->ValueNames.size()))
    return std::string();
  return p->ValueNames[static_cast<size_t>(ordinal)];
}

bool SetPublishedProperty(TComponent& object, const std::string& name, const TPropertyValue& value) {
  const TPublishedProperty* p = FindPublishedProperty(object, name);
  if (!p || !p->Set)
    return false;
  TPropertyValue accepted = value;
  const bool fits = [&] {
    switch (p->Kind) {
      case TPropertyKind::pkInteger: return std::holds_alternative<int>(value);
      case TPropertyKind::pkBoolean: return std::holds_alternative<bool>(value);
      case TPropertyKind::pkEnumeration:
        if (auto* valueName = std::get_if<std::string>(&value))
          accepted = OrdinalOf(*p, *valueName);
        if (auto* ordinal = std::get_if<int>(&accepted))
          return *ordinal >= 0 && *ordinal < static_cast<int>(p->ValueNames.size());
        return false;
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
  p->Set(object, accepted);
  return true;
}

bool SetPropertyText(TComponent& object, const std::string& name, const std::string& text) {
  const TPublishedProperty* p = FindPublishedProperty(object, name);
  if (!p)
    return false;
  switch (p->Kind) {
    case TPropertyKind::pkInteger: {
      int value = 0;
      return TryStrToInt(text, value) && SetPublishedProperty(object, name, value);
    }
    case TPropertyKind::pkBoolean: {
      const int ordinal = OrdinalOf(*p, text);
      return ordinal >= 0 && SetPublishedProperty(object, name, ordinal == 1);
    }
    case TPropertyKind::pkEnumeration:
    case TPropertyKind::pkString:
      return SetPublishedProperty(object, name, text);
    default:
      return false;
  }
}
