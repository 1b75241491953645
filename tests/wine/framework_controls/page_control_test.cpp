#include "framework/page_control.h"

#include "framework/application.h"
#include "framework/font.h"
#include "framework/memo.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

class PageControlTest : public ::testing::Test {
protected:
  PageControlTest() : form_(nullptr), pages_(new TPageControl(&form_)) {
    form_.SetVisible(false);
    form_.SetBounds(0, 0, 570, 470);
    pages_->SetParent(&form_);
    pages_->SetBounds(0, 76, 560, 332);
    for (const char* caption : {"管理壁纸", "个性设置", "更新说明"}) {
      auto* sheet = new TTabSheet(&form_);
      sheet->SetCaption(caption);
      sheet->SetParent(pages_);
    }
    pages_->OnChange = [this](TComponent*) { ++changes_; };
  }
  HWND Sheet(int i) { return pages_->Pages(i)->Handle(); }
  std::string TabText(int i) {
    char text[64] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(pages_->Handle(), TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
    return text;
  }
  // The display area below the tabs, in the page control's client coordinates.
  RECT DisplayArea() {
    RECT area{};
    GetClientRect(pages_->Handle(), &area);
    SendMessageA(pages_->Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    return area;
  }
  // A window's rectangle in the client coordinates of another.
  static RECT RectIn(HWND window, HWND in) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, in, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }
  static bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }
  bool Shown(int i) { return GetWindowLongA(Sheet(i), GWL_STYLE) & WS_VISIBLE; }
  // A mouse click in the middle of tab I, as the user makes it.
  void ClickTab(int i) {
    RECT tab{};
    SendMessageA(pages_->Handle(), TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&tab));
    const LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
    SendMessageA(pages_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(pages_->Handle(), WM_LBUTTONUP, 0, at);
  }
  TApplication app_;
  TFont bigFont_{"宋体", 40};  // outlives the controls that use it
  TWinControl form_;
  TPageControl* pages_;
  int changes_ = 0;
};

TEST_F(PageControlTest, TheFirstPageIsActiveAndAloneVisibleInTheDisplayArea) {
  form_.Handle();
  ASSERT_EQ(pages_->PageCount(), 3);
  EXPECT_EQ(pages_->ActivePageIndex(), 0);
  EXPECT_EQ(SendMessageA(pages_->Handle(), TCM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageA(pages_->Handle(), TCM_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(TabText(0), "管理壁纸");
  EXPECT_EQ(TabText(2), "更新说明");
  EXPECT_TRUE(GetWindowLongA(pages_->Handle(), GWL_STYLE) & TCS_BUTTONS);
  EXPECT_TRUE(Shown(0));
  EXPECT_FALSE(Shown(1));
  EXPECT_FALSE(Shown(2));
  EXPECT_EQ(GetParent(Sheet(0)), pages_->Handle());
  EXPECT_TRUE(Same(RectIn(Sheet(0), pages_->Handle()), DisplayArea()));
  const int tabsBottom = DisplayArea().top;
  EXPECT_GT(tabsBottom, 0);

  pages_->SetFont(&bigFont_);  // taller tabs: the page moves down with the display area
  EXPECT_GT(DisplayArea().top, tabsBottom);
  EXPECT_TRUE(Same(RectIn(Sheet(0), pages_->Handle()), DisplayArea()));
}

TEST_F(PageControlTest, AClickOnATabShowsItsPageFillingTheDisplayAreaAndHidesTheOld) {
  form_.Handle();
  ClickTab(1);
  EXPECT_EQ(pages_->ActivePageIndex(), 1);
  EXPECT_EQ(changes_, 1);
  EXPECT_TRUE(Shown(1));
  EXPECT_FALSE(Shown(0));
  EXPECT_TRUE(Same(RectIn(Sheet(1), pages_->Handle()), DisplayArea()));

  pages_->SetActivePageIndex(2);
  EXPECT_EQ(SendMessageA(pages_->Handle(), TCM_GETCURSEL, 0, 0), 2);
  EXPECT_TRUE(Shown(2));
  EXPECT_FALSE(Shown(1));
  EXPECT_EQ(changes_, 1);  // only the user's choice is a change
}

TEST_F(PageControlTest, APageChosenBeforeTheWindowExistsIsTheOneShownWhenItIsCreated) {
  pages_->SetActivePageIndex(2);
  form_.Handle();
  EXPECT_EQ(SendMessageA(pages_->Handle(), TCM_GETCURSEL, 0, 0), 2);
  EXPECT_TRUE(Shown(2));
  EXPECT_FALSE(Shown(0));
  EXPECT_TRUE(Same(RectIn(Sheet(2), pages_->Handle()), DisplayArea()));
}

TEST_F(PageControlTest, ChildrenOfASheetArePlacedInTheSheetsClientCoordinates) {
  auto* memo = new TMemo(&form_);
  memo->SetParent(pages_->Pages(2));
  memo->SetAlign(TAlign::alClient);
  auto* corner = new TMemo(&form_);
  corner->SetParent(pages_->Pages(0));
  corner->SetBounds(4, 7, 50, 20);
  form_.Handle();
  pages_->SetActivePageIndex(2);

  RECT sheet{};
  GetClientRect(Sheet(2), &sheet);
  EXPECT_TRUE(Same(RectIn(memo->Handle(), Sheet(2)), sheet));
  const RECT placed = RectIn(corner->Handle(), Sheet(0));
  EXPECT_EQ(placed.left, 4);
  EXPECT_EQ(placed.top, 7);
}

TEST_F(PageControlTest, TabsFollowCaptionsAndPagesThatGo) {
  form_.Handle();
  pages_->Pages(1)->SetCaption("设置");
  EXPECT_EQ(TabText(1), "设置");

  delete pages_->Pages(0);  // the active page
  EXPECT_EQ(pages_->PageCount(), 2);
  EXPECT_EQ(SendMessageA(pages_->Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(TabText(0), "设置");
  EXPECT_EQ(pages_->ActivePageIndex(), 0);
  EXPECT_TRUE(Shown(0));
  EXPECT_THROW(pages_->Pages(2), std::out_of_range);
}

// Pages not shown and controls hidden cost no window until they are shown or asked for; the
// top-level window hears once of each late window, which takes its place in the window order.
TEST_F(PageControlTest, PagesAndHiddenControlsGetTheirWindowsWhenFirstShownOrAskedFor) {
  auto* memo = new TMemo(&form_);
  memo->SetParent(pages_->Pages(1));
  TWinControl* row[3];
  for (TWinControl*& control : row) {
    control = new TWinControl(&form_);
    control->SetParent(pages_->Pages(0));
  }
  row[1]->SetVisible(false);
  auto* storage = new TMemo(&form_);
  storage->SetVisible(false);
  storage->SetParent(&form_);
  std::vector<HWND> notices;
  TWinControl::THookId hook = 0;
  hook = form_.AddMessageHook([&](UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == CM_CONTROLCREATED)
      notices.push_back(reinterpret_cast<HWND>(wParam));
    return form_.CallNextHook(hook, msg, wParam, lParam);
  });

  form_.Handle();
  EXPECT_TRUE(pages_->Pages(0)->HandleAllocated());
  EXPECT_FALSE(pages_->Pages(1)->HandleAllocated());
  EXPECT_FALSE(pages_->Pages(2)->HandleAllocated());
  EXPECT_FALSE(memo->HandleAllocated());
  EXPECT_FALSE(row[1]->HandleAllocated());
  EXPECT_FALSE(storage->HandleAllocated());
  EXPECT_EQ(TabText(1), "个性设置") << "a tab without its sheet's window";
  EXPECT_TRUE(notices.empty()) << "windows made with their parent's are not late";

  ClickTab(1);
  ASSERT_TRUE(pages_->Pages(1)->HandleAllocated());
  EXPECT_TRUE(Shown(1));
  EXPECT_FALSE(Shown(0));
  ASSERT_TRUE(memo->HandleAllocated());
  EXPECT_TRUE(GetWindowLongA(memo->Handle(), GWL_STYLE) & WS_VISIBLE) << "shown in its page";
  EXPECT_EQ(notices, std::vector<HWND>{Sheet(1)}) << "one notice for the sheet and its memo";

  row[1]->SetVisible(true);
  ASSERT_TRUE(row[1]->HandleAllocated());
  EXPECT_EQ(GetWindow(row[0]->Handle(), GW_HWNDNEXT), row[1]->Handle()) << "in creation order";
  EXPECT_EQ(GetWindow(row[1]->Handle(), GW_HWNDNEXT), row[2]->Handle());

  storage->SetText("kept");
  EXPECT_FALSE(storage->HandleAllocated()) << "text needs no window";
  HWND made = storage->Handle();
  EXPECT_FALSE(IsWindowVisible(made));
  EXPECT_EQ(storage->Text(), "kept");
  char text[16] = {};
  GetWindowTextA(made, text, sizeof text);
  EXPECT_STREQ(text, "kept");
  EXPECT_EQ(notices, (std::vector<HWND>{Sheet(1), row[1]->Handle(), made}));
  form_.RemoveMessageHook(hook);  // it refers to this test's locals
}

// Windows made together are made in tab order, so each lands in its place without being moved
// there afterwards; controls without a tab order follow in creation order.
int zOrderMoves = 0;

LRESULT CALLBACK CountZOrderMoves(int code, WPARAM wParam, LPARAM lParam) {
  const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && sent->message == WM_WINDOWPOSCHANGING &&
      !(reinterpret_cast<const WINDOWPOS*>(sent->lParam)->flags & SWP_NOZORDER))
    ++zOrderMoves;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(PageControlTest, WindowsMadeTogetherTakeTheTabOrderWithoutBeingMoved) {
  TWinControl* buttons[4];
  for (TWinControl*& button : buttons) {
    button = new TWinControl(&form_);
    button->SetParent(&form_);
  }
  buttons[0]->SetTabOrder(2);
  buttons[1]->SetTabOrder(0);
  buttons[2]->SetTabOrder(1);
  zOrderMoves = 0;
  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, CountZOrderMoves, nullptr, GetCurrentThreadId());
  form_.Handle();
  UnhookWindowsHookEx(hook);

  std::vector<HWND> order;
  for (HWND child = GetWindow(form_.Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    order.push_back(child);
  EXPECT_EQ(order, (std::vector<HWND>{buttons[1]->Handle(), buttons[2]->Handle(), buttons[0]->Handle(),
                                      pages_->Handle(), buttons[3]->Handle()}));
  EXPECT_EQ(zOrderMoves, 0);

  buttons[3]->SetTabOrder(3);
  EXPECT_EQ(GetWindow(buttons[0]->Handle(), GW_HWNDNEXT), buttons[3]->Handle()) << "a later change still moves it";
}

}  // namespace
