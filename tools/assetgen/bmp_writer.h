#pragma once

#include <cstdint>
#include <vector>

#include "byte_writer.h"
#include "quantize.h"

namespace assetgen {

// Bytes in one row of an uncompressed bitmap, padded to four.
std::uint32_t bmp_stride(int width, int bits_per_pixel);

// The file and info headers of an uncompressed bottom-up bitmap whose colour table, of
// PALETTE_ENTRIES entries, and rows follow.
void write_bmp_headers(ByteWriter& out, int width, int height, int bits_per_pixel,
                       std::uint32_t palette_entries);

// A complete 8-bit BI_RGB bitmap file (file header, info header, 256-entry colour table,
// bottom-up rows padded to four bytes). Palettes shorter than 256 are padded with black.
std::vector<std::uint8_t> encode_bmp8(const IndexedImage& image);

}  // namespace assetgen
