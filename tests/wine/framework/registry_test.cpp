#include "framework/core/exceptions.h"
#include "framework/registry.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// Every test works under this key of the current user and deletes it afterwards.
const char kScratch[] = "Software\\TessaloomFrameworkTest";

bool KeyExists(const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

std::string Sub(const std::string& name) { return std::string(kScratch) + "\\" + name; }
// The same key named from the root, as a leading backslash does.
std::string RootedSub(const std::string& name) { return std::string(1, '\\').append(Sub(name)); }

class Registry : public ::testing::Test {
protected:
  void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kScratch); }
  void TearDown() override {
    RegDeleteTreeA(HKEY_CURRENT_USER, kScratch);
    EXPECT_FALSE(KeyExists(kScratch)) << "scratch key left behind";
  }

  void ExpectError(const std::function<void()>& action, const std::string& message) {
    try {
      action();
      ADD_FAILURE() << "no error, expected: " << message;
    } catch (const ERegistryException& e) {
      EXPECT_EQ(e.Message(), message);
    }
  }
};

TEST_F(Registry, OpenWithoutCreateNeverCreates) {
  TRegistry reg;
  EXPECT_EQ(reg.RootKey(), HKEY_CURRENT_USER);
  EXPECT_FALSE(reg.OpenKey(Sub("Desktop"), false));
  EXPECT_EQ(reg.CurrentKey(), nullptr);
  EXPECT_FALSE(KeyExists(Sub("Desktop")));
  EXPECT_TRUE(reg.OpenKey(Sub("Desktop"), true));
  EXPECT_TRUE(KeyExists(Sub("Desktop")));
  EXPECT_NE(reg.CurrentKey(), nullptr);
  // A failed open keeps the key that was open.
  const HKEY open = reg.CurrentKey();
  EXPECT_FALSE(reg.OpenKey(RootedSub("Nothing"), false));
  EXPECT_EQ(reg.CurrentKey(), open);
}

TEST_F(Registry, StringsRoundTripAndDelete) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(Sub("Desktop"), true));
  reg.WriteString("TileWallPaper", "0");
  reg.WriteString("Wallpaper", "C:\\\xB1\xDA\xD6\xBD\\a b.bmp");  // GBK and a space, unquoted
  reg.WriteString("Empty", "");
  const std::string longValue(5000, 'w');  // longer than the first read buffer
  reg.WriteString("Long", longValue);
  EXPECT_EQ(reg.ReadString("TileWallPaper"), "0");
  EXPECT_EQ(reg.ReadString("Wallpaper"), "C:\\\xB1\xDA\xD6\xBD\\a b.bmp");
  EXPECT_EQ(reg.ReadString("Empty"), "");
  EXPECT_TRUE(reg.ValueExists("Empty"));
  EXPECT_EQ(reg.ReadString("Long"), longValue);

  DWORD type = 0;
  char data[64] = {};
  DWORD size = sizeof data;
  ASSERT_EQ(RegQueryValueExA(reg.CurrentKey(), "TileWallPaper", nullptr, &type,
                             reinterpret_cast<BYTE*>(data), &size), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(size, 2u) << "the text and its terminator";

  EXPECT_TRUE(reg.DeleteValue("Wallpaper"));
  EXPECT_FALSE(reg.ValueExists("Wallpaper"));
  EXPECT_EQ(reg.ReadString("Wallpaper"), "") << "a missing value reads as empty";
  EXPECT_FALSE(reg.DeleteValue("Wallpaper"));
}

TEST_F(Registry, ValuesWrittenByOthers) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(Sub("Run"), true));
  const DWORD count = 5;
  RegSetValueExA(reg.CurrentKey(), "Count", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&count),
                 sizeof count);
  ExpectError([&] { reg.ReadString("Count"); }, "Invalid data type for 'Count'");
  EXPECT_TRUE(reg.ValueExists("Count"));

  RegSetValueExA(reg.CurrentKey(), "Path", 0, REG_EXPAND_SZ,
                 reinterpret_cast<const BYTE*>("%TEMP%\\x"), 9);
  EXPECT_EQ(reg.ReadString("Path"), "%TEMP%\\x") << "read as stored, not expanded";
  // Stored without its terminator.
  RegSetValueExA(reg.CurrentKey(), "Bare", 0, REG_SZ, reinterpret_cast<const BYTE*>("abc"), 3);
  EXPECT_EQ(reg.ReadString("Bare"), "abc");
}

TEST_F(Registry, LeadingBackslashStartsAtTheRootOtherwiseAtTheOpenKey) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(RootedSub("A"), true));
  ASSERT_TRUE(reg.OpenKey("Child", true));
  EXPECT_TRUE(KeyExists(Sub("A\\Child")));
  ASSERT_TRUE(reg.OpenKey(RootedSub("B"), true));
  EXPECT_TRUE(KeyExists(Sub("B")));
  EXPECT_FALSE(KeyExists(Sub("A\\Child\\") + Sub("B"))) << "not under the open key";
}

TEST_F(Registry, WithoutAnOpenKeyReadsAreEmptyAndWritesFail) {
  TRegistry reg;
  EXPECT_EQ(reg.ReadString("Wallpaper"), "");
  ExpectError([&] { reg.WriteString("Wallpaper", "x"); }, "Failed to set data for 'Wallpaper'");
  EXPECT_FALSE(reg.DeleteValue("Wallpaper"));
  EXPECT_FALSE(reg.ValueExists("Wallpaper"));

  ASSERT_TRUE(reg.OpenKey(Sub("Desktop"), true));
  reg.SetRootKey(HKEY_LOCAL_MACHINE);
  EXPECT_EQ(reg.CurrentKey(), nullptr) << "changing the root closes the key";
  EXPECT_EQ(reg.RootKey(), HKEY_LOCAL_MACHINE);
  ExpectError([&] { reg.WriteString("Kestova", "x"); }, "Failed to set data for 'Kestova'");
}

TEST_F(Registry, AKeyOpenedForReadingRefusesWrites) {
  {
    TRegistry writer;
    ASSERT_TRUE(writer.OpenKey(Sub("Desktop"), true));
    writer.WriteString("Wallpaper", "before");
  }
  TRegistry reader(KEY_READ);
  ASSERT_TRUE(reader.OpenKey(Sub("Desktop"), false));
  EXPECT_EQ(reader.ReadString("Wallpaper"), "before");
  ExpectError([&] { reader.WriteString("Wallpaper", "after"); },
              "Failed to set data for 'Wallpaper'");
  EXPECT_EQ(reader.ReadString("Wallpaper"), "before");
}

}  // namespace
