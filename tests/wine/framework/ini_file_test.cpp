#include "framework/core/exceptions.h"
#include "framework/ini_file.h"

#include "wine_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace wine_support;

TEST(IniFile, WritesASectionAndReadsItBack) {
  const std::string path = ScratchFile("Set.ini");
  WriteRaw(path, "");  // created empty at start, as the program does
  TIniFile ini(path);
  EXPECT_EQ(ini.FileName(), path);
  EXPECT_EQ(ini.ReadString("userinfo", "Timer", "25000"), "25000") << "missing key: default";
  ini.WriteString("userinfo", "Timer", "abc");
  EXPECT_EQ(ini.ReadString("userinfo", "Timer", "25000"), "abc");
  EXPECT_EQ(ReadRaw(path), "[userinfo]\r\nTimer=abc\r\n");
  ini.WriteString("userinfo", "Timer", "\xB1\xDA\xD6\xBD");
  EXPECT_EQ(TIniFile(path).ReadString("userinfo", "Timer", ""), "\xB1\xDA\xD6\xBD");
  EXPECT_EQ(ini.ReadString("other", "Timer", "d"), "d") << "missing section: default";
  DeleteFileA(path.c_str());
  EXPECT_EQ(ini.ReadString("userinfo", "Timer", "25000"), "25000") << "missing file: default";
}

TEST(IniFile, AtMost2047CharactersComeBack) {
  const std::string path = ScratchFile("long.ini");
  WriteRaw(path, "");
  TIniFile ini(path);
  std::string value;
  for (int i = 0; i < 3000; ++i)
    value += static_cast<char>('a' + i % 26);
  ini.WriteString("userinfo", "Timer", value);
  EXPECT_EQ(ini.ReadString("userinfo", "Timer", ""), value.substr(0, 2047));
  ini.WriteString("userinfo", "Timer", value.substr(0, 2047));
  EXPECT_EQ(ini.ReadString("userinfo", "Timer", ""), value.substr(0, 2047));
  DeleteFileA(path.c_str());
}

TEST(IniFile, AnUnwritableFileNamesItself) {
  const std::string path = ScratchFile("no-such-folder\\Set.ini");
  TIniFile ini(path);
  try {
    ini.WriteString("userinfo", "Timer", "25000");
    FAIL() << "wrote into a missing folder";
  } catch (const EIniFileException& e) {
    EXPECT_EQ(e.Message(), "Unable to write to " + path);
  }
}

}  // namespace
