#include "skin/format/description_vocabulary.h"

#include "skin/format/quick_ini.h"

#include <algorithm>

namespace {

using K = TKeyKind;
using Keys = std::vector<TKnownKey>;

Keys Joined(Keys a, const Keys& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const Keys kMargins = {{"LeftWidth", K::Integer}, {"TopHeight", K::Integer}, {"RightWidth", K::Integer},
                       {"BottomHeight", K::Integer}};
const Keys kStateColours = {{"NormalColour", K::ColourOrInteger}, {"MouseOverColour", K::ColourOrInteger},
                            {"PressedColour", K::ColourOrInteger}};

// What every picture element reads besides its picture key: style, slicing, see-through, tiling.
Keys Layout() { return Joined({{"Style", K::Integer}, {"Trans", K::Integer}, {"Tile", K::Integer}}, kMargins); }

// A plain element: "Image", read with a "Frame" key (which the engine may override) and the
// state colours.
TKnownSection Plain(const std::string& name, int32_t frames, bool frameKeyCounts = false) {
  TFrameRule rule{"Image", false, frames, frameKeyCounts ? "Frame" : ""};
  return {name, Joined(Joined({{"Image", K::Picture}, {"Frame", K::Integer}}, Layout()), kStateColours), {rule}, true};
}

// An element with a second picture and no "Frame" key.
TKnownSection WithSecondPicture(const std::string& name, int32_t frames, const std::string& second,
                                int32_t secondFrames) {
  TKnownSection s{name, Joined(Joined({{"Image", K::Picture}}, Layout()), kStateColours), {{"Image", false, frames, ""}}, true};
  if (!second.empty()) {
    s.Keys.push_back({second, K::Picture});
    s.Pictures.push_back({second, false, secondFrames, ""});
  }
  return s;
}

TKnownSection Personality() {
  TKnownSection s{"Personality", {}, {}, false};
  for (const char* side : {"Left", "Right", "Top", "Bottom"}) {
    const std::string b = side;
    s.Keys.insert(s.Keys.end(), {{b, K::Picture}, {b + "Frame", K::Integer}, {b + "TopHeight", K::Integer},
                                 {b + "BotHeight", K::Integer}, {b + "Stretch", K::Integer}, {b + "Trans", K::Integer}});
    // Side borders run down the window with frames side by side; top and bottom are stacked.
    s.Pictures.push_back({b, b == "Top" || b == "Bottom", 1, b + "Frame"});
  }
  s.Keys.insert(s.Keys.end(), {{"TextBack", K::Picture}, {"TextShift", K::Integer}, {"TextShiftVert", K::Integer},
                               {"TextRightClip", K::Integer}, {"TextAlignment", K::Integer},
                               {"Textbackground", K::Integer}, {"TXTBackleft", K::Integer},
                               {"TXTBackRight", K::Integer}, {"menuBar", K::Picture}, {"TileLeftMenu", K::Integer},
                               {"TileRightMenu", K::Integer}, {"TileMenu", K::Integer}});
  for (const char* prefix : {"ActiveText", "InActiveText"})
    for (const char* c : {"R", "G", "B"})
      s.Keys.push_back({std::string(prefix) + c, K::Integer});
  s.Pictures.push_back({"TextBack", true, 2, ""});
  s.Pictures.push_back({"menuBar", true, 2, ""});
  return s;
}

TKnownSection Buttons() {
  TKnownSection s{"Buttons",
                  Joined(Joined({{"Bitmap", K::Picture}, {"Trans", K::Integer}, {"Tile", K::Integer},
                                 {"CheckButton", K::Picture}, {"RadioButton", K::Picture},
                                 {"CheckButtonFrame", K::Integer}, {"RadioButtonFrame", K::Integer}},
                                kMargins),
                         kStateColours),
                  {{"Bitmap", false, 5, ""},
                   // 0 or no count: one frame per 13 (or, for pictures 16 high or more, 16) pixels.
                   {"CheckButton", false, 0, "CheckButtonFrame"},
                   {"RadioButton", false, 0, "RadioButtonFrame"}},
                  true};
  return s;
}

TKnownSection Colours() {
  TKnownSection s{"Colours", {}, {}, false};
  for (const char* key : {"WindowText", "TitleTextActive", "TitleTextNoActive", "ButtonFace", "ButtonText",
                          "ButtonHilight", "Buttonlight", "ButtonShadow", "ButtonDkShadow", "HilightText", "Hilight",
                          "Menubar", "MenuBarText", "MenuText", "Menu", "Scrollbar"})
    s.Keys.push_back({key, K::Colour});
  return s;
}

TKnownSection CustomColours() {
  TKnownSection s{"Customcolors", {}, {}, false};
  for (int i = 0; i < 10; ++i)
    s.Keys.push_back({"Color" + std::to_string(i), K::Colour});
  return s;
}

std::vector<TKnownSection> BuildSections() {
  TKnownSection progress{"Progress", Joined({{"Bitmap", K::Picture}}, Layout()), {{"Bitmap", false, 2, ""}}, true};
  TKnownSection boxLabel = WithSecondPicture("GroupBox", 1, "", 0);
  boxLabel.Keys.insert(boxLabel.Keys.end(), {{"BackgroundAlignment", K::Integer},
                                             {"BackgroundLeftShift", K::Integer},
                                             {"BackgroundRightShift", K::Integer}});
  TKnownSection headerbar = Plain("Headerbar", 5, true);
  std::vector<TKnownSection> s = {
      {"TitlebarSkin", {{"SkinName", K::Text}, {"Author", K::Text}}, {}, false},
      Personality(),
      {"Fonts", {{"FontHeight", K::Integer}}, {}, false},
      Colours(),
      CustomColours(),
      Buttons(),
      {"MDICONTROLS", {{"Image", K::Picture}}, {{"Image", false, 12, ""}}, false},
      progress,
      // The engine draws the chunk and the track pictures whole, whatever "Frame" says.
      Plain("Progress.Chunk", 1),
      Plain("GroupBoxEdge", 2),
      boxLabel,
      WithSecondPicture("Tabs", 5, "Border", 1),
      Plain("StatusBarEdges", 3),
      Plain("Tab.Pane", 1),
      Plain("ToolBars", 5),
      WithSecondPicture("ComboButton", 4, "", 0),
      Plain("SunkEdge", 4),
      Plain("ExtraImages", 5),
      headerbar,
      Plain("MenuItem", 5),
      Plain("MenuBackground", 1),
      // Arrows left, right, up, down in four states, grips in three, the size box.
      Plain("Scrollbar", 23),
      Plain("HorzScroll", 4),
      Plain("VertScroll", 4),
      Plain("HorzScrollThumb", 3),
      Plain("VertScrollThumb", 3),
      WithSecondPicture("UpDown.Horz", 8, "GlyphImage", 8),
      WithSecondPicture("UpDown.Vert", 8, "GlyphImage", 8),
      Plain("Track", 1),
      Plain("TRACKVERT", 1),
  };
  for (const char* thumb : {"ThumbHorz", "ThumbVert", "ThumbLeft", "ThumbRight", "ThumbUp", "ThumbDown"})
    s.push_back(Plain(std::string("Trackbar.") + thumb, 5));
  // The scroll thumbs take their count from "FrameCount", not "Frame".
  for (TKnownSection& section : s)
    if (section.Name == "HorzScrollThumb" || section.Name == "VertScrollThumb") {
      section.Keys.push_back({"FrameCount", K::Integer});
      section.Pictures.front().CountKey = "FrameCount";
    }
  return s;
}

TKnownSection CaptionButton() {
  return {"Button",
          {{"Action", K::Integer}, {"Align", K::Integer}, {"Xcoord", K::Integer}, {"Ycoord", K::Integer},
           {"Visibility", K::Integer}, {"Visibility1", K::Integer}, {"CombineOp", K::Integer},
           {"frame", K::Integer}, {"ButtonImage", K::Picture}},
          // 0 or no count: 3 frames for a strip at most 3.8 times as wide as high, else 6.
          {{"ButtonImage", false, 0, "frame"}},
          false};
}

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

}  // namespace

const std::vector<TKnownSection>& KnownSections() {
  static const std::vector<TKnownSection> sections = BuildSections();
  return sections;
}

int32_t MarkStripFrameCount(int32_t width, int32_t height) {
  const int32_t glyph = height < 16 ? 13 : 16;
  return std::max(width / glyph, 4);
}

int32_t CaptionStripFrameCount(int32_t width, int32_t height, int32_t action) {
  constexpr double kThreeFrameRatio = 3.8;
  if (action < 0 || width <= 0 || height <= 0)
    return 6;
  return static_cast<double>(width) / height <= kThreeFrameRatio ? 3 : 6;
}

bool IsCaptionButtonSectionName(const std::string& name) {
  const std::string upper = AsciiUpper(name);
  // These names hold push buttons, check boxes or radio buttons.
  const bool controlButtons = upper == "BUTTONS" || upper == "BUTTON.RADIO" || upper == "BUTTON.CHECKBOX" || upper == "BUTTON";
  return StartsWith(upper, "BUTTON") && !controlButtons;
}

const TKnownSection* FindKnownSection(const std::string& name) {
  const std::string upper = AsciiUpper(name);
  for (const TKnownSection& section : KnownSections())
    if (AsciiUpper(section.Name) == upper)
      return &section;
  if (IsCaptionButtonSectionName(name)) {
    static const TKnownSection button = CaptionButton();
    return &button;
  }
  if (StartsWith(upper, "COLOUR") && upper != "COLOURS") {
    static const TKnownSection colour{"Colour", {{"color", K::Colour}}, {}, false};
    return &colour;
  }
  return nullptr;
}

const TKnownKey* FindKnownKey(const TKnownSection& section, const std::string& key) {
  const std::string lower = AsciiLower(key);
  for (const TKnownKey& known : section.Keys)
    if (AsciiLower(known.Name) == lower)
      return &known;
  return nullptr;
}
