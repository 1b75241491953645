#pragma once
// JPEG and PNG file images made for tests and benchmarks, through the same libraries the
// program decodes them with.
#include <cstdint>
#include <functional>
#include <string>

namespace e2e {

// The colour of pixel (x, y) as 0x00RRGGBB.
using TPixelColour = std::function<uint32_t(int x, int y)>;

// A baseline JPEG of quality 90.
std::string EncodeJpeg(int width, int height, const TPixelColour& colour);
// A PNG, 8-bit RGB (or RGBA with every pixel's alpha from ALPHA when given), written at zlib
// level LEVEL; rows are made one at a time, so any size can be written.
std::string EncodePng(int width, int height, const TPixelColour& colour, int level = 6,
                      const std::function<uint8_t(int x, int y)>& alpha = {});

// Bands of three colours side by side (red, green, blue from the left), each a third of the width.
uint32_t ThreeBands(int x, int width);

}  // namespace e2e
