#include "framework/combo_box.h"

#include "control_form.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using control_form::Style;

class ComboBoxTest : public ::testing::Test, protected control_form::ControlForm {
protected:
  TComboBox* MakeCombo(TComboBoxStyle style) {
    auto* combo = new TComboBox(&Form());
    combo->SetStyle(style);  // before the window is made, which placing on a live form does
    Place(combo, 10, 10, 160, style == TComboBoxStyle::csSimple ? 120 : 24);
    combo->SetItems({"红", "绿", "蓝"});
    combo->OnChange = [this](TComponent*) { ++changes_; };
    return combo;
  }
  // The edit a combo box with an edit holds.
  static HWND EditOf(HWND combo) { return FindWindowExA(combo, nullptr, "Edit", nullptr); }
  int changes_ = 0;
};

TEST_F(ComboBoxTest, EachStyleMakesItsNativeKindWithTheItems) {
  struct Case {
    TComboBoxStyle style;
    DWORD native;
    bool hasEdit;
    bool listShown;  // a simple combo's list is always there
  };
  const Case cases[] = {
      {TComboBoxStyle::csDropDown, CBS_DROPDOWN, true, false},
      {TComboBoxStyle::csSimple, CBS_SIMPLE, true, true},
      {TComboBoxStyle::csDropDownList, CBS_DROPDOWNLIST, false, false},
  };
  for (const Case& c : cases) {
    TComboBox* combo = MakeCombo(c.style);
    combo->SetItemIndex(2);
    HWND w = combo->Handle();
    EXPECT_EQ(Style(w) & 3, static_cast<LONG_PTR>(c.native)) << static_cast<int>(c.style);
    EXPECT_EQ(EditOf(w) != nullptr, c.hasEdit) << static_cast<int>(c.style);
    COMBOBOXINFO info{sizeof(info)};
    ASSERT_TRUE(GetComboBoxInfo(w, &info));
    EXPECT_EQ((Style(info.hwndList) & WS_VISIBLE) != 0, c.listShown) << static_cast<int>(c.style);
    EXPECT_EQ(SendMessageA(w, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(combo->Text(), "蓝") << static_cast<int>(c.style);
    delete combo;
  }
  EXPECT_EQ(changes_, 0) << "the program's own choices are no change";
}

TEST_F(ComboBoxTest, ArrowKeysChooseTheNextItemAndRaiseOnChange) {
  TComboBox* combo = MakeCombo(TComboBoxStyle::csDropDownList);
  combo->SetItemIndex(0);
  HWND w = combo->Handle();
  control_form::PressKey(w, VK_DOWN);
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(changes_, 1);
  control_form::PressKey(w, VK_DOWN);
  control_form::PressKey(w, VK_DOWN);  // already on the last item: no change
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(combo->Text(), "蓝");
  EXPECT_EQ(changes_, 2);
}

TEST_F(ComboBoxTest, TypingInTheEditRaisesOnChangeAndTheTextFollows) {
  TComboBox* combo = MakeCombo(TComboBoxStyle::csDropDown);
  combo->SetText("紫");
  HWND edit = EditOf(combo->Handle());
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(changes_, 0);
  SetFocus(edit);
  SendMessageA(edit, EM_SETSEL, 0, -1);
  PostMessageA(edit, WM_CHAR, 'x', 1);
  control_form::Pump();
  EXPECT_EQ(combo->Text(), "x");
  EXPECT_EQ(changes_, 1);
  EXPECT_EQ(combo->ItemIndex(), -1);
}

TEST_F(ComboBoxTest, RightToLeftReadingChosenBeforeTheWindowIsMadeReachesIt) {
  TComboBox* combo = MakeCombo(TComboBoxStyle::csDropDown);
  combo->SetBiDiMode(TBiDiMode::bdRightToLeft);
  const LONG_PTR bits = WS_EX_RTLREADING | WS_EX_RIGHT | WS_EX_LEFTSCROLLBAR;
  EXPECT_EQ(control_form::ExStyle(combo->Handle()) & bits, bits);
}

}  // namespace
