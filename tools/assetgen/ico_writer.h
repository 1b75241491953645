#pragma once

#include <cstdint>
#include <vector>

#include "image.h"

namespace assetgen {

// An icon file of square 32-bit images in the classic bitmap form (BITMAPINFOHEADER, BGRA
// colour rows, 1-bit AND mask), one directory entry per image in the order given.
std::vector<std::uint8_t> encode_ico(const std::vector<Image>& images);

}  // namespace assetgen
