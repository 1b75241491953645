#include "bitmap24.h"

#include <stdexcept>

#include "bmp_writer.h"

namespace skinart {

namespace {

void require_equal_frames(const std::vector<Bitmap24>& frames) {
    if (frames.empty()) throw std::invalid_argument("a strip needs at least one frame");
    for (const Bitmap24& f : frames)
        if (f.width != frames.front().width || f.height != frames.front().height)
            throw std::invalid_argument("frames of a strip differ in size");
}

void copy_into(Bitmap24& strip, const Bitmap24& frame, int x0, int y0) {
    for (int y = 0; y < frame.height; ++y)
        for (int x = 0; x < frame.width; ++x) strip.at(x0 + x, y0 + y) = frame.at(x, y);
}

}  // namespace

bool is_key(assetgen::Rgb8 c) {
    return c.r == kKeyColour.r && c.g == kKeyColour.g && c.b == kKeyColour.b;
}

std::vector<std::uint8_t> encode_bmp24(const Bitmap24& picture) {
    const std::uint32_t stride = assetgen::bmp_stride(picture.width, 24);
    assetgen::ByteWriter out;
    assetgen::write_bmp_headers(out, picture.width, picture.height, 24, 0);

    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            const assetgen::Rgb8 c = picture.at(x, y);
            out.u8(c.b);
            out.u8(c.g);
            out.u8(c.r);
        }
        for (auto pad = static_cast<std::uint32_t>(picture.width * 3); pad < stride; ++pad)
            out.u8(0);
    }
    return out.bytes();
}

Bitmap24 side_by_side(const std::vector<Bitmap24>& frames) {
    require_equal_frames(frames);
    const int w = frames.front().width;
    Bitmap24 strip(w * static_cast<int>(frames.size()), frames.front().height);
    for (std::size_t i = 0; i < frames.size(); ++i)
        copy_into(strip, frames[i], w * static_cast<int>(i), 0);
    return strip;
}

Bitmap24 stacked(const std::vector<Bitmap24>& frames) {
    require_equal_frames(frames);
    const int h = frames.front().height;
    Bitmap24 strip(frames.front().width, h * static_cast<int>(frames.size()));
    for (std::size_t i = 0; i < frames.size(); ++i)
        copy_into(strip, frames[i], 0, h * static_cast<int>(i));
    return strip;
}

}  // namespace skinart
