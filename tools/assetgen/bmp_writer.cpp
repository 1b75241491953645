#include "bmp_writer.h"

#include <stdexcept>

namespace assetgen {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPaletteEntries = 256;
constexpr std::int32_t kPixelsPerMetre = 2835;  // 72 dpi

}  // namespace

std::uint32_t bmp_stride(int width, int bits_per_pixel) {
    return static_cast<std::uint32_t>(((width * bits_per_pixel + 7) / 8 + 3) & ~3);
}

void write_bmp_headers(ByteWriter& out, int width, int height, int bits_per_pixel,
                       std::uint32_t palette_entries) {
    const std::uint32_t pixel_bytes = bmp_stride(width, bits_per_pixel) * static_cast<std::uint32_t>(height);
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + palette_entries * 4;
    out.u8('B');
    out.u8('M');
    out.u32(offset + pixel_bytes);
    out.u32(0);
    out.u32(offset);

    out.u32(kInfoHeaderSize);
    out.i32(width);
    out.i32(height);  // positive: bottom-up
    out.u16(1);       // planes
    out.u16(static_cast<std::uint16_t>(bits_per_pixel));
    out.u32(0);       // BI_RGB
    out.u32(pixel_bytes);
    out.i32(kPixelsPerMetre);
    out.i32(kPixelsPerMetre);
    out.u32(palette_entries);
    out.u32(0);  // all colours important
}

std::vector<std::uint8_t> encode_bmp8(const IndexedImage& image) {
    if (image.palette.size() > kPaletteEntries) throw std::invalid_argument("palette too large");
    const std::uint32_t stride = bmp_stride(image.width, 8);
    ByteWriter out;
    write_bmp_headers(out, image.width, image.height, 8, kPaletteEntries);
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
