#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The BMP picture format, checked field by field before a pixel is touched: pictures come from
// the user's folders, and a damaged one must end in EInvalidGraphic("Bitmap image is not
// valid"), never in a read outside the bytes given.

// Compression codes of the info header.
constexpr uint32_t kBmpRgb = 0;
constexpr uint32_t kBmpRle8 = 1;
constexpr uint32_t kBmpRle4 = 2;
constexpr uint32_t kBmpBitfields = 3;
constexpr uint32_t kBmpAlphaBitfields = 6;

// What one BMP image holds, and where, in the buffer it was parsed from.
struct BmpLayout {
  int32_t width = 0;               // pixels per row, > 0
  int32_t height = 0;              // rows, > 0
  bool topDown = false;            // rows are stored top row first
  int bitCount = 0;                // bits per stored pixel: 1, 4, 8, 16, 24 or 32
  uint32_t compression = kBmpRgb;  // one of the codes above
  uint32_t masks[4] = {};          // red, green, blue, alpha bits of a 16- or 32-bit pixel
  std::vector<uint32_t> palette;   // 0x00RRGGBB; 2^bitCount entries when indexed, else none
  size_t bitsOffset = 0;           // offset of the pixel data in the buffer
  size_t bitsSize = 0;             // bytes of pixel data available there

  // Bits per pixel of the decoded rows: 1, 4 and 8 stay indexed, 16 becomes 24, 24 and 32 stay.
  int DecodedBitCount() const;
};

// A BMP file image: 14-byte file header, info header, colour table, pixels.
BmpLayout ParseBmpFile(const uint8_t* data, size_t size);
// A packed bitmap as bitmap resources hold it: the same without the file header.
BmpLayout ParseDib(const uint8_t* data, size_t size);

// The most bytes that a BMP file's headers and colour table can take: the file header, the
// longest info header, four masks, 256 colours.
constexpr size_t kBmpMaxHeadSize = 14 + 124 + 16 + 256 * 4;
// The layout of a BMP file of fileSize bytes from its first headSize bytes, which are at least
// kBmpMaxHeadSize or the whole file: for reading a large picture's pixels from the file a few
// rows at a time.
BmpLayout ParseBmpFileHead(const uint8_t* head, size_t headSize, uint64_t fileSize);

// Bytes per row of a bitmap in memory: rows are padded to 4 bytes.
size_t DibStride(int32_t width, int bitCount);

// Decodes one stored row of an uncompressed (not run-length) image, DibStride(width, bitCount)
// bytes, into DibStride(width, DecodedBitCount()) bytes.
void DecodeBmpRow(const BmpLayout& layout, const uint8_t* stored, uint8_t* decoded);

// Decodes the pixels of layout (parsed from data) into rows of DecodedBitCount() bits per
// pixel. Row y, 0 being the top row, starts at topRow + y * rowStep and has room for
// DibStride(width, DecodedBitCount()) bytes; pixels that a run-length image leaves out are 0.
void DecodeBmpPixels(const BmpLayout& layout, const uint8_t* data, uint8_t* topRow,
                     ptrdiff_t rowStep);

// The headers and colour table of such a file, for a writer that streams the rows after them.
std::string EncodeBmpHead(int32_t width, int32_t height, int bitCount, const std::vector<uint32_t>& palette);

// A BMP file (file header, 40-byte info header, colour table, bottom-up rows) of the rows at
// topRow + y * rowStep. bitCount is 1, 4, 8, 24 or 32; indexed images get 2^bitCount colours,
// palette entries beyond those given being black.
std::string EncodeBmpFile(int32_t width, int32_t height, int bitCount,
                          const std::vector<uint32_t>& palette, const uint8_t* topRow,
                          ptrdiff_t rowStep);

// Converts one row of width pixels from 1, 4, 8, 24 or 32 bits per pixel (palette for the
// indexed ones) to 24 or 32 (blue, green, red[, 0]); a 32-bit source keeps its fourth byte.
void ConvertDibRow(const uint8_t* src, int srcBitCount, const std::vector<uint32_t>& palette,
                   uint8_t* dst, int dstBitCount, int32_t width);
