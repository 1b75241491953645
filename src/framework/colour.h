#pragma once
// Colour values as the framework and the skins write them: 0x00BBGGRR for an explicit colour;
// 0xFF in the high byte for a system colour whose index is the low byte (clBtnFace is
// 0xFF00000F); -1 (clNone) for no colour given, where a control takes its parent's.
#include "framework/system/gdi_handles.h"

#include <windows.h>

#include <cstdint>

using TColor = int32_t;

inline constexpr TColor clNone = -1;

constexpr TColor SystemColor(int index) {
  return static_cast<TColor>(0xFF000000u | (static_cast<uint32_t>(index) & 0xFFu));
}
constexpr bool IsSystemColor(TColor c) { return c != clNone && (static_cast<uint32_t>(c) >> 24) == 0xFFu; }
constexpr int SystemColorIndex(TColor c) { return static_cast<int>(static_cast<uint32_t>(c) & 0xFFu); }

inline constexpr TColor clBtnFace = SystemColor(COLOR_BTNFACE);
inline constexpr TColor clWindow = SystemColor(COLOR_WINDOW);
inline constexpr TColor clWindowText = SystemColor(COLOR_WINDOWTEXT);
inline constexpr TColor clBtnShadow = SystemColor(COLOR_BTNSHADOW);

// The RGB value to paint with: a system colour looked up now, an explicit one as it is.
COLORREF ColorToRGB(TColor c);

// A solid brush of one colour at a time: the system's own brush for a system colour (never
// freed), a brush of its own for an explicit colour, made again only when the colour changes
// and freed with the owner. The brush stays valid until the next call with another colour.
class TColorBrush {
public:
  HBRUSH For(TColor c);

private:
  TColor colour_ = clNone;  // the colour of brush_
  HBRUSH brush_ = nullptr;  // the system's or owned_'s
  UniqueBrush owned_;       // for an explicit colour
};
