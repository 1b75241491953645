#include "color.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

namespace {

std::uint8_t to_byte(float v) {
    return static_cast<std::uint8_t>(std::lround(clamp01(v) * 255.0f));
}

}  // namespace

float clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

float smoothstep(float edge0, float edge1, float x) {
    const float t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3.0f - 2.0f * t);
}

Rgba hex(std::uint32_t rrggbb, float alpha) {
    const float r = static_cast<float>((rrggbb >> 16) & 0xFF) / 255.0f;
    const float g = static_cast<float>((rrggbb >> 8) & 0xFF) / 255.0f;
    const float b = static_cast<float>(rrggbb & 0xFF) / 255.0f;
    return {r * alpha, g * alpha, b * alpha, alpha};
}

Rgba mix(Rgba a, Rgba b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}

Rgba over(Rgba src, Rgba dst) {
    const float k = 1.0f - src.a;
    return {src.r + dst.r * k, src.g + dst.g * k, src.b + dst.b * k, src.a + dst.a * k};
}

Rgba faded(Rgba c, float k) { return {c.r * k, c.g * k, c.b * k, c.a * k}; }

Rgb8 unpremultiplied8(Rgba c) {
    if (c.a <= 0.0f) return {};
    return {to_byte(c.r / c.a), to_byte(c.g / c.a), to_byte(c.b / c.a)};
}

std::uint8_t alpha8(Rgba c) { return to_byte(c.a); }

}  // namespace assetgen
