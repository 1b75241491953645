#include "app/random_draw.h"

int32_t TRandomDraw::Next(int32_t range) {
  seed_ = seed_ * 134775813u + 1u;  // wraps modulo 2^32
  if (range <= 0)
    return 0;
  // The high half of seed × range: floor(seed × range / 2^32), always below range.
  return static_cast<int32_t>((static_cast<uint64_t>(seed_) * static_cast<uint32_t>(range)) >> 32);
}
