// The tray window's callback messages: clicks, double clicks, mouse events, enter and exit,
// the popup menu and balloon notifications. The shell's messages are sent directly.
#include "tray/tray_icon.h"

#include "tray_test_support.h"

#include <string>
#include <vector>

namespace {

using tray_test::Pump;
using tray_test::PumpUntil;

// Watches for the popup menu window while a menu is tracked, remembers where it appeared and
// then chooses its first item by keyboard, or closes it.
class MenuWatcher {
public:
  explicit MenuWatcher(bool chooseFirst)
      : chooseFirst_(chooseFirst), timer_(30, [this](TSimpleTimer*) { Look(); }) {
    timer_.SetEnabled(true);
  }
  bool Seen() const { return seen_; }
  RECT Rect() const { return rect_; }

private:
  void Look() {
    HWND menu = FindWindowA("#32768", nullptr);
    if (menu && IsWindowVisible(menu)) {
      seen_ = true;
      GetWindowRect(menu, &rect_);
      if (chooseFirst_) {
        PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageA(menu, WM_CHAR, '\r', 0);
      } else {
        EndMenu();
      }
      timer_.SetEnabled(false);
    } else if (++looks_ > 30) {
      EndMenu();  // never leave a test hanging in a menu
      timer_.SetEnabled(false);
    }
  }

  bool chooseFirst_;
  bool seen_ = false;
  int looks_ = 0;
  RECT rect_ = {};
  TSimpleTimer timer_;
};

struct MouseReport {
  std::string kind;  // "down", "up", "move"
  TMouseButton button;
  TShiftState shift;
  int x, y;
};

class TrayMouseTest : public tray_test::TrayFixture {
protected:
  void SetUp() override {
    TrayFixture::SetUp();
    tray_ = new TTrayIcon(&root_);
    tray_->OnClick = [this](TComponent* sender) {
      EXPECT_EQ(sender, tray_);
      events_.push_back("click");
    };
    tray_->OnMouseDown = [this](TComponent*, TMouseButton b, TShiftState s, int x, int y) {
      mouse_.push_back({"down", b, s, x, y});
    };
    tray_->OnMouseUp = [this](TComponent*, TMouseButton b, TShiftState s, int x, int y) {
      mouse_.push_back({"up", b, s, x, y});
    };
    tray_->OnMouseMove = [this](TComponent*, TShiftState s, int x, int y) {
      mouse_.push_back({"move", TMouseButton::mbLeft, s, x, y});
    };
    SetCursorPos(200, 150);
  }

  // What the shell posts for an event over the icon.
  void Shell(UINT notification) {
    SendMessageA(TTrayIconHandler::Instance()->Handle(), 0x800, tray_->IconData().uID, notification);
  }
  void Count(const char* what) { events_.push_back(what); }
  int Occurrences(const std::string& what) const {
    int n = 0;
    for (const std::string& e : events_)
      n += e == what;
    return n;
  }

  TComponent root_{nullptr};
  TTrayIcon* tray_ = nullptr;  // owned by root_
  std::vector<std::string> events_;
  std::vector<MouseReport> mouse_;
};

TEST_F(TrayMouseTest, WithoutADoubleClickHandlerTheClickComesOnTheRelease) {
  Shell(WM_LBUTTONDOWN);
  EXPECT_EQ(Occurrences("click"), 0);
  Shell(WM_LBUTTONUP);
  EXPECT_EQ(Occurrences("click"), 1);  // at once, before any timer could run
  ASSERT_EQ(mouse_.size(), 2u);
  EXPECT_EQ(mouse_[0].kind, "down");
  EXPECT_EQ(mouse_[0].button, TMouseButton::mbLeft);
  EXPECT_EQ(mouse_[0].shift & ssLeft, ssLeft);
  POINT pt;
  GetCursorPos(&pt);
  EXPECT_EQ(mouse_[0].x, pt.x);
  EXPECT_EQ(mouse_[0].y, pt.y);
  EXPECT_EQ(mouse_[1].kind, "up");
  EXPECT_EQ(mouse_[1].button, TMouseButton::mbLeft);
  Pump(GetDoubleClickTime() + 100);
  EXPECT_EQ(Occurrences("click"), 1);
}

TEST_F(TrayMouseTest, AReleaseWithoutAPressIsNoClick) {
  Shell(WM_LBUTTONUP);
  EXPECT_EQ(Occurrences("click"), 0);
  EXPECT_EQ(mouse_.size(), 1u);
}

TEST_F(TrayMouseTest, WithADoubleClickHandlerADoubleClickRaisesOnlyIt) {
  tray_->OnDblClick = [this](TComponent*) { Count("dblclick"); };
  Shell(WM_LBUTTONDOWN);
  Shell(WM_LBUTTONUP);
  Shell(WM_LBUTTONDBLCLK);
  Shell(WM_LBUTTONUP);
  EXPECT_EQ(Occurrences("dblclick"), 1);
  Pump(GetDoubleClickTime() + 200);
  EXPECT_EQ(Occurrences("dblclick"), 1);
  EXPECT_EQ(Occurrences("click"), 0);
}

TEST_F(TrayMouseTest, WithADoubleClickHandlerASingleClickWaitsTheDoubleClickTime) {
  tray_->OnDblClick = [this](TComponent*) { Count("dblclick"); };
  const DWORD pressed = GetTickCount();
  Shell(WM_LBUTTONDOWN);
  Shell(WM_LBUTTONUP);
  EXPECT_EQ(Occurrences("click"), 0);
  ASSERT_TRUE(PumpUntil([&] { return Occurrences("click") == 1; }, GetDoubleClickTime() + 1000));
  EXPECT_GE(GetTickCount() - pressed + 30, GetDoubleClickTime());  // timer granularity
  Pump(100);
  EXPECT_EQ(Occurrences("click"), 1);
  EXPECT_EQ(Occurrences("dblclick"), 0);
}

TEST_F(TrayMouseTest, AReleaseAfterTheDoubleClickTimeClicksAtOnce) {
  tray_->OnDblClick = [this](TComponent*) { Count("dblclick"); };
  Shell(WM_LBUTTONDOWN);
  Pump(GetDoubleClickTime() + 150);  // the timer expires with the button still down
  EXPECT_EQ(Occurrences("click"), 0);
  Shell(WM_LBUTTONUP);
  EXPECT_EQ(Occurrences("click"), 1);
}

TEST_F(TrayMouseTest, ADisabledComponentIgnoresTheMouse) {
  tray_->SetEnabled(false);
  for (UINT m : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP,
                 WM_MBUTTONDOWN, WM_MBUTTONUP, WM_LBUTTONDBLCLK})
    Shell(m);
  EXPECT_TRUE(events_.empty());
  EXPECT_TRUE(mouse_.empty());
}

TEST_F(TrayMouseTest, MiddleButtonAndMoveReports) {
  Shell(WM_MBUTTONDOWN);
  Shell(WM_MBUTTONUP);
  Shell(WM_MOUSEMOVE);
  ASSERT_EQ(mouse_.size(), 3u);
  EXPECT_EQ(mouse_[0].button, TMouseButton::mbMiddle);
  EXPECT_EQ(mouse_[0].shift & ssMiddle, ssMiddle);
  EXPECT_EQ(mouse_[1].kind, "up");
  EXPECT_EQ(mouse_[1].button, TMouseButton::mbMiddle);
  EXPECT_EQ(mouse_[2].kind, "move");
  EXPECT_EQ(mouse_[2].shift & (ssLeft | ssRight | ssMiddle), 0u);
}

TEST_F(TrayMouseTest, TheRightReleaseDependsOnTheNotificationStyle) {
  Shell(WM_RBUTTONUP);
  ASSERT_EQ(mouse_.size(), 1u);
  EXPECT_EQ(mouse_[0].kind, "up");
  EXPECT_EQ(mouse_[0].button, TMouseButton::mbRight);
  EXPECT_EQ(mouse_[0].shift & ssRight, ssRight);
  Shell(WM_CONTEXTMENU);
  Shell(NIN_SELECT);
  EXPECT_EQ(mouse_.size(), 1u);  // version-3 notifications mean nothing in style 0

  tray_->NotificationStyle = 1;
  Shell(WM_RBUTTONUP);
  EXPECT_EQ(mouse_.size(), 1u);
  Shell(WM_CONTEXTMENU);
  Shell(NIN_SELECT);
  Shell(NIN_KEYSELECT);
  EXPECT_EQ(mouse_.size(), 4u);
  EXPECT_EQ(mouse_[3].button, TMouseButton::mbRight);
}

TEST_F(TrayMouseTest, EnterAndExitFollowThePointer) {
  tray_->OnMouseEnter = [this](TComponent*) { Count("enter"); };
  tray_->OnMouseExit = [this](TComponent*) { Count("exit"); };
  Shell(WM_MOUSEMOVE);  // not wanted yet
  EXPECT_EQ(Occurrences("enter"), 0);
  tray_->SetWantEnterExitEvents(true);

  SetCursorPos(300, 200);
  Shell(WM_MOUSEMOVE);
  Shell(WM_MOUSEMOVE);
  EXPECT_EQ(Occurrences("enter"), 1);
  Pump(100);  // resting on the icon
  EXPECT_EQ(Occurrences("exit"), 0);

  SetCursorPos(340, 260);  // moved with no report over the icon: gone
  ASSERT_TRUE(PumpUntil([&] { return Occurrences("exit") == 1; }, 1000));
  Pump(60);
  EXPECT_EQ(Occurrences("exit"), 1);

  Shell(WM_MOUSEMOVE);
  EXPECT_EQ(Occurrences("enter"), 2);
  tray_->SetWantEnterExitEvents(false);
  SetCursorPos(100, 100);
  Pump(100);
  EXPECT_EQ(Occurrences("exit"), 1);
}

TEST_F(TrayMouseTest, BalloonNotificationsGoToTheirEventsEvenWhenDisabled) {
  tray_->OnBalloonHintShow = [this](TComponent* s) { Count(s == tray_ ? "show" : "?"); };
  tray_->OnBalloonHintHide = [this](TComponent*) { Count("hide"); };
  tray_->OnBalloonHintTimeout = [this](TComponent*) { Count("timeout"); };
  tray_->OnBalloonHintClick = [this](TComponent*) { Count("balloonclick"); };
  tray_->SetEnabled(false);
  Shell(NIN_BALLOONSHOW);
  Shell(NIN_BALLOONHIDE);
  Shell(NIN_BALLOONTIMEOUT);
  Shell(NIN_BALLOONUSERCLICK);
  EXPECT_EQ(events_, (std::vector<std::string>{"show", "hide", "timeout", "balloonclick"}));
}

TEST_F(TrayMouseTest, AnErrorInAHandlerGoesToTheErrorBox) {
  tray_->OnClick = [](TComponent*) { throw std::runtime_error("Kestova is busy"); };
  Shell(WM_LBUTTONDOWN);
  Shell(WM_LBUTTONUP);
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_[0], "Kestova is busy.");
}

TEST_F(TrayMouseTest, AForeignIdentifierIsIgnored) {
  SendMessageA(TTrayIconHandler::Instance()->Handle(), 0x800, tray_->IconData().uID + 8, WM_LBUTTONDOWN);
  SendMessageA(TTrayIconHandler::Instance()->Handle(), 0x800, 0, WM_LBUTTONUP);
  EXPECT_TRUE(mouse_.empty());
}

// ---- The popup menu ----

class TrayMenuTest : public TrayMouseTest {
protected:
  void SetUp() override {
    TrayMouseTest::SetUp();
    menu_ = new TPopupMenu(&root_);
    for (const char* caption : {"显示窗体", "隐藏窗体", "-", "退  出"}) {
      auto* item = new TMenuItem(&root_);
      item->SetCaption(caption);
      item->OnClick = [this, caption](TComponent*) { chosen_.push_back(caption); };
      menu_->Add(item);
    }
    tray_->SetPopupMenu(menu_);
  }

  TPopupMenu* menu_ = nullptr;  // owned by root_
  std::vector<std::string> chosen_;
};

TEST_F(TrayMenuTest, ARightPressShowsTheMenuAtThePointer) {
  MenuWatcher watcher(false);
  Shell(WM_RBUTTONDOWN);  // returns when the menu has closed
  ASSERT_TRUE(watcher.Seen());
  EXPECT_EQ(watcher.Rect().left, 200);
  EXPECT_EQ(watcher.Rect().top, 150);
  EXPECT_EQ(menu_->PopupComponent(), tray_);
  ASSERT_FALSE(mouse_.empty());
  EXPECT_EQ(mouse_[0].kind, "down");
  EXPECT_EQ(mouse_[0].button, TMouseButton::mbRight);
  Pump(50);
  EXPECT_TRUE(chosen_.empty());
}

TEST_F(TrayMenuTest, TheChosenItemRunsItsHandlerFromTheMessageLoop) {
  MenuWatcher watcher(true);
  Shell(WM_RBUTTONDOWN);
  ASSERT_TRUE(watcher.Seen());
  EXPECT_TRUE(PumpUntil([&] { return !chosen_.empty(); }, 1000));
  EXPECT_EQ(chosen_, (std::vector<std::string>{"显示窗体"}));
}

TEST_F(TrayMenuTest, NoAutomaticPopupNoMenu) {
  menu_->SetAutoPopup(false);
  MenuWatcher watcher(false);
  Shell(WM_RBUTTONDOWN);
  Pump(100);
  EXPECT_FALSE(watcher.Seen());
}

TEST_F(TrayMenuTest, TheLeftButtonOpensTheMenuOnlyWithLeftPopup) {
  {
    MenuWatcher watcher(false);
    Shell(WM_LBUTTONDOWN);
    Shell(WM_LBUTTONUP);
    Pump(100);
    EXPECT_FALSE(watcher.Seen());
  }
  tray_->SetLeftPopup(true);
  MenuWatcher watcher(false);
  Shell(WM_LBUTTONDOWN);
  EXPECT_TRUE(watcher.Seen());
}

TEST_F(TrayMenuTest, ADoubleClickChoosesTheDefaultItem) {
  Shell(WM_LBUTTONDBLCLK);
  EXPECT_TRUE(chosen_.empty());  // no default item
  menu_->Items(3)->SetDefault(true);
  Shell(WM_LBUTTONDBLCLK);
  EXPECT_EQ(chosen_, (std::vector<std::string>{"退  出"}));
  tray_->SetLeftPopup(true);
  Shell(WM_LBUTTONDBLCLK);
  EXPECT_EQ(chosen_.size(), 1u);
}

}  // namespace
