#include "framework/graphics/picture_rows.h"

#include "framework/core/exceptions.h"
#include "framework/core/format.h"

void CheckPictureMemory(uint32_t width, uint32_t height, uint32_t bytesPerPixel) {
  const uint64_t bytes = uint64_t{width} * height * bytesPerPixel;
  if (bytes > kMaxPictureMemory)
    throw EOutOfResources(Format("Picture too large: %u x %u pixels would need %u MB, more than %u MB",
                                 width, height, static_cast<unsigned>((bytes + (1u << 20) - 1) >> 20),
                                 static_cast<unsigned>(kMaxPictureMemory >> 20)));
}
