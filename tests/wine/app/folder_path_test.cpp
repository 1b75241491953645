#include "app/folder_path.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Code page 936 bytes: "灯籠" ends in the trail byte 0x5C, "灯笼" does not.
const std::string kLanternOld = "\xB5\xC6\xBB\x5C";
const std::string kLanternNew = "\xB5\xC6\xC1\xFD";

TEST(TrailingBackslash, AddsOneOnlyWhenMissing) {
  EXPECT_EQ(WithTrailingBackslash("C:\\Pictures"), "C:\\Pictures\\");
  EXPECT_EQ(WithTrailingBackslash("D:\\"), "D:\\");
  EXPECT_EQ(WithTrailingBackslash(""), "\\");
}

TEST(TrailingBackslash, ATrailByteOf0x5CIsPartOfItsCharacterNotASeparator) {
  struct Case {
    std::string path;
    bool endsInBackslash;
  };
  const Case cases[] = {
      {"C:\\" + kLanternOld, false},
      {"C:\\" + kLanternOld + "\\", true},
      {kLanternOld, false},
      {"C:\\" + kLanternNew, false},
      {"C:\\" + kLanternNew + "\\", true},
      {"C:\\a\\" + kLanternOld + "\\" + kLanternOld, false},
      {"\\", true},
      {"\xBB\\\\", true},  // a lead byte with its trail 0x5C, then a real backslash
      {"", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EndsInBackslash(c.path), c.endsInBackslash) << c.path;
    EXPECT_EQ(WithTrailingBackslash(c.path), c.endsInBackslash ? c.path : c.path + "\\") << c.path;
  }
}

}  // namespace
