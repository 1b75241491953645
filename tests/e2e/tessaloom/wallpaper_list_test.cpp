// The wallpaper list: Add through the folder seam, Delete, Clear and a click on an entry.
#include "tessaloom/tessaloom_test.h"

#include "remote_controls.h"
#include "scratch_files.h"

#include <algorithm>
#include <set>

namespace e2e {
namespace {

// The variable that stands in for the folder dialog of Add; empty means the user cancelled.
const char kBrowseFolder[] = "TESSALOOM_BROWSE_FOLDER";

std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

size_t DepthBelow(const std::string& root, const std::string& path) {
  return static_cast<size_t>(std::count(path.begin() + root.size(), path.end(), '\\'));
}

// The file system reports a folder's entries in an order of its own, so breadth-first is
// checked as properties: each folder's files come together, deeper folders come later, and
// folders of one depth come in the order of their parents.
::testing::AssertionResult IsBreadthFirst(const std::string& root, const std::vector<std::string>& files) {
  std::vector<std::string> folders;
  for (const std::string& file : files)
    if (folders.empty() || folders.back() != FolderOf(file))
      folders.push_back(FolderOf(file));
  for (size_t i = 0; i < folders.size(); ++i) {
    if (std::count(folders.begin(), folders.end(), folders[i]) != 1)
      return ::testing::AssertionFailure() << "the files of " << folders[i] << " are split up";
    if (i == 0)
      continue;
    const size_t depth = DepthBelow(root, folders[i]);
    const size_t previous = DepthBelow(root, folders[i - 1]);
    if (depth < previous)
      return ::testing::AssertionFailure() << folders[i] << " comes after the deeper " << folders[i - 1];
    const auto parentRank = [&](const std::string& folder) {
      return std::find(folders.begin(), folders.end(), FolderOf(folder)) - folders.begin();
    };
    if (depth == previous && depth > 1 && parentRank(folders[i]) < parentRank(folders[i - 1]))
      return ::testing::AssertionFailure() << folders[i] << " comes after " << folders[i - 1]
                                           << " although its parent came first";
  }
  return ::testing::AssertionSuccess();
}

class WallpaperList : public TessaloomTest {
protected:
  // A tree with bitmaps at three depths, hidden ones, an upper-case extension, a name that
  // merely ends in "bmp", and files that are no bitmaps. Returns the bitmaps.
  std::vector<std::string> PrepareTree(const std::string& root) {
    MakeEmptyFolder(root);
    for (const char* folder : {"alpha", "alpha\\inner", "beta", "beta\\.secret", "empty"})
      MakeFolders(JoinPath(root, folder));
    SetHidden(JoinPath(root, "beta\\.secret"));
    const std::vector<std::string> bitmaps = {
        "top.bmp", "LOUD.BMP", ".hidden.bmp", "rawbmp", "alpha\\a1.bmp", "alpha\\a2.bmp",
        "beta\\b1.bmp", "alpha\\inner\\deep.bmp", "beta\\.secret\\s1.bmp"};
    std::vector<std::string> paths;
    for (const std::string& name : bitmaps) {
      paths.push_back(JoinPath(root, name));
      WriteFileBytes(paths.back(), TinyBitmap(90));
    }
    SetHidden(JoinPath(root, ".hidden.bmp"));
    for (const char* other : {"readme.txt", "photo.bmp.txt", "beta\\notes.bmpx", "alpha\\bmp.jpg"})
      WriteFileBytes(JoinPath(root, other), "not a bitmap");
    return paths;
  }
};

TEST_F(WallpaperList, AddReplacesTheListWithTheChosenTreeScannedBreadthFirst) {
  WriteFileBytes(FileNextToExe("Filelist.txt"), "Z:\\old\\entry.bmp\r\n");
  const std::string root = FileNextToExe("tree");
  const std::vector<std::string> bitmaps = PrepareTree(root);
  program_->SetEnvironment(kBrowseFolder, root);
  const TTessaloomWindow window = Launch();
  window.Press(kAdd);
  window.Sync();

  const std::optional<std::string> bytes = ReadFileBytes(FileNextToExe("Filelist.txt"));
  ASSERT_TRUE(bytes.has_value());
  const std::optional<std::vector<std::string>> listed = CrLfLines(*bytes);
  ASSERT_TRUE(listed.has_value()) << "Filelist.txt does not end every line in CR LF: " << *bytes;
  EXPECT_EQ(std::multiset<std::string>(listed->begin(), listed->end()),
            std::multiset<std::string>(bitmaps.begin(), bitmaps.end()));
  EXPECT_TRUE(IsBreadthFirst(root, *listed));
  EXPECT_EQ(window.ListCount(), static_cast<int>(bitmaps.size()));
  EXPECT_EQ(window.Panel(0), "共" + std::to_string(bitmaps.size()) + "张壁纸");
}

TEST_F(WallpaperList, AddTakesAFolderWithAChineseNameWhole) {
  // Two bytes a character in the code page: the chosen folder must reach the scan uncut.
  const std::string root = FileNextToExe("灯笼");
  MakeEmptyFolder(root);
  MakeFolders(JoinPath(root, "夜景"));
  const std::vector<std::string> bitmaps = {JoinPath(root, "元宵.bmp"), JoinPath(root, "夜景\\河灯.bmp")};
  for (const std::string& path : bitmaps)
    WriteFileBytes(path, TinyBitmap(40));
  program_->SetEnvironment(kBrowseFolder, root);
  const TTessaloomWindow window = Launch();
  window.Press(kAdd);
  window.Sync();
  EXPECT_EQ(ReadFileBytes(FileNextToExe("Filelist.txt")), JoinCrLf(bitmaps));
  EXPECT_EQ(window.Panel(0), "共2张壁纸");
}

TEST_F(WallpaperList, ACancelledAddChangesNothing) {
  const std::vector<std::string> paths = PrepareListOfBitmaps(2);
  program_->SetEnvironment(kBrowseFolder, "");
  const TTessaloomWindow window = Launch();
  window.Press(kAdd);
  window.Sync();
  EXPECT_EQ(ReadFileBytes(FileNextToExe("Filelist.txt")), JoinCrLf(paths));
  EXPECT_EQ(window.ListCount(), 2);
  EXPECT_EQ(window.Panel(0), "共有壁纸2张");
}

TEST_F(WallpaperList, DeleteRemovesTheSelectedEntriesAndKeepsTheOthersInOrder) {
  const std::vector<std::string> paths = PrepareListOfBitmaps(5);
  const TTessaloomWindow window = Launch();
  window.Sync();
  EXPECT_EQ(window.Panel(0), "共有壁纸5张");
  SelectListEntries(window.FileList(), {1, 3, 4});
  window.Press(kDelete);
  window.Sync();
  EXPECT_EQ(ReadFileBytes(FileNextToExe("Filelist.txt")), JoinCrLf({paths[0], paths[2]}));
  EXPECT_EQ(window.ListCount(), 2);
  EXPECT_EQ(window.Panel(0), "共有壁纸5张") << "Delete leaves the old count standing";
}

TEST_F(WallpaperList, DeleteWithNothingSelectedRewritesTheListUnchanged) {
  const std::vector<std::string> paths = PrepareListOfBitmaps(3);
  const TTessaloomWindow window = Launch();
  WriteFileBytes(FileNextToExe("Filelist.txt"), "");
  window.Press(kDelete);
  window.Sync();
  EXPECT_EQ(ReadFileBytes(FileNextToExe("Filelist.txt")), JoinCrLf(paths));
  EXPECT_EQ(window.ListCount(), 3);
}

TEST_F(WallpaperList, ClearLeavesAnEmptyListAndAZeroByteFile) {
  PrepareListOfBitmaps(3);
  const TTessaloomWindow window = Launch();
  window.Press(kClear);
  window.Sync();
  EXPECT_EQ(ReadFileBytes(FileNextToExe("Filelist.txt")), std::optional<std::string>(""));
  EXPECT_EQ(window.ListCount(), 0);
  EXPECT_EQ(window.Panel(0), "共有壁纸3张") << "Clear leaves the old count standing";
}

TEST_F(WallpaperList, ClickingAnEntryAppliesItAndShowsItInTheSecondPanel) {
  const std::vector<std::string> paths = PrepareListOfBitmaps(3);
  const TTessaloomWindow window = Launch();
  ClickListEntry(window.FileList(), 1);
  window.Sync();
  EXPECT_EQ(ReadDesktopString("Wallpaper"), paths[1]);
  EXPECT_EQ(ReadDesktopString("TileWallPaper"), std::optional<std::string>("0"));
  EXPECT_EQ(window.Panel(1), paths[1]);

  ClickListEntry(window.FileList(), 2);
  window.Sync();
  EXPECT_EQ(ReadDesktopString("Wallpaper"), paths[2]);
  EXPECT_EQ(window.Panel(1), paths[2]);
}

}  // namespace
}  // namespace e2e
