#include <gtest/gtest.h>

#include "committed_resource.h"

using namespace asset_checks;

namespace {

// Frame parameters from a JPEG's start-of-frame segment.
struct JpegFrame {
    int marker = 0;  // 0xC0 baseline, 0xC2 progressive, ...
    int precision = 0;
    int width = 0, height = 0;
    int components = 0;
};

// Walks the segments after SOI up to the first start-of-frame marker.
JpegFrame read_frame(const Bytes& jpeg) {
    std::size_t at = 2;
    while (at + 4 <= jpeg.size()) {
        if (jpeg[at] != 0xFF) throw std::runtime_error("segment does not start with 0xFF");
        const int marker = jpeg[at + 1];
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        const std::uint32_t length = be16(jpeg, at + 2);
        const bool start_of_frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 &&
                                    marker != 0xC8 && marker != 0xCC;
        if (start_of_frame) {
            JpegFrame f;
            f.marker = marker;
            f.precision = jpeg.at(at + 4);
            f.height = static_cast<int>(be16(jpeg, at + 5));
            f.width = static_cast<int>(be16(jpeg, at + 7));
            f.components = jpeg.at(at + 9);
            return f;
        }
        if (marker == 0xDA) break;  // scan data before any frame header
        at += 2 + length;
    }
    throw std::runtime_error("no start-of-frame marker");
}

TEST(BannerFile, IsABaselineColourJpegOfTheBannerSize) {
    const Bytes jpeg = read_resource("banner.jpg");
    ASSERT_GE(jpeg.size(), 4u);
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);  // SOI
    EXPECT_EQ(jpeg[jpeg.size() - 2], 0xFF);
    EXPECT_EQ(jpeg[jpeg.size() - 1], 0xD9);  // EOI

    const JpegFrame frame = read_frame(jpeg);
    // Baseline, because the picture loader on the Windows side is given it as it is.
    EXPECT_EQ(frame.marker, 0xC0);
    EXPECT_EQ(frame.precision, 8);
    EXPECT_EQ(frame.width, 560);
    EXPECT_EQ(frame.height, 73);
    EXPECT_EQ(frame.components, 3);
}

}  // namespace
