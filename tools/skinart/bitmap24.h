#pragma once

#include <cstdint>
#include <vector>

#include "color.h"

namespace skinart {

// The colour a skin picture uses for "nothing here": drawn elements leave these pixels out.
inline constexpr assetgen::Rgb8 kKeyColour{255, 0, 255};

// An opaque 24-bit picture, row 0 at the top: the form every skin bitmap is stored in.
struct Bitmap24 {
    int width = 0;
    int height = 0;
    std::vector<assetgen::Rgb8> pixels;  // row-major, top row first

    Bitmap24() = default;
    Bitmap24(int w, int h, assetgen::Rgb8 fill = kKeyColour)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

    assetgen::Rgb8& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    const assetgen::Rgb8& at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * width + x];
    }
};

bool is_key(assetgen::Rgb8 c);

// A complete uncompressed 24-bit bitmap file: bottom-up rows of blue, green, red, each row
// padded to four bytes.
std::vector<std::uint8_t> encode_bmp24(const Bitmap24& picture);

// Frames of equal size laid out as one strip: left to right, or top to bottom.
Bitmap24 side_by_side(const std::vector<Bitmap24>& frames);
Bitmap24 stacked(const std::vector<Bitmap24>& frames);

}  // namespace skinart
