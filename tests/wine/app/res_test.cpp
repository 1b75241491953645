#include "app/res.h"

#include "framework/core/exceptions.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
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
  // A missing resource is found out before the file is touched.
  const std::string kept = ScratchFolder() + "x.bmp";
  std::ofstream(kept, std::ios::binary) << "kept";
  EXPECT_THROW(ExtractResourceToFile("NoSuchThing", "BMP", kept), EResNotFound);
  EXPECT_EQ(ReadBytes(kept), "kept");
  DeleteFileA(kept.c_str());

  const std::string bad = ScratchFolder() + "missing-folder\\Wallpaper.BMP";
  try {
    ExtractResourceToFile("Wallpaper", "BMP", bad);
    FAIL() << "writing into a missing folder must fail";
  } catch (const EFCreateError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("Cannot create file \"" + bad + "\". ", 0), 0u) << e.what();
  }
}
