#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// The ICO file format: a directory of images, each a bitmap (colour rows and a 1-bit mask) or
// a PNG stream. Only images that pass every check are listed; a file with none, or with a
// damaged directory, raises EInvalidGraphic("Icon image is not valid").

struct IcoImage {
  size_t offset = 0;  // where the image's bytes start in the file
  size_t size = 0;    // how many bytes it has
  int width = 0;      // its size in pixels, from the image itself
  int height = 0;
  int bitCount = 0;   // bits per pixel (32 for PNG images)
  bool png = false;   // a PNG stream rather than a bitmap
};

std::vector<IcoImage> ParseIcoFile(const uint8_t* data, size_t size);

// The image to show: the largest, and among equally large ones the deepest; the first of
// equals. images must not be empty.
const IcoImage& ChooseIcoImage(const std::vector<IcoImage>& images);
