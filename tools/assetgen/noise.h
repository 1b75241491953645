#pragma once

#include <cstdint>

namespace assetgen {

// Smooth value noise in -1..1, repeatable for a given seed.
float value_noise(float x, std::uint32_t seed);
float value_noise(float x, float y, std::uint32_t seed);

// Sum of octaves of value noise, each at twice the frequency and `gain` times the amplitude
// of the one before; normalised back to -1..1.
float fractal_noise(float x, int octaves, float gain, std::uint32_t seed);
float fractal_noise(float x, float y, int octaves, float gain, std::uint32_t seed);

// A repeatable pseudo-random value in 0..1 for an integer key.
float hash01(std::uint32_t key, std::uint32_t seed);

}  // namespace assetgen
