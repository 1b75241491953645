// The shared tray window, the application-window hook (minimise, restore, start-up check,
// taskbar re-creation) and the owner-window filter.
#include "tray/tray_icon.h"

#include "framework/control.h"
#include "tray_test_support.h"

#include <memory>

namespace {

using tray_test::Pump;

class TrayWindowTest : public tray_test::TrayFixture {
protected:
  TComponent root_{nullptr};
};

TEST_F(TrayWindowTest, TheTrayWindowCannotBeClosedFromOutside) {
  TTrayIcon tray(&root_);
  HWND window = TTrayIconHandler::Instance()->Handle();
  char cls[64] = {};
  GetClassNameA(window, cls, sizeof cls);
  EXPECT_STREQ(cls, "TPUtilWindow");
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(SendMessageA(window, WM_CLOSE, 0, 0), 1);
  EXPECT_EQ(SendMessageA(window, WM_QUERYENDSESSION, 0, 0), 1);
  EXPECT_EQ(SendMessageA(window, WM_ENDSESSION, TRUE, 0), 1);
  EXPECT_EQ(SendMessageA(window, WM_DESTROY, 0, 0), 1);
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(TTrayIconHandler::Instance()->Handle(), window);
}

TEST_F(TrayWindowTest, TheTaskbarMessageIsRegisteredFromCommonControls471) {
  const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
  EXPECT_EQ(TaskbarCreatedMessageFor(0x40046), 0u);
  EXPECT_EQ(TaskbarCreatedMessageFor(0x40047), taskbarCreated);
  EXPECT_EQ(TaskbarCreatedMessageFor(0x60000), taskbarCreated);
  EXPECT_GE(ComCtlVersion(), 0x40047u);  // Wine's comctl32
  EXPECT_EQ(TaskbarCreatedMessage(), taskbarCreated);
}

TEST_F(TrayWindowTest, AVisibleIconIsAddedAgainWhenTheTaskbarIsRecreated) {
  TTrayIcon shown(&root_);
  TTrayIcon hidden(&root_);
  shown.SetHint("Kestova");
  shown.SetIconVisible(true);
  calls_.clear();
  // The shell broadcasts it to every top-level window: the application window's hook answers
  // it, the tray window leaves it alone, so the icon is added once.
  SendMessageA(TTrayIconHandler::Instance()->Handle(), TaskbarCreatedMessage(), 0, 0);
  EXPECT_TRUE(calls_.empty());
  SendMessageA(app_.Handle(), TaskbarCreatedMessage(), 0, 0);
  ASSERT_EQ(calls_.size(), 1u);
  EXPECT_EQ(calls_[0].message, static_cast<DWORD>(NIM_ADD));
  EXPECT_EQ(calls_[0].data.uID, shown.IconData().uID);
  EXPECT_STREQ(calls_[0].data.szTip, "Kestova");
}

TEST_F(TrayWindowTest, TheHookGoesWithTheComponent) {
  auto tray = std::make_unique<TTrayIcon>(&root_);
  tray->SetMinimizeToTray(true);
  tray->SetIconVisible(true);
  tray.reset();
  calls_.clear();
  SendMessageA(app_.Handle(), TaskbarCreatedMessage(), 0, 0);
  SendMessageA(app_.Handle(), WM_SIZE, SIZE_MINIMIZED, 0);
  EXPECT_TRUE(calls_.empty());
}

// The main form's part: a windowed control owns the tray icon, and its window is the
// application's main window.
class TrayOwnerTest : public TrayWindowTest {
protected:
  void SetUp() override {
    TrayWindowTest::SetUp();
    form_ = std::make_unique<TWinControl>(nullptr);
    form_->SetBounds(100, 100, 300, 200);
    form_->SetVisible(false);
    main_ = form_->Handle();
    app_.SetMainWindow(main_);
  }
  // Shown only where a test needs it: under Wine without a window manager every hiding of a
  // shown top-level window waits two seconds for the X server.
  void ShowForm() { ShowWindow(main_, SW_SHOWNOACTIVATE); }
  void ShowApplicationWindow() { ShowWindow(app_.Handle(), SW_SHOWNOACTIVATE); }
  void TearDown() override {
    form_.reset();
    TrayWindowTest::TearDown();
  }

  std::unique_ptr<TWinControl> form_;
  HWND main_ = nullptr;
};

TEST_F(TrayOwnerTest, MinimisingTheApplicationHidesToTheTray) {
  ShowForm();
  ShowApplicationWindow();
  auto* tray = new TTrayIcon(form_.get());
  SendMessageA(app_.Handle(), WM_SIZE, SIZE_MINIMIZED, 0);
  EXPECT_TRUE(IsWindowVisible(main_));  // MinimizeToTray is off
  EXPECT_TRUE(calls_.empty());

  tray->SetMinimizeToTray(true);
  SendMessageA(app_.Handle(), WM_SIZE, SIZE_MINIMIZED, 0);
  EXPECT_FALSE(IsWindowVisible(main_));
  EXPECT_FALSE(IsWindowVisible(app_.Handle()));
  ASSERT_EQ(calls_.size(), 1u);
  EXPECT_EQ(calls_[0].message, static_cast<DWORD>(NIM_ADD));
  EXPECT_TRUE(tray->IconVisible());
}

TEST_F(TrayOwnerTest, TheOwnersMinimiseCommandGoesToTheTrayWithAHandler) {
  ShowForm();
  auto* tray = new TTrayIcon(form_.get());
  tray->SetMinimizeToTray(true);
  int minimised = 0;
  tray->OnMinimizeToTray = [&](TComponent* sender) {
    EXPECT_EQ(sender, tray);
    ++minimised;
  };
  EXPECT_EQ(SendMessageA(main_, WM_SYSCOMMAND, SC_MINIMIZE, 0), 1);
  EXPECT_EQ(minimised, 1);
  EXPECT_FALSE(IsWindowVisible(main_));
  EXPECT_FALSE(IsIconic(main_));  // hidden, not minimised
  ASSERT_EQ(calls_.size(), 1u);
  EXPECT_EQ(calls_[0].message, static_cast<DWORD>(NIM_ADD));
}

TEST_F(TrayOwnerTest, WithoutAHandlerTheMinimiseCommandPassesOn) {
  auto* tray = new TTrayIcon(form_.get());
  tray->SetMinimizeToTray(true);
  SendMessageA(main_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(calls_.empty());
  EXPECT_TRUE(IsIconic(main_));  // the window's own handling minimised it
}

TEST_F(TrayOwnerTest, HidingBecauseTheOwnerMinimisesGoesToTheTrayUnlessTerminating) {
  auto* tray = new TTrayIcon(form_.get());
  tray->SetMinimizeToTray(true);
  int minimised = 0;
  tray->OnMinimizeToTray = [&](TComponent*) { ++minimised; };
  EXPECT_EQ(SendMessageA(main_, WM_SHOWWINDOW, FALSE, SW_PARENTCLOSING), 1);
  EXPECT_EQ(minimised, 1);
  app_.Terminate();
  SendMessageA(main_, WM_SHOWWINDOW, FALSE, SW_PARENTCLOSING);
  EXPECT_EQ(minimised, 1);
  MSG quit;
  PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);  // keep the test's queue clean
}

TEST_F(TrayOwnerTest, RestoreOnTheApplicationWindowBringsTheMainFormBack) {
  new TTrayIcon(form_.get());
  ShowWindow(main_, SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(main_));
  SendMessageA(app_.Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_FALSE(IsIconic(main_));
  EXPECT_TRUE(IsWindowVisible(main_));
}

TEST_F(TrayOwnerTest, AStartupHandlerMayKeepTheMainFormHidden) {
  ShowForm();
  ShowApplicationWindow();
  auto* tray = new TTrayIcon(form_.get());
  int asked = 0;
  tray->OnStartup = [&](TComponent*, bool& show) {
    EXPECT_TRUE(show);
    ++asked;
    show = false;
  };
  tray->Loaded();
  EXPECT_EQ(asked, 1);
  EXPECT_FALSE(app_.ShowMainForm());
  EXPECT_FALSE(IsWindowVisible(main_));
  EXPECT_FALSE(IsWindowVisible(app_.Handle()));
}

TEST_F(TrayOwnerTest, WithoutAWindowedOwnerLoadedAsksNothing) {
  TTrayIcon tray(&root_);
  int asked = 0;
  tray.OnStartup = [&](TComponent*, bool&) { ++asked; };
  tray.Loaded();
  EXPECT_EQ(asked, 0);
  EXPECT_TRUE(app_.ShowMainForm());
}

TEST_F(TrayOwnerTest, AnMdiMainFormIsAskedAboutOnceWhenTheApplicationWindowMoves) {
  ShowApplicationWindow();
  CLIENTCREATESTRUCT client = {nullptr, 0xFF00};
  HWND mdiClient = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 100, 100,
                                   main_, nullptr, GetModuleHandleA(nullptr), &client);
  ASSERT_NE(mdiClient, nullptr);
  auto* tray = new TTrayIcon(form_.get());
  int asked = 0;
  tray->OnStartup = [&](TComponent*, bool& show) {
    ++asked;
    show = false;
  };
  WINDOWPOS pos = {app_.Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER};
  SendMessageA(app_.Handle(), WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
  EXPECT_EQ(asked, 1);
  EXPECT_FALSE(IsWindowVisible(app_.Handle()));
  SendMessageA(app_.Handle(), WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
  EXPECT_EQ(asked, 1);
}

TEST_F(TrayOwnerTest, AnOrdinaryMainFormIsNotAskedWhenTheApplicationWindowMoves) {
  auto* tray = new TTrayIcon(form_.get());
  int asked = 0;
  tray->OnStartup = [&](TComponent*, bool&) { ++asked; };
  WINDOWPOS pos = {app_.Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER};
  SendMessageA(app_.Handle(), WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
  EXPECT_EQ(asked, 0);
}

TEST_F(TrayOwnerTest, TheOwnerWindowKeepsWorkingAndGoesFirst) {
  auto* tray = new TTrayIcon(form_.get());
  tray->SetIconVisible(true);
  // The owner's own message handling still runs behind the filter.
  SetWindowTextA(main_, "Kestova");
  char text[32] = {};
  GetWindowTextA(main_, text, sizeof text);
  EXPECT_STREQ(text, "Kestova");
  ShowForm();  // shown by a show call, without activation: the filter brings it forward
  Pump(20);
  EXPECT_EQ(GetForegroundWindow(), main_);
  // A form frees its window first, then its components: the tray icon still removes its icon.
  calls_.clear();
  form_.reset();
  ASSERT_EQ(calls_.size(), 1u);
  EXPECT_EQ(calls_[0].message, static_cast<DWORD>(NIM_DELETE));
  EXPECT_EQ(TTrayIconHandler::Instance(), nullptr);
  EXPECT_TRUE(errors_.empty());
}

}  // namespace
