#include "engine_bitmaps.h"

#include <stdexcept>

#include "byte_writer.h"

namespace assetgen {

namespace {

// The 16 colours every display shows, in their customary order.
const std::vector<std::uint32_t> kStandardColours = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};
constexpr std::uint8_t kBlack = 0, kSilver = 7, kGrey = 8, kWhite = 15;

// A channel sunk into the face: shadow above and left, light below and right.
const char* const kTrackRows[] = {
    "gggggggggggggggw",
    "gkkkkkkkkkkkkksw",
    "gssssssssssssssw",
    "wwwwwwwwwwwwwwww",
};

std::uint8_t track_index(char c) {
    switch (c) {
        case 'k': return kBlack;
        case 's': return kSilver;
        case 'g': return kGrey;
        default: return kWhite;
    }
}

// '#' is ink; the rest is the white that the image list treats as transparent.
const char* const kGlyphRows[16] = {
    //  restore          maximise         minimise         close
    "................................................................",
    "................................................................",
    "......#######.....##########....................................",
    "......#######.....##########.......................##......##...",
    "......#.....#.....#........#........................##....##....",
    "....#######.#.....#........#.........................##..##.....",
    "....#######.#.....#........#..........................####......",
    "....#.....#.#.....#........#...........................##.......",
    "....#.....###.....#........#..........................####......",
    "....#.....#.......#........#.........................##..##.....",
    "....#.....#.......#........#........................##....##....",
    "....#######.......##########.......#######.........##......##...",
    "..................................#######.......................",
    "................................................................",
    "................................................................",
    "................................................................",
};

std::vector<std::uint8_t> packed_rows(const IndexedPicture& p) {
    const std::size_t stride = ((static_cast<std::size_t>(p.width) * p.bits + 31) / 32) * 4;
    std::vector<std::uint8_t> rows(stride * static_cast<std::size_t>(p.height), 0);
    const int per_byte = 8 / p.bits;
    for (int y = 0; y < p.height; ++y) {
        // Bottom-up: the picture's last row comes first.
        std::uint8_t* row = rows.data() + stride * static_cast<std::size_t>(p.height - 1 - y);
        for (int x = 0; x < p.width; ++x) {
            const int shift = 8 - p.bits * (x % per_byte + 1);
            row[x / per_byte] |= static_cast<std::uint8_t>(p.indices[static_cast<std::size_t>(y * p.width + x)] << shift);
        }
    }
    return rows;
}

}  // namespace

IndexedPicture draw_track() {
    IndexedPicture p{16, 4, 4, {}, kStandardColours};
    for (const char* row : kTrackRows)
        for (int x = 0; x < p.width; ++x) p.indices.push_back(track_index(row[x]));
    return p;
}

IndexedPicture draw_track_vertical() {
    // The same channel turned on its side: what runs along the horizontal strip's rows runs
    // down the vertical strip's columns.
    const IndexedPicture h = draw_track();
    IndexedPicture p{h.height, h.width, 4, std::vector<std::uint8_t>(h.indices.size()), kStandardColours};
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            p.indices[static_cast<std::size_t>(y * p.width + x)] = h.indices[static_cast<std::size_t>(x * h.width + y)];
    return p;
}

IndexedPicture draw_menu_glyphs() {
    IndexedPicture p{64, 16, 1, {}, {0x000000, 0xFFFFFF}};
    for (const char* row : kGlyphRows)
        for (int x = 0; x < p.width; ++x) p.indices.push_back(row[x] == '#' ? 0 : 1);
    return p;
}

std::vector<std::uint8_t> encode_indexed_bmp(const IndexedPicture& p) {
    if ((p.bits != 1 && p.bits != 4) || p.palette.size() != (1u << p.bits) ||
        p.indices.size() != static_cast<std::size_t>(p.width) * static_cast<std::size_t>(p.height))
        throw std::invalid_argument("indexed picture does not fit its format");
    const std::vector<std::uint8_t> rows = packed_rows(p);
    const std::uint32_t offset = 14 + 40 + static_cast<std::uint32_t>(p.palette.size()) * 4;
    ByteWriter w;
    w.u8('B');
    w.u8('M');
    w.u32(offset + static_cast<std::uint32_t>(rows.size()));
    w.u32(0);
    w.u32(offset);
    w.u32(40);
    w.i32(p.width);
    w.i32(p.height);
    w.u16(1);
    w.u16(static_cast<std::uint16_t>(p.bits));
    w.u32(0);  // BI_RGB
    w.u32(static_cast<std::uint32_t>(rows.size()));
    w.i32(2835);  // 72 dpi
    w.i32(2835);
    w.u32(static_cast<std::uint32_t>(p.palette.size()));
    w.u32(0);
    for (std::uint32_t c : p.palette) {
        w.u8(static_cast<std::uint8_t>(c));
        w.u8(static_cast<std::uint8_t>(c >> 8));
        w.u8(static_cast<std::uint8_t>(c >> 16));
        w.u8(0);
    }
    w.append(rows);
    return w.bytes();
}

}  // namespace assetgen
