#pragma once
// The class tree by name: every class the framework names, with its parent's name. It is the one
// answer to "does class A descend from B", for TComponent::InheritsFrom and for the published
// classes alike. It holds the framework's own classes, the names of the ancestors that control
// discovery asks for among them ("TCustomEdit", "TButtonControl", ...), and whatever classes
// above the framework add (a form's, the tray icon, the skin data).
#include <string>
#include <vector>

// Adds or replaces a class; PARENT is empty for the root. Refused (false) when the class would
// become its own ancestor. The answer lets a class register itself in a namespace-scope
// initialiser of its own file.
bool RegisterClassAncestry(const std::string& name, const std::string& parent);
bool IsClassRegistered(const std::string& name);
// The parent's name; empty for the root and for a class that is not registered.
std::string ClassParent(const std::string& name);
// True when NAME is ANCESTOR or one of its registered ancestors is.
bool ClassInheritsFrom(const std::string& name, const std::string& ancestor);
// Every registered class, in name order.
std::vector<std::string> RegisteredClasses();
