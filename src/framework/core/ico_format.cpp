#include "framework/core/ico_format.h"

#include "framework/core/bmp_format.h"
#include "framework/core/byte_order.h"
#include "framework/core/exceptions.h"

#include <cstring>

namespace {

constexpr size_t kDirectoryHeader = 6;
constexpr size_t kDirectoryEntry = 16;
constexpr int kMaxBitmapSide = 256;  // the directory's byte fields cannot name more
constexpr int kMaxPngSide = 1024;

[[noreturn]] void Invalid() { throw EInvalidGraphic("Icon image is not valid"); }

// A bitmap image: an info header whose height counts the colour rows and the mask rows.
bool ReadBitmapImage(const uint8_t* p, size_t size, IcoImage& image) {
  if (size < 40)
    return false;
  const uint32_t headerSize = ReadLE32(p);
  const int32_t width = ReadLE32Signed(p + 4);
  const int32_t doubleHeight = ReadLE32Signed(p + 8);
  const int bits = ReadLE16(p + 14);
  const uint32_t compression = ReadLE32(p + 16);
  const uint32_t colorsUsed = ReadLE32(p + 32);
  if (headerSize < 40 || headerSize > size || ReadLE16(p + 12) != 1 || compression != kBmpRgb)
    return false;
  if (width <= 0 || width > kMaxBitmapSide || doubleHeight <= 0 || doubleHeight % 2 != 0 ||
      doubleHeight / 2 > kMaxBitmapSide)
    return false;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
    return false;
  const int height = doubleHeight / 2;
  uint64_t colors = 0;
  if (bits <= 8) {
    colors = colorsUsed == 0 ? (1u << bits) : colorsUsed;
    if (colors > (1u << bits))
      return false;
  }
  const uint64_t needed = headerSize + colors * 4 +
                          static_cast<uint64_t>(DibStride(width, bits)) * height +
                          static_cast<uint64_t>(DibStride(width, 1)) * height;
  if (needed > size)
    return false;
  image.width = width;
  image.height = height;
  image.bitCount = bits;
  return true;
}

bool ReadPngImage(const uint8_t* p, size_t size, IcoImage& image) {
  static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  // Signature, then the IHDR chunk: length 13, type, width, height, ...
  if (size < 8 + 8 + 13 || std::memcmp(p, kSignature, 8) != 0 || ReadBE32(p + 8) != 13 ||
      std::memcmp(p + 12, "IHDR", 4) != 0)
    return false;
  const uint32_t width = ReadBE32(p + 16), height = ReadBE32(p + 20);
  if (width == 0 || height == 0 || width > kMaxPngSide || height > kMaxPngSide)
    return false;
  image.width = static_cast<int>(width);
  image.height = static_cast<int>(height);
  image.bitCount = 32;
  image.png = true;
  return true;
}

}  // namespace

std::vector<IcoImage> ParseIcoFile(const uint8_t* data, size_t size) {
  if (size < kDirectoryHeader || ReadLE16(data) != 0 || ReadLE16(data + 2) != 1)
    Invalid();
  const size_t count = ReadLE16(data + 4);
  if (count == 0 || (size - kDirectoryHeader) / kDirectoryEntry < count)
    Invalid();

  std::vector<IcoImage> images;
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* entry = data + kDirectoryHeader + i * kDirectoryEntry;
    IcoImage image;
    image.size = ReadLE32(entry + 8);
    image.offset = ReadLE32(entry + 12);
    if (image.size == 0 || image.offset > size || image.size > size - image.offset)
      continue;
    const uint8_t* p = data + image.offset;
    if (ReadPngImage(p, image.size, image) || ReadBitmapImage(p, image.size, image))
      images.push_back(image);
  }
  if (images.empty())
    Invalid();
  return images;
}

const IcoImage& ChooseIcoImage(const std::vector<IcoImage>& images) {
  const IcoImage* best = &images.front();
  for (const IcoImage& image : images) {
    const long area = static_cast<long>(image.width) * image.height;
    const long bestArea = static_cast<long>(best->width) * best->height;
    if (area > bestArea || (area == bestArea && image.bitCount > best->bitCount))
      best = &image;
  }
  return *best;
}
