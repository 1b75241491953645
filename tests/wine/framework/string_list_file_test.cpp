#include "framework/core/exceptions.h"
#include "framework/system/file_stream.h"
#include "framework/string_list_file.h"

#include "wine_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace wine_support;

std::vector<std::string> Lines(const TStringList& list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list.Count(); ++i)
    lines.push_back(list[i]);
  return lines;
}

std::vector<std::string> LoadRaw(const std::string& bytes) {
  const std::string path = ScratchFile("load.txt");
  WriteRaw(path, bytes);
  TStringList list;
  list.Add("replaced");
  LoadStringListFromFile(list, path);
  DeleteFileA(path.c_str());
  return Lines(list);
}

using V = std::vector<std::string>;

TEST(StringListFile, SavesCrLfAfterEveryLineAndLoadsTheSameList) {
  const std::string path = ScratchFile("Filelist.txt");
  TStringList list;
  list.Add("C:\\Pictures\\one.bmp");
  list.Add("");
  list.Add("D:\\\xB1\xDA\xD6\xBD\\two.BMP");  // a GBK folder name
  SaveStringListToFile(list, path);
  EXPECT_EQ(ReadRaw(path), "C:\\Pictures\\one.bmp\r\n\r\nD:\\\xB1\xDA\xD6\xBD\\two.BMP\r\n");

  TStringList loaded;
  LoadStringListFromFile(loaded, path);
  EXPECT_EQ(Lines(loaded), Lines(list));
  DeleteFileA(path.c_str());
}

TEST(StringListFile, AnEmptyListIsAnEmptyFile) {
  const std::string path = ScratchFile("Filelist.txt");
  WriteRaw(path, "old content\r\n");
  SaveStringListToFile(TStringList(), path);
  EXPECT_EQ(ReadRaw(path), "");
  EXPECT_EQ(LoadRaw(""), V{});
  DeleteFileA(path.c_str());
}

TEST(StringListFile, ForeignLineEndsBlankLinesAndNul) {
  EXPECT_EQ(LoadRaw("a.bmp\nb.bmp\n"), (V{"a.bmp", "b.bmp"}));
  EXPECT_EQ(LoadRaw("a.bmp\r\n\r\nb.bmp"), (V{"a.bmp", "", "b.bmp"}));
  EXPECT_EQ(LoadRaw("a.bmp\rb.bmp\r\n"), (V{"a.bmp", "b.bmp"}));
  EXPECT_EQ(LoadRaw(std::string("a.bmp\r\nb\0.bmp\r\nc.bmp\r\n", 22)), (V{"a.bmp", "b"}));
}

TEST(StringListFile, ErrorsNameThePath) {
  const std::string unwritable = ScratchFile("no-such-folder\\Filelist.txt");
  TStringList list;
  list.Add("x");
  try {
    SaveStringListToFile(list, unwritable);
    FAIL() << "saved into a missing folder";
  } catch (const EFCreateError& e) {
    EXPECT_EQ(e.Message(), "Cannot create file \"" + unwritable + "\". " +
                               SysErrorMessage(ERROR_PATH_NOT_FOUND));
  }
  EXPECT_THROW(LoadStringListFromFile(list, ScratchFile("missing.txt")), EFOpenError);
  EXPECT_EQ(Lines(list), V{"x"}) << "a failed load leaves the list";
}

}  // namespace
