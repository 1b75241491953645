#include "tessaloom/tessaloom_test.h"

#include "deadline.h"
#include "message_box.h"
#include "scratch_files.h"
#include "screenshot.h"
#include "window_search.h"

namespace e2e {

void TessaloomTest::SetUp() {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::string folder =
      WindowsPath(SCRATCH_ROOT) + "\\" + test->test_suite_name() + "." + test->name();
  program_ = std::make_unique<TProgramUnderTest>(TESSALOOM_EXE, folder,
                                                 TWindowIdentity{"TForm1", "Muravane"});
  desktop_ = std::make_unique<TDesktopSettingsGuard>();
  WriteDesktopString("Wallpaper", kWallpaperMark);
  WriteDesktopString("TileWallPaper", kTileMark);
}

void TessaloomTest::TearDown() {
  if (program_ && program_->IsRunning()) {
    SaveScreenshot(program_->MainWindow(), FileNextToExe("screen.bmp"));
    if (const std::optional<TMessageBox> box = FindMessageBox(program_->Process().Id())) {
      ADD_FAILURE() << "message box left open: \"" << box->caption << "\": " << box->text;
      DismissMessageBox(*box, kReplyTimeoutMs);
    }
    EXPECT_TRUE(program_->Quit()) << "the program did not end when its main window was closed";
  }
  program_.reset();
  desktop_.reset();
}

TTessaloomWindow TessaloomTest::Launch() {
  const HWND main = program_->Start();
  return TTessaloomWindow(program_->Process().Handle(), main);
}

std::vector<std::string> TessaloomTest::PrepareListOfBitmaps(int count) {
  const std::string folder = FileNextToExe("pictures");
  MakeFolders(folder);
  std::vector<std::string> paths;
  for (int i = 0; i < count; ++i) {
    paths.push_back(JoinPath(folder, "picture" + std::to_string(i) + ".bmp"));
    WriteFileBytes(paths.back(), TinyBitmap(static_cast<uint8_t>(20 * i)));
  }
  WriteFileBytes(FileNextToExe("Filelist.txt"), JoinCrLf(paths));
  return paths;
}

std::vector<std::string> TessaloomTest::WatchWallpaperChanges(DWORD ms, size_t stopAfter) const {
  std::vector<std::string> changes;
  std::string last = kWallpaperMark;
  WaitFor(ms, [&] {
    const std::string now = ReadDesktopString("Wallpaper").value_or("<missing>");
    if (now != last)
      changes.push_back(last = now);
    return changes.size() >= stopAfter;
  }, 10);
  return changes;
}

void TessaloomTest::ExpectAnAutomaticStart(const TTessaloomWindow& window, const std::string& first) const {
  RECT placed;
  GetWindowRect(window.Main(), &placed);
  EXPECT_EQ(placed.left, -5000);
  EXPECT_FALSE(IsWindowEnabled(window.Button(kStart))) << "the rotation did not start";
  HWND box = FindDescendant(window.Main(), "Button", "开机自动更换桌面壁纸...");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(WatchWallpaperChanges(8000, 2), (std::vector<std::string>{DefaultWallpaperPath(), first}));
}

}  // namespace e2e
