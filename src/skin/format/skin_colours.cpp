#include "skin/format/skin_colours.h"

#include <cstdint>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct TNamedColour {
  TColourIndex Index;
  const char* Key;
  TColour Default;
};

// Read in this order: "Menubar" defaults to what "ButtonFace" received, so it comes after it.
constexpr TNamedColour kNamedColours[] = {
    {ciWindowText, "WindowText", static_cast<TColour>(0xFF000008)},
    {ciButtonFace, "ButtonFace", static_cast<TColour>(0xFF00000F)},
    {ciScrollbar, "Scrollbar", static_cast<TColour>(0xFF000000)},
    {ciHilightText, "HilightText", static_cast<TColour>(0xFF00000E)},
    {ciHilight, "Hilight", static_cast<TColour>(0xFF00000D)},
    {ciMenubar, "Menubar", kNoColour},  // default: the button face
    {ciMenu, "Menu", static_cast<TColour>(0xFF000004)},
    {ciMenuText, "MenuText", static_cast<TColour>(0xFF000007)},
    {ciButtonText, "ButtonText", static_cast<TColour>(0xFF000012)},
    {ciButtonHilight, "ButtonHilight", static_cast<TColour>(0xFF000014)},
    {ciButtonlight, "Buttonlight", static_cast<TColour>(0xFF000014)},
    {ciButtonShadow, "ButtonShadow", static_cast<TColour>(0xFF000010)},
    {ciButtonDkShadow, "ButtonDkShadow", static_cast<TColour>(0xFF000015)},
    {ciMenuBarText, "MenuBarText", static_cast<TColour>(0xFF000007)},
    {ciTitleTextActive, "TitleTextActive", static_cast<TColour>(0xFF000009)},
    {ciTitleTextNoActive, "TitleTextNoActive", static_cast<TColour>(0xFF000013)},
};

constexpr TColour kControlColourDefault = static_cast<TColour>(0xFF000008);
constexpr TColour kCustomColourDefault = 0xFFFFFF;

// "COLOUR" sections other than "COLOURS" carry one colour each for the controls.
bool IsControlColourSection(const std::string& section) {
  const std::string upper = AsciiUpper(section);
  return upper.rfind("COLOUR", 0) == 0 && upper != "COLOURS";
}

}  // namespace

TColour ParseColour(std::string_view text) {
  const std::string trimmed = TrimBlanks(text);
  // Only the low 8 bits of each number count, so a run of any length is kept modulo 256.
  uint32_t numbers[3] = {0, 0, 0};
  int stored = 0;
  uint32_t run = 0;
  bool inRun = false;
  for (const char c : trimmed) {
    if (IsDigit(c)) {
      run = (run * 10 + static_cast<uint32_t>(c - '0')) & 0xFF;
      inRun = true;
    } else if (inRun) {
      if (stored < 3) numbers[stored++] = run;
      run = 0;
      inRun = false;
    }
  }
  // A number that ends the text counts only as the blue of an otherwise complete colour.
  if (inRun && stored == 2) numbers[stored++] = run;
  return Rgb(static_cast<int>(numbers[0]), static_cast<int>(numbers[1]), static_cast<int>(numbers[2]));
}

TColour ReadColour(const TQuickIni& ini, const std::string& section, const std::string& key,
                   TColour fallback) {
  const std::string text = ini.ReadString(section, key, "");
  return text.empty() ? fallback : ParseColour(text);
}

void LoadColours(const TQuickIni& ini, const std::vector<std::string>& sections, TSkinColours& colours) {
  for (const TNamedColour& named : kNamedColours) {
    const std::string text = ini.ReadString("Colours", named.Key, "");
    const bool given = !text.empty();
    const TColour fallback = named.Index == ciMenubar ? colours.Colours[ciButtonFace] : named.Default;
    colours.ColourSet[named.Index] = given;
    colours.Colours[named.Index] = given ? ParseColour(text) : fallback;
  }
  colours.ControlColours.clear();
  for (const std::string& section : sections)
    if (IsControlColourSection(section))
      colours.ControlColours.push_back(ReadColour(ini, section, "color", kControlColourDefault));
  for (int i = 0; i < kCustomColourCount; ++i)
    colours.CustomColors[static_cast<size_t>(i)] =
        ReadColour(ini, "Customcolors", "Color" + std::to_string(i), kCustomColourDefault);
}
