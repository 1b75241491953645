#pragma once
// A read-only look at an uncompressed 24-bit Windows bitmap file, as the program loads skin
// pictures.

#include <cstdint>
#include <optional>
#include <vector>

namespace skin_art {

struct BmpView {
  int32_t width = 0;
  int32_t height = 0;                 // rows; the file stores them bottom-up
  const std::vector<uint8_t>* bytes = nullptr;
  uint32_t pixelOffset = 0;

  uint32_t Stride() const { return (static_cast<uint32_t>(width) * 3 + 3) & ~3u; }
  // 0xRRGGBB of the pixel in column x of row y (row 0 at the top).
  uint32_t Pixel(int32_t x, int32_t y) const {
    const size_t at = pixelOffset + static_cast<size_t>(height - 1 - y) * Stride() + 3 * static_cast<size_t>(x);
    return (*bytes)[at + 2] << 16 | (*bytes)[at + 1] << 8 | (*bytes)[at];
  }
};

inline uint32_t Le(const std::vector<uint8_t>& b, size_t at, int size) {
  uint32_t v = 0;
  for (int i = size - 1; i >= 0; --i) v = v << 8 | b[at + i];
  return v;
}

// The view, when the bytes are a complete bottom-up 24-bit BI_RGB bitmap file.
inline std::optional<BmpView> ViewBmp24(const std::vector<uint8_t>& b) {
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return std::nullopt;
  if (Le(b, 2, 4) != b.size() || Le(b, 14, 4) != 40) return std::nullopt;
  BmpView view;
  view.width = static_cast<int32_t>(Le(b, 18, 4));
  view.height = static_cast<int32_t>(Le(b, 22, 4));
  view.bytes = &b;
  view.pixelOffset = Le(b, 10, 4);
  if (view.width <= 0 || view.height <= 0 || Le(b, 26, 2) != 1 || Le(b, 28, 2) != 24 || Le(b, 30, 4) != 0)
    return std::nullopt;
  if (view.pixelOffset + static_cast<uint64_t>(view.Stride()) * view.height > b.size()) return std::nullopt;
  return view;
}

inline constexpr uint32_t KeyColour = 0xFF00FF;

}  // namespace skin_art
