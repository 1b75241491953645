#pragma once
#include <string>
#include <vector>

// Base of everything placed on a form: a component is owned by its owner and freed with it,
// and a component told that another is going away drops its reference to it.
class TComponent {
public:
  explicit TComponent(TComponent* owner);
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(static_cast<size_t>(index)); }
  TComponent* FindComponent(const std::string& name) const;

  // A number the owner's code gives the component; the framework never reads it.
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  // The class name the framework reports, and whether the class is CLASSNAME or descends from
  // it, as the class tree (class_ancestry.h) knows it: a class that reports a name of its own
  // registers it there. Every component is a TComponent.
  virtual const char* ClassName() const { return "TComponent"; }
  virtual bool InheritsFrom(const std::string& className) const;

  // Called on every component of a layout once the whole layout has been read.
  virtual void Loaded() {}
  // Where a layout places the component: a control on its parent control, a menu item in its
  // menu. Components that are placed nowhere ignore it.
  virtual void SetParentComponent(TComponent*) {}

  // Asks to be told (through Notification) when COMPONENT is destroyed.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

protected:
  enum class TOperation { opInsert, opRemove };
  // Called on the owner and on every component that asked, when COMPONENT comes or goes.
  virtual void Notification(TComponent* component, TOperation operation);

private:
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  TComponent* owner_;                      // frees this component; null for a root
  std::string name_;                       // the name in the form's layout
  int tag_ = 0;                            // the owner's number for it
  std::vector<TComponent*> components_;    // owned, in creation order
  std::vector<TComponent*> freeNotifies_;  // told when this component goes (and tell us)
};
