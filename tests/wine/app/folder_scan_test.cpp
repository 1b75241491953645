#include "app/folder_scan.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace {

// A scratch tree under the temporary folder, removed again when the test ends.
class ScanTree : public ::testing::Test {
protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    root_ = std::string(temp) + "tl_scan_" + std::to_string(GetCurrentProcessId());
    Folder("");
  }
  void TearDown() override {
    for (auto it = files_.rbegin(); it != files_.rend(); ++it) {
      SetFileAttributesA(it->c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(it->c_str());
    }
    for (auto it = folders_.rbegin(); it != folders_.rend(); ++it) {
      SetFileAttributesA(it->c_str(), FILE_ATTRIBUTE_NORMAL);
      RemoveDirectoryA(it->c_str());
    }
  }
  std::string Folder(const std::string& rel, DWORD attributes = 0) {
    std::string path = root_ + (rel.empty() ? "" : "\\" + rel);
    CreateDirectoryA(path.c_str(), nullptr);
    if (attributes)
      SetFileAttributesA(path.c_str(), attributes);
    folders_.push_back(path);
    return path;
  }
  std::string File(const std::string& rel, DWORD attributes = 0) {
    std::string path = root_ + "\\" + rel;
    std::ofstream(path, std::ios::binary) << "BM";
    if (attributes)
      SetFileAttributesA(path.c_str(), attributes);
    files_.push_back(path);
    return path;
  }
  std::vector<std::string> Scan(const std::string& folder, std::vector<std::string>* subfolders = nullptr) {
    std::vector<std::string> found;
    TFolderScanSink sink;
    sink.OnBitmap = [&](const std::string& p) { found.push_back(p); };
    sink.OnFolder = [&](const std::string& p) { if (subfolders) subfolders->push_back(p); };
    const int reported = ScanFolder(folder, sink);
    EXPECT_EQ(reported, static_cast<int>(found.size()));
    return found;
  }
  static std::vector<std::string> Sorted(std::vector<std::string> v) {
    std::sort(v.begin(), v.end());
    return v;
  }

  std::string root_;
  std::vector<std::string> folders_, files_;
};

TEST_F(ScanTree, ListsBitmapsLevelByLevelIncludingHiddenOnes) {
  Folder("sub1");
  Folder("sub1\\deep");
  Folder("sub2", FILE_ATTRIBUTE_HIDDEN);
  const std::string top1 = File("a.bmp"), top2 = File("B.BMP"), top3 = File("x.abmp");
  File("notes.txt");
  File("photo.bmp.jpg");
  const std::string mid1 = File("sub1\\c.bmp"), mid2 = File("sub2\\d.bmp", FILE_ATTRIBUTE_HIDDEN);
  const std::string low = File("sub1\\deep\\e.bmp", FILE_ATTRIBUTE_SYSTEM);

  std::vector<std::string> subfolders;
  const std::vector<std::string> found = Scan(root_, &subfolders);

  ASSERT_EQ(found.size(), 6u);
  // Entries come in the file system's order within a folder, so compare each level as a set.
  EXPECT_EQ(Sorted({found[0], found[1], found[2]}), Sorted({top1, top2, top3}));
  EXPECT_EQ(Sorted({found[3], found[4]}), Sorted({mid1, mid2}));
  EXPECT_EQ(found[5], low);
  EXPECT_EQ(Sorted(subfolders),
            Sorted({root_ + "\\sub1\\", root_ + "\\sub2\\", root_ + "\\sub1\\deep\\"}));
}

TEST_F(ScanTree, AFolderWithATrailingBackslashGetsNoSecondOne) {
  const std::string only = File("only.bmp");
  EXPECT_EQ(Scan(root_ + "\\"), std::vector<std::string>{only});
}

TEST_F(ScanTree, EmptyAndMissingFoldersYieldNothing) {
  File("readme.txt");
  EXPECT_TRUE(Scan(root_).empty());
  EXPECT_TRUE(Scan(root_ + "\\no-such-folder").empty());
}

}  // namespace
