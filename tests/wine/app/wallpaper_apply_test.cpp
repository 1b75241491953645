#include "app/wallpaper_apply.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string DesktopValue(const char* name) {
  char buffer[1024] = {};
  DWORD size = sizeof buffer, type = 0;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_READ, &key) != ERROR_SUCCESS)
    return "<no key>";
  LONG rc = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(key);
  if (rc != ERROR_SUCCESS)
    return "<missing>";
  return type == REG_SZ ? std::string(buffer) : "<not a string>";
}

}  // namespace

TEST(ApplyWallpaper, WritesTileAndPathAsStringsWithoutCheckingThePath) {
  const std::string before = DesktopValue("Wallpaper");
  ApplyWallpaper("C:\\no such folder\\壁纸 1.bmp");
  EXPECT_EQ(DesktopValue("TileWallPaper"), "0");
  EXPECT_EQ(DesktopValue("Wallpaper"), "C:\\no such folder\\壁纸 1.bmp");

  ApplyWallpaper("C:\\second.bmp");
  EXPECT_EQ(DesktopValue("Wallpaper"), "C:\\second.bmp");
  ApplyWallpaper(before == "<missing>" ? "" : before);
}
