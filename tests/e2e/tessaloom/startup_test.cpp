// Start-up: the files written next to the executable, the start-up status and the single
// instance.
#include "tessaloom/tessaloom_test.h"

#include "deadline.h"
#include "message_box.h"
#include "scratch_files.h"
#include "window_search.h"

namespace e2e {
namespace {

std::string CommittedWallpaper() { return ReadFileBytes(WindowsPath(COMMITTED_WALLPAPER)).value(); }

using StartUp = TessaloomTest;

TEST_F(StartUp, AFirstStartWritesTheDefaultWallpaperAndEmptyListAndSettingsFiles) {
  const TTessaloomWindow window = Launch();
  window.Sync();
  const std::optional<std::string> wallpaper = ReadFileBytes(DefaultWallpaperPath());
  ASSERT_TRUE(wallpaper.has_value()) << "no Wallpaper.BMP next to the executable";
  EXPECT_EQ(wallpaper->size(), 401078u);
  EXPECT_TRUE(*wallpaper == CommittedWallpaper()) << "Wallpaper.BMP differs from the resource";
  EXPECT_EQ(ReadFileBytes(FileNextToExe("Filelist.txt")), std::optional<std::string>(""));
  EXPECT_EQ(ReadFileBytes(FileNextToExe("Set.ini")), std::optional<std::string>(""));
  EXPECT_EQ(window.Panel(0), "共有壁纸0张");
  EXPECT_EQ(window.ListCount(), 0);
  EXPECT_EQ(ReadDesktopString("Wallpaper"), kWallpaperMark) << "a start alone applies nothing";
}

TEST_F(StartUp, TheApplicationWindowIsHiddenAsAToolWindowSoThereIsNoTaskbarButton) {
  Launch().Sync();
  const std::vector<HWND> applications = TopLevelWindows(program_->Process().Id(), "TApplication");
  ASSERT_EQ(applications.size(), 1u);
  EXPECT_FALSE(IsWindowVisible(applications[0]));
  EXPECT_TRUE(GetWindowLongA(applications[0], GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
}

TEST_F(StartUp, AnExistingListIsLoadedAndCountedWithoutBeingRewritten) {
  const std::vector<std::string> paths = PrepareListOfBitmaps(3);
  const TTessaloomWindow window = Launch();
  window.Sync();
  EXPECT_EQ(window.Panel(0), "共有壁纸3张");
  EXPECT_EQ(window.ListCount(), 3);
  EXPECT_EQ(ReadFileBytes(FileNextToExe("Filelist.txt")), JoinCrLf(paths));
}

TEST_F(StartUp, AListWithBareLineFeedsAndABlankLineLoadsEveryLine) {
  WriteFileBytes(FileNextToExe("Filelist.txt"), "Z:\\a.bmp\n\nZ:\\b.bmp\nZ:\\c.bmp");
  const TTessaloomWindow window = Launch();
  window.Sync();
  EXPECT_EQ(window.Panel(0), "共有壁纸4张");
  EXPECT_EQ(window.ListCount(), 4);
  // Delete with nothing selected writes the loaded list back as it is, in CR LF lines.
  window.Press(kDelete);
  window.Sync();
  EXPECT_EQ(ReadFileBytes(FileNextToExe("Filelist.txt")),
            std::optional<std::string>("Z:\\a.bmp\r\n\r\nZ:\\b.bmp\r\nZ:\\c.bmp\r\n"));
}

TEST_F(StartUp, ASecondStartIsTurnedAwayAndLeavesTheFirstInstanceAlone) {
  const TTessaloomWindow window = Launch();
  window.Sync();
  // A second instance that ran its start-up would restore this file.
  WriteFileBytes(DefaultWallpaperPath(), "changed by the test");

  const TProcess second = program_->StartAnother();
  const TMessageBox box = WaitForMessageBox(second.Id(), "Error", kWindowTimeoutMs);
  EXPECT_EQ(box.text, "Tapestrel已经运行！");
  EXPECT_TRUE(TopLevelWindows(second.Id(), "TForm1").empty()) << "the second made a main window";
  DismissMessageBox(box, kReplyTimeoutMs);
  ASSERT_TRUE(second.WaitForExit(kExitTimeoutMs)) << "the second instance did not end";

  EXPECT_EQ(ReadFileBytes(DefaultWallpaperPath()), std::optional<std::string>("changed by the test"));
  ASSERT_TRUE(program_->IsRunning());
  EXPECT_TRUE(IsWindowVisible(window.Main()));
  EXPECT_EQ(window.Panel(0), "共有壁纸0张");
}

TEST_F(StartUp, AModifiedOrDeletedDefaultWallpaperIsRestoredAtTheNextStart) {
  Launch().Sync();
  ASSERT_TRUE(program_->Quit());

  WriteFileBytes(DefaultWallpaperPath(), "edited by the user");
  Launch().Sync();
  EXPECT_TRUE(ReadFileBytes(DefaultWallpaperPath()) == CommittedWallpaper())
      << "a modified Wallpaper.BMP was not restored";
  ASSERT_TRUE(program_->Quit());

  DeleteFileA(DefaultWallpaperPath().c_str());
  Launch().Sync();
  EXPECT_TRUE(ReadFileBytes(DefaultWallpaperPath()) == CommittedWallpaper())
      << "a deleted Wallpaper.BMP was not restored";
}

}  // namespace
}  // namespace e2e
