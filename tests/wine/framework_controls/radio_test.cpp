#include "framework/radio_button.h"
#include "framework/radio_group.h"

#include "framework/application.h"
#include "framework/panel.h"

#include "controls_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace controls_support;

// A click at the middle of a control's window, as posted button messages.
void ClickMiddle(TWinControl* control) {
  PostClick(control->Handle(), control->Width() / 2, control->Height() / 2);
}

bool ShowsChecked(TWinControl* button) {
  return SendMessageA(button->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

class RadioButtonTest : public ::testing::Test {
protected:
  RadioButtonTest() : form_(nullptr), other_(new TPanel(&form_)) {
    form_.SetBounds(40, 40, 300, 200);
    for (int i = 0; i < 3; ++i)
      buttons_.push_back(Place(&form_, 10, 10 + 30 * i));
    other_->SetParent(&form_);
    other_->SetBounds(150, 10, 140, 60);
    elsewhere_ = Place(other_, 5, 5);
    form_.Handle();
  }
  TRadioButton* Place(TWinControl* parent, int left, int top) {
    auto* button = new TRadioButton(&form_);
    button->SetParent(parent);
    button->SetBounds(left, top, 120, 24);
    button->SetCaption("Option");
    button->OnClick = [this, button](TComponent* sender) {
      EXPECT_EQ(sender, button);
      ++clicks_;
    };
    return button;
  }
  // Which of the three (and the one on the other parent) are checked, as object and window.
  std::string Checked() {
    std::string state;
    for (TRadioButton* b : buttons_) {
      EXPECT_EQ(b->Checked(), ShowsChecked(b));
      state += b->Checked() ? 'x' : '-';
    }
    EXPECT_EQ(elsewhere_->Checked(), ShowsChecked(elsewhere_));
    return state + (elsewhere_->Checked() ? "|x" : "|-");
  }

  TApplication app_;
  TWinControl form_;
  TPanel* other_;
  std::vector<TRadioButton*> buttons_;
  TRadioButton* elsewhere_;
  int clicks_ = 0;
};

TEST_F(RadioButtonTest, CheckingOneUnchecksItsSiblingsOnly) {
  struct Step {
    std::function<void()> act;
    const char* checked;
    int clicks;  // OnClick runs so far
  } steps[] = {
      {[&] { ClickMiddle(elsewhere_); }, "---|x", 1},
      {[&] { ClickMiddle(buttons_[1]); }, "-x-|x", 2},
      {[&] { ClickMiddle(buttons_[2]); }, "--x|x", 3},
      {[&] { ClickMiddle(buttons_[2]); }, "--x|x", 3},  // already checked: no click
      {[&] { buttons_[0]->SetChecked(true); }, "x--|x", 3},  // from code: no click
      {[&] { buttons_[0]->SetChecked(false); }, "---|x", 3},
      {[&] { buttons_[1]->Click(); }, "-x-|x", 4},
  };
  for (size_t i = 0; i < std::size(steps); ++i) {
    steps[i].act();
    EXPECT_EQ(Checked(), steps[i].checked) << "step " << i;
    EXPECT_EQ(clicks_, steps[i].clicks) << "step " << i;
  }
}

TEST_F(RadioButtonTest, AStateSetBeforeTheWindowExistsIsShown) {
  auto* late = new TRadioButton(&form_);
  late->SetChecked(true);
  late->SetParent(&form_);
  EXPECT_TRUE(ShowsChecked(late));
  EXPECT_EQ(GetWindowLongA(late->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_RADIOBUTTON);
}

class RadioGroupTest : public ::testing::Test {
protected:
  RadioGroupTest() : form_(nullptr), group_(new TRadioGroup(&form_)) {
    form_.SetBounds(40, 40, 300, 200);
    group_->SetParent(&form_);
    group_->SetBounds(10, 10, 220, 130);
    group_->SetCaption("Group");
    group_->OnClick = [this](TComponent* sender) {
      EXPECT_EQ(sender, group_);
      ++clicks_;
    };
    form_.Handle();
  }
  TApplication app_;
  TWinControl form_;
  TRadioGroup* group_;
  int clicks_ = 0;
};

TEST_F(RadioGroupTest, ItemsBecomeChildButtonsFilledColumnByColumn) {
  group_->SetItems({"One", "Two", "Three", "Four", "Five"});
  group_->SetColumns(2);
  ASSERT_EQ(group_->ControlCount(), 5);
  struct Case {
    int item;
    int column, row;
  } cases[] = {{0, 0, 0}, {1, 0, 1}, {2, 0, 2}, {3, 1, 0}, {4, 1, 1}};
  const TWinControl* first = group_->Controls(0);
  for (const Case& c : cases) {
    TWinControl* button = group_->Controls(c.item);
    EXPECT_TRUE(button->InheritsFrom("TRadioButton"));
    EXPECT_EQ(button->Caption(), group_->Items()[static_cast<size_t>(c.item)]);
    EXPECT_EQ(button->Left(), first->Left() + c.column * first->Width()) << c.item;
    EXPECT_EQ(button->Top(), first->Top() + c.row * first->Height()) << c.item;
    RECT inGroup{};
    GetWindowRect(button->Handle(), &inGroup);
    MapWindowPoints(nullptr, group_->Handle(), reinterpret_cast<POINT*>(&inGroup), 2);
    EXPECT_GE(inGroup.left, 2) << "inside the frame";
    EXPECT_LE(inGroup.right, group_->Width() - 2);
    EXPECT_GE(inGroup.top, 8) << "below the caption";
    EXPECT_LE(inGroup.bottom, group_->Height() - 2);
  }
  group_->SetBounds(10, 10, 220, 160);
  EXPECT_GT(group_->Controls(1)->Top() - group_->Controls(0)->Top(), first->Height() - 1) << "rows grow";
}

TEST_F(RadioGroupTest, ItemIndexFollowsTheUsersClicks) {
  group_->SetItems({"One", "Two", "Three"});
  EXPECT_EQ(group_->ItemIndex(), -1);
  struct Step {
    int click;        // the item clicked; -1: ItemIndex set from code instead
    int setIndex;
    int itemIndex;
    int clicks;
  } steps[] = {
      {2, 0, 2, 1}, {0, 0, 0, 2}, {0, 0, 0, 2}, {-1, 1, 1, 2}, {2, 0, 2, 3}, {-1, 7, -1, 3},
  };
  for (const Step& s : steps) {
    if (s.click >= 0)
      ClickMiddle(group_->Controls(s.click));
    else
      ASSERT_TRUE(SetPublishedProperty(*group_, "ItemIndex", s.setIndex));
    EXPECT_EQ(GetIntegerProperty(*group_, "ItemIndex"), s.itemIndex);
    EXPECT_EQ(clicks_, s.clicks);
    for (int i = 0; i < group_->ControlCount(); ++i)
      EXPECT_EQ(ShowsChecked(group_->Controls(i)), i == s.itemIndex) << i;
  }
}

TEST_F(RadioGroupTest, NewItemsKeepTheIndexOnlyWhileItIsAnItem) {
  group_->SetItems({"One", "Two", "Three"});
  group_->SetItemIndex(1);
  group_->SetItems({"Uno", "Dos"});
  EXPECT_EQ(group_->ItemIndex(), 1);
  EXPECT_TRUE(ShowsChecked(group_->Controls(1)));
  group_->SetItems({"Solo"});
  EXPECT_EQ(group_->ItemIndex(), -1);
  EXPECT_EQ(group_->ControlCount(), 1);
  EXPECT_FALSE(ShowsChecked(group_->Controls(0)));
}

}  // namespace
