// JPEG and PNG pictures, collected when the tick box on the settings page is ticked: listed by
// Add, made into a screen-sized Current.BMP when applied, and skipped with a message in the
// status bar when they cannot be used.
#include "tessaloom/tessaloom_test.h"

#include "deadline.h"
#include "message_box.h"
#include "photo_files.h"
#include "remote_controls.h"
#include "scratch_files.h"
#include "window_search.h"

#include <algorithm>
#include <cstdlib>
#include <set>

namespace e2e {
namespace {

using Photos = TessaloomTest;

constexpr char kAllPicturesBox[] = "同时收集 JPG/PNG 图片";
constexpr char kSettingsOn[] = "[userinfo]\r\nTimer=25000\r\nAllPictures=1\r\n";

// A 24-bit BMP file's size and the colour of pixel (x, y) counted from the top, as 0xRRGGBB.
struct TBmpFile {
  int width = 0, height = 0, bitCount = 0;
  std::string bytes;
  uint32_t Pixel(int x, int y) const {
    const uint32_t offset = *reinterpret_cast<const uint32_t*>(&bytes[10]);
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    const auto* p = reinterpret_cast<const uint8_t*>(bytes.data() + offset + stride * (height - 1 - y) + x * 3);
    return uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0];
  }
};

std::optional<TBmpFile> ReadBmp(const std::string& path) {
  const std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes || bytes->size() < 54 || bytes->compare(0, 2, "BM") != 0)
    return std::nullopt;
  TBmpFile bmp;
  bmp.bytes = *bytes;
  bmp.width = *reinterpret_cast<const int32_t*>(&bmp.bytes[18]);
  bmp.height = *reinterpret_cast<const int32_t*>(&bmp.bytes[22]);
  bmp.bitCount = *reinterpret_cast<const uint16_t*>(&bmp.bytes[28]);
  return bmp;
}

// Each channel within TOLERANCE of the expected one (JPEG is lossy).
bool Near(uint32_t colour, uint32_t expected, int tolerance = 24) {
  for (int shift : {0, 8, 16})
    if (std::abs(int((colour >> shift) & 0xFF) - int((expected >> shift) & 0xFF)) > tolerance)
      return false;
  return true;
}

TEST_F(Photos, AddCollectsJpegAndPngOnlyOnceTheBoxIsTickedAndSaveKeepsIt) {
  const std::string root = FileNextToExe("photos");
  MakeFolders(JoinPath(root, "deeper"));
  const std::vector<std::string> bitmaps = {JoinPath(root, "a.bmp")};
  const std::vector<std::string> photos = {JoinPath(root, "b.jpg"), JoinPath(root, "C.JPEG"),
                                           JoinPath(root, "deeper\\d.Png")};
  for (const std::string& path : bitmaps)
    WriteFileBytes(path, TinyBitmap(50));
  for (const std::string& path : photos)
    WriteFileBytes(path, "listed by name; never opened here");
  for (const char* other : {"e.gif", "f.jpg.txt", "g.jpe", "deeper\\h.tiff"})
    WriteFileBytes(JoinPath(root, other), "not collected");
  program_->SetEnvironment("TESSALOOM_BROWSE_FOLDER", root);
  const TTessaloomWindow window = Launch();

  // As before while the box is unticked: the bitmaps alone.
  window.Press(kAdd);
  window.Sync();
  EXPECT_EQ(ReadFileBytes(FileNextToExe("Filelist.txt")), std::optional<std::string>(JoinCrLf(bitmaps)));

  window.OpenPage(1);
  HWND box = FindDescendant(window.Main(), "Button", kAllPicturesBox);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  ASSERT_TRUE(window.ClickTickBox(box, true));
  window.OpenPage(0);
  window.Press(kAdd);
  window.Sync();
  const std::optional<std::string> bytes = ReadFileBytes(FileNextToExe("Filelist.txt"));
  ASSERT_TRUE(bytes.has_value());
  const std::optional<std::vector<std::string>> listed = CrLfLines(*bytes);
  ASSERT_TRUE(listed.has_value()) << *bytes;
  std::vector<std::string> all = bitmaps;
  all.insert(all.end(), photos.begin(), photos.end());
  EXPECT_EQ(std::multiset<std::string>(listed->begin(), listed->end()), std::multiset<std::string>(all.begin(), all.end()));
  EXPECT_EQ(listed->back(), photos.back()) << "the subfolder's photo comes after the top folder's files";
  EXPECT_EQ(window.Panel(0), "共4张壁纸");

  window.OpenPage(1);
  window.ClickReally(FindDescendant(window.Main(), "Button", "保存配置"));
  const TMessageBox saved = WaitForMessageBox(program_->Process().Id(), "Tapestrel", kWindowTimeoutMs);
  DismissMessageBox(saved, kReplyTimeoutMs);
  EXPECT_EQ(ReadFileBytes(FileNextToExe("Set.ini")), std::optional<std::string>(kSettingsOn));
  ASSERT_TRUE(program_->Quit());

  const TTessaloomWindow again = Launch();
  again.Sync();
  again.OpenPage(1);
  EXPECT_EQ(SendMessageA(FindDescendant(again.Main(), "Button", kAllPicturesBox), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(Photos, AClickedPhotoBecomesAScreenSizedBitmapCutFromItsMiddle) {
  const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
  // Both much wider than the screen: covering it by height keeps the middle (green) band only.
  const std::string jpeg = FileNextToExe("bands.jpg"), png = FileNextToExe("bands.png");
  WriteFileBytes(jpeg, EncodeJpeg(1800, 200, [](int x, int) { return ThreeBands(x, 1800); }));
  // The PNG's bands are half transparent: laid over black, its green is half as bright.
  WriteFileBytes(png, EncodePng(900, 100, [](int x, int) { return ThreeBands(x, 900); }, 6,
                                [](int, int) { return uint8_t(128); }));
  WriteFileBytes(FileNextToExe("Filelist.txt"), JoinCrLf({jpeg, png}));
  WriteFileBytes(FileNextToExe("Set.ini"), kSettingsOn);
  const TTessaloomWindow window = Launch();
  const std::string current = FileNextToExe("Current.BMP");

  const struct {
    int entry;
    uint32_t green;
  } cases[] = {{0, 0x00FF00}, {1, 0x008000}};
  for (const auto& c : cases) {
    ClickListEntry(window.FileList(), c.entry);
    window.Sync();
    EXPECT_EQ(ReadDesktopString("Wallpaper"), current) << c.entry;
    EXPECT_EQ(ReadDesktopString("TileWallPaper"), "0");
    const std::optional<TBmpFile> bmp = ReadBmp(current);
    ASSERT_TRUE(bmp.has_value()) << c.entry;
    EXPECT_EQ(bmp->bitCount, 24);
    EXPECT_EQ(bmp->width, screenW);
    EXPECT_EQ(bmp->height, screenH);
    for (const POINT at : {POINT{0, 0}, POINT{screenW / 2, screenH / 2}, POINT{screenW - 1, screenH - 1}})
      EXPECT_TRUE(Near(bmp->Pixel(at.x, at.y), c.green))
          << "entry " << c.entry << " at " << at.x << "," << at.y << ": " << std::hex << bmp->Pixel(at.x, at.y);
    EXPECT_EQ(window.Panel(1), c.entry == 0 ? jpeg : png);
  }
  EXPECT_FALSE(FileExists(current + ".new"));
}

TEST_F(Photos, BadPhotosAreSkippedWithTheirReasonWhileTheRotationGoesOn) {
  const std::string good = FileNextToExe("good.bmp");
  WriteFileBytes(good, TinyBitmap(120));
  const std::string whole = EncodeJpeg(64, 64, [](int x, int) { return ThreeBands(x, 64); });
  std::string badCrc = EncodePng(64, 64, [](int, int y) { return uint32_t(y * 4) << 8; });
  {
    // The first byte of the picture data's checksum, which follows the data: the data no longer fits it.
    const size_t type = badCrc.find("IDAT");
    const size_t length = size_t{uint8_t(badCrc[type - 4])} << 24 | size_t{uint8_t(badCrc[type - 3])} << 16 |
                          size_t{uint8_t(badCrc[type - 2])} << 8 | uint8_t(badCrc[type - 1]);
    badCrc[type + 4 + length] = static_cast<char>(badCrc[type + 4 + length] ^ 0x55);
  }
  const struct {
    const char* name;
    std::string bytes;
    const char* reason;  // a piece of the message
  } cases[] = {
      {"truncated.jpg", whole.substr(0, whole.size() / 2), "truncated"},
      {"badcrc.png", badCrc, "CRC"},
      {"empty.jpg", "", "empty"},
      {"bitmap.jpg", TinyBitmap(30), "bitmap"},
      {"huge.png", EncodePng(20000, 20000, [](int, int) { return 0x336699u; }, 1), "256 MB"},
  };
  std::vector<std::string> entries;
  for (const auto& c : cases) {
    entries.push_back(FileNextToExe(c.name));
    WriteFileBytes(entries.back(), c.bytes);
  }
  entries.push_back(good);
  WriteFileBytes(FileNextToExe("Filelist.txt"), JoinCrLf(entries));
  WriteFileBytes(FileNextToExe("Set.ini"), kSettingsOn);
  const TTessaloomWindow window = Launch();

  for (size_t i = 0; i + 1 < entries.size(); ++i) {
    ClickListEntry(window.FileList(), static_cast<int>(i));
    window.Sync();
    const std::string panel = window.Panel(1);
    EXPECT_EQ(panel.rfind("已跳过 " + entries[i], 0), 0u) << panel;
    EXPECT_NE(panel.find(cases[i].reason), std::string::npos) << panel;
    EXPECT_EQ(ReadDesktopString("Wallpaper"), kWallpaperMark) << "a skipped photo changed the wallpaper";
    EXPECT_FALSE(FindMessageBox(program_->Process().Id()).has_value()) << panel;
  }
  EXPECT_FALSE(FileExists(FileNextToExe("Current.BMP")));

  // A fast rotation over them all: only the good entry and the default wallpaper ever show, and
  // no box stops it.
  window.SetPeriod("200");
  window.Press(kStart);
  std::vector<std::string> seen = WatchWallpaperChanges(8000, 4);
  for (const std::string& wallpaper : seen)
    EXPECT_TRUE(wallpaper == good || wallpaper == DefaultWallpaperPath()) << wallpaper;
  EXPECT_NE(std::find(seen.begin(), seen.end(), good), seen.end()) << "the good entry never came";
}

}  // namespace
}  // namespace e2e
