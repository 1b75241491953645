#pragma once
// Published properties: every framework class lists, by name, the properties a form's layout
// sets and a skinner reads ("Caption", "Checked", "Font", ...). A property a class lacks reads
// as nothing, so any class with properties of those names is served alike.
#include "framework/core/component.h"

#include <functional>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

using TNotifyEvent = std::function<void(TComponent* sender)>;

// Bytes stored in the executable's resources, handed to a property's reader when a form's
// layout is read.
struct TStoredResource {
  const char* Name;
  const char* Type;
};

using TPropertyValue = std::variant<std::monostate, int, bool, std::string, std::vector<std::string>,
                                    TComponent*, TNotifyEvent, TStoredResource>;

// An enumeration holds its value's ordinal (an int) and has value names; a boolean is the
// enumeration False, True, held as a bool.
enum class TPropertyKind { pkInteger, pkBoolean, pkEnumeration, pkString, pkStrings, pkObject, pkEvent, pkBinary };

struct TPublishedProperty {
  std::string Name;
  TPropertyKind Kind;
  std::function<TPropertyValue(TComponent&)> Get;             // empty: not readable
  std::function<void(TComponent&, const TPropertyValue&)> Set;  // empty: read-only
  std::vector<std::string> ValueNames;                        // an enumeration's, by ordinal
};

struct TPublishedClass {
  std::string Name;
  // The ancestor's name, as the class tree has it (class_ancestry.h): registering a class with
  // a parent enters it there; the framework's own classes take theirs from it.
  std::string Parent;
  std::function<TComponent*(TComponent* owner)> Create;  // empty: not made by a layout
  std::vector<TPublishedProperty> Properties;
};

// The class of that name among the framework's, or null.
const TPublishedClass* FindPublishedClass(const std::string& name);
// Adds a class (a form's, say) beside the framework's own.
void RegisterPublishedClass(TPublishedClass publishedClass);

// The property of that name of the object's class or of its nearest ancestor that has one.
const TPublishedProperty* FindPublishedProperty(const TComponent& object, const std::string& name);

// Reading by name: a missing or unreadable property gives -1, "" or null. An integer property
// reads as its value and a boolean as 0 or 1; an enumeration is read by its value name.
int GetIntegerProperty(TComponent& object, const std::string& name);
std::string GetStringProperty(TComponent& object, const std::string& name);
TComponent* GetObjectProperty(TComponent& object, const std::string& name);
// An object property whose value is of that class or descends from it; null otherwise.
TComponent* GetObjectProperty(TComponent& object, const std::string& name, const std::string& className);
// The value name of an enumeration or boolean property ("alClient", "True"); "" otherwise.
std::string GetEnumPropertyName(TComponent& object, const std::string& name);
// Writes a property; false when the class has no writable property of that name and kind. An
// enumeration takes its ordinal or a value name (any letter case).
bool SetPublishedProperty(TComponent& object, const std::string& name, const TPropertyValue& value);
// Writes a property from text: an integer from its digits (StrToInt's rule), an enumeration or
// boolean by value name, a string as it is. False for other kinds, a missing or read-only
// property, or text the property cannot take.
bool SetPropertyText(TComponent& object, const std::string& name, const std::string& text);

// Adaptors from a class's accessors to a published property: GET takes C&, SET takes C& and the
// value; a null SET makes the property read-only.
template <class C, class V, TPropertyKind Kind, class Get, class Set>
TPublishedProperty MakeProperty(std::string name, Get get, Set set) {
  TPublishedProperty property{std::move(name), Kind, {}, {}};
  property.Get = [get](TComponent& c) -> TPropertyValue { return V(get(static_cast<C&>(c))); };
  if constexpr (!std::is_same_v<Set, std::nullptr_t>)
    property.Set = [set](TComponent& c, const TPropertyValue& v) { set(static_cast<C&>(c), std::get<V>(v)); };
  return property;
}

template <class C, class Get, class Set>
TPublishedProperty IntegerProperty(std::string name, Get get, Set set) {
  return MakeProperty<C, int, TPropertyKind::pkInteger>(std::move(name), get, set);
}
template <class C, class Get, class Set>
TPublishedProperty BooleanProperty(std::string name, Get get, Set set) {
  TPublishedProperty property = MakeProperty<C, bool, TPropertyKind::pkBoolean>(std::move(name), get, set);
  property.ValueNames = {"False", "True"};
  return property;
}
// An enumeration E whose ordinals index VALUENAMES; SetPublishedProperty checks the range.
template <class C, class Get, class Set>
TPublishedProperty EnumerationProperty(std::string name, std::vector<std::string> valueNames, Get get, Set set) {
  TPublishedProperty property{std::move(name), TPropertyKind::pkEnumeration, {}, {}, std::move(valueNames)};
  property.Get = [get](TComponent& c) -> TPropertyValue { return static_cast<int>(get(static_cast<C&>(c))); };
  if constexpr (!std::is_same_v<Set, std::nullptr_t>)
    property.Set = [get, set](TComponent& c, const TPropertyValue& v) {
      using E = std::decay_t<decltype(get(static_cast<C&>(c)))>;
      set(static_cast<C&>(c), static_cast<E>(std::get<int>(v)));
    };
  return property;
}
template <class C, class Get, class Set>
TPublishedProperty StringProperty(std::string name, Get get, Set set) {
  return MakeProperty<C, std::string, TPropertyKind::pkString>(std::move(name), get, set);
}
template <class C, class Get, class Set>
TPublishedProperty StringsProperty(std::string name, Get get, Set set) {
  return MakeProperty<C, std::vector<std::string>, TPropertyKind::pkStrings>(std::move(name), get, set);
}
template <class C, class Get, class Set>
TPublishedProperty ObjectProperty(std::string name, Get get, Set set) {
  return MakeProperty<C, TComponent*, TPropertyKind::pkObject>(std::move(name), get, set);
}
// An event held in a member of type TNotifyEvent.
template <class C>
TPublishedProperty EventProperty(std::string name, TNotifyEvent C::*member) {
  return MakeProperty<C, TNotifyEvent, TPropertyKind::pkEvent>(
      std::move(name), [member](C& c) { return c.*member; },
      [member](C& c, const TNotifyEvent& e) { c.*member = e; });
}
