#pragma once

#include <cstdint>

namespace assetgen {

// A colour with premultiplied alpha; every channel lies in 0..1.
struct Rgba {
    float r = 0, g = 0, b = 0, a = 0;
};

// An opaque 8-bit colour as stored in palettes and JPEG scanlines.
struct Rgb8 {
    std::uint8_t r = 0, g = 0, b = 0;
};

// 0xRRGGBB with a straight alpha, returned premultiplied.
Rgba hex(std::uint32_t rrggbb, float alpha = 1.0f);

// Linear interpolation between two colours, t = 0 gives a.
Rgba mix(Rgba a, Rgba b, float t);

// Porter-Duff "source over destination".
Rgba over(Rgba src, Rgba dst);

// The colour with every channel (alpha included) multiplied by k: partial coverage.
Rgba faded(Rgba c, float k);

// Straight (non-premultiplied) 8-bit channels of c; zero where fully transparent.
Rgb8 unpremultiplied8(Rgba c);
std::uint8_t alpha8(Rgba c);

float clamp01(float v);
float smoothstep(float edge0, float edge1, float x);

}  // namespace assetgen
