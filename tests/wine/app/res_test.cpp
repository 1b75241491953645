#include "app/res.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace {

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string ScratchFolder() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string dir = std::string(temp) + "tl_res_test\\";
  CreateDirectoryA(dir.c_str(), nullptr);
  return dir;
}

}  // namespace

TEST(ExtractResourceToFile, WritesTheDefaultWallpaperByteForByteAndOverwrites) {
  const std::string file = ScratchFolder() + "Wallpaper.BMP";
  std::ofstream(file, std::ios::binary) << "a user's edit that the next start replaces";

  ExtractResourceToFile("Wallpaper", "BMP", file);

  const std::string written = ReadBytes(file);
  EXPECT_EQ(written.size(), 401078u);
  EXPECT_EQ(written, ReadBytes(COMMITTED_WALLPAPER));
  DeleteFileA(file.c_str());
}

TEST(ExtractResourceToFile, ReportsAMissingResourceAndAnUnwritableFile) {
  EXPECT_THROW(ExtractResourceToFile("NoSuchThing", "BMP", ScratchFolder() + "x.bmp"),
               std::runtime_error);
  const std::string bad = ScratchFolder() + "missing-folder\\Wallpaper.BMP";
  try {
    ExtractResourceToFile("Wallpaper", "BMP", bad);
    FAIL() << "writing into a missing folder must fail";
  } catch (const std::runtime_error& e) {
    EXPECT_EQ(std::string(e.what()).rfind("Cannot create file \"" + bad + "\". ", 0), 0u) << e.what();
  }
}
