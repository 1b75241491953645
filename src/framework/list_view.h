#pragma once
#include "framework/control.h"

#include <string>
#include <vector>

enum class TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

// A list of items, each a caption and the texts of its further columns (sub-items), shown in
// columns under a header in vsReport. Columns and items are the object's own lists, also while
// no window exists; a column's width follows the user's dragging of the header.
class TListView : public TWinControl {
public:
  struct TColumn {
    std::string Caption;
    int Width;  // in pixels
  };
  struct TItem {
    std::string Caption;
    std::vector<std::string> SubItems;  // one for each column after the first
  };

  explicit TListView(TComponent* owner) : TWinControl(owner) {}
  const char* ClassName() const override { return "TListView"; }

  int ColumnCount() const { return static_cast<int>(columns_.size()); }
  // std::out_of_range for an index without a column.
  TColumn Column(int index);
  void AddColumn(const std::string& caption, int width);
  // Replaces every column; the items stay.
  void SetColumns(const std::vector<TColumn>& columns);

  int ItemCount() const { return static_cast<int>(items_.size()); }
  const TItem& Item(int index) const { return items_.at(static_cast<size_t>(index)); }
  // Appends an item and returns its index.
  int AddItem(const std::string& caption, const std::vector<std::string>& subItems = {});
  void Clear();
  // The first selected item, or -1.
  int ItemIndex();

  TViewStyle ViewStyle() const { return viewStyle_; }
  void SetViewStyle(TViewStyle style);
  // The selection is shown only while the list has the focus.
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool hide);
  // A selected item is marked across all its columns, and a click anywhere on the row selects it.
  bool RowSelect() const { return rowSelect_; }
  void SetRowSelect(bool rowSelect);

  // The header window above the columns; null while the list has no window.
  HWND HeaderHandle();

protected:
  TCreateParams CreateParams() override;
  void HandleCreated() override;

private:
  DWORD StyleBits() const;
  void ApplyStyle();
  void InsertColumn(int index);
  void InsertItem(int index);

  std::vector<TColumn> columns_;  // left to right
  std::vector<TItem> items_;      // top to bottom
  TViewStyle viewStyle_ = TViewStyle::vsReport;
  bool hideSelection_ = true;
  bool rowSelect_ = false;
};
