#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "committed_resource.h"
#include "icon_reader.h"

using namespace asset_checks;

namespace {

struct IconCase {
    const char* file;
    std::vector<int> sizes;  // in the order the directory lists them
};

class IconFileTest : public ::testing::TestWithParam<IconCase> {};

TEST_P(IconFileTest, ListsExactlyTheExpectedImageSizes) {
    const IconFile icon = read_icon_file(read_resource(GetParam().file));
    EXPECT_EQ(icon.type, 1);
    std::vector<int> sizes;
    for (const IconImage& img : icon.images) sizes.push_back(img.entry_width);
    EXPECT_EQ(sizes, GetParam().sizes);
}

TEST_P(IconFileTest, EveryImageIsA32BitBitmapEntryOfConsistentSize) {
    const Bytes file = read_resource(GetParam().file);
    const IconFile icon = read_icon_file(file);
    std::uint32_t end_of_previous = 6 + 16 * static_cast<std::uint32_t>(icon.images.size());
    for (const IconImage& img : icon.images) {
        SCOPED_TRACE(img.entry_width);
        EXPECT_EQ(img.entry_width, img.entry_height);
        EXPECT_EQ(img.entry_bits, 32);
        EXPECT_EQ(img.header_size, 40u) << "PNG or other non-bitmap entry";
        EXPECT_EQ(img.width, img.entry_width);
        EXPECT_EQ(img.height, img.entry_width * 2);
        EXPECT_EQ(img.bits, 32);
        EXPECT_EQ(img.compression, 0u);
        EXPECT_EQ(img.bytes, expected_entry_bytes(img.entry_width));
        EXPECT_GE(img.offset, end_of_previous) << "entries overlap";
        end_of_previous = img.offset + img.bytes;
    }
    EXPECT_EQ(end_of_previous, file.size());
}

TEST_P(IconFileTest, AlphaShapesTheIconAndTheMaskAgreesWithIt) {
    const Bytes file = read_resource(GetParam().file);
    for (const IconImage& img : read_icon_file(file).images) {
        SCOPED_TRACE(img.width);
        int transparent = 0, opaque = 0, mask_disagrees = 0;
        for (int y = 0; y < img.width; ++y)
            for (int x = 0; x < img.width; ++x) {
                const std::uint8_t a = icon_alpha(file, img, x, y);
                transparent += a == 0;
                opaque += a == 255;
                if ((a == 0 && !icon_mask_bit(file, img, x, y)) ||
                    (a == 255 && icon_mask_bit(file, img, x, y)))
                    ++mask_disagrees;
            }
        const int area = img.width * img.width;
        EXPECT_GT(opaque, area / 2) << "the picture should cover most of the square";
        EXPECT_GT(transparent, 0) << "the outline should not be a full square";
        EXPECT_EQ(mask_disagrees, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Resources, IconFileTest,
    ::testing::Values(IconCase{"tessaloom.ico", {128, 64, 48, 32, 16}},
                      IconCase{"tray.ico", {16, 24, 32, 48, 64, 72, 96, 128}}),
    [](const ::testing::TestParamInfo<IconCase>& param_info) {
        std::string name = param_info.param.file;
        name.erase(std::remove_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }),
                   name.end());
        return name;
    });

}  // namespace
