#pragma once
// Colour values of skins and the arithmetic on them that needs no system call.

#include <cstdint>

// 0x00BBGGRR for an explicit colour; a high byte of 0xFF names the system colour whose index is
// the low byte; kNoColour means that no colour is given.
using TColour = int32_t;

inline constexpr TColour kNoColour = -1;
// Pixels of exactly this colour are transparent where an element is drawn transparently.
inline constexpr TColour kColourKey = 0xFF00FF;

inline constexpr bool IsSystemColour(TColour c) { return c < 0; }
inline constexpr int RedOf(TColour c) { return c & 0xFF; }
inline constexpr int GreenOf(TColour c) { return (c >> 8) & 0xFF; }
inline constexpr int BlueOf(TColour c) { return (c >> 16) & 0xFF; }
inline constexpr TColour Rgb(int r, int g, int b) {
  return (r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16;
}

// Weighted mix of two explicit colours. A weight below 100 is a percentage of c1, one of 100 or
// more is in tenths of a percent (150 is 15 %). Each channel is rounded and cut to 8 bits.
TColour MixRgbColours(TColour c1, TColour c2, int weight);

// 0..255, how far the colour is from grey; 200 for a colour with no channel of 160 or more,
// so that dark colours count as moderately saturated.
int32_t ColourSaturation(TColour c);
