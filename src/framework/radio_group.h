#pragma once
#include "framework/group_box.h"
#include "framework/published.h"

#include <string>
#include <vector>

class TRadioButton;

// A group box of radio buttons, one for each of its Items, laid out in Columns (filled column
// by column) inside the frame. The buttons are its child controls. ItemIndex is the checked
// one (-1: none) and follows the user's clicks; OnClick runs when the user checks another.
class TCustomRadioGroup : public TCustomGroupBox {
public:
  explicit TCustomRadioGroup(TComponent* owner) : TCustomGroupBox(owner) {}
  const char* ClassName() const override { return "TCustomRadioGroup"; }

  const std::vector<std::string>& Items() const { return items_; }
  // New buttons for the items; ItemIndex stays when it is still an item's, else becomes -1.
  void SetItems(const std::vector<std::string>& items);
  int Columns() const { return columns_; }
  // At least 1.
  void SetColumns(int columns);
  int ItemIndex() const { return itemIndex_; }
  // Checks that item's button; -1 (or any index outside the items) unchecks them all.
  void SetItemIndex(int index);
  TRadioButton* Buttons(int index) const { return buttons_.at(static_cast<size_t>(index)); }

  void SetBounds(int left, int top, int width, int height) override;
  TNotifyEvent OnClick;

protected:
  LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
  void ArrangeButtons();
  void ButtonClicked(TComponent* button);

  std::vector<std::string> items_;       // the buttons' captions
  std::vector<TRadioButton*> buttons_;   // one for each item, owned through the component tree
  int columns_ = 1;                      // columns of buttons
  int itemIndex_ = -1;                   // the checked button, -1 for none
};

class TRadioGroup : public TCustomRadioGroup {
public:
  explicit TRadioGroup(TComponent* owner) : TCustomRadioGroup(owner) {}
  const char* ClassName() const override { return "TRadioGroup"; }
};
