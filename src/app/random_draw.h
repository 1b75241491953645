#pragma once
#include <cstdint>

// The rotation's pseudo-random pick: a 32-bit linear congruential generator, seeded with 0 at
// program start and never reseeded, so every run draws the same sequence for a list size.
class TRandomDraw {
public:
  // Returns an index in 0 .. range-1 (0 for a range of 0 or less) and advances the seed.
  int32_t Next(int32_t range);
  uint32_t Seed() const { return seed_; }

private:
  uint32_t seed_ = 0;  // advanced once per draw, whatever the range
};
