#include "framework/form_layout.h"

#include "framework/core/exceptions.h"
#include "framework/form.h"
#include "framework/system/resource.h"

#include <windows.h>

namespace {

[[noreturn]] void Fail(const std::string& component, const std::string& property, const std::string& why) {
  throw EReadError("Error reading " + component + "." + property + ": " + why);
}

// Reads one layout: object references wait until every component exists.
class TLayoutReader {
public:
  explicit TLayoutReader(TForm& form) : form_(form) {}

  void Read(const TFormLayout& layout) {
    for (const TLayoutProperty& p : layout.Form)
      SetProperty(form_, form_.Name(), p);
    for (const TLayoutComponent& entry : layout.Components)
      ReadComponent(entry);
    for (const TFixup& fixup : fixups_) {
      TComponent* target = fixup.Target.empty() ? nullptr : form_.FindComponent(fixup.Target);
      if (!target && !fixup.Target.empty())
        Fail(fixup.Object->Name(), fixup.Property, "Invalid property value '" + fixup.Target + "'");
      SetPublishedProperty(*fixup.Object, fixup.Property, target);
    }
    for (TComponent* c : read_)
      c->Loaded();
  }

private:
  struct TFixup {
    TComponent* Object;
    std::string Property;
    std::string Target;
  };

  void ReadComponent(const TLayoutComponent& entry) {
    const TPublishedClass* cls = FindPublishedClass(entry.ClassName);
    if (!cls || !cls->Create)
      Fail(entry.Name, "ClassName", "Class " + entry.ClassName + " not found");
    TComponent* component = cls->Create(&form_);
    component->SetName(entry.Name);
    read_.push_back(component);
    TComponent* parent = &form_;
    if (!entry.Parent.empty())
      parent = form_.FindComponent(entry.Parent);
    if (!parent)
      Fail(entry.Name, "Parent", "Invalid property value '" + entry.Parent + "'");
    component->SetParentComponent(parent);
    for (const TLayoutProperty& p : entry.Properties)
      SetProperty(*component, entry.Name, p);
  }

  void SetProperty(TComponent& object, const std::string& objectName, const TLayoutProperty& p) {
    if (const size_t dot = p.Name.find('.'); dot != std::string::npos) {
      TComponent* sub = GetObjectProperty(object, p.Name.substr(0, dot));
      if (!sub)
        Fail(objectName, p.Name, "Property does not exist");
      SetProperty(*sub, objectName, {p.Name.substr(dot + 1), p.Value});
      return;
    }
    const TPublishedProperty* property = FindPublishedProperty(object, p.Name);
    if (!property || !property->Set)
      Fail(objectName, p.Name, "Property does not exist");
    const auto* name = std::get_if<std::string>(&p.Value);
    if (property->Kind == TPropertyKind::pkObject && name) {
      fixups_.push_back({&object, p.Name, *name});
      return;
    }
    TPropertyValue value = p.Value;
    if (property->Kind == TPropertyKind::pkEvent && name) {
      value = form_.MethodAddress(*name);
      if (!std::get<TNotifyEvent>(value))
        Fail(objectName, p.Name, "Method " + *name + " not found");
    } else if (const auto* stored = std::get_if<TStoredResource>(&p.Value)) {
      value = std::string(ResourceBytes(GetModuleHandleA(nullptr), stored->Name, stored->Type));
    }
    if (!SetPublishedProperty(object, p.Name, value))
      Fail(objectName, p.Name, "Invalid property value");
  }

  TForm& form_;
  std::vector<TFixup> fixups_;     // references to set once every component exists
  std::vector<TComponent*> read_;  // told Loaded at the end, in creation order
};

}  // namespace

void ReadFormLayout(TForm& form, const TFormLayout& layout) {
  TLayoutReader(form).Read(layout);
}
