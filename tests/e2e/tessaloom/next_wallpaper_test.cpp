// The tray menu's 下一张壁纸, chosen with real keys in the menu a real right click opened.
#include "tessaloom/tessaloom_test.h"

#include "deadline.h"
#include "real_input.h"
#include "tray_menu.h"

namespace e2e {
namespace {

using NextWallpaper = TessaloomTest;

// Opens the icon's menu and chooses its third item, 下一张壁纸, by keys as a user would; true
// when the menu closed on the choice (a disabled item leaves it open, and Escape closes it).
bool ChooseNextWallpaper(const TProgramUnderTest& program, const TTessaloomWindow& window) {
  HWND menu = OpenTrayIconMenu(program.Process().Id(), kWindowTimeoutMs);
  if (!menu) {
    ADD_FAILURE() << "no menu opened by a right click on the icon";
    return false;
  }
  for (int i = 0; i < 3; ++i)
    PressKey(VK_DOWN);
  PressKey(VK_RETURN);
  const bool closed = WaitFor(1000, [&] { return !IsWindowVisible(menu); });
  if (!closed) {
    PressKey(VK_ESCAPE);
    WaitFor(kReplyTimeoutMs, [&] { return !IsWindowVisible(menu); });
  }
  window.Sync();
  return closed;
}

TEST_F(NextWallpaper, AppliesAnotherEntryAtOnceStartsTheRotationAndRestartsThePeriod) {
  // With 12 entries the draws run 0, 0, 10, 2, ...: the first choice takes entry 0, the second
  // draws 0 again, which is the entry shown, and so takes 10; the rotation's first tick then
  // draws 2.
  const std::vector<std::string> paths = PrepareListOfBitmaps(12);
  const TTessaloomWindow window = Launch();
  window.SetPeriod("5000");
  window.Sync();
  ASSERT_TRUE(IsWindowEnabled(window.Button(kStart)));

  EXPECT_TRUE(ChooseNextWallpaper(*program_, window)) << "the menu stayed open";
  EXPECT_EQ(ReadDesktopString("Wallpaper"), paths[0]);
  EXPECT_FALSE(IsWindowEnabled(window.Button(kStart))) << "the rotation did not start";
  EXPECT_TRUE(IsWindowEnabled(window.Button(kStop)));

  Sleep(2500);  // half a period: a period not restarted would end 2.5 s after the next choice
  EXPECT_TRUE(ChooseNextWallpaper(*program_, window)) << "the menu stayed open";
  EXPECT_EQ(ReadDesktopString("Wallpaper"), paths[10]) << "the entry shown was chosen again";
  const DWORD chosen = GetTickCount();
  EXPECT_EQ(WatchWallpaperChanges(12000, 2), (std::vector<std::string>{paths[10], paths[2]}));
  const DWORD ticked = GetTickCount() - chosen;
  EXPECT_GE(ticked, 3750u) << "the rotation's tick came " << ticked << " ms after the choice";
}

TEST_F(NextWallpaper, IsDisabledWhileTheListIsEmpty) {
  const TTessaloomWindow window = Launch();
  window.Sync();
  ChooseNextWallpaper(*program_, window);
  EXPECT_EQ(ReadDesktopString("Wallpaper"), kWallpaperMark);
  EXPECT_TRUE(IsWindowEnabled(window.Button(kStart))) << "a disabled item started the rotation";
}

}  // namespace
}  // namespace e2e
