#include "ico_writer.h"

#include <stdexcept>

#include "byte_writer.h"

namespace assetgen {

namespace {

constexpr std::uint32_t kDirectorySize = 6;
constexpr std::uint32_t kEntrySize = 16;
constexpr std::uint32_t kInfoHeaderSize = 40;
// Pixels less opaque than this are transparent where only the AND mask is honoured.
constexpr std::uint8_t kMaskThreshold = 128;

std::uint32_t mask_stride(int width) { return static_cast<std::uint32_t>((width + 31) / 32 * 4); }

std::uint32_t entry_bytes(const Image& image) {
    const auto w = static_cast<std::uint32_t>(image.width());
    const auto h = static_cast<std::uint32_t>(image.height());
    return kInfoHeaderSize + w * h * 4 + mask_stride(image.width()) * h;
}

std::vector<std::uint8_t> entry_data(const Image& image) {
    const int w = image.width(), h = image.height();
    ByteWriter out;
    out.u32(kInfoHeaderSize);
    out.i32(w);
    out.i32(h * 2);  // colour rows and mask rows together
    out.u16(1);
    out.u16(32);
    out.u32(0);  // BI_RGB
    out.u32(entry_bytes(image) - kInfoHeaderSize);
    out.i32(0);
    out.i32(0);
    out.u32(0);
    out.u32(0);
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x) {
            const Rgb8 c = unpremultiplied8(image.at(x, y));
            out.u8(c.b);
            out.u8(c.g);
            out.u8(c.r);
            out.u8(alpha8(image.at(x, y)));
        }
    for (int y = h - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(mask_stride(w), 0);
        for (int x = 0; x < w; ++x)
            if (alpha8(image.at(x, y)) < kMaskThreshold)
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.append(row);
    }
    return out.bytes();
}

}  // namespace

std::vector<std::uint8_t> encode_ico(const std::vector<Image>& images) {
    ByteWriter out;
    out.u16(0);
    out.u16(1);  // icon, not cursor
    out.u16(static_cast<std::uint16_t>(images.size()));
    std::uint32_t offset = kDirectorySize + kEntrySize * static_cast<std::uint32_t>(images.size());
    for (const Image& image : images) {
        if (image.width() != image.height() || image.width() < 1 || image.width() > 256)
            throw std::invalid_argument("icon images must be square, 1 to 256 pixels");
        const auto side = static_cast<std::uint8_t>(image.width() == 256 ? 0 : image.width());
        out.u8(side);
        out.u8(side);
        out.u8(0);  // no palette
        out.u8(0);
        out.u16(1);
        out.u16(32);
        out.u32(entry_bytes(image));
        out.u32(offset);
        offset += entry_bytes(image);
    }
    for (const Image& image : images) out.append(entry_data(image));
    return out.bytes();
}

}  // namespace assetgen
