#include "framework/core/bmp_format.h"

#include "framework/core/byte_order.h"
#include "framework/core/exceptions.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12;   // the old OS/2 header with 16-bit sizes
constexpr size_t kInfoHeaderSize = 40;
// A decoded bitmap larger than this cannot be a DIB section in a 32-bit process anyway.
constexpr uint64_t kMaxDecodedBytes = std::numeric_limits<int32_t>::max();

[[noreturn]] void Invalid() { throw EInvalidGraphic("Bitmap image is not valid"); }

uint64_t Stride64(int32_t width, int bitCount) {
  return (static_cast<uint64_t>(width) * static_cast<uint64_t>(bitCount) + 31) / 32 * 4;
}

bool KnownHeaderSize(uint32_t size) {
  // core, info, V2 and V3 (with masks), OS/2 2.x, V4, V5
  return size == 12 || size == 40 || size == 52 || size == 56 || size == 64 || size == 108 ||
         size == 124;
}

bool ContiguousBits(uint32_t mask) {
  if (mask == 0)
    return false;
  const uint32_t shifted = mask >> std::countr_zero(mask);
  return (shifted & (shifted + 1)) == 0;
}

void CheckMasks(const uint32_t (&masks)[4], int bitCount) {
  const uint32_t limit = bitCount == 16 ? 0xFFFFu : 0xFFFFFFFFu;
  uint32_t seen = 0;
  for (int i = 0; i < 4; ++i) {
    const uint32_t m = masks[i];
    if (m == 0 && i == 3)
      continue;  // no alpha
    if (!ContiguousBits(m) || (m & ~limit) != 0 || (m & seen) != 0)
      Invalid();
    seen |= m;
  }
}

// Reads the info header at offset, its masks and its colour table; returns the layout without
// the pixel data's place, and sets tableEnd to the offset after the colour table.
BmpLayout ParseInfo(const uint8_t* data, size_t size, size_t offset, size_t& tableEnd,
                    uint32_t& imageSize) {
  if (size - offset < 4)
    Invalid();
  const uint8_t* h = data + offset;
  const uint32_t headerSize = ReadLE32(h);
  if (!KnownHeaderSize(headerSize) || headerSize > size - offset)
    Invalid();

  BmpLayout layout;
  uint32_t colorsUsed = 0;
  imageSize = 0;
  unsigned planes = 0;
  if (headerSize == kCoreHeaderSize) {
    layout.width = ReadLE16(h + 4);
    layout.height = ReadLE16(h + 6);
    planes = ReadLE16(h + 8);
    layout.bitCount = ReadLE16(h + 10);
    if (layout.bitCount == 16 || layout.bitCount == 32)
      Invalid();  // the core header knows 1, 4, 8 and 24 only
  } else {
    layout.width = ReadLE32Signed(h + 4);
    const int32_t height = ReadLE32Signed(h + 8);
    if (height == 0 || height == std::numeric_limits<int32_t>::min())
      Invalid();
    layout.topDown = height < 0;
    layout.height = height < 0 ? -height : height;
    planes = ReadLE16(h + 12);
    layout.bitCount = ReadLE16(h + 14);
    layout.compression = ReadLE32(h + 16);
    imageSize = ReadLE32(h + 20);
    colorsUsed = ReadLE32(h + 32);
  }
  if (layout.width <= 0 || layout.height <= 0 || planes != 1)
    Invalid();

  const int bits = layout.bitCount;
  const bool bitfields =
      layout.compression == kBmpBitfields || layout.compression == kBmpAlphaBitfields;
  switch (layout.compression) {
    case kBmpRgb:
      if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        Invalid();
      break;
    case kBmpRle8:
    case kBmpRle4:
      // Run-length images are bottom-up by definition.
      if (bits != (layout.compression == kBmpRle8 ? 8 : 4) || layout.topDown)
        Invalid();
      break;
    case kBmpBitfields:
    case kBmpAlphaBitfields:
      // The OS/2 2.x header gives code 3 another meaning (Huffman), which is not supported.
      if ((bits != 16 && bits != 32) || headerSize == 64)
        Invalid();
      break;
    default:
      Invalid();  // embedded JPEG or PNG, or nonsense
  }

  size_t p = offset + headerSize;
  if (bitfields) {
    const size_t count = layout.compression == kBmpAlphaBitfields ? 4 : 3;
    const uint8_t* m = h + kInfoHeaderSize;
    if (headerSize == kInfoHeaderSize) {
      if (size - p < count * 4)
        Invalid();
      m = data + p;
      p += count * 4;
    }
    const size_t inHeader = headerSize == kInfoHeaderSize ? count : (headerSize - 40) / 4;
    for (size_t i = 0; i < count && i < inHeader; ++i)
      layout.masks[i] = ReadLE32(m + 4 * i);
    CheckMasks(layout.masks, bits);
  } else if (bits == 16) {
    layout.masks[0] = 0x7C00, layout.masks[1] = 0x03E0, layout.masks[2] = 0x001F;
  } else if (bits == 32) {
    // The fourth byte goes through unchanged; pictures with alpha keep it.
    layout.masks[0] = 0xFF0000, layout.masks[1] = 0xFF00, layout.masks[2] = 0xFF;
    layout.masks[3] = 0xFF000000u;
  }

  const size_t entrySize = headerSize == kCoreHeaderSize ? 3 : 4;
  uint64_t entries = 0;
  if (bits <= 8) {
    const uint32_t full = 1u << bits;
    entries = colorsUsed == 0 ? full : colorsUsed;
    if (entries > full)
      Invalid();
  } else {
    entries = colorsUsed;  // an optional table for palette devices, skipped
  }
  if (entries > (size - p) / entrySize)
    Invalid();
  if (bits <= 8) {
    layout.palette.assign(size_t{1} << bits, 0);
    for (size_t i = 0; i < entries; ++i) {
      const uint8_t* e = data + p + i * entrySize;
      layout.palette[i] = e[0] | (e[1] << 8) | (static_cast<uint32_t>(e[2]) << 16);
    }
  }
  tableEnd = p + static_cast<size_t>(entries) * entrySize;
  return layout;
}

// Places the pixel data and checks that an uncompressed image has all of its rows.
void PlacePixels(BmpLayout& layout, size_t size, size_t bitsOffset, uint32_t imageSize) {
  if (Stride64(layout.width, layout.DecodedBitCount()) * static_cast<uint64_t>(layout.height) >
      kMaxDecodedBytes)
    Invalid();
  layout.bitsOffset = bitsOffset;
  layout.bitsSize = size - bitsOffset;
  if (layout.compression == kBmpRle8 || layout.compression == kBmpRle4) {
    if (imageSize != 0 && imageSize < layout.bitsSize)
      layout.bitsSize = imageSize;
  } else if (Stride64(layout.width, layout.bitCount) * static_cast<uint64_t>(layout.height) >
             layout.bitsSize) {
    Invalid();  // truncated
  }
}

// Scales a channel of `bits` bits to 0..255.
uint8_t ScaleChannel(uint32_t value, int bits) {
  if (bits >= 8)
    return static_cast<uint8_t>(value >> (bits - 8));
  const uint32_t max = (1u << bits) - 1;
  return static_cast<uint8_t>((value * 255 + max / 2) / max);
}

struct Channel {
  uint32_t mask = 0;  // bits of the channel in the stored pixel
  int shift = 0;      // position of its lowest bit
  int bits = 0;       // its width
  uint8_t From(uint32_t pixel) const {
    return mask ? ScaleChannel((pixel & mask) >> shift, bits) : 0;
  }
};

Channel MakeChannel(uint32_t mask) {
  if (mask == 0)
    return {};
  return {mask, std::countr_zero(mask), std::popcount(mask)};
}

void DecodeMaskedRow(const BmpLayout& layout, const uint8_t* src, uint8_t* dst) {
  const Channel red = MakeChannel(layout.masks[0]), green = MakeChannel(layout.masks[1]),
                blue = MakeChannel(layout.masks[2]), alpha = MakeChannel(layout.masks[3]);
  const bool wide = layout.bitCount == 32;
  const int outBytes = wide ? 4 : 3;
  for (int32_t x = 0; x < layout.width; ++x) {
    const uint32_t pixel = wide ? ReadLE32(src + 4 * x) : ReadLE16(src + 2 * x);
    uint8_t* out = dst + static_cast<size_t>(x) * outBytes;
    out[0] = blue.From(pixel);
    out[1] = green.From(pixel);
    out[2] = red.From(pixel);
    if (wide)
      out[3] = alpha.From(pixel);
  }
}

void DecodeUncompressed(const BmpLayout& layout, const uint8_t* data, uint8_t* topRow,
                        ptrdiff_t rowStep) {
  const size_t srcStride = DibStride(layout.width, layout.bitCount);
  for (int32_t y = 0; y < layout.height; ++y) {
    const int32_t stored = layout.topDown ? y : layout.height - 1 - y;
    DecodeBmpRow(layout, data + layout.bitsOffset + static_cast<size_t>(stored) * srcStride,
                 topRow + y * rowStep);
  }
}

// Run-length decoding; every write is checked against the image and every read against the
// data, and a damaged stream is refused rather than clipped.
class RleDecoder {
public:
  RleDecoder(const BmpLayout& layout, const uint8_t* data, uint8_t* topRow, ptrdiff_t rowStep)
      : layout_(layout), p_(data + layout.bitsOffset), end_(p_ + layout.bitsSize),
        topRow_(topRow), rowStep_(rowStep), nibbles_(layout.compression == kBmpRle4) {}

  void Run() {
    const size_t stride = DibStride(layout_.width, layout_.bitCount);
    for (int32_t y = 0; y < layout_.height; ++y)
      std::memset(topRow_ + y * rowStep_, 0, stride);
    for (;;) {
      if (end_ - p_ < 2) {
        if (y_ >= layout_.height)
          return;  // every row done; the end marker is missing, which is harmless
        Invalid();
      }
      const uint8_t count = p_[0], value = p_[1];
      p_ += 2;
      if (count > 0) {
        for (unsigned i = 0; i < count; ++i)
          Put(nibbles_ ? ((i & 1) ? value & 0x0F : value >> 4) : value);
        continue;
      }
      switch (value) {
        case 0:  // end of line
          x_ = 0;
          if (++y_ > layout_.height)
            Invalid();
          break;
        case 1:  // end of bitmap
          return;
        case 2:  // move right and up
          if (end_ - p_ < 2)
            Invalid();
          x_ += p_[0];
          y_ += p_[1];
          p_ += 2;
          if (x_ > layout_.width || y_ > layout_.height)
            Invalid();
          break;
        default: {  // `value` literal pixels, padded to a 16-bit boundary
          const size_t bytes = nibbles_ ? (value + 1u) / 2 : value;
          const size_t padded = (bytes + 1) & ~size_t{1};
          if (static_cast<size_t>(end_ - p_) < padded)
            Invalid();
          for (unsigned i = 0; i < value; ++i)
            Put(nibbles_ ? ((i & 1) ? p_[i / 2] & 0x0F : p_[i / 2] >> 4) : p_[i]);
          p_ += padded;
        }
      }
    }
  }

private:
  void Put(unsigned index) {
    if (x_ >= layout_.width || y_ >= layout_.height)
      Invalid();
    uint8_t* row = topRow_ + (layout_.height - 1 - y_) * rowStep_;  // y_ counts from the bottom
    if (nibbles_) {
      uint8_t& byte = row[x_ / 2];
      byte = (x_ & 1) ? static_cast<uint8_t>((byte & 0xF0) | index)
                      : static_cast<uint8_t>((byte & 0x0F) | (index << 4));
    } else {
      row[x_] = static_cast<uint8_t>(index);
    }
    ++x_;
  }

  const BmpLayout& layout_;
  const uint8_t* p_;    // next byte of the stream
  const uint8_t* end_;  // end of the stream
  uint8_t* topRow_;     // output row 0 (the top row)
  ptrdiff_t rowStep_;   // distance between output rows
  bool nibbles_;        // 4-bit pixels
  int32_t x_ = 0;       // next pixel of the row
  int32_t y_ = 0;       // current row, counted from the bottom
};

}  // namespace

int BmpLayout::DecodedBitCount() const { return bitCount == 16 ? 24 : bitCount; }

size_t DibStride(int32_t width, int bitCount) {
  return static_cast<size_t>(Stride64(width, bitCount));
}

BmpLayout ParseBmpFile(const uint8_t* data, size_t size) {
  if (size < kFileHeaderSize + 4 || data[0] != 'B' || data[1] != 'M')
    Invalid();
  const uint32_t bitsOffset = ReadLE32(data + 10);
  size_t tableEnd = 0;
  uint32_t imageSize = 0;
  BmpLayout layout = ParseInfo(data, size, kFileHeaderSize, tableEnd, imageSize);
  if (bitsOffset < tableEnd || bitsOffset > size)
    Invalid();
  PlacePixels(layout, size, bitsOffset, imageSize);
  return layout;
}

BmpLayout ParseDib(const uint8_t* data, size_t size) {
  size_t tableEnd = 0;
  uint32_t imageSize = 0;
  BmpLayout layout = ParseInfo(data, size, 0, tableEnd, imageSize);
  PlacePixels(layout, size, tableEnd, imageSize);
  return layout;
}

BmpLayout ParseBmpFileHead(const uint8_t* head, size_t headSize, uint64_t fileSize) {
  // Every field is read within the first kBmpMaxHeadSize bytes; the file's size only places
  // the pixels and checks that they are all there.
  const size_t size = static_cast<size_t>(std::min<uint64_t>(fileSize, std::numeric_limits<size_t>::max()));
  if (headSize < std::min(size, kBmpMaxHeadSize))
    throw EInvalidOperation("Too little of the bitmap file was read");
  return ParseBmpFile(head, size);
}

void DecodeBmpRow(const BmpLayout& layout, const uint8_t* stored, uint8_t* decoded) {
  if (layout.bitCount == 16 || layout.bitCount == 32) {
    std::memset(decoded, 0, DibStride(layout.width, layout.DecodedBitCount()));
    DecodeMaskedRow(layout, stored, decoded);
  } else {
    std::memcpy(decoded, stored, DibStride(layout.width, layout.bitCount));
  }
}

void DecodeBmpPixels(const BmpLayout& layout, const uint8_t* data, uint8_t* topRow,
                     ptrdiff_t rowStep) {
  if (layout.compression == kBmpRle8 || layout.compression == kBmpRle4)
    RleDecoder(layout, data, topRow, rowStep).Run();
  else
    DecodeUncompressed(layout, data, topRow, rowStep);
}

std::string EncodeBmpHead(int32_t width, int32_t height, int bitCount, const std::vector<uint32_t>& palette) {
  const size_t colors = bitCount <= 8 ? size_t{1} << bitCount : 0;
  const size_t bitsOffset = kFileHeaderSize + kInfoHeaderSize + colors * 4;
  const size_t imageSize = DibStride(width, bitCount) * static_cast<size_t>(height);
  std::string head(bitsOffset, '\0');
  uint8_t* out = reinterpret_cast<uint8_t*>(head.data());

  out[0] = 'B', out[1] = 'M';
  WriteLE32(out + 2, static_cast<uint32_t>(bitsOffset + imageSize));
  WriteLE32(out + 10, static_cast<uint32_t>(bitsOffset));
  uint8_t* info = out + kFileHeaderSize;
  WriteLE32(info, kInfoHeaderSize);
  WriteLE32(info + 4, static_cast<uint32_t>(width));
  WriteLE32(info + 8, static_cast<uint32_t>(height));
  WriteLE16(info + 12, 1);
  WriteLE16(info + 14, static_cast<uint16_t>(bitCount));
  WriteLE32(info + 20, static_cast<uint32_t>(imageSize));
  for (size_t i = 0; i < colors && i < palette.size(); ++i)
    WriteLE32(info + kInfoHeaderSize + 4 * i, palette[i] & 0xFFFFFF);
  return head;
}

std::string EncodeBmpFile(int32_t width, int32_t height, int bitCount,
                          const std::vector<uint32_t>& palette, const uint8_t* topRow,
                          ptrdiff_t rowStep) {
  std::string file = EncodeBmpHead(width, height, bitCount, palette);
  const size_t bitsOffset = file.size();
  const size_t stride = DibStride(width, bitCount);
  file.resize(bitsOffset + stride * static_cast<size_t>(height));
  uint8_t* out = reinterpret_cast<uint8_t*>(file.data());
  for (int32_t y = 0; y < height; ++y)
    std::memcpy(out + bitsOffset + static_cast<size_t>(height - 1 - y) * stride,
                topRow + y * rowStep, stride);
  return file;
}

void ConvertDibRow(const uint8_t* src, int srcBitCount, const std::vector<uint32_t>& palette,
                   uint8_t* dst, int dstBitCount, int32_t width) {
  const int outBytes = dstBitCount / 8;
  for (int32_t x = 0; x < width; ++x) {
    uint8_t* out = dst + static_cast<size_t>(x) * outBytes;
    uint8_t fourth = 0;
    if (srcBitCount <= 8) {
      const int perByte = 8 / srcBitCount;
      const int shift = 8 - srcBitCount * (x % perByte + 1);
      const unsigned index = (src[x / perByte] >> shift) & ((1u << srcBitCount) - 1);
      const uint32_t color = index < palette.size() ? palette[index] : 0;
      out[0] = static_cast<uint8_t>(color);
      out[1] = static_cast<uint8_t>(color >> 8);
      out[2] = static_cast<uint8_t>(color >> 16);
    } else {
      const uint8_t* in = src + static_cast<size_t>(x) * (srcBitCount / 8);
      out[0] = in[0], out[1] = in[1], out[2] = in[2];
      if (srcBitCount == 32)
        fourth = in[3];
    }
    if (outBytes == 4)
      out[3] = fourth;
  }
}
