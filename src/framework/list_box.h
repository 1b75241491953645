#pragma once
#include "framework/control.h"

#include <functional>
#include <string>
#include <vector>

// A list box, single- or multi-select, whose items are the object's own list. The window holds
// no copy of them: it only knows their count and asks the object to draw each one it shows, so
// filling it with a hundred thousand entries costs one message.
// OnClick runs when the window reports a selection change (a click or keyboard movement).
class TListBox : public TWinControl {
public:
  using NotifyEvent = std::function<void(TComponent* sender)>;

  explicit TListBox(TComponent* owner) : TWinControl(owner) {}
  const char* ClassName() const override { return "TListBox"; }

  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& Item(int index) const { return items_.at(static_cast<size_t>(index)); }
  const std::vector<std::string>& Items() const { return items_; }
  void Add(const std::string& item);
  // Replaces every item at once, repainting the window once instead of item by item.
  void SetItems(std::vector<std::string> items);
  void Delete(int index);
  // Removes every selected item and keeps the others in order, in one pass and one refill of
  // the window, whatever the number; the scroll position and the caret keep their indexes
  // within the shorter list.
  void DeleteSelected();
  void Clear();

  void SetItemHeight(int height);
  int ItemHeight() const { return itemHeight_; }
  // Chosen before the window is made: shift and control extend the selection.
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool multiSelect) { multiSelect_ = multiSelect; }
  bool Selected(int index);
  void SetSelected(int index, bool selected);
  // The item with the focus rectangle, or -1.
  int ItemIndex();

  NotifyEvent OnClick;

protected:
  TCreateParams CreateParams() override;
  void HandleCreated() override;
  void CommandNotify(WORD code) override;
  bool DrawItemReflect(const DRAWITEMSTRUCT& item) override;

private:
  void FillWindow();

  std::vector<std::string> items_;  // the list, also while no window exists
  int itemHeight_ = 0;              // 0: the platform's default
  bool multiSelect_ = false;
};
