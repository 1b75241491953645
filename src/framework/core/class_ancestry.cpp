#include "framework/core/class_ancestry.h"

#include <map>

namespace {

// The framework's own classes and the ancestors they report.
std::map<std::string, std::string>& Tree() {
  static std::map<std::string, std::string> tree = {
      {"TComponent", ""},
      {"TFont", "TComponent"},
      {"TTimer", "TComponent"},
      {"TMenu", "TComponent"},
      {"TPopupMenu", "TMenu"},
      {"TMainMenu", "TMenu"},
      {"TMenuItem", "TComponent"},
      {"TCustomImageList", "TComponent"},
      {"TImageList", "TCustomImageList"},
      {"TControl", "TComponent"},
      {"TWinControl", "TControl"},
      {"TScrollingWinControl", "TWinControl"},
      {"TCustomForm", "TScrollingWinControl"},
      {"TForm", "TCustomForm"},
      {"TButtonControl", "TWinControl"},
      {"TButton", "TButtonControl"},
      {"TCustomCheckBox", "TButtonControl"},
      {"TCheckBox", "TCustomCheckBox"},
      {"TCustomEdit", "TWinControl"},
      {"TEdit", "TCustomEdit"},
      {"TCustomLabeledEdit", "TEdit"},
      {"TLabeledEdit", "TCustomLabeledEdit"},
      {"TCustomMemo", "TCustomEdit"},
      {"TMemo", "TCustomMemo"},
      {"TCustomListBox", "TWinControl"},
      {"TListBox", "TCustomListBox"},
      {"TCustomLabel", "TWinControl"},
      {"TLabel", "TCustomLabel"},
      {"TCustomGroupBox", "TWinControl"},
      {"TGroupBox", "TCustomGroupBox"},
      {"TCustomStatusBar", "TWinControl"},
      {"TStatusBar", "TCustomStatusBar"},
      {"TCustomTabControl", "TWinControl"},
      {"TPageControl", "TCustomTabControl"},
      {"TTabControl", "TCustomTabControl"},
      {"TPicturePageControl", "TPageControl"},
      {"TCustomControl", "TWinControl"},
      {"TTabSet", "TCustomControl"},
      {"TGlyphCheckBox", "TCustomControl"},
      {"TMediaPlayer", "TCustomControl"},
      {"TGlyphCheckProperties", "TComponent"},
      {"TCustomComboBox", "TWinControl"},
      {"TComboBox", "TCustomComboBox"},
      {"TCustomUpDown", "TWinControl"},
      {"TUpDown", "TCustomUpDown"},
      {"TCommonCalendar", "TWinControl"},
      {"TDateTimePicker", "TCommonCalendar"},
      {"TScrollBar", "TWinControl"},
      {"TCustomListView", "TWinControl"},
      {"TListView", "TCustomListView"},
      {"TProgressBar", "TWinControl"},
      {"TTrackBar", "TWinControl"},
      {"THeaderControl", "TWinControl"},
      {"TTabSheet", "TWinControl"},
      {"TImage", "TWinControl"},
      {"TCustomPanel", "TCustomControl"},
      {"TPanel", "TCustomPanel"},
      {"TRadioButton", "TButtonControl"},
      {"TCustomRadioGroup", "TCustomGroupBox"},
      {"TRadioGroup", "TCustomRadioGroup"},
      {"TBitBtn", "TButton"},
      {"TGraphicControl", "TControl"},
      {"TSpeedButton", "TGraphicControl"},
      {"TGlyph", "TComponent"},
  };
  return tree;
}

}  // namespace

bool RegisterClassAncestry(const std::string& name, const std::string& parent) {
  if (!parent.empty() && ClassInheritsFrom(parent, name))
    return false;
  Tree().insert_or_assign(name, parent);
  return true;
}

bool IsClassRegistered(const std::string& name) {
  return Tree().count(name) != 0;
}

std::string ClassParent(const std::string& name) {
  auto it = Tree().find(name);
  return it == Tree().end() ? std::string() : it->second;
}

bool ClassInheritsFrom(const std::string& name, const std::string& ancestor) {
  for (std::string current = name; !current.empty(); current = ClassParent(current))
    if (current == ancestor)
      return true;
  return false;
}

std::vector<std::string> RegisteredClasses() {
  std::vector<std::string> names;
  for (const auto& [name, parent] : Tree())
    names.push_back(name);
  return names;
}
