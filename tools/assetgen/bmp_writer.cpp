#include "bmp_writer.h"

#include <stdexcept>

#include "byte_writer.h"

namespace assetgen {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPaletteEntries = 256;
constexpr std::int32_t kPixelsPerMetre = 2835;  // 72 dpi

}  // namespace

std::vector<std::uint8_t> encode_bmp8(const IndexedImage& image) {
    if (image.palette.size() > kPaletteEntries) throw std::invalid_argument("palette too large");
    const auto stride = static_cast<std::uint32_t>((image.width + 3) & ~3);
    const std::uint32_t pixel_bytes = stride * static_cast<std::uint32_t>(image.height);
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + kPaletteEntries * 4;

    ByteWriter out;
    out.u8('B');
    out.u8('M');
    out.u32(offset + pixel_bytes);
    out.u32(0);
    out.u32(offset);

    out.u32(kInfoHeaderSize);
    out.i32(image.width);
    out.i32(image.height);  // positive: bottom-up
    out.u16(1);             // planes
    out.u16(8);             // bits per pixel
    out.u32(0);             // BI_RGB
    out.u32(pixel_bytes);
    out.i32(kPixelsPerMetre);
    out.i32(kPixelsPerMetre);
    out.u32(kPaletteEntries);
    out.u32(0);  // all colours important

    for (std::uint32_t i = 0; i < kPaletteEntries; ++i) {
        const Rgb8 c = i < image.palette.size() ? image.palette[i] : Rgb8{};
        out.u8(c.b);
        out.u8(c.g);
        out.u8(c.r);
        out.u8(0);
    }
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x)
            out.u8(image.indices[static_cast<std::size_t>(y) * image.width + x]);
        for (auto pad = static_cast<std::uint32_t>(image.width); pad < stride; ++pad) out.u8(0);
    }
    return out.bytes();
}

}  // namespace assetgen
