#include "framework/scroll_bar.h"

#include "control_form.h"

#include <gtest/gtest.h>

namespace {

class ScrollBarTest : public ::testing::Test, protected control_form::ControlForm {
protected:
  ScrollBarTest() : bar_(Place(new TScrollBar(&Form()), 10, 10, 300, 20)) {
    bar_->SetMax(1000);
    bar_->SetPageSize(100);
    bar_->SetSmallChange(5);
    bar_->SetLargeChange(90);
    bar_->OnChange = [this](TComponent*) { ++changes_; };
  }
  // What the scroll bar's window sends its parent when the user scrolls.
  void Scrolled(WORD code) {
    SendMessageA(Form().Handle(), WM_HSCROLL, MAKEWPARAM(code, 0), reinterpret_cast<LPARAM>(bar_->Handle()));
  }
  int WindowPosition() { return GetScrollPos(bar_->Handle(), SB_CTL); }
  TScrollBar* bar_;
  int changes_ = 0;
};

TEST_F(ScrollBarTest, ReflectedScrollingMovesThePositionByItsChangesWithinTheRange) {
  struct Case {
    int from;
    WORD code;
    int to;  // 901 is the last position the page of 100 leaves room for
  };
  const Case cases[] = {
      {500, SB_LINEDOWN, 505}, {500, SB_LINEUP, 495},     {500, SB_PAGEDOWN, 590}, {500, SB_PAGEUP, 410},
      {3, SB_LINEUP, 0},       {40, SB_PAGEUP, 0},        {899, SB_LINEDOWN, 901}, {850, SB_PAGEDOWN, 901},
      {500, SB_TOP, 0},        {500, SB_BOTTOM, 901},     {500, SB_ENDSCROLL, 500},
  };
  Form().Handle();
  for (const Case& c : cases) {
    bar_->SetPosition(c.from);
    changes_ = 0;
    Scrolled(c.code);
    EXPECT_EQ(bar_->Position(), c.to) << c.from << " code " << c.code;
    EXPECT_EQ(WindowPosition(), c.to) << c.from << " code " << c.code;
    EXPECT_EQ(changes_, c.from != c.to ? 1 : 0) << c.from << " code " << c.code;
  }
}

TEST_F(ScrollBarTest, AClickOnAnArrowAndTheArrowKeysScroll) {
  Form().Handle();
  bar_->SetPosition(100);
  RECT client{};
  GetClientRect(bar_->Handle(), &client);
  control_form::Click(bar_->Handle(), client.right - 5, client.bottom / 2);  // the right arrow
  EXPECT_EQ(bar_->Position(), 105);
  EXPECT_EQ(WindowPosition(), 105);
  control_form::PressKey(bar_->Handle(), VK_LEFT);
  EXPECT_EQ(bar_->Position(), 100);
  control_form::PressKey(bar_->Handle(), VK_END);
  EXPECT_EQ(bar_->Position(), 901);
  EXPECT_EQ(changes_, 3);
}

TEST_F(ScrollBarTest, AVerticalBarTakesOnlyTheScrollingReflectedToIt) {
  TScrollBar* other = Place(new TScrollBar(&Form()), 10, 40, 20, 200);
  other->SetKind(TScrollBarKind::sbVertical);
  other->SetPosition(50);
  Form().Handle();
  SendMessageA(Form().Handle(), WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), reinterpret_cast<LPARAM>(other->Handle()));
  EXPECT_EQ(other->Position(), 51) << "the vertical bar scrolls by its own small change";
  EXPECT_EQ(bar_->Position(), 0) << "the other bar is not concerned";
  EXPECT_EQ(changes_, 0);
}

}  // namespace
