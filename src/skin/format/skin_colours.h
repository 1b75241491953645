#pragma once
// The colour table of a skin: the 19 named colours of section "Colours", the ten custom
// colours and one colour per "Colour..." section, read from the description.

#include "skin/format/colour_math.h"
#include "skin/format/quick_ini.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// Indices into TSkinColours::Colours. Indices 9 and 10 are not read from a description.
enum TColourIndex {
  ciWindowText = 0,
  ciTitleTextActive = 1,
  ciTitleTextNoActive = 2,
  ciButtonFace = 3,
  ciButtonText = 4,
  ciButtonHilight = 5,
  ciButtonlight = 6,
  ciButtonShadow = 7,
  ciButtonDkShadow = 8,
  ciHilightText = 11,
  ciHilight = 12,
  ciMenubar = 13,
  ciMenuBarText = 14,
  ciMenuText = 15,
  ciMenu = 16,
  ciBorder = 17,  // sampled from the top frame border after loading
  ciScrollbar = 18,
};

inline constexpr int kColourCount = 19;
inline constexpr int kCustomColourCount = 10;

struct TSkinColours {
  std::array<TColour, kColourCount> Colours{};          // indexed by TColourIndex
  std::array<bool, kColourCount> ColourSet{};           // true where the skin gave the key
  std::array<TColour, kCustomColourCount> CustomColors{};  // "Customcolors", Color0..Color9
  std::vector<TColour> ControlColours;                  // one per "Colour..." section, file order
};

// A colour written as three decimal numbers, red, green and blue, separated by anything that
// is not a digit. Each number counts with its low 8 bits, however long it is written. An empty
// text gives 0.
TColour ParseColour(std::string_view text);

// The colour text of the key, or fallback when the key is missing or empty.
TColour ReadColour(const TQuickIni& ini, const std::string& section, const std::string& key,
                   TColour fallback);

// Fills the table from the description; sections is the description's section list.
void LoadColours(const TQuickIni& ini, const std::vector<std::string>& sections, TSkinColours& colours);
