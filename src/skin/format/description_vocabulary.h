#pragma once
// Every section and key of a skin description that the engine reads, with what each key holds
// and how the engine cuts each picture into frames. The element loader is the reader of these
// names; the skin check compares a description with them, and a test runs the loader on the
// shipped skins and fails on any look-up this table does not hold.

#include <cstdint>
#include <string>
#include <vector>

enum class TKeyKind {
  Integer,          // a whole number, decimal or $/0x hexadecimal
  Colour,           // red, green and blue, 0 to 255, e.g. "28 36 48"
  ColourOrInteger,  // read both ways: a text colour, and as a number
  Picture,          // the name of a picture entry of the package
  Text,             // read by people only
};

struct TKnownKey {
  std::string Name;
  TKeyKind Kind;
};

// How the engine cuts the picture that a key names into frames.
struct TFrameRule {
  std::string PictureKey;  // the key naming the picture
  bool Stacked = false;    // frames one above the other instead of side by side
  int32_t Frames = 1;      // the count when CountKey is empty or gives 0
  std::string CountKey;    // the key that gives the count, if any
  // The count is a fixed number the engine sets whatever the section says.
  bool Fixed() const { return CountKey.empty(); }
};

struct TKnownSection {
  std::string Name;                // as the engine asks for it
  std::vector<TKnownKey> Keys;
  std::vector<TFrameRule> Pictures;
  bool Margins = false;            // LeftWidth, TopHeight, RightWidth, BottomHeight slice its picture
};

// The sections read by their exact names (compared without regard to ASCII case).
const std::vector<TKnownSection>& KnownSections();
// The section rules for a name as the description writes it: the exact names, then the two
// families read by prefix (caption buttons "Button...", control colours "Colour..."). Null when
// the engine never reads such a section.
const TKnownSection* FindKnownSection(const std::string& name);
// The key of a known section, compared without regard to ASCII case; null when not read.
const TKnownKey* FindKnownKey(const TKnownSection& section, const std::string& key);

// The frames the engine finds in a check-box or radio-button strip that gives no count: one per
// glyph of 13 pixels (16 for strips 16 or more high), at least 4.
int32_t MarkStripFrameCount(int32_t width, int32_t height);
// The frames of a caption-button strip that gives no count: 6 for a button without an action,
// else 3 for a strip at most 3.8 times as wide as high, 6 for a wider one.
int32_t CaptionStripFrameCount(int32_t width, int32_t height, int32_t action);

// Caption-button sections: named "Button..." but not one of the control-button names.
bool IsCaptionButtonSectionName(const std::string& name);
