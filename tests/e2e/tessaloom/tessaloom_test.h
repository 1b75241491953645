#pragma once
// The fixture of every end-to-end test of the program: a fresh scratch copy of Tessaloom.exe,
// the user's desktop values kept and replaced by marks the program must overwrite, and at the
// end a picture of the window (screen.bmp in the scratch folder), a check that no message box
// was left open and that closing the window ends the program.
#include "desktop_settings.h"
#include "harness.h"
#include "tessaloom/tessaloom_window.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// What the desktop values hold until the program applies a wallpaper.
inline const char kWallpaperMark[] = "tl-e2e-no-wallpaper-applied";
inline const char kTileMark[] = "1";

class TessaloomTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  // Starts the program and finds its controls.
  TTessaloomWindow Launch();

  std::string FileNextToExe(const std::string& name) const { return program_->PathOf(name); }
  std::string DefaultWallpaperPath() const { return FileNextToExe("Wallpaper.BMP"); }

  // COUNT small valid bitmaps in the scratch folder, listed in that order in Filelist.txt.
  std::vector<std::string> PrepareListOfBitmaps(int count);

  // Successive different values of the desktop "Wallpaper" after the mark, watched for MS or
  // until STOP_AFTER changes were seen.
  std::vector<std::string> WatchWallpaperChanges(DWORD ms, size_t stopAfter) const;

  // What a start from a Run value shows: the window out of sight, the rotation started, the
  // start-with-Windows box ticked, and the default wallpaper followed by the list's FIRST entry.
  void ExpectAnAutomaticStart(const TTessaloomWindow& window, const std::string& first) const;

  std::unique_ptr<TProgramUnderTest> program_;

private:
  std::unique_ptr<TDesktopSettingsGuard> desktop_;
};

}  // namespace e2e
