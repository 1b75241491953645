#pragma once
// Small skins for tests: a description and pictures drawn in the test, packed with the
// package writer and handed to the code the way a form's layout hands the stored skin.

#include "framework/graphics/bitmap.h"
#include "lzh_encoder.h"
#include "package_writer.h"
#include "skin/format/colour_math.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace test_skin {

// A 24-bit picture filled with one colour (0x00BBGGRR).
inline TBitmap Solid(int width, int height, TColour colour) {
  TBitmap b(width, height, 24);
  for (int y = 0; y < height; ++y) {
    uint8_t* p = b.ScanLine(y);
    for (int x = 0; x < width; ++x, p += 3) {
      p[0] = static_cast<uint8_t>(BlueOf(colour));
      p[1] = static_cast<uint8_t>(GreenOf(colour));
      p[2] = static_cast<uint8_t>(RedOf(colour));
    }
  }
  return b;
}

inline void SetPixel(TBitmap& b, int x, int y, TColour colour) {
  uint8_t* p = b.ScanLine(y) + 3 * x;
  p[0] = static_cast<uint8_t>(BlueOf(colour));
  p[1] = static_cast<uint8_t>(GreenOf(colour));
  p[2] = static_cast<uint8_t>(RedOf(colour));
}

// The pixel of a 24-bit picture.
inline TColour PixelOf(const TBitmap& b, int x, int y) {
  const uint8_t* p = b.ScanLine(y) + 3 * x;
  return Rgb(p[2], p[1], p[0]);
}

inline std::vector<uint8_t> BmpFile(const TBitmap& b) {
  const std::string bytes = b.SaveToBytes();
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

struct TTestSkin {
  std::string Description;              // the description entry, "skin.ini"
  std::vector<TPackageEntry> Pictures;  // further entries

  TTestSkin& Add(const std::string& name, const TBitmap& picture) {
    Pictures.push_back({name, BmpFile(picture)});
    return *this;
  }
  TTestSkin& AddBytes(const std::string& name, std::vector<uint8_t> bytes) {
    Pictures.push_back({name, std::move(bytes)});
    return *this;
  }

  // A version the writer does not know is written over the header of a current package.
  std::vector<uint8_t> Compressed(uint32_t version = CurrentPackageVersion) const {
    std::vector<TPackageEntry> entries = Pictures;
    entries.push_back({"skin.ini", std::vector<uint8_t>(Description.begin(), Description.end())});
    std::vector<uint8_t> package = BuildPackage(entries);
    std::memcpy(package.data(), &version, sizeof(version));
    return LzhCompress(package);
  }

  // The stored property: a 4-byte size, then the compressed skin.
  std::string StreamProperty(uint32_t version = CurrentPackageVersion) const {
    const std::vector<uint8_t> skin = Compressed(version);
    const int32_t size = static_cast<int32_t>(skin.size());
    std::string bytes(sizeof(size), '\0');
    std::memcpy(bytes.data(), &size, sizeof(size));
    bytes.append(skin.begin(), skin.end());
    return bytes;
  }
};

inline std::string SizeOnly(int32_t size) {
  std::string bytes(sizeof(size), '\0');
  std::memcpy(bytes.data(), &size, sizeof(size));
  return bytes;
}

}  // namespace test_skin
