#include "framework/button.h"
#include "framework/check_box.h"
#include "framework/labeled_edit.h"

#include "framework/application.h"

#include <gtest/gtest.h>

namespace {

// What the button's parent receives when the user clicks it.
void UserClick(TWinControl* control) {
  SendMessageA(GetParent(control->Handle()), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
               reinterpret_cast<LPARAM>(control->Handle()));
}

class StandardControlsTest : public ::testing::Test {
protected:
  StandardControlsTest() : parent_(nullptr) {
    Application = &app_;
    parent_.SetVisible(false);  // no window manager: mapping a top-level window costs seconds
    parent_.SetBounds(0, 0, 300, 200);
  }
  ~StandardControlsTest() override { Application = nullptr; }
  TApplication app_;
  TWinControl parent_;
};

TEST_F(StandardControlsTest, AButtonRunsOneHandlerForAClickAndForClickFromCode) {
  auto* button = new TButton(&parent_);
  button->SetParent(&parent_);
  button->SetCaption("开始");
  int clicks = 0;
  button->OnClick = [&](TComponent* sender) { clicks += sender == button; };
  button->Click();
  UserClick(button);
  EXPECT_EQ(clicks, 2);
  char text[16] = {};
  GetWindowTextA(button->Handle(), text, sizeof text);
  EXPECT_STREQ(text, "开始");
}

TEST_F(StandardControlsTest, ADisabledButtonIsADisabledWindowBeforeAndAfterItsCreation) {
  auto* button = new TButton(&parent_);
  button->SetParent(&parent_);
  button->SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(button->Handle()));
  button->SetEnabled(true);
  EXPECT_TRUE(IsWindowEnabled(button->Handle()));
}

TEST_F(StandardControlsTest, ACheckBoxClickFiresOnEveryRealChangeOfState) {
  auto* box = new TCheckBox(&parent_);
  box->SetParent(&parent_);
  std::vector<bool> seen;
  box->OnClick = [&](TComponent*) { seen.push_back(box->Checked()); };
  box->SetChecked(false);  // no change: no handler
  EXPECT_TRUE(seen.empty());
  box->SetChecked(true);
  EXPECT_EQ(SendMessageA(box->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  UserClick(box);  // the user unticks it
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(SendMessageA(box->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST_F(StandardControlsTest, AHiddenLabeledEditHidesItsLabelAndStillRaisesItsChange) {
  auto* edit = new TLabeledEdit(&parent_);
  edit->SetParent(&parent_);
  edit->SetBounds(168, 32, 121, 18);
  edit->EditLabel()->SetCaption("壁纸总数");
  edit->SetVisible(false);
  int changes = 0;
  edit->OnChange = [&](TComponent*) { ++changes; };
  parent_.Handle();
  edit->SetText("12");
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(IsWindowVisible(edit->Handle()));
  EXPECT_FALSE(GetWindowLongA(edit->EditLabel()->Handle(), GWL_STYLE) & WS_VISIBLE);
  EXPECT_GT(edit->EditLabel()->Width(), 0);
}

TEST_F(StandardControlsTest, AlignedChildrenShareTheParentsClientArea) {
  auto* top = new TWinControl(&parent_);
  auto* bottom = new TWinControl(&parent_);
  auto* fill = new TWinControl(&parent_);
  for (TWinControl* c : {top, bottom, fill})
    c->SetParent(&parent_);
  top->SetBounds(0, 0, 10, 73);
  top->SetAlign(TAlign::alTop);
  bottom->SetBounds(0, 0, 10, 23);
  bottom->SetAlign(TAlign::alBottom);
  fill->SetAlign(TAlign::alClient);
  parent_.Handle();
  RECT client;
  GetClientRect(parent_.Handle(), &client);
  EXPECT_EQ(top->Width(), client.right);
  EXPECT_EQ(bottom->Top(), client.bottom - 23);
  EXPECT_EQ(fill->Top(), 73);
  EXPECT_EQ(fill->Height(), client.bottom - 73 - 23);

  // A size message at the same size (a first show sends one) moves no child window; a new
  // size moves them all.
  int moves = 0;
  TWinControl* const aligned[] = {top, bottom, fill};
  TWinControl::THookId ids[3] = {};
  for (int i = 0; i < 3; ++i)
    ids[i] = aligned[i]->AddMessageHook([&, i](UINT msg, WPARAM w, LPARAM l) {
      moves += msg == WM_WINDOWPOSCHANGING;
      return aligned[i]->CallNextHook(ids[i], msg, w, l);
    });
  SendMessageA(parent_.Handle(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
  EXPECT_EQ(moves, 0);
  SetWindowPos(parent_.Handle(), nullptr, 0, 0, 250, 150, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(moves, 3);
  GetClientRect(parent_.Handle(), &client);
  EXPECT_EQ(bottom->Top(), client.bottom - 23);
  for (int i = 0; i < 3; ++i)
    aligned[i]->RemoveMessageHook(ids[i]);
}

TEST_F(StandardControlsTest, ControlsOfADestroyedParentLetGoOfTheirWindows) {
  auto* panel = new TWinControl(&parent_);
  panel->SetParent(&parent_);
  auto* button = new TButton(&parent_);
  button->SetParent(panel);
  HWND buttonWindow = button->Handle();
  delete panel;
  EXPECT_FALSE(IsWindow(buttonWindow));
  EXPECT_FALSE(button->HandleAllocated());
  EXPECT_EQ(button->Parent(), nullptr);
}

}  // namespace
