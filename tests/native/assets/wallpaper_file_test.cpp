#include <gtest/gtest.h>

#include <set>

#include "committed_resource.h"

using namespace asset_checks;

namespace {

class WallpaperFile : public ::testing::Test {
protected:
    static void SetUpTestSuite() { file_ = new Bytes(read_resource("wallpaper.bmp")); }
    static void TearDownTestSuite() { delete file_; }
    static const Bytes& file() { return *file_; }

private:
    static Bytes* file_;
};

Bytes* WallpaperFile::file_ = nullptr;

constexpr std::size_t kPixelOffset = 14 + 40 + 256 * 4;

TEST_F(WallpaperFile, HasTheExactSizeTheProgramWritesOut) {
    ASSERT_EQ(file().size(), 401078u);
    EXPECT_EQ(file()[0], 'B');
    EXPECT_EQ(file()[1], 'M');
    EXPECT_EQ(le32(file(), 2), file().size());
    EXPECT_EQ(le32(file(), 10), kPixelOffset);
}

TEST_F(WallpaperFile, InfoHeaderDescribesAnUncompressedBottomUp8BitImage) {
    EXPECT_EQ(le32(file(), 14), 40u);
    EXPECT_EQ(sle32(file(), 18), 800);
    EXPECT_EQ(sle32(file(), 22), 500);  // positive height: bottom-up rows
    EXPECT_EQ(le16(file(), 26), 1u);
    EXPECT_EQ(le16(file(), 28), 8u);
    EXPECT_EQ(le32(file(), 30), 0u);  // BI_RGB
    EXPECT_EQ(le32(file(), 34), 800u * 500u);
    EXPECT_EQ(le32(file(), 46), 256u);
}

TEST_F(WallpaperFile, PaletteIsFullAndUsedByThePicture) {
    std::set<std::uint32_t> colours;
    for (std::size_t i = 0; i < 256; ++i) {
        const std::size_t at = 54 + i * 4;
        EXPECT_EQ(file()[at + 3], 0) << "reserved byte of palette entry " << i;
        colours.insert(le32(file(), at) & 0xFFFFFF);
    }
    std::set<std::uint8_t> used(file().begin() + kPixelOffset, file().end());
    // A picture chosen palette has (nearly) no duplicates and nearly every entry is drawn.
    EXPECT_GT(colours.size(), 240u);
    EXPECT_GT(used.size(), 240u);
}

TEST_F(WallpaperFile, SkyAtTheTopIsDarkerThanTheGlowAboveTheMountains) {
    // Bottom-up: the file's last row is the top of the picture.
    auto brightness = [&](int top_row) {
        const std::size_t row = kPixelOffset + static_cast<std::size_t>(499 - top_row) * 800;
        double sum = 0;
        for (std::size_t x = 0; x < 800; ++x) {
            const std::size_t entry = 54 + file()[row + x] * 4u;
            sum += file()[entry] + file()[entry + 1] + file()[entry + 2];
        }
        return sum / 800;
    };
    EXPECT_LT(brightness(5), brightness(200));
}

}  // namespace
