// The saved period, the automatic start through the machine-wide Run value, and hiding the
// window to the tray, seen from outside the running program.
#include "tessaloom/tessaloom_test.h"

#include "deadline.h"
#include "message_box.h"
#include "tessaloom/run_value.h"
#include "remote_controls.h"
#include "scratch_files.h"
#include "window_search.h"

namespace e2e {
namespace {

using Settings = TessaloomTest;

// The machine-wide Run value; whatever a test leaves there is removed again.
class TRunValue : public TRunValueAt {
public:
  TRunValue() : TRunValueAt(HKEY_LOCAL_MACHINE) {}
};

// What a button's parent receives when the user clicks it; also for a button on a page that
// is not shown, which a posted BM_CLICK cannot press.
void ClickHidden(HWND button) {
  PostMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

// The visible edit whose text is TEXT, or null.
HWND EditWithText(HWND main, const std::string& text) {
  for (HWND edit : Descendants(main, "Edit"))
    if (EditText(edit) == text && (StyleOf(edit) & WS_VISIBLE))
      return edit;
  return nullptr;
}

TEST_F(Settings, ASavedPeriodIsInTheSettingsFileAndComesBackAtTheNextStart) {
  TTessaloomWindow window = Launch();
  window.SetPeriod("7000");
  ClickHidden(FindDescendant(window.Main(), "Button", "保存配置"));
  const TMessageBox box = WaitForMessageBox(program_->Process().Id(), "Tapestrel", kWindowTimeoutMs);
  EXPECT_EQ(box.text, "配置选项保存成功!");
  DismissMessageBox(box, kReplyTimeoutMs);
  EXPECT_EQ(ReadFileBytes(FileNextToExe("Set.ini")), std::optional<std::string>("[userinfo]\r\nTimer=7000\r\n"));
  ASSERT_TRUE(program_->Quit());

  window = Launch();
  window.Sync();
  window.OpenPage(1);
  EXPECT_NE(EditWithText(window.Main(), "7000"), nullptr) << "the saved period did not come back";
  EXPECT_EQ(EditWithText(window.Main(), "25000"), nullptr);
}

TEST_F(Settings, AStartWithTheRunValueOpensOutOfSightRotatesAndRewritesTheValueQuoted) {
  TRunValue run;
  run.Write("C:\\old place\\Tessaloom.exe");
  const std::vector<std::string> paths = PrepareListOfBitmaps(3);
  const TTessaloomWindow window = Launch();
  window.Sync();
  EXPECT_EQ(ReadDesktopString("Wallpaper"), DefaultWallpaperPath());
  EXPECT_EQ(run.Read(), std::optional<std::string>("\"" + program_->ExePath() + "\""));
  ExpectAnAutomaticStart(window, paths[0]);
}

TEST_F(Settings, UntickingTheBoxRemovesTheRunValue) {
  TRunValue run;
  run.Write("x");
  PrepareListOfBitmaps(1);
  const TTessaloomWindow window = Launch();
  window.Sync();
  ASSERT_TRUE(run.Read().has_value());
  ClickHidden(FindDescendant(window.Main(), "Button", "开机自动更换桌面壁纸..."));
  window.Sync();
  EXPECT_FALSE(run.Read().has_value());
}

TEST_F(Settings, TheTrayButtonHidesTheWindowWhileTheRotationGoesOn) {
  const std::vector<std::string> paths = PrepareListOfBitmaps(3);
  const TTessaloomWindow window = Launch();
  window.Press(kStart);
  window.Press("托盘");
  window.Sync();
  EXPECT_FALSE(IsWindowVisible(window.Main()));
  EXPECT_EQ(WatchWallpaperChanges(8000, 2), (std::vector<std::string>{DefaultWallpaperPath(), paths[0]}));
  ShowWindow(window.Main(), SW_SHOW);  // so the closing check sees a window to close
}

}  // namespace
}  // namespace e2e
