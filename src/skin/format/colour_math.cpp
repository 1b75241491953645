#include "skin/format/colour_math.h"

#include <algorithm>
#include <cmath>

namespace {

// Blue takes every bit from 16 up, so a colour with stray high bits mixes as it always has.
int64_t MixChannel(int64_t a, int64_t b, int64_t weight, int64_t base) {
  return (a * weight + b * (base - weight) + base / 2) / base;
}

}  // namespace

TColour MixRgbColours(TColour c1, TColour c2, int weight) {
  const int64_t base = weight < 100 ? 100 : 1000;
  const int64_t red = MixChannel(c1 & 0xFF, c2 & 0xFF, weight, base) & 0xFF;
  const int64_t green = MixChannel((c1 >> 8) & 0xFF, (c2 >> 8) & 0xFF, weight, base) & 0xFF;
  const int64_t blue = MixChannel(c1 >> 16, c2 >> 16, weight, base) & 0xFF;
  return static_cast<TColour>(red + green * 256 + blue * 65536);
}

int32_t ColourSaturation(TColour c) {
  const int r = RedOf(c), g = GreenOf(c), b = BlueOf(c);
  if (r < 160 && g < 160 && b < 160)
    return 200;
  const int mx = std::max({r, g, b}), mn = std::min({r, g, b});
  const double s = static_cast<double>(mx - mn) / mx;
  // The default rounding mode sends halves to the even integer.
  return static_cast<int32_t>(std::nearbyint(s * 255));
}
