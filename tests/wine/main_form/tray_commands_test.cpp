#include "main_form_fixture.h"

#include "tray/shell_notify.h"
#include "tray/tray_icon.h"

#include <algorithm>

namespace {

// Records what the main window asks of the shell instead of asking it.
class TrayCommandsTest : public MainFormTest {
protected:
  TrayCommandsTest() {
    SetShellNotifyIcon([this](DWORD message, const TNotifyIconData& data) {
      sent_.push_back({message, data});
      return true;
    });
  }
  ~TrayCommandsTest() override { SetShellNotifyIcon({}); }

  static RECT WorkArea() {
    RECT area;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
  }
  static bool Centred(TForm1& form) {
    RECT area = WorkArea(), placed;
    GetWindowRect(form.Handle(), &placed);
    return placed.left == area.left + (area.right - area.left - (placed.right - placed.left)) / 2;
  }

  struct TSent {
    DWORD Message;
    TNotifyIconData Data;
  };
  std::vector<TSent> sent_;
};

TEST_F(TrayCommandsTest, TheIconIsAddedAtStartWithItsTooltipAndItsSmallIcon) {
  Start();
  auto added = std::find_if(sent_.begin(), sent_.end(), [](const TSent& s) { return s.Message == NIM_ADD; });
  ASSERT_NE(added, sent_.end());
  EXPECT_STREQ(added->Data.szTip, "Kestova");
  ICONINFO info = {};
  ASSERT_TRUE(GetIconInfo(added->Data.hIcon, &info));
  BITMAP colour = {};
  GetObjectA(info.hbmColor, sizeof colour, &colour);
  EXPECT_EQ(colour.bmWidth, GetSystemMetrics(SM_CXSMICON));
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
}

TEST_F(TrayCommandsTest, TheTrayButtonHidesTheWindowAndAClickOnTheIconBringsItBackCentred) {
  TForm1& form = Start();
  form.Show();
  form.SetBounds(-5000, 40, form.Width(), form.Height());  // as an automatic start leaves it
  form.Button8Click(nullptr);
  EXPECT_FALSE(IsWindowVisible(form.Handle()));
  form.TrayIcon1->OnClick(form.TrayIcon1);
  EXPECT_TRUE(IsWindowVisible(form.Handle()));
  EXPECT_TRUE(Centred(form));
}

TEST_F(TrayCommandsTest, TheMenuShowsCentredHidesEvenAHiddenWindowAndExitEndsTheProgram) {
  TForm1& form = Start();
  form.Show();
  form.SetBounds(10, 10, form.Width(), form.Height());  // moved by the user
  form.N4Click(nullptr);
  EXPECT_TRUE(Centred(form));
  form.N5Click(nullptr);
  EXPECT_FALSE(IsWindowVisible(form.Handle()));
  form.N5Click(nullptr);
  EXPECT_FALSE(IsWindowVisible(form.Handle()));
  form.N3Click(nullptr);
  EXPECT_TRUE(app_.Terminated());
  MSG quit;  // the quit message must not end a later test's loop
  PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

TEST_F(TrayCommandsTest, TheMenuHoldsItsItemsInOrderWithTheNextWallpaperAfterHide) {
  TForm1& form = Start();
  TPopupMenu* menu = form.TrayIcon1->PopupMenu();
  ASSERT_NE(menu, nullptr);
  std::vector<std::string> captions;
  for (int i = 0; i < menu->Count(); ++i)
    captions.push_back(menu->Items(i)->Caption());
  EXPECT_EQ(captions,
            (std::vector<std::string>{"显示窗体", "隐藏窗体", "下一张壁纸", "-", "退  出", "Brellow友情开发制作"}));
}

}  // namespace
