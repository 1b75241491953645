#include "framework/published.h"

#include "framework/application.h"
#include "framework/button.h"
#include "framework/check_box.h"
#include "framework/form.h"
#include "framework/label.h"
#include "framework/page_control.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

class PublishedPropertiesTest : public ::testing::Test {
protected:
  PublishedPropertiesTest() : form_(nullptr) {
    Application = &app_;
    box_ = Place(new TCheckBox(&form_));
    button_ = Place(new TButton(&form_));
    label_ = Place(new TLabel(&form_));
    pages_ = Place(new TPageControl(&form_));
  }
  ~PublishedPropertiesTest() override { Application = nullptr; }

  template <class T>
  T* Place(T* control) {
    control->SetParent(&form_);
    return control;
  }
  LONG Style(TWinControl* control) { return GetWindowLongA(control->Handle(), GWL_STYLE); }

  TApplication app_;
  TForm form_;
  TCheckBox* box_;
  TButton* button_;
  TLabel* label_;
  TPageControl* pages_;
};

// What a skinner writes by name, and what it then reads back by name and sees on the window.
TEST_F(PublishedPropertiesTest, EnumerationsAndBooleansAreWrittenAndReadByValueName) {
  struct Case {
    TComponent* object;
    const char* property;
    const char* text;
    const char* valueName;  // read back
    std::function<bool()> applied;
  };
  const Case cases[] = {
      {box_, "State", "cbGrayed", "cbGrayed",
       [&] { return SendMessageA(box_->Handle(), BM_GETCHECK, 0, 0) == BST_INDETERMINATE && !box_->Checked(); }},
      {box_, "State", "CBCHECKED", "cbChecked",
       [&] { return SendMessageA(box_->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED && box_->Checked(); }},
      {box_, "Checked", "false", "False",
       [&] { return box_->State() == TCheckBoxState::cbUnchecked; }},
      {button_, "Default", "True", "True", [&] { return (Style(button_) & BS_TYPEMASK) == BS_DEFPUSHBUTTON; }},
      {button_, "Default", "False", "False", [&] { return (Style(button_) & BS_TYPEMASK) == BS_PUSHBUTTON; }},
      {label_, "Alignment", "taCenter", "taCenter", [&] { return (Style(label_) & SS_TYPEMASK) == SS_CENTER; }},
      {label_, "Alignment", "taRightJustify", "taRightJustify",
       [&] { return (Style(label_) & SS_TYPEMASK) == SS_RIGHT; }},
      {label_, "Align", "alClient", "alClient", [&] { return label_->Align() == TAlign::alClient; }},
      {label_, "ParentBackground", "True", "True", [&] { return label_->ParentBackground(); }},
      {label_, "Visible", "False", "False", [&] { return !label_->Visible(); }},
      {&form_, "Position", "poScreenCenter", "poScreenCenter",
       [&] { return form_.Position() == TPosition::poScreenCenter; }},
      {pages_, "Style", "tsFlatButtons", "tsFlatButtons",
       [&] { return (Style(pages_) & (TCS_BUTTONS | TCS_FLATBUTTONS)) == (TCS_BUTTONS | TCS_FLATBUTTONS); }},
      {pages_, "Style", "tsTabs", "tsTabs", [&] { return !(Style(pages_) & TCS_BUTTONS); }},
      {pages_, "TabPosition", "tpBottom", "tpBottom", [&] { return (Style(pages_) & TCS_BOTTOM) != 0; }},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(SetPropertyText(*c.object, c.property, c.text)) << c.property << "=" << c.text;
    EXPECT_EQ(GetEnumPropertyName(*c.object, c.property), c.valueName) << c.property;
    EXPECT_TRUE(c.applied()) << c.property << "=" << c.text;
  }
}

TEST_F(PublishedPropertiesTest, TextAPropertyCannotTakeChangesNothing) {
  struct Case {
    TComponent* object;
    const char* property;
    const char* text;
    const char* valueName;  // unchanged
  };
  const Case cases[] = {
      {box_, "State", "cbMaybe", "cbUnchecked"},  {box_, "Checked", "yes", "False"},
      {label_, "Align", "alMiddle", "alNone"},    {label_, "Alignment", "", "taLeftJustify"},
      {pages_, "Style", "tsRound", "tsButtons"},  {pages_, "TabPosition", "tpMiddle", "tpTop"},
      {box_, "NoSuchProperty", "1", ""},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(SetPropertyText(*c.object, c.property, c.text)) << c.property << "=" << c.text;
    EXPECT_EQ(GetEnumPropertyName(*c.object, c.property), c.valueName) << c.property;
  }
  EXPECT_FALSE(SetPropertyText(*label_, "Tag", "twelve"));
  EXPECT_FALSE(SetPropertyText(*label_, "Font", "宋体")) << "objects are not written from text";
  EXPECT_FALSE(SetPublishedProperty(*label_, "Align", 4)) << "an ordinal past the last value";
  EXPECT_EQ(label_->Align(), TAlign::alNone);
}

TEST_F(PublishedPropertiesTest, IntegersStringsAndObjectsByName) {
  EXPECT_TRUE(SetPropertyText(*button_, "Tag", "5555"));
  EXPECT_EQ(button_->Tag(), 5555);
  EXPECT_TRUE(SetPropertyText(*button_, "Tag", "$10"));
  EXPECT_EQ(GetIntegerProperty(*button_, "Tag"), 16);
  EXPECT_TRUE(SetPropertyText(*box_, "Color", "$FF00000D"));  // the skin's encoding of the highlight
  EXPECT_EQ(box_->Color(), SystemColor(COLOR_HIGHLIGHT));
  EXPECT_TRUE(SetPropertyText(*box_, "Caption", "开机"));
  EXPECT_EQ(GetStringProperty(*box_, "Caption"), "开机");
  // An enumeration has no integer value; a missing property reads as nothing.
  EXPECT_EQ(GetIntegerProperty(*label_, "Align"), -1);
  EXPECT_EQ(GetEnumPropertyName(*label_, "Caption"), "");
  EXPECT_EQ(GetEnumPropertyName(*label_, "Glyph"), "");

  // Every control shows its form's font unless it has its own.
  EXPECT_EQ(GetObjectProperty(*label_, "Font"), form_.Font());
  EXPECT_EQ(GetObjectProperty(*label_, "Font", "TFont"), form_.Font());
  EXPECT_EQ(GetObjectProperty(*label_, "Font", "TButton"), nullptr) << "an object of another class";
  TFont own("宋体", 20);
  EXPECT_TRUE(SetPublishedProperty(*label_, "Font", static_cast<TComponent*>(&own)));
  EXPECT_EQ(label_->FontHandle(), own.Handle());
  EXPECT_EQ(GetObjectProperty(*label_, "Font", "TFont"), &own);
  label_->SetFont(nullptr);
}

TEST_F(PublishedPropertiesTest, EnumerationValueNamesAreListed) {
  struct Case {
    TComponent* object;
    const char* property;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {box_, "State", {"cbUnchecked", "cbChecked", "cbGrayed"}},
      {label_, "Alignment", {"taLeftJustify", "taRightJustify", "taCenter"}},
      {label_, "Align", {"alNone", "alTop", "alBottom", "alClient"}},
      {&form_, "Position", {"poDesigned", "poDefault", "poDesktopCenter", "poScreenCenter"}},
      {pages_, "Style", {"tsTabs", "tsButtons", "tsFlatButtons"}},
      {button_, "Default", {"False", "True"}},
  };
  for (const Case& c : cases) {
    const TPublishedProperty* p = FindPublishedProperty(*c.object, c.property);
    ASSERT_NE(p, nullptr) << c.property;
    EXPECT_EQ(p->ValueNames, c.names) << c.property;
  }
}

TEST_F(PublishedPropertiesTest, AGrayedBoxIsCheckedByAClick) {
  box_->SetState(TCheckBoxState::cbGrayed);
  int clicks = 0;
  box_->OnClick = [&](TComponent*) { ++clicks; };
  SendMessageA(form_.Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(box_->Handle()));
  EXPECT_EQ(box_->State(), TCheckBoxState::cbChecked);
  EXPECT_EQ(SendMessageA(box_->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(clicks, 1);
}

}  // namespace
