// Control discovery: which skinner each framework control and each raw window gets.

#include "controls_fixture.h"

#include "framework/combo_box.h"
#include "framework/date_time_picker.h"
#include "framework/edit.h"
#include "framework/list_box.h"
#include "framework/list_view.h"
#include "framework/scroll_bar.h"
#include "framework/up_down.h"

namespace controls_test {
namespace {

INT_PTR CALLBACK QuietDialogProc(HWND, UINT, WPARAM, LPARAM) {
  return FALSE;
}

// A group of buttons that is a group box by class but not by name.
class TTestRadioGroup : public TGroupBox {
public:
  using TGroupBox::TGroupBox;
  const char* ClassName() const override { return "TTestRadioGroup"; }
};

TEST_F(ControlsTest, FrameworkControlsGetTheirKindsAndTheDisableTagKeepsTheSystemLook) {
  TSkinData& data = Start();
  TButton& button = Place<TButton>(*form_, 10, 10, 80, 25, "Button");
  TButton& plain = Place<TButton>(*form_, 100, 10, 80, 25, "Plain");
  plain.SetTag(data.DisableTag());
  TCheckBox& check = Place<TCheckBox>(*form_, 10, 40, 120, 20, "Check");
  TGroupBox& group = Place<TGroupBox>(*form_, 10, 70, 200, 80, "Group");
  TCheckBox& inner = Place<TCheckBox>(group, 10, 20, 120, 20, "Inner");
  TTestRadioGroup& kept = Place<TTestRadioGroup>(*form_, 220, 70, 120, 80, "Kept");
  TCheckBox& keptItem = Place<TCheckBox>(kept, 10, 20, 100, 20, "Item");
  kept.SetTag(data.DisableTag());
  TEdit& edit = Place<TEdit>(*form_, 10, 160, 120, 22);
  ShowAndSkin();
  const struct {
    TWinControl& control;
    const char* kind;
  } cases[] = {
      {button, "TSkinButton"},     {plain, "none"},   {check, "TSkinCheckBox"},
      {group, "TSkinGroupBox"},    {inner, "TSkinCheckBox"}, {kept, "none"},
      {keptItem, "none"},          {edit, "TSkinEdit"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(KindOf(c.control), c.kind) << c.control.Caption();
  EXPECT_EQ(keptItem.Tag(), data.DisableTag()) << "the group's buttons are kept plain too";
}

TEST_F(ControlsTest, TheSkinsClassListComesBeforeTheBuiltInRulesWhateverTheCase) {
  const struct {
    const char* line;
    const char* kind;
  } cases[] = {
      {"tBuTtOn=NIL", "none"},
      {"TButton=CheckBox", "TSkinCheckBox"},
      {"TBUTTON=unknownkind", "none"},
      {"TButton=", "TSkinButton"},  // nothing after "=": the built-in rules decide
      {"TButtonX=nil", "TSkinButton"},
  };
  for (const auto& c : cases) {
    TSkinData& data = Start();
    data.SetSkin3rd({"TOtherClass=nil", c.line, "TButton=button"});
    TButton& button = Place<TButton>(*form_, 10, 10, 80, 25, "Listed");
    ShowAndSkin();
    EXPECT_EQ(KindOf(button), c.kind) << c.line;
    form_.reset();
    Pump(20);
    skinData_.reset();
    DestroySkinManager();
  }
}

TEST_F(ControlsTest, WithoutPanelSkinningAGroupBoxStaysPlainButTheTabOrderPassReachesItsChildren) {
  TSkinControls kinds = EveryKind();
  kinds.Exclude(xcPanel);
  Start(kinds);
  TGroupBox& group = Place<TGroupBox>(*form_, 10, 10, 200, 80, "Group");
  TCheckBox& inner = Place<TCheckBox>(group, 10, 20, 120, 20, "Inner");
  ShowAndSkin();
  EXPECT_EQ(KindOf(group), "none");
  EXPECT_EQ(KindOf(inner), "TSkinCheckBox");
}

// The framework's combo boxes, date pickers, scroll bars, lists and list views: a combo box's
// list bar must not make it a scrolled control.
TEST_F(ControlsTest, FrameworkListsCombosAndScrollBarsGetTheirKinds) {
  Start();
  TComboBox& dropDown = Place<TComboBox>(*form_, 10, 10, 120, 22);
  TComboBox& dropList = Place<TComboBox>(*form_, 10, 40, 120, 22);
  dropList.SetStyle(TComboBoxStyle::csDropDownList);
  TComboBox& simple = Place<TComboBox>(*form_, 10, 70, 120, 80);
  simple.SetStyle(TComboBoxStyle::csSimple);
  for (TComboBox* combo : {&dropDown, &dropList, &simple})
    combo->SetItems({"one", "two", "three"});
  TDateTimePicker& picker = Place<TDateTimePicker>(*form_, 150, 10, 120, 22);
  TScrollBar& bar = Place<TScrollBar>(*form_, 150, 40, 120, 17);
  TListBox& list = Place<TListBox>(*form_, 150, 70, 120, 60);
  TListView& view = Place<TListView>(*form_, 280, 10, 70, 120);
  TUpDown& spin = Place<TUpDown>(*form_, 280, 140, 17, 25);
  ShowAndSkin();
  const struct {
    TWinControl& control;
    const char* what;
    const char* kind;
  } cases[] = {
      {dropDown, "drop-down combo", "TSkinComBox"},  {dropList, "drop-down list combo", "TSkinComBox"},
      {simple, "simple combo", "TSkinComBox"},       {picker, "date picker", "TSkinDateTime"},
      {bar, "scroll bar", "TSkinScControl"},         {list, "list box", "TSkinScrollbar"},
      {view, "list view", "TSkinListView"},          {spin, "spin", "TSkinUpDown"},
  };
  // Switched off and on: the skinners and the ones they made for inner windows (list bars,
  // spin, header) go in any order and come back.
  for (int round = 0; round < 3; ++round) {
    for (const auto& c : cases) {
      EXPECT_EQ(KindOf(c.control), c.kind) << c.what << ", round " << round;
      EXPECT_EQ(SendMessageA(c.control.Handle(), SKM_ISSKINNED, 0, 0), 1) << c.what << ", round " << round;
    }
    SendMessageA(dropDown.Handle(), CB_SHOWDROPDOWN, TRUE, 0);
    Pump(20);
    SendMessageA(dropDown.Handle(), CB_SHOWDROPDOWN, FALSE, 0);
    skinData_->SetActive(false);
    ASSERT_TRUE(PumpUntil([&] { return !Skinner(form_->Handle()); }));
    EXPECT_NE(SendMessageA(dropDown.Handle(), SKM_ISSKINNED, 0, 0), 1) << "round " << round;
    skinData_->SetActive(true);
    ASSERT_TRUE(PumpUntil([&] { return Skinner(form_->Handle()) && Skinner(form_->Handle())->State() == ssRunning; }));
    Pump(40);
  }
}

// A dialog box of the system's kind, with controls made by window class and style.
TEST_F(ControlsTest, RawWindowsOfADialogBoxAreChosenForByClassAndStyle) {
  for (bool checkBoxes : {true, false}) {
    TSkinControls kinds = EveryKind();
    if (!checkBoxes)
      kinds.Exclude(xcCheckBox);
    Start(kinds);
    struct {
      DLGTEMPLATE head;
      WORD menu, cls, title[1];
    } dialogTemplate{};
    dialogTemplate.head.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    dialogTemplate.head.cx = 300;
    dialogTemplate.head.cy = 200;
    HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &dialogTemplate.head, nullptr,
                                             &QuietDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    const struct {
      const char* windowClass;
      DWORD style;
      const char* kind;
    } cases[] = {
        {"Button", BS_PUSHBUTTON, "TSkinButton"},
        {"Button", BS_DEFPUSHBUTTON, "TSkinButton"},
        {"Button", BS_AUTORADIOBUTTON, "TSkinRadioButton"},
        {"Button", BS_RADIOBUTTON, "TSkinRadioButton"},
        {"Button", BS_3STATE, checkBoxes ? "TSkinCheckBox" : "none"},
        {"Button", BS_AUTOCHECKBOX, checkBoxes ? "TSkinCheckBox" : "none"},
        {"Button", BS_GROUPBOX, "none"},
        {"Button", BS_OWNERDRAW, "none"},
        {"ComboBox", CBS_SIMPLE, "none"},
        {"Static", SS_LEFT, "none"},
        {"ComboBox", CBS_DROPDOWNLIST, "TSkinComBox"},
        {"Edit", WS_BORDER, "TSkinEdit"},
        {"ListBox", WS_VSCROLL, "TSkinScrollbarH"},
        {"ListBox", WS_HSCROLL, "TSkinScrollbarH"},
        {"ListBox", LBS_NOTIFY, "TSkinScrollbarH"},  // its bars come with its entries
    };
    std::vector<HWND> windows;
    int y = 5;
    for (const auto& c : cases) {
      windows.push_back(CreateWindowExA(0, c.windowClass, "x", WS_CHILD | WS_VISIBLE | c.style, 5, y, 120, 18, dialog,
                                        nullptr, nullptr, nullptr));
      y += 20;
    }
    ShowWindow(dialog, SW_SHOW);
    ASSERT_TRUE(PumpUntil([&] { return Skinner(dialog) && Skinner(dialog)->State() == ssRunning; }));
    for (size_t i = 0; i < std::size(cases); ++i) {
      TSkinControl* skinner = Skinner(dialog)->FindControlSkinner(windows[i]);
      EXPECT_EQ(skinner ? skinner->ClassName() : "none", std::string(cases[i].kind))
          << cases[i].windowClass << " style " << cases[i].style << " check boxes " << checkBoxes;
    }
    DestroyWindow(dialog);
    Pump(20);
    form_.reset();
    skinData_.reset();
    DestroySkinManager();
  }
}

}  // namespace
}  // namespace controls_test
