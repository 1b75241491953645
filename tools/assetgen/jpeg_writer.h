#pragma once

#include <cstdint>
#include <vector>

#include "image.h"

namespace assetgen {

// A baseline JFIF file of the image flattened onto black, without chroma subsampling so
// small coloured text keeps its edges.
std::vector<std::uint8_t> encode_jpeg(const Image& image, int quality);

}  // namespace assetgen
