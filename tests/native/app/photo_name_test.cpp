#include "app/photo_name.h"

#include <gtest/gtest.h>

TEST(PhotoName, TakesJpegAndPngExtensionsInAnyCaseOnly) {
  const struct {
    const char* name;
    bool photo;
  } cases[] = {
      {"sea.jpg", true},   {"SEA.JPG", true},      {"sea.Jpeg", true},  {"sea.png", true},
      {"x.PnG", true},     {"sea.bmp", false},     {"sea.jpg.txt", false}, {"jpg", false},
      {"seajpg", false},   {".jpg", false},        {"sea.jpe", false},  {"sea.apng", false},
      {"", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(IsPhotoName(c.name), c.photo) << c.name;
}
