#include "skin_view_layout.h"

#include "app/main_form_layout.h"
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
      {"TTabSheet", "EditsPage", "Pages", {{"Caption", std::string("Edits and lists")}}},
      {"TEdit", "SingleLineEdit", "EditsPage", {
          {"Left", 16}, {"Top", 16}, {"Width", 150}, {"Height", 21}, {"Text", std::string("Single line")}}},
      {"TMemo", "LongMemo", "EditsPage", {
          {"Left", 16}, {"Top", 48}, {"Width", 150}, {"Height", 110}, {"Lines", Numbered("Line", 40)}}},
      {"TListBox", "LongListBox", "EditsPage", {
          {"Left", 190}, {"Top", 16}, {"Width", 150}, {"Height", 142}, {"Items", Numbered("Entry", 200)}}},
  };
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
