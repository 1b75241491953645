#pragma once
// Writers of picture files field by field, so tests can make both sound and damaged files.
// Shared by the native tests of the parsers and the Wine tests of the picture classes.
#include <cstdint>
#include <string>
#include <vector>

namespace picture_bytes {

inline void Put16(std::string& out, uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
inline void Put32(std::string& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
inline void Poke32(std::string& out, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i)
    out[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// One BMP file (or packed bitmap, without the file header).
struct Bmp {
  uint32_t headerSize = 40;
  int32_t width = 1;
  int32_t height = 1;
  uint32_t planes = 1;
  uint32_t bitCount = 24;
  uint32_t compression = 0;
  uint32_t imageSize = 0;
  uint32_t colorsUsed = 0;
  std::vector<uint32_t> masks;    // after a 40-byte header, inside a longer one
  std::vector<uint32_t> palette;  // 0x00RRGGBB; written as 3 bytes for the 12-byte header
  std::string pixels;             // the pixel data as stored
  int32_t offsetDelta = 0;        // added to the true offset of the pixels in the file header

  std::string File(bool fileHeader = true) const {
    std::string info;
    Put32(info, headerSize);
    if (headerSize == 12) {
      Put16(info, static_cast<uint32_t>(width));
      Put16(info, static_cast<uint32_t>(height));
      Put16(info, planes);
      Put16(info, bitCount);
    } else {
      Put32(info, static_cast<uint32_t>(width));
      Put32(info, static_cast<uint32_t>(height));
      Put16(info, planes);
      Put16(info, bitCount);
      Put32(info, compression);
      Put32(info, imageSize);
      Put32(info, 2835);
      Put32(info, 2835);
      Put32(info, colorsUsed);
      Put32(info, 0);
      for (size_t i = 0; headerSize > 40 && i < masks.size(); ++i)
        Put32(info, masks[i]);
      info.resize(headerSize, '\0');
      if (headerSize == 40)
        for (uint32_t m : masks)
          Put32(info, m);
    }
    for (uint32_t c : palette) {
      info += static_cast<char>(c & 0xFF);
      info += static_cast<char>((c >> 8) & 0xFF);
      info += static_cast<char>((c >> 16) & 0xFF);
      if (headerSize != 12)
        info += '\0';
    }
    if (!fileHeader)
      return info + pixels;
    std::string file = "BM";
    Put32(file, static_cast<uint32_t>(14 + info.size() + pixels.size()));
    Put32(file, 0);
    Put32(file, static_cast<uint32_t>(14 + info.size() + offsetDelta));
    return file + info + pixels;
  }
};

// A 24-bit BMP of the given top-down rows of 0x00RRGGBB colours.
inline std::string Bmp24(const std::vector<std::vector<uint32_t>>& rows) {
  Bmp bmp;
  bmp.height = static_cast<int32_t>(rows.size());
  bmp.width = static_cast<int32_t>(rows[0].size());
  for (size_t y = rows.size(); y-- > 0;) {
    std::string row;
    for (uint32_t c : rows[y]) {
      row += static_cast<char>(c & 0xFF);
      row += static_cast<char>((c >> 8) & 0xFF);
      row += static_cast<char>((c >> 16) & 0xFF);
    }
    row.resize((row.size() + 3) / 4 * 4, '\0');
    bmp.pixels += row;
  }
  return bmp.File();
}

// An ICO file of the given images (each the bytes of a bitmap or PNG image, with the size the
// directory claims).
struct IcoEntry {
  int width;
  int height;
  int bitCount;
  std::string image;
};

inline std::string Ico(const std::vector<IcoEntry>& entries) {
  std::string file;
  Put16(file, 0);
  Put16(file, 1);
  Put16(file, static_cast<uint32_t>(entries.size()));
  uint32_t offset = static_cast<uint32_t>(6 + 16 * entries.size());
  for (const IcoEntry& e : entries) {
    file += static_cast<char>(e.width & 0xFF);
    file += static_cast<char>(e.height & 0xFF);
    file += '\0';
    file += '\0';
    Put16(file, 1);
    Put16(file, static_cast<uint32_t>(e.bitCount));
    Put32(file, static_cast<uint32_t>(e.image.size()));
    Put32(file, offset);
    offset += static_cast<uint32_t>(e.image.size());
  }
  for (const IcoEntry& e : entries)
    file += e.image;
  return file;
}

// A 32-bit icon image of one colour 0x00RRGGBB, fully opaque, with its (all-zero) mask.
inline std::string IconImage32(int size, uint32_t color) {
  std::string image;
  Put32(image, 40);
  Put32(image, static_cast<uint32_t>(size));
  Put32(image, static_cast<uint32_t>(size * 2));
  Put16(image, 1);
  Put16(image, 32);
  for (int i = 0; i < 6; ++i)
    Put32(image, 0);
  for (int i = 0; i < size * size; ++i)
    Put32(image, color | 0xFF000000u);
  image.append(static_cast<size_t>((size + 31) / 32 * 4 * size), '\0');
  return image;
}

}  // namespace picture_bytes
