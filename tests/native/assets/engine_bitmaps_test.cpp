#include <gtest/gtest.h>

#include "committed_resource.h"
#include "engine_bitmaps.h"

using namespace asset_checks;
using namespace assetgen;

namespace {

struct CommittedBitmap {
    const char* file;
    IndexedPicture (*draw)();
    int width, height, bits;
};

const CommittedBitmap kBitmaps[] = {
    {"track.bmp", draw_track, 16, 4, 4},
    {"trackvert.bmp", draw_track_vertical, 4, 16, 4},
    {"menu_glyphs.bmp", draw_menu_glyphs, 64, 16, 1},
};

TEST(EngineBitmaps, CommittedFilesAreWhatTheGeneratorWritesAndHaveTheirFormat) {
    for (const CommittedBitmap& b : kBitmaps) {
        SCOPED_TRACE(b.file);
        const Bytes file = read_resource(b.file);
        EXPECT_EQ(file, encode_indexed_bmp(b.draw()));
        ASSERT_GE(file.size(), 54u);
        EXPECT_EQ(sle32(file, 18), b.width);
        EXPECT_EQ(sle32(file, 22), b.height);
        EXPECT_EQ(le16(file, 28), static_cast<std::uint32_t>(b.bits));
        EXPECT_EQ(le32(file, 46), 1u << b.bits);  // colours used
    }
}

TEST(EngineBitmaps, EachMenuGlyphHasInkInsideAWhiteEdge) {
    const IndexedPicture p = draw_menu_glyphs();
    for (int glyph = 0; glyph < 4; ++glyph) {
        int ink = 0, edgeInk = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const bool black = p.indices[static_cast<std::size_t>(y * 64 + glyph * 16 + x)] == 0;
                ink += black;
                edgeInk += black && (x == 0 || y == 0 || x == 15 || y == 15);
            }
        EXPECT_GT(ink, 8) << glyph;
        EXPECT_EQ(edgeInk, 0) << glyph;  // glyphs never touch their neighbours
    }
}

TEST(EngineBitmaps, VerticalTrackIsTheHorizontalOneTurnedOnItsSide) {
    const IndexedPicture h = draw_track(), v = draw_track_vertical();
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(v.indices[static_cast<std::size_t>(y * 4 + x)], h.indices[static_cast<std::size_t>(x * 16 + y)]);
}

TEST(EngineBitmaps, EncoderRefusesPicturesThatDoNotFitTheirFormat) {
    IndexedPicture p = draw_track();
    p.bits = 8;
    EXPECT_THROW(encode_indexed_bmp(p), std::invalid_argument);
    p = draw_menu_glyphs();
    p.indices.pop_back();
    EXPECT_THROW(encode_indexed_bmp(p), std::invalid_argument);
}

}  // namespace
