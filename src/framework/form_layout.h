#pragma once
// A form's layout as data: the form's own properties, then its components in creation order,
// each with its class, name, parent and properties. Reading it makes the components (owned by
// the form), sets their properties and binds events to the form's handlers by name.
#include "framework/published.h"

#include <string>
#include <vector>

class TForm;

// A value as a layout writes it. Events and object references are written as names: the
// handler's, or the component's (which may come later in the layout). A property name with a
// dot sets a property of a sub-object ("EditLabel.Caption").
struct TLayoutProperty {
  std::string Name;
  TPropertyValue Value;
};

struct TLayoutComponent {
  std::string ClassName;
  std::string Name;
  std::string Parent;  // the control or menu it is placed in; empty: the form itself
  std::vector<TLayoutProperty> Properties;
};

struct TFormLayout {
  std::vector<TLayoutProperty> Form;
  std::vector<TLayoutComponent> Components;
};

// Raises EReadError naming the component and property for a layout the classes do not fit.
void ReadFormLayout(TForm& form, const TFormLayout& layout);
