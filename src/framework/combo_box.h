#pragma once
#include "framework/control.h"

#include <functional>
#include <string>
#include <vector>

// csDropDown: an edit above a list that drops down; csSimple: an edit above a list always shown;
// csDropDownList: a list that drops down below a field showing the chosen item, nothing typed.
enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList };
// Which way text reads: right to left also right-aligns it and puts the scroll bar on the left.
enum class TBiDiMode { bdLeftToRight, bdRightToLeft };

// A combo box whose items are the object's own list, also while no window exists. OnChange runs
// when the user chose another item or typed in the edit, never for the program's own changes.
class TComboBox : public TWinControl {
public:
  using NotifyEvent = std::function<void(TComponent* sender)>;

  explicit TComboBox(TComponent* owner) : TWinControl(owner) {}
  const char* ClassName() const override { return "TComboBox"; }
  // The height is the closed box's; the dropped-down list's follows DropDownCount.
  void SetBounds(int left, int top, int width, int height) override;

  // Chosen before the window is made: Windows makes the edit and the list at creation.
  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle style) { style_ = style; }
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode mode);

  const std::vector<std::string>& Items() const { return items_; }
  // Replaces the items; no item is chosen afterwards.
  void SetItems(std::vector<std::string> items);
  void Add(const std::string& item);
  // The chosen item, or -1. std::out_of_range for an index below -1 or past the last item.
  int ItemIndex();
  void SetItemIndex(int index);
  // The edit's text, or the chosen item's for csDropDownList. Setting it there chooses the item
  // of that text, or none.
  std::string Text();
  void SetText(const std::string& text);
  // How many items the dropped-down list shows before it scrolls.
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int count);

  NotifyEvent OnChange;

protected:
  TCreateParams CreateParams() override;
  void HandleCreated() override;
  void CommandNotify(WORD code) override;

private:
  void FillWindow();
  void ApplyDropDownCount();

  TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
  TBiDiMode biDiMode_ = TBiDiMode::bdLeftToRight;
  std::vector<std::string> items_;  // the list, also while no window exists
  int itemIndex_ = -1;              // the chosen item while no window exists
  std::string text_;                // the edit's text while no window exists
  int dropDownCount_ = 8;
};
