#pragma once
#include <cstddef>
#include <cstdint>

// Receives a decoded picture row by row, top row first, so that a reader that shrinks or cuts
// the picture never needs it whole.
class TPictureRows {
public:
  virtual ~TPictureRows() = default;
  // Once, before the first row: the size of the rows to come.
  virtual void Begin(int width, int height) = 0;
  // Row y, width pixels of 24 bits (blue, green, red).
  virtual void Row(int y, const uint8_t* bgr) = 0;
};

// The most memory a decoder may take for one picture. A picture whose decoding would need more
// is refused with EOutOfResources, before anything of that size is allocated.
constexpr size_t kMaxPictureMemory = size_t{256} << 20;

// Raises EOutOfResources naming the picture's size when its pixels, BYTES_PER_PIXEL each,
// would need more than kMaxPictureMemory.
void CheckPictureMemory(uint32_t width, uint32_t height, uint32_t bytesPerPixel);
