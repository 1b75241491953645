// The main window in its skin: the frame is the skin's, the client area keeps its designed size,
// the skinned caption buttons answer real clicks, the buttons and the check box are drawn from
// the skin and still do their work under real clicks, the tabs are the skin's buttons and switch
// pages under real clicks, the status bar is framed by the skin, and the tray icon's menu is
// skinned.
#include "tessaloom/tessaloom_test.h"

#include "deadline.h"
#include "message_box.h"
#include "real_input.h"
#include "remote_controls.h"
#include "scratch_files.h"
#include "screenshot.h"
#include "skin_pixels.h"
#include "tray_menu.h"
#include "window_search.h"

#include <commctrl.h>

#include <cstdlib>

namespace e2e {
namespace {

constexpr UINT kIsSkinned = 0x3523;  // a skinned window answers 1
constexpr int kDesignedClientWidth = 554, kDesignedClientHeight = 464;

COLORREF SkinPicturePixel(const char* name, int x, int y) {
  return PicturePixel(std::string(SKIN_SOURCES) + "\\" + name, x, y);
}

using SkinnedWindow = TessaloomTest;

TEST_F(SkinnedWindow, TheMainWindowWearsTheSkinsFrameAndKeepsItsDesignedClientSize) {
  const TTessaloomWindow window = Launch();
  HWND main = window.Main();
  ASSERT_TRUE(WaitFor(5000, [&] { return SendMessageA(main, kIsSkinned, 0, 0) == 1; }));
  window.Sync();
  RECT client{};
  GetClientRect(main, &client);
  EXPECT_EQ(client.right, kDesignedClientWidth);
  EXPECT_EQ(client.bottom, kDesignedClientHeight);
  RECT frame{};
  GetWindowRect(main, &frame);
  POINT origin{0, 0};
  ClientToScreen(main, &origin);
  EXPECT_EQ(origin.y - frame.top, 28) << "the caption is the skin's top picture frame high";
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_NE(GetWindowRgn(main, region), ERROR) << "the skin's outline";
  DeleteObject(region);
  // The caption's background between the title and the buttons is the top picture's.
  const int x = frame.left + (frame.right - frame.left) * 2 / 3;
  EXPECT_EQ(ScreenPixel(x, frame.top + 2), SkinPicturePixel("top.bmp", 8, 2));
}

TEST_F(SkinnedWindow, AClickOnTheSkinnedCloseButtonEndsTheProgram) {
  const TTessaloomWindow window = Launch();
  HWND main = window.Main();
  ASSERT_TRUE(WaitFor(5000, [&] { return SendMessageA(main, kIsSkinned, 0, 0) == 1; }));
  window.Sync();
  SetForegroundWindow(main);
  window.Sync();
  RECT frame{};
  GetWindowRect(main, &frame);
  // The skin puts its close button 30 pixels from the right edge, 5 from the top, 24 x 18.
  ClickAt(frame.right - 30 + 12, frame.top + 5 + 9);
  EXPECT_TRUE(program_->Process().WaitForExit(10000)) << "still running after the close button";
}

// The button's top-left corner, which the skin's button picture gives unscaled: frame FRAME of
// the five in buttons.bmp.
COLORREF ButtonPicturePixel(int frame) {
  const SIZE size = PictureSize(std::string(SKIN_SOURCES) + "\\buttons.bmp");
  return SkinPicturePixel("buttons.bmp", (frame - 1) * size.cx / 5 + 2, 2);
}

// Which of the picture's five frames the button's corner shows; 0 for none.
int FrameShown(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  const COLORREF corner = ScreenPixel(r.left + 2, r.top + 2);
  for (int frame = 1; frame <= 5; ++frame)
    if (corner == ButtonPicturePixel(frame))
      return frame;
  return 0;
}

void ClickCentre(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

TEST_F(SkinnedWindow, TheButtonsAndTheCheckBoxAreDrawnFromTheSkinAndWorkUnderRealClicks) {
  constexpr char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
  const auto runValue = [&] {
    char buffer[1024] = {};
    DWORD size = sizeof buffer;
    return RegGetValueA(HKEY_LOCAL_MACHINE, kRunKey, "Kestova", RRF_RT_REG_SZ, nullptr, buffer, &size) == ERROR_SUCCESS;
  };
  PrepareListOfBitmaps(2);
  const std::string added = FileNextToExe("added");
  MakeEmptyFolder(added);
  WriteFileBytes(JoinPath(added, "one.bmp"), TinyBitmap(30));
  program_->SetEnvironment("TESSALOOM_BROWSE_FOLDER", added);
  const TTessaloomWindow window = Launch();
  HWND main = window.Main();
  ASSERT_TRUE(WaitFor(5000, [&] { return SendMessageA(main, kIsSkinned, 0, 0) == 1; }));
  SetForegroundWindow(main);
  window.Sync();
  HWND check = FindDescendant(main, "Button", "开机自动更换桌面壁纸...");
  ASSERT_NE(check, nullptr);
  for (const char* text : {kAdd, kDelete, kClear, kStart, kStop, "检测更新", "关于", "托盘"})
    EXPECT_EQ(SendMessageA(window.Button(text), kIsSkinned, 0, 0), 1) << text;
  EXPECT_EQ(FindDescendant(main, "Button", "保存配置"), nullptr) << "a page not shown yet has no windows";
  window.OpenPage(1);
  EXPECT_EQ(SendMessageA(window.Button("保存配置"), kIsSkinned, 0, 0), 1) << "skinned when its page is first shown";
  window.OpenPage(0);
  EXPECT_EQ(SendMessageA(check, kIsSkinned, 0, 0), 1);
  SetCursorPos(0, 0);
  window.Sync();
  EXPECT_EQ(FrameShown(window.Button("关于")), 1) << "normal";

  ClickCentre(window.Button(kStart));
  ASSERT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return !IsWindowEnabled(window.Button(kStart)); })) << "started";
  window.Sync();
  EXPECT_EQ(FrameShown(window.Button(kStart)), 3) << "disabled while rotating";
  ClickCentre(window.Button(kStop));
  EXPECT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return IsWindowEnabled(window.Button(kStart)); })) << "stopped";

  ClickCentre(check);
  EXPECT_TRUE(WaitFor(kReplyTimeoutMs, runValue)) << "ticking writes the Run value";
  ClickCentre(check);
  EXPECT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return !runValue(); })) << "unticking removes it";

  ClickCentre(window.Button(kAdd));
  EXPECT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return window.ListCount() == 1; })) << "added through the folder choice";
  SaveScreenshot(main, FileNextToExe("main-window.bmp"));
}

// The page control draws its tabs as the skin's buttons, the page shown pressed (frame 2), and
// a real click on a tab still shows its page; the status bar is framed by the skin's edges and
// its text reads through.
TEST_F(SkinnedWindow, ThePagesSwitchUnderRealClicksOnTheSkinnedTabsAndTheStatusBarKeepsItsText) {
  PrepareListOfBitmaps(2);
  const TTessaloomWindow window = Launch();
  HWND main = window.Main();
  ASSERT_TRUE(WaitFor(5000, [&] { return SendMessageA(main, kIsSkinned, 0, 0) == 1; }));
  SetForegroundWindow(main);
  window.Sync();
  const std::vector<HWND> tabControls = Descendants(main, WC_TABCONTROLA);
  const std::vector<HWND> bars = Descendants(main, STATUSCLASSNAMEA);
  ASSERT_EQ(tabControls.size(), 1u);
  ASSERT_EQ(bars.size(), 1u);
  HWND tabs = tabControls[0], bar = bars[0];
  EXPECT_EQ(SendMessageA(tabs, kIsSkinned, 0, 0), 1);
  EXPECT_EQ(SendMessageA(bar, kIsSkinned, 0, 0), 1);
  const auto tabOnScreen = [&](int index) {
    RECT r = TabItemRect(program_->Process().Handle(), tabs, index);
    MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  // The tab's corner, one row down as the skin draws it.
  const auto frameOfTab = [&](int index) {
    const RECT r = tabOnScreen(index);
    const COLORREF corner = ScreenPixel(r.left + 2, r.top + 1 + 2);
    for (int frame = 1; frame <= 5; ++frame)
      if (corner == ButtonPicturePixel(frame))
        return frame;
    return 0;
  };
  const struct {
    int tab;
    const char* shownButton;  // a button only that page has, or null
  } steps[] = {{1, "保存配置"}, {2, nullptr}, {0, kAdd}};
  const RECT first = TabItemRect(program_->Process().Handle(), tabs, steps[0].tab);
  ASSERT_TRUE(WaitUntilClickable(tabs, {(first.left + first.right) / 2, (first.top + first.bottom) / 2}));
  for (const auto& step : steps) {
    const RECT r = tabOnScreen(step.tab);
    ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    EXPECT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == step.tab; }))
        << "tab " << step.tab;
    window.Sync();
    SetCursorPos(0, 0);
    for (int i = 0; i < 3; ++i)
      EXPECT_EQ(frameOfTab(i), i == step.tab ? 2 : 1) << "tab " << i << " with " << step.tab << " chosen";
    if (step.shownButton) {
      EXPECT_TRUE(IsWindowVisible(window.Button(step.shownButton))) << step.shownButton;
    }
  }
  EXPECT_EQ(window.Panel(0), "共有壁纸2张");
  RECT barRect{};
  GetWindowRect(bar, &barRect);
  EXPECT_EQ(ScreenPixel(barRect.left + 1, barRect.top + 1), SkinPicturePixel("statusbaredges.bmp", 1, 1))
      << "the first panel's frame";
}

int TopIndex(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0)); }

TEST_F(SkinnedWindow, TheWallpaperListShowsTheSkinsScrollBarThatScrollsUnderRealClicksAndDrags) {
  PrepareListOfBitmaps(150);
  const TTessaloomWindow window = Launch();
  HWND main = window.Main();
  HWND list = window.FileList();
  ASSERT_TRUE(WaitFor(5000, [&] { return SendMessageA(list, kIsSkinned, 0, 0) == 1; }));
  ASSERT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return window.ListCount() == 150; }));
  SetForegroundWindow(main);
  window.Sync();
  HWND overlay = nullptr;
  ASSERT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return (overlay = VerticalOverlay(main, list)) != nullptr; }))
      << "an overlay lies over the list's bar";
  RECT bar{};
  GetWindowRect(overlay, &bar);
  const int arrow = GetSystemMetrics(SM_CXHSCROLL);
  SetCursorPos(0, 0);
  window.Sync();
  // The up arrow is the strip's ninth frame, drawn unstretched when the strip fits the bar.
  HBITMAP strip = static_cast<HBITMAP>(LoadImageA(nullptr, (std::string(SKIN_SOURCES) + "\\scrollbar.bmp").c_str(),
                                                  IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  ASSERT_NE(strip, nullptr);
  BITMAP size{};
  GetObjectA(strip, sizeof size, &size);
  DeleteObject(strip);
  const int frameWidth = size.bmWidth / 23;
  if (frameWidth == bar.right - bar.left && size.bmHeight == arrow) {
    const COLORREF source = SkinPicturePixel("scrollbar.bmp", 8 * frameWidth + frameWidth / 2, arrow / 2);
    if (source != RGB(255, 0, 255))
      EXPECT_EQ(ScreenPixel(bar.left + frameWidth / 2, bar.top + arrow / 2), source) << "the skin's up arrow";
  }

  const int top = TopIndex(list);
  ClickAt((bar.left + bar.right) / 2, bar.bottom - arrow / 2);
  EXPECT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return TopIndex(list) > top; })) << "the down arrow scrolled the list";

  // Near the top of the track, where the thumb of a list scrolled by a line or two lies.
  const int x = (bar.left + bar.right) / 2, y = bar.top + arrow + 5;
  const int before = TopIndex(list);
  SetCursorPos(x, y);
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  for (int step = 1; step <= 8; ++step) {
    Sleep(40);
    SetCursorPos(x, y + 8 * step);
  }
  Sleep(150);
  SaveScreenshot(main, FileNextToExe("main-window-thumb-drag.bmp"));
  MouseButton(MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return TopIndex(list) > before + 10; }))
      << "dragging the thumb 64 pixels scrolled the list by more than ten entries";
  window.Sync();
  SaveScreenshot(main, FileNextToExe("main-window-long-list.bmp"));
}

TEST_F(SkinnedWindow, ThePeriodIsEditedAndSavedThroughTheSkinnedEdit) {
  const TTessaloomWindow window = Launch();
  ASSERT_TRUE(WaitFor(5000, [&] { return SendMessageA(window.Main(), kIsSkinned, 0, 0) == 1; }));
  SetForegroundWindow(window.Main());
  HWND period = window.PeriodEdit();
  EXPECT_EQ(SendMessageA(period, kIsSkinned, 0, 0), 1) << "the edit made when its page was first shown is skinned";
  SetEditText(period, "7000");
  HWND save = FindDescendant(window.Main(), "Button", "保存配置");
  PostMessageA(GetParent(save), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(save), BN_CLICKED), reinterpret_cast<LPARAM>(save));
  const TMessageBox box = WaitForMessageBox(program_->Process().Id(), "Tapestrel", kWindowTimeoutMs);
  EXPECT_EQ(box.text, "配置选项保存成功!");
  DismissMessageBox(box, kReplyTimeoutMs);
  EXPECT_EQ(ReadFileBytes(FileNextToExe("Set.ini")), std::optional<std::string>("[userinfo]\r\nTimer=7000\r\n"));
}

TEST_F(SkinnedWindow, TheTrayIconsMenuIsDrawnFromTheSkin) {
  const TTessaloomWindow window = Launch();
  window.Sync();
  HWND menu = OpenTrayIconMenu(program_->Process().Id(), kWindowTimeoutMs);
  ASSERT_NE(menu, nullptr) << "no menu opened by a right click on the icon";
  EXPECT_EQ(SendMessageA(menu, kIsSkinned, 0, 0), 1) << "the menu window has the skin's background";
  // Menus live in their process: the menu is judged by its pixels. Its frame is the corner of
  // the skin's menu background picture, unscaled, once the menu has painted.
  RECT box{};
  GetWindowRect(menu, &box);
  const COLORREF corner = SkinPicturePixel("menubackground.bmp", 1, 1);
  EXPECT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return ScreenPixel(box.left + 1, box.top + 1) == corner; }))
      << "the menu's corner is " << ScreenPixel(box.left + 1, box.top + 1);
  SaveScreenshot(menu, FileNextToExe("tray-menu.bmp"));
  PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return !IsWindowVisible(menu); }));
}

// The window has no taskbar button: once minimised by the skin's button, only the tray brings it
// back, by its menu's first item (chosen with the keys) or by a click on the icon.
TEST_F(SkinnedWindow, AWindowMinimisedByTheSkinnedButtonComesBackFromTheTray) {
  const TTessaloomWindow window = Launch();
  HWND main = window.Main();
  ASSERT_TRUE(WaitFor(5000, [&] { return SendMessageA(main, kIsSkinned, 0, 0) == 1; }));
  RECT shown{};  // read once the skinned frame has its size, just before each minimise
  auto minimise = [&] {
    SetForegroundWindow(main);
    window.Sync();
    GetWindowRect(main, &shown);
    // The skin's minimise button: 82 pixels from the right edge, 5 from the top, 24 x 18.
    ClickAt(shown.right - 82 + 12, shown.top + 5 + 9);
    return WaitFor(kReplyTimeoutMs, [&] { return IsIconic(main) != FALSE; });
  };
  // Restored (no longer iconic, shown, at its own size).
  auto restored = [&] {
    RECT now{};
    GetWindowRect(main, &now);
    return !IsIconic(main) && IsWindowVisible(main) && now.right - now.left == shown.right - shown.left &&
           now.bottom - now.top == shown.bottom - shown.top;
  };
  auto state = [&] {
    RECT now{};
    GetWindowRect(main, &now);
    return std::string(IsIconic(main) ? "iconic" : "not iconic") + (IsWindowVisible(main) ? ", shown at " : ", hidden at ") +
           std::to_string(now.left) + "," + std::to_string(now.top) + " " + std::to_string(now.right - now.left) + "x" +
           std::to_string(now.bottom - now.top);
  };
  ASSERT_TRUE(minimise()) << "the skinned minimise button did not minimise";
  HWND menu = OpenTrayIconMenu(program_->Process().Id(), kWindowTimeoutMs);
  ASSERT_NE(menu, nullptr);
  PressKey(VK_DOWN);  // 显示窗体, the first item
  PressKey(VK_RETURN);
  EXPECT_TRUE(WaitFor(kReplyTimeoutMs, restored)) << "after 显示窗体 the window is " << state();

  ASSERT_TRUE(minimise());
  ASSERT_TRUE(ClickTrayIcon(kWindowTimeoutMs));
  EXPECT_TRUE(WaitFor(kReplyTimeoutMs, restored)) << "after a click on the icon the window is " << state();
}

}  // namespace
}  // namespace e2e
