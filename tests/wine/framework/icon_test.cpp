#include "framework/core/exceptions.h"
#include "framework/graphics/icon.h"

#include "picture_bytes.h"
#include "wine_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace wine_support;
using namespace picture_bytes;

constexpr uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kGrey = 0x808080;

// A 24-bit icon image of one colour whose left half is transparent through its mask.
std::string IconImage24HalfClear(int size, uint32_t color) {
  std::string image;
  Put32(image, 40);
  Put32(image, static_cast<uint32_t>(size));
  Put32(image, static_cast<uint32_t>(size * 2));
  Put16(image, 1);
  Put16(image, 24);
  for (int i = 0; i < 6; ++i)
    Put32(image, 0);
  const int colorStride = (size * 3 + 3) / 4 * 4, maskStride = (size + 31) / 32 * 4;
  for (int y = 0; y < size; ++y) {
    std::string row;
    for (int x = 0; x < size; ++x)
      row += std::string{static_cast<char>(color & 0xFF), static_cast<char>((color >> 8) & 0xFF),
                         static_cast<char>((color >> 16) & 0xFF)};
    row.resize(static_cast<size_t>(colorStride), '\0');
    image += row;
  }
  for (int y = 0; y < size; ++y) {
    std::string row(static_cast<size_t>(maskStride), '\0');
    for (int x = 0; x < size / 2; ++x)
      row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));  // 1: screen shows through
    image += row;
  }
  return image;
}

TIcon FromBytes(const std::string& bytes) {
  TIcon icon;
  icon.LoadFromBytes(bytes.data(), bytes.size());
  return icon;
}

TEST(Icon, TheLargestImageIsShownStretchedWithItsMask) {
  const TIcon icon = FromBytes(Ico({{16, 16, 32, IconImage32(16, kRed)},
                                    {32, 32, 24, IconImage24HalfClear(32, kBlue)}}));
  EXPECT_EQ(icon.Width(), 32);
  EXPECT_EQ(icon.Height(), 32);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon.Handle(), &info));
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);

  Canvas natural(32, 32, kGrey);
  icon.Draw(natural.Dc(), RECT{0, 0, 32, 32});
  EXPECT_TRUE(Near(natural.Pixel(4, 10), kGrey, 2)) << "transparent half";
  EXPECT_EQ(natural.Pixel(28, 10), kBlue);

  Canvas stretched(70, 70, kGrey);
  icon.Draw(stretched.Dc(), RECT{3, 3, 67, 67});
  EXPECT_TRUE(Near(stretched.Pixel(10, 60), kGrey, 2));
  EXPECT_EQ(stretched.Pixel(60, 60), kBlue);
  EXPECT_EQ(stretched.Pixel(68, 68), kGrey) << "outside the rectangle";
}

TEST(Icon, TheProgramsIconFile) {
  TIcon icon;
  icon.LoadFromFile(RESOURCES_DIR "tessaloom.ico");
  EXPECT_EQ(icon.Width(), 128);
  EXPECT_EQ(icon.Height(), 128);
}

TEST(Icon, DamagedFilesAreRefused) {
  TIcon icon;
  std::string damaged = Ico({{16, 16, 32, IconImage32(16, kRed)}});
  damaged.resize(damaged.size() - 100);
  for (const std::string& bad : {damaged, std::string("\0\0\1\0", 4), std::string()}) {
    try {
      icon.LoadFromBytes(bad.data(), bad.size());
      ADD_FAILURE() << "accepted a damaged icon";
    } catch (const EInvalidGraphic& e) {
      EXPECT_EQ(e.Message(), "Icon image is not valid");
    }
  }
  EXPECT_TRUE(icon.Empty());
}

TEST(Icon, AReplacedIconIsDestroyed) {
  TIcon icon = FromBytes(Ico({{16, 16, 32, IconImage32(16, kRed)}}));
  const HICON old = icon.Handle();
  const std::string next = Ico({{8, 8, 32, IconImage32(8, kBlue)}});
  icon.LoadFromBytes(next.data(), next.size());
  ICONINFO info{};
  EXPECT_FALSE(GetIconInfo(old, &info));
  EXPECT_EQ(icon.Width(), 8);
}

}  // namespace
