// Start, the first-wallpaper one-shot, the rotation with its fixed draw sequence, and Stop,
// observed in the desktop values the program writes.
#include "tessaloom/tessaloom_test.h"

#include "deadline.h"
#include "message_box.h"
#include "scratch_files.h"

#include <algorithm>

namespace e2e {
namespace {

using Rotation = TessaloomTest;

// Generous bounds: the one-shot is due 3 s after Start, and a 1.3 s period needs about 8 s for
// its first six ticks.
constexpr DWORD kOneShotWatchMs = 8000;
constexpr DWORD kSixTicksWatchMs = 15000;

TEST_F(Rotation, StartWithAnEmptyListOnlySaysSo) {
  const TTessaloomWindow window = Launch();
  window.Press(kStart);
  const TMessageBox box = WaitForMessageBox(program_->Process().Id(), "Tapestrel", kWindowTimeoutMs);
  EXPECT_EQ(box.text, "壁纸文件列表不能为空");
  DismissMessageBox(box, kReplyTimeoutMs);
  window.Sync();
  EXPECT_EQ(ReadDesktopString("Wallpaper"), kWallpaperMark);
  EXPECT_TRUE(IsWindowEnabled(window.Button(kStart))) << "the state must not change";
}

TEST_F(Rotation, StartAppliesTheDefaultWallpaperAtOnceAndEntryZeroAfterTheOneShot) {
  const std::vector<std::string> paths = PrepareListOfBitmaps(3);
  const TTessaloomWindow window = Launch();
  window.Press(kStart);
  window.Sync();
  EXPECT_EQ(ReadDesktopString("Wallpaper"), DefaultWallpaperPath()) << "not applied at once";
  EXPECT_EQ(ReadDesktopString("TileWallPaper"), std::optional<std::string>("0"));
  EXPECT_FALSE(IsWindowEnabled(window.Button(kStart)));
  EXPECT_TRUE(IsWindowEnabled(window.Button(kStop)));

  const std::vector<std::string> changes = WatchWallpaperChanges(kOneShotWatchMs, 2);
  EXPECT_EQ(changes, (std::vector<std::string>{DefaultWallpaperPath(), paths[0]}));
}

TEST_F(Rotation, AShortPeriodRotatesThroughTheFixedDrawSequence) {
  const std::vector<std::string> paths = PrepareListOfBitmaps(12);
  const TTessaloomWindow window = Launch();
  window.SetPeriod("1300");
  window.Press(kStart);

  // Draws for 12 entries: 0, 0, 10, 2, 3, 8; the second 0 changes nothing, nor does the
  // one-shot's entry 0 at 3 s, between the second and the third tick.
  const std::vector<std::string> changes = WatchWallpaperChanges(kSixTicksWatchMs, 6);
  EXPECT_EQ(changes, (std::vector<std::string>{DefaultWallpaperPath(), paths[0], paths[10],
                                               paths[2], paths[3], paths[8]}));
}

TEST_F(Rotation, StopHaltsTheRotationButNotThePendingFirstWallpaper) {
  const std::vector<std::string> paths = PrepareListOfBitmaps(12);
  const TTessaloomWindow window = Launch();
  window.SetPeriod("1000");
  window.Press(kStart);
  window.Press(kStop);
  window.Sync();
  EXPECT_TRUE(IsWindowEnabled(window.Button(kStart)));
  EXPECT_FALSE(IsWindowEnabled(window.Button(kStop)));

  // A running rotation would have moved on to entries 10, 2 and 3 by 5.5 s.
  const std::vector<std::string> changes = WatchWallpaperChanges(5500, 3);
  EXPECT_EQ(changes, (std::vector<std::string>{DefaultWallpaperPath(), paths[0]}));
}

TEST_F(Rotation, PicturesThatAreGoneRaiseOneErrorBoxAtATimeWhileTheRotationGoesOn) {
  // Every file of the list is gone, as on an unplugged drive: each tick's preview fails.
  const std::vector<std::string> gone = {FileNextToExe("gone\\a.bmp"), FileNextToExe("gone\\b.bmp")};
  WriteFileBytes(FileNextToExe("Filelist.txt"), JoinCrLf(gone));
  const TTessaloomWindow window = Launch();
  window.SetPeriod("50");
  window.Press(kStart);
  const TMessageBox box = WaitForMessageBox(program_->Process().Id(), "Tapestrel", kWindowTimeoutMs);
  EXPECT_EQ(box.text.rfind("Cannot open file \"" + gone[0] + "\"", 0), 0u) << box.text;

  // Forty ticks later: still the one box, and the wallpaper went on changing meanwhile.
  const std::vector<std::string> changes = WatchWallpaperChanges(2000, 100);
  EXPECT_EQ(FindMessageBoxes(program_->Process().Id()).size(), 1u);
  EXPECT_NE(std::find(changes.begin(), changes.end(), gone[1]), changes.end())
      << "the rotation stopped while the box was open";
  EXPECT_TRUE(IsWindow(box.window)) << "the first box was replaced";

  // Asked to close while the box is open, the program ends as soon as that one box is closed.
  PostMessageA(window.Main(), WM_CLOSE, 0, 0);
  DismissMessageBox(box, kReplyTimeoutMs);
  EXPECT_TRUE(program_->Process().WaitForExit(kReplyTimeoutMs)) << "still running after the box was closed";
}

}  // namespace
}  // namespace e2e
