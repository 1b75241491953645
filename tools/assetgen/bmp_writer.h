#pragma once

#include <cstdint>
#include <vector>

#include "quantize.h"

namespace assetgen {

// A complete 8-bit BI_RGB bitmap file (file header, info header, 256-entry colour table,
// bottom-up rows padded to four bytes). Palettes shorter than 256 are padded with black.
std::vector<std::uint8_t> encode_bmp8(const IndexedImage& image);

}  // namespace assetgen
