#include "skin_view_layout.h"

#include "app/main_form_layout.h"
#include "sample_more.h"
#include "framework/core/exceptions.h"

namespace {

// The program's own skin data component, taken from its main window's layout, so that the viewer
// shows what the program would.
TLayoutComponent ProgramSkinData() {
  for (const TLayoutComponent& component : MainFormLayout().Components)
    if (component.ClassName == "TSkinData")
      return component;
  throw EReadError("The program's layout has no skin data component");
}

TLayoutComponent Item(const char* name, const char* parent, const char* caption,
                      std::vector<TLayoutProperty> more = {}) {
  more.insert(more.begin(), {"Caption", std::string(caption)});
  return {"TMenuItem", name, parent, std::move(more)};
}

TLayoutProperty Handler(const char* name) {
  return {"OnClick", std::string(name)};
}

TFormLayout MakeSkinViewLayout() {
  TFormLayout layout;
  layout.Form = {
      {"Caption", std::string("Skin viewer")},
      {"ClientWidth", 520},
      {"ClientHeight", 360},
      {"Position", std::string("poDesktopCenter")},
      {"Icon", std::string("MAINICON")},
      {"Menu", std::string("MainMenu1")},
      {"OnCreate", std::string("FormCreate")},
  };
  layout.Components = {
      {"TMainMenu", "MainMenu1", "", {}},
      Item("NFile", "MainMenu1", "&File"),
      Item("NOpen", "NFile", "&Open skin...", {{"ShortCut", std::string("Ctrl+O")}, Handler("OpenSkinClick")}),
      Item("NRecent", "NFile", "&Recent skins", {{"Enabled", false}}),
      Item("NFileLine", "NFile", "-"),
      Item("NExit", "NFile", "E&xit", {Handler("ExitClick")}),
      Item("NSkin", "MainMenu1", "&Skin"),
      Item("NSkinActive", "NSkin", "&Off/On", {{"Checked", true}, Handler("SkinActiveClick")}),
      Item("NHints", "NSkin", "&Hints", {{"Checked", true}, Handler("HintsClick")}),
      Item("NCheckSkin", "NSkin", "&Check skin…", {Handler("CheckSkinClick")}),
      Item("NWindows", "MainMenu1", "&Windows", {{"Visible", false}}),
      Item("NTile", "NWindows", "&Tile", {Handler("TileClick")}),
      Item("NCascade", "NWindows", "&Cascade", {Handler("CascadeClick")}),
      Item("NHelp", "MainMenu1", "&Help"),
      Item("NMessageBox", "NHelp", "&Message box...", {Handler("MessageBoxClick")}),
      Item("NDialog", "NHelp", "&Dialog...", {Handler("DialogClick")}),
      {"TPopupMenu", "PopupMenu1", "", {}},
      Item("PSkinActive", "PopupMenu1", "Skin &off/on", {Handler("SkinActiveClick")}),
      Item("PHints", "PopupMenu1", "&Hints", {Handler("HintsClick")}),
      Item("PLine", "PopupMenu1", "-"),
      Item("PMessageBox", "PopupMenu1", "&Message box...", {Handler("MessageBoxClick")}),
  };
  layout.Components.push_back(ProgramSkinData());
  return layout;
}

// A control of the "Buttons" page at LEFT, TOP, WIDTH x HEIGHT with CAPTION and more properties.
TLayoutComponent OnButtonsPage(const char* type, const char* name, int left, int top, int width, int height,
                               const char* caption, std::vector<TLayoutProperty> more = {}) {
  more.insert(more.begin(), {{"Left", left}, {"Top", top}, {"Width", width}, {"Height", height},
                             {"Caption", std::string(caption)}});
  return {type, name, "ButtonsPage", std::move(more)};
}

// Every kind of button: plain, default, disabled, glyph buttons in the four layouts, one-glyph
// and two-glyph disabled ones, a drop-down menu button, speed buttons (plain, flat, down, with
// a caption), check boxes in every state, radio buttons and a radio group, a group box without a
// caption and a panel that shows its parent's background.
std::vector<TLayoutComponent> ButtonsPage() {
  const auto layoutOf = [](const char* name) { return TLayoutProperty{"Layout", std::string(name)}; };
  return {
      {"TTabSheet", "ButtonsPage", "Pages", {{"Caption", std::string("Buttons")}}},
      OnButtonsPage("TButton", "PlainButton", 12, 10, 76, 25, "Plain"),
      OnButtonsPage("TButton", "DefaultButton", 94, 10, 76, 25, "Default", {{"Default", true}}),
      OnButtonsPage("TButton", "DisabledButton", 176, 10, 76, 25, "Disabled", {{"Enabled", false}}),
      OnButtonsPage("TMenuButton", "MenuButton", 258, 10, 96, 25, "Menu"),
      OnButtonsPage("TBitBtn", "GlyphLeft", 12, 44, 80, 30, "Left", {layoutOf("blGlyphLeft")}),
      OnButtonsPage("TBitBtn", "GlyphRight", 98, 44, 80, 30, "Right", {layoutOf("blGlyphRight")}),
      OnButtonsPage("TBitBtn", "GlyphTop", 184, 44, 80, 44, "Top", {layoutOf("blGlyphTop")}),
      OnButtonsPage("TBitBtn", "GlyphBottom", 270, 44, 80, 44, "Bottom", {layoutOf("blGlyphBottom")}),
      OnButtonsPage("TBitBtn", "DisabledOneGlyph", 12, 96, 80, 30, "Embossed", {{"Enabled", false}}),
      OnButtonsPage("TBitBtn", "DisabledTwoGlyphs", 98, 96, 80, 30, "Strip", {{"Enabled", false}}),
      OnButtonsPage("TSpeedButton", "SpeedPlain", 184, 98, 28, 26, ""),
      OnButtonsPage("TSpeedButton", "SpeedFlat", 216, 98, 28, 26, "", {{"Flat", true}}),
      OnButtonsPage("TSpeedButton", "SpeedDown", 248, 98, 28, 26, "", {{"GroupIndex", 1}, {"Down", true}}),
      OnButtonsPage("TSpeedButton", "SpeedCaption", 280, 98, 70, 26, "Speed", {{"GroupIndex", 1}}),
      OnButtonsPage("TCheckBox", "TickedBox", 12, 136, 110, 18, "Ticked", {{"Checked", true}}),
      OnButtonsPage("TCheckBox", "UntickedBox", 12, 156, 110, 18, "Unticked"),
      OnButtonsPage("TCheckBox", "MixedBox", 12, 176, 110, 18, "Mixed", {{"State", std::string("cbGrayed")}}),
      OnButtonsPage("TCheckBox", "DisabledBox", 12, 196, 110, 18, "Disabled", {{"Checked", true}, {"Enabled", false}}),
      OnButtonsPage("TCheckBox", "LeftTextBox", 12, 216, 110, 18, "Text left"),
      OnButtonsPage("TRadioButton", "FirstRadio", 130, 136, 90, 18, "First", {{"Checked", true}}),
      OnButtonsPage("TRadioButton", "SecondRadio", 130, 156, 90, 18, "Second"),
      OnButtonsPage("TRadioGroup", "ColourGroup", 230, 132, 120, 88, "Colour",
                    {{"Items", std::vector<std::string>{"Red", "Green", "Blue"}}, {"ItemIndex", 1}}),
      OnButtonsPage("TGroupBox", "BareGroup", 366, 10, 140, 90, ""),
      OnButtonsPage("TPanel", "SamplePanel", 366, 110, 140, 60, "Panel", {{"ParentBackground", true}}),
  };
}

// PREFIX 1 to PREFIX COUNT: enough lines to scroll.
std::vector<std::string> Numbered(const std::string& prefix, int count) {
  std::vector<std::string> lines;
  for (int i = 1; i <= count; ++i)
    lines.push_back(prefix + " " + std::to_string(i));
  return lines;
}

TFormLayout MakeSampleControlsLayout() {
  TFormLayout layout;
  layout.Components = {
      {"TPageControl", "Pages", "", {{"Align", std::string("alClient")}}},
      {"TTabSheet", "StandardPage", "Pages", {{"Caption", std::string("Standard")}}},
      {"TButton", "SampleButton", "StandardPage", {
          {"Left", 16}, {"Top", 16}, {"Width", 90}, {"Height", 25}, {"Caption", std::string("&Button")}}},
      {"TCheckBox", "SampleCheckBox", "StandardPage", {
          {"Left", 16}, {"Top", 52}, {"Width", 140}, {"Height", 17}, {"Caption", std::string("&Check box")},
          {"Checked", true}}},
      {"TEdit", "SampleEdit", "StandardPage", {
          {"Left", 16}, {"Top", 80}, {"Width", 150}, {"Height", 21}, {"Text", std::string("Edit")}}},
      {"TGroupBox", "SampleGroupBox", "StandardPage", {
          {"Left", 16}, {"Top", 112}, {"Width", 150}, {"Height", 60}, {"Caption", std::string("Group box")}}},
      {"TListBox", "SampleListBox", "StandardPage", {
          {"Left", 190}, {"Top", 16}, {"Width", 150}, {"Height", 120},
          {"Items", std::vector<std::string>{"First entry", "Second entry", "Third entry"}}}},
  };
  // The pages in order: Standard, Buttons, Edits and lists.
  const std::vector<TLayoutComponent> buttons = ButtonsPage();
  layout.Components.insert(layout.Components.end(), buttons.begin(), buttons.end());
  const std::vector<TLayoutComponent> edits = {
      {"TTabSheet", "EditsPage", "Pages", {{"Caption", std::string("Edits and lists")}}},
      {"TEdit", "SingleLineEdit", "EditsPage", {
          {"Left", 16}, {"Top", 16}, {"Width", 150}, {"Height", 21}, {"Text", std::string("Single line")}}},
      {"TEdit", "BorderlessEdit", "EditsPage", {
          {"Left", 360}, {"Top", 60}, {"Width", 110}, {"Height", 17}, {"BorderStyle", std::string("bsNone")},
          {"Text", std::string("No border")}}},
      {"TMemo", "LongMemo", "EditsPage", {
          {"Left", 16}, {"Top", 48}, {"Width", 150}, {"Height", 110}, {"Lines", Numbered("Line", 40)}}},
      {"TListBox", "LongListBox", "EditsPage", {
          {"Left", 190}, {"Top", 16}, {"Width", 150}, {"Height", 142}, {"Items", Numbered("Entry", 200)}}},
      {"TComboBox", "DropDownCombo", "EditsPage", {
          {"Left", 16}, {"Top", 168}, {"Width", 150}, {"Height", 21}, {"Style", std::string("csDropDown")},
          {"Items", Numbered("Choice", 30)}, {"Text", std::string("Drop-down")}}},
      {"TComboBox", "ListCombo", "EditsPage", {
          {"Left", 16}, {"Top", 196}, {"Width", 150}, {"Height", 21}, {"Style", std::string("csDropDownList")},
          {"Items", Numbered("Choice", 5)}, {"ItemIndex", 0}}},
      {"TComboBox", "RightToLeftCombo", "EditsPage", {
          {"Left", 16}, {"Top", 224}, {"Width", 150}, {"Height", 21}, {"Style", std::string("csDropDownList")},
          {"BiDiMode", std::string("bdRightToLeft")}, {"Items", Numbered("Choice", 5)}, {"ItemIndex", 1}}},
      {"TComboBox", "SimpleCombo", "EditsPage", {
          {"Left", 190}, {"Top", 168}, {"Width", 150}, {"Height", 78}, {"Style", std::string("csSimple")},
          {"Items", Numbered("Choice", 10)}, {"Text", std::string("Simple")}}},
      {"TEdit", "SpinEdit", "EditsPage", {
          {"Left", 16}, {"Top", 254}, {"Width", 70}, {"Height", 21}, {"Text", std::string("5")}}},
      {"TUpDown", "SpinInEdit", "EditsPage", {{"Associate", std::string("SpinEdit")}, {"Min", 0}, {"Max", 99},
                                              {"Position", 5}}},
      {"TUpDown", "FreeSpin", "EditsPage", {{"Left", 96}, {"Top", 252}, {"Width", 17}, {"Height", 25}}},
      {"TDateTimePicker", "DatePicker", "EditsPage", {
          {"Left", 190}, {"Top", 254}, {"Width", 150}, {"Height", 21}, {"Date", std::string("2026-12-08")}}},
      {"TScrollBar", "HorizontalBar", "EditsPage", {
          {"Left", 360}, {"Top", 16}, {"Width", 150}, {"Height", 17}, {"Kind", std::string("sbHorizontal")},
          {"Max", 100}, {"PageSize", 20}, {"Position", 30}}},
      {"TScrollBar", "VerticalBar", "EditsPage", {
          {"Left", 490}, {"Top", 40}, {"Width", 17}, {"Height", 118}, {"Kind", std::string("sbVertical")},
          {"Max", 100000}, {"PageSize", 1}, {"Position", 50000}}},
      {"TListView", "ReportView", "EditsPage", {
          {"Left", 360}, {"Top", 168}, {"Width", 150}, {"Height", 107}, {"ViewStyle", std::string("vsReport")},
          {"Columns", std::vector<std::string>{"Name=90", "Size=90", "Date=90"}}}},
  };
  layout.Components.insert(layout.Components.end(), edits.begin(), edits.end());
  const std::vector<TLayoutComponent> more = MorePageLayout();
  layout.Components.insert(layout.Components.end(), more.begin(), more.end());
  return layout;
}

}  // namespace

const TFormLayout& SkinViewLayout() {
  static const TFormLayout layout = MakeSkinViewLayout();
  return layout;
}

const TFormLayout& SampleControlsLayout() {
  static const TFormLayout layout = MakeSampleControlsLayout();
  return layout;
}
