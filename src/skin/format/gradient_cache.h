#pragma once
// Two-colour ramps, kept in a few slots reused in turn so that repeated painting of gradients of
// one size (caption bars, toolbars) does not recompute them.

#include "skin/format/colour_math.h"

#include <array>
#include <vector>

class TGradientCache {
public:
  static constexpr int kSlotCount = 16;

  // The slot holding the ramp of count colours from start to end (explicit colours), found among
  // the slots or computed into the next one. EAssertionFailed "Assertion failure" when count < 1.
  int Colours(int count, TColour start, TColour end);

  const std::vector<TColour>& Slot(int index) const { return slots_.at(index); }
  // The slot the next computed ramp goes to.
  int NextSlot() const { return next_; }

private:
  std::array<std::vector<TColour>, kSlotCount> slots_;  // the ramps, empty until first used
  int next_ = 0;                                         // slot to reuse next
};

// The cache shared by every gradient the program paints.
TGradientCache& SharedGradientCache();

// SharedGradientCache().Colours(count, start, end).
int GradientColours(int count, TColour start, TColour end);
