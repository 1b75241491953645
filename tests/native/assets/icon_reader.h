#pragma once

#include <cstdint>
#include <vector>

#include "file_bytes.h"

namespace asset_checks {

// One image of an icon file as its directory entry and bitmap header describe it.
struct IconImage {
    int entry_width = 0, entry_height = 0;  // from the directory (0 meaning 256)
    int entry_bits = 0;
    std::uint32_t bytes = 0, offset = 0;    // size and place of the image data
    std::uint32_t header_size = 0;          // 40 for a bitmap entry
    std::int32_t width = 0, height = 0;     // bitmap header: height counts colour and mask rows
    int bits = 0;
    std::uint32_t compression = 0;
};

struct IconFile {
    int type = 0;
    std::vector<IconImage> images;
};

inline IconFile read_icon_file(const Bytes& file) {
    IconFile icon;
    if (le16(file, 0) != 0) throw std::runtime_error("reserved field not zero");
    icon.type = static_cast<int>(le16(file, 2));
    const std::uint32_t count = le16(file, 4);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t e = 6 + 16 * i;
        IconImage img;
        img.entry_width = file.at(e) == 0 ? 256 : file.at(e);
        img.entry_height = file.at(e + 1) == 0 ? 256 : file.at(e + 1);
        img.entry_bits = static_cast<int>(le16(file, e + 6));
        img.bytes = le32(file, e + 8);
        img.offset = le32(file, e + 12);
        img.header_size = le32(file, img.offset);
        img.width = sle32(file, img.offset + 4);
        img.height = sle32(file, img.offset + 8);
        img.bits = static_cast<int>(le16(file, img.offset + 14));
        img.compression = le32(file, img.offset + 16);
        icon.images.push_back(img);
    }
    return icon;
}

// Bytes a 32-bit bitmap entry of that side must take: header, BGRA rows, 1-bit AND mask
// rows padded to four bytes.
inline std::uint32_t expected_entry_bytes(int side) {
    const auto s = static_cast<std::uint32_t>(side);
    return 40 + s * s * 4 + (s + 31) / 32 * 4 * s;
}

// Alpha of pixel (x, y), y counted from the top, of a 32-bit entry.
inline std::uint8_t icon_alpha(const Bytes& file, const IconImage& img, int x, int y) {
    const int row = img.width - 1 - y;
    return file.at(img.offset + 40 + static_cast<std::size_t>(row * img.width + x) * 4 + 3);
}

// AND-mask bit of pixel (x, y), y counted from the top: true means transparent.
inline bool icon_mask_bit(const Bytes& file, const IconImage& img, int x, int y) {
    const std::size_t stride = static_cast<std::size_t>(img.width + 31) / 32 * 4;
    const std::size_t mask = img.offset + 40 + static_cast<std::size_t>(img.width * img.width) * 4;
    const int row = img.width - 1 - y;
    return (file.at(mask + row * stride + x / 8) >> (7 - x % 8)) & 1;
}

}  // namespace asset_checks
