#include <gtest/gtest.h>

#include "bmp_writer.h"
#include "ico_writer.h"
#include "icon_reader.h"
#include "utf8.h"

using namespace asset_checks;

namespace {

TEST(Bmp8Writer, PadsRowsAndStoresThemBottomUp) {
    assetgen::IndexedImage image{3, 2, {{10, 20, 30}, {40, 50, 60}}, {0, 1, 1, 1, 0, 0}};
    const Bytes bmp = assetgen::encode_bmp8(image);
    const std::size_t pixels = 14 + 40 + 1024;
    ASSERT_EQ(bmp.size(), pixels + 2 * 4);
    EXPECT_EQ(le32(bmp, 2), bmp.size());
    EXPECT_EQ(le32(bmp, 34), 8u);
    // Palette entries are blue, green, red, reserved; unused entries are black.
    EXPECT_EQ(le32(bmp, 54), 0x000A141Eu);
    EXPECT_EQ(le32(bmp, 54 + 4 * 2), 0u);
    const Bytes first_row(bmp.begin() + pixels, bmp.begin() + pixels + 4);
    const Bytes second_row(bmp.begin() + pixels + 4, bmp.end());
    EXPECT_EQ(first_row, (Bytes{1, 0, 0, 0}));   // the picture's bottom row
    EXPECT_EQ(second_row, (Bytes{0, 1, 1, 0}));  // its top row
}

TEST(IcoWriter, WritesBitmapEntriesWithStraightAlphaAndMatchingMask) {
    assetgen::Image small(16, 16), odd(33, 33);
    small.at(3, 2) = {0.5f, 0.0f, 0.0f, 0.5f};  // half-transparent red, premultiplied
    odd.at(32, 0) = {0.0f, 1.0f, 0.0f, 1.0f};
    const Bytes file = assetgen::encode_ico({small, odd});
    const IconFile icon = read_icon_file(file);
    ASSERT_EQ(icon.images.size(), 2u);
    EXPECT_EQ(icon.images[1].bytes, expected_entry_bytes(33));  // mask rows of 8 bytes
    EXPECT_EQ(icon.images[1].offset, icon.images[0].offset + icon.images[0].bytes);
    EXPECT_EQ(file.size(), icon.images[1].offset + icon.images[1].bytes);

    const IconImage& s = icon.images[0];
    const std::size_t red = s.offset + 40 + static_cast<std::size_t>((15 - 2) * 16 + 3) * 4;
    EXPECT_EQ(file[red + 2], 255) << "colour is stored without premultiplication";
    EXPECT_EQ(file[red + 3], 128);
    EXPECT_FALSE(icon_mask_bit(file, s, 3, 2));
    EXPECT_TRUE(icon_mask_bit(file, s, 4, 2));

    const IconImage& o = icon.images[1];
    EXPECT_EQ(icon_alpha(file, o, 32, 0), 255);
    EXPECT_FALSE(icon_mask_bit(file, o, 32, 0));
    EXPECT_TRUE(icon_mask_bit(file, o, 31, 0));
}

TEST(IcoWriter, RejectsImagesAnIconCannotHold) {
    EXPECT_THROW(assetgen::encode_ico({assetgen::Image(16, 15)}), std::invalid_argument);
    EXPECT_THROW(assetgen::encode_ico({assetgen::Image(257, 257)}), std::invalid_argument);
}

TEST(Utf8, DecodesChineseTextAndReplacesBrokenBytes) {
    EXPECT_EQ(assetgen::decode_utf8("a桌"), (std::vector<char32_t>{U'a', U'桌'}));
    EXPECT_EQ(assetgen::decode_utf8("\xE6\xA1"), (std::vector<char32_t>{U'\uFFFD', U'\uFFFD'}));
    EXPECT_EQ(assetgen::decode_utf8("\xC3x"), (std::vector<char32_t>{U'\uFFFD', U'x'}));
}

}  // namespace
