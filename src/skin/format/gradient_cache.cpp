#include "skin/format/gradient_cache.h"

#include "framework/core/exceptions.h"

#include <cstdint>

namespace {

bool Holds(const std::vector<TColour>& ramp, int count, TColour start, TColour end) {
  return static_cast<int>(ramp.size()) == count && ramp.front() == start && ramp.back() == end;
}

// Channel i of count; the halved step count rounds each entry to the nearer ramp value.
// 64-bit so that very long ramps cannot overflow.
int RampChannel(int a, int b, int i, int count) {
  const int64_t d = b - a;
  if (count == 1)
    return a + static_cast<int>(d / 2);
  const int64_t steps = count - 1;
  return a + static_cast<int>((steps / 2 + i * d) / steps);
}

void FillRamp(std::vector<TColour>& ramp, int count, TColour start, TColour end) {
  ramp.resize(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i)
    ramp[static_cast<size_t>(i)] = Rgb(RampChannel(RedOf(start), RedOf(end), i, count),
                                       RampChannel(GreenOf(start), GreenOf(end), i, count),
                                       RampChannel(BlueOf(start), BlueOf(end), i, count));
}

}  // namespace

int TGradientCache::Colours(int count, TColour start, TColour end) {
  if (count < 1)
    throw EAssertionFailed("Assertion failure");
  for (int slot = kSlotCount - 1; slot >= 0; --slot)
    if (Holds(slots_[static_cast<size_t>(slot)], count, start, end))
      return slot;
  const int slot = next_;
  next_ = (next_ + 1) % kSlotCount;
  FillRamp(slots_[static_cast<size_t>(slot)], count, start, end);
  return slot;
}

TGradientCache& SharedGradientCache() {
  static TGradientCache cache;
  return cache;
}

int GradientColours(int count, TColour start, TColour end) {
  return SharedGradientCache().Colours(count, start, end);
}
