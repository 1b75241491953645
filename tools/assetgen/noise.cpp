#include "noise.h"

#include <cmath>

namespace assetgen {

namespace {

std::uint32_t mix_bits(std::uint32_t h) {
    h ^= h >> 16;
    h *= 0x7feb352dU;
    h ^= h >> 15;
    h *= 0x846ca68bU;
    h ^= h >> 16;
    return h;
}

float lattice(std::int32_t i, std::uint32_t seed) {
    return hash01(static_cast<std::uint32_t>(i), seed) * 2.0f - 1.0f;
}

float lattice(std::int32_t i, std::int32_t j, std::uint32_t seed) {
    return lattice(i, seed ^ mix_bits(static_cast<std::uint32_t>(j) * 0x9e3779b9U));
}

float fade(float t) { return t * t * (3.0f - 2.0f * t); }

}  // namespace

float hash01(std::uint32_t key, std::uint32_t seed) {
    return static_cast<float>(mix_bits(key ^ mix_bits(seed)) >> 8) / 16777216.0f;
}

float value_noise(float x, std::uint32_t seed) {
    const float fx = std::floor(x);
    const auto i = static_cast<std::int32_t>(fx);
    const float t = fade(x - fx);
    return lattice(i, seed) + (lattice(i + 1, seed) - lattice(i, seed)) * t;
}

float value_noise(float x, float y, std::uint32_t seed) {
    const float fx = std::floor(x), fy = std::floor(y);
    const auto i = static_cast<std::int32_t>(fx);
    const auto j = static_cast<std::int32_t>(fy);
    const float tx = fade(x - fx), ty = fade(y - fy);
    const float top = lattice(i, j, seed) + (lattice(i + 1, j, seed) - lattice(i, j, seed)) * tx;
    const float bottom =
        lattice(i, j + 1, seed) + (lattice(i + 1, j + 1, seed) - lattice(i, j + 1, seed)) * tx;
    return top + (bottom - top) * ty;
}

float fractal_noise(float x, int octaves, float gain, std::uint32_t seed) {
    float sum = 0, amplitude = 1, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += value_noise(x, seed + static_cast<std::uint32_t>(o) * 101U) * amplitude;
        norm += amplitude;
        amplitude *= gain;
        x *= 2.0f;
    }
    return sum / norm;
}

float fractal_noise(float x, float y, int octaves, float gain, std::uint32_t seed) {
    float sum = 0, amplitude = 1, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += value_noise(x, y, seed + static_cast<std::uint32_t>(o) * 101U) * amplitude;
        norm += amplitude;
        amplitude *= gain;
        x *= 2.0f;
        y *= 2.0f;
    }
    return sum / norm;
}

}  // namespace assetgen
