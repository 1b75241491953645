#include "app/folder_scan.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <utility>
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
    for (const auto& [link, unixLink] : links_)
      if (StartUnix("rm", "\"" + unixLink + "\""))
        WaitForPath(link, false);
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
  // A symbolic link REL to TARGET (a relative Unix path), made by the Unix ln, which Wine starts
  // like a Windows program; false where that cannot be done.
  bool Link(const std::string& rel, const std::string& target) {
    const std::string link = root_ + "\\" + rel;
    const std::string unixLink = UnixPath(link);
    if (unixLink.empty() || !StartUnix("ln", "-s \"" + target + "\" \"" + unixLink + "\"") ||
        !WaitForPath(link, true))
      return false;
    links_.emplace_back(link, unixLink);
    return true;
  }
  static std::string UnixPath(const std::string& path) {
    using ToUnix = char*(CDECL*)(const wchar_t*);
    const auto toUnix = reinterpret_cast<ToUnix>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name"));
    if (!toUnix)
      return {};
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    char* unixName = toUnix(wide);
    const std::string result = unixName ? unixName : "";
    HeapFree(GetProcessHeap(), 0, unixName);
    return result;
  }
  // Starts /bin/PROGRAM; Wine splits ARGUMENTS by the Windows rules (double quotes) and gives
  // no exit code back, so callers look at what it did.
  static bool StartUnix(const std::string& program, const std::string& arguments) {
    std::string line = "/bin/" + program + " " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(("Z:\\bin\\" + program).c_str(), line.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &process))
      return false;
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
  }
  static bool WaitForPath(const std::string& path, bool present) {
    for (int i = 0; i < 100; ++i, Sleep(50))
      if ((GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) == present)
        return true;
    return false;
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
  std::vector<std::pair<std::string, std::string>> links_;  // Windows and Unix paths of the links
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

// Wine shows a Unix symbolic link to a folder as a folder that is a reparse point, and opens
// it as its target: the scan must know the folder it leads to by identity, not by name.
TEST_F(ScanTree, ALinkBackUpTheTreeIsNotFollowed) {
  Folder("a");
  Folder("a\\b");
  const std::string top = File("t.bmp"), mid = File("a\\a.bmp"), low = File("a\\b\\b.bmp");
  if (!Link("a\\b\\l1", "../.."))
    GTEST_SKIP() << "no Unix ln to make a symbolic link with";
  std::vector<std::string> subfolders;
  EXPECT_EQ(Scan(root_, &subfolders), (std::vector<std::string>{top, mid, low}));
  EXPECT_EQ(subfolders, (std::vector<std::string>{root_ + "\\a\\", root_ + "\\a\\b\\"}));
}

TEST_F(ScanTree, TwoLinksBackUpTheTreeEndPromptlyWithEachPictureOnce) {
  Folder("a");
  Folder("a\\b");
  const std::string top = File("t.bmp"), mid = File("a\\a.bmp"), low = File("a\\b\\b.bmp");
  if (!Link("a\\b\\l1", "../..") || !Link("a\\b\\l2", "../.."))
    GTEST_SKIP() << "no Unix ln to make a symbolic link with";
  EXPECT_EQ(Scan(root_), (std::vector<std::string>{top, mid, low}));
}

TEST_F(ScanTree, AFolderMetThroughALinkAndByItsOwnNameIsWalkedOnce) {
  Folder("x");
  Folder("y");
  const std::string picture = File("y\\p.bmp");
  if (!Link("x\\toY", "../y"))
    GTEST_SKIP() << "no Unix ln to make a symbolic link with";
  std::vector<std::string> subfolders;
  EXPECT_EQ(Scan(root_, &subfolders), std::vector<std::string>{picture});
  EXPECT_EQ(Sorted(subfolders), Sorted({root_ + "\\x\\", root_ + "\\y\\"}));
}

TEST_F(ScanTree, AFolderWhoseNameEndsInATrailByteLikeABackslashIsScannedAsItself) {
  // "灯籠" in code page 936 ends in BB 5C; a sibling starting with the same name must not show.
  Folder("\xB5\xC6\xBB\x5C");
  Folder("\xB5\xC6\xBB\x5C" "x");
  const std::string inside = File("\xB5\xC6\xBB\x5C\\p.bmp");
  File("\xB5\xC6\xBB\x5C" "x\\q.bmp");
  EXPECT_EQ(Scan(root_ + "\\\xB5\xC6\xBB\x5C"), std::vector<std::string>{inside});
}

TEST_F(ScanTree, EmptyAndMissingFoldersYieldNothing) {
  File("readme.txt");
  EXPECT_TRUE(Scan(root_).empty());
  EXPECT_TRUE(Scan(root_ + "\\no-such-folder").empty());
}

}  // namespace
