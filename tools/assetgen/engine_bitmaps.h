#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

// A picture of palette indices, row 0 at the top, with its colour table (0x00RRGGBB).
struct IndexedPicture {
    int width = 0;
    int height = 0;
    int bits = 0;                          // 1 or 4 bits per pixel
    std::vector<std::uint8_t> indices;     // row-major, top row first
    std::vector<std::uint32_t> palette;    // 2 or 16 entries
};

// The skin engine's own bitmaps: the track-bar channel, horizontal (16 x 4) and vertical
// (4 x 16), in the 16 standard colours; and the four 16 x 16 menu glyphs for restore,
// maximise, minimise and close side by side (64 x 16, black on a white mask).
IndexedPicture draw_track();
IndexedPicture draw_track_vertical();
IndexedPicture draw_menu_glyphs();

// A complete BI_RGB bitmap file of 1 or 4 bits per pixel, bottom-up rows padded to 4 bytes.
std::vector<std::uint8_t> encode_indexed_bmp(const IndexedPicture& picture);

}  // namespace assetgen
