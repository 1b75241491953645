#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "default_skin.h"

namespace skin_art {
namespace {

// Every section the element loader reads, as the engine spells them.
const char* const ElementSections[] = {
    "Personality", "Buttons", "Progress", "Progress.Chunk", "GroupBoxEdge", "GroupBox", "Tabs",
    "Tab.Pane", "StatusBarEdges", "ToolBars", "ComboButton", "SunkEdge", "ExtraImages", "Headerbar",
    "MenuItem", "MenuBackground", "Scrollbar", "HorzScroll", "VertScroll", "HorzScrollThumb",
    "VertScrollThumb", "Trackbar.ThumbHorz", "Trackbar.ThumbVert", "Trackbar.ThumbLeft",
    "Trackbar.ThumbRight", "Trackbar.ThumbUp", "Trackbar.ThumbDown", "UpDown.Horz", "UpDown.Vert",
    "Track", "TRACKVERT", "MDICONTROLS", "Colours",
};

const char* const ColourKeys[] = {
    "WindowText", "TitleTextActive", "TitleTextNoActive", "ButtonFace", "ButtonText", "ButtonHilight",
    "Buttonlight", "ButtonShadow", "ButtonDkShadow", "HilightText", "Hilight", "Menubar",
    "MenuBarText", "MenuText", "Menu", "Scrollbar",
};

std::vector<uint8_t> Unpacked(const char* path) {
  TMemoryStream compressed(ReadFile(path)), package;
  TSkinReader reader;
  if (!reader.Unpack(compressed, package)) return {};
  return package.Contents();
}

// True for three decimal numbers of 0..255 separated by blanks, the colour form of the file.
bool IsColourText(const std::string& text) {
  int numbers = 0;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] == ' ') {
      ++i;
      continue;
    }
    int value = 0, digits = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i, ++digits)
      value = value * 10 + (text[i] - '0');
    if (digits == 0 || value > 255) return false;
    ++numbers;
  }
  return numbers == 3;
}

TEST_F(DefaultSkin, IsACurrentPackageOfBitmapsWithTheDescriptionLast) {
  EXPECT_EQ(reader.Version(), 70000u);
  ASSERT_GT(reader.EntryCount(), 1);
  EXPECT_EQ(descriptionName, reader.EntryNames().back());
  for (int32_t i = 0; i + 1 < reader.EntryCount(); ++i) {
    const std::string& name = reader.EntryNames()[i];
    EXPECT_EQ(name.substr(name.size() - 4), ".bmp") << name;
  }
}

TEST_F(DefaultSkin, CommittedPackageHoldsWhatAFreshPackHolds) {
  const std::vector<uint8_t> fresh = Unpacked(DEFAULT_SKIN);
  ASSERT_FALSE(fresh.empty());
  EXPECT_TRUE(Unpacked(COMMITTED_SKIN) == fresh)
      << "resources/default.skin is stale: rebuild it with the skin_art target";
}

TEST_F(DefaultSkin, DescriptionHasEveryElementSectionAndEveryColour) {
  for (const char* section : ElementSections) EXPECT_GE(ini.SectionIndex(section), 0) << section;
  for (const char* key : ColourKeys) {
    const std::string text = ini.ReadString("Colours", key, "");
    EXPECT_TRUE(IsColourText(text)) << key << " = '" << text << "'";
  }
}

TEST_F(DefaultSkin, CaptionButtonsCloseMinimiseMaximiseAndTheWindowIcon) {
  std::vector<std::string> sections;
  ini.ReadSections(&sections);
  std::multiset<int> actions;
  for (const std::string& s : sections) {
    std::string upper = s;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper.rfind("BUTTON", 0) != 0 || upper == "BUTTONS") continue;
    actions.insert(ini.ReadInteger(s, "Action", -1));
  }
  EXPECT_EQ(actions.count(0), 1u);  // close
  EXPECT_EQ(actions.count(1), 2u);  // maximise, and restore while maximised
  EXPECT_EQ(actions.count(2), 1u);  // minimise
  EXPECT_EQ(actions.count(3), 1u);  // the window menu, drawn as the window's icon
}

// A picture in the package that no key names would be dead weight, or a sign of a renamed one.
TEST_F(DefaultSkin, EveryBitmapOfThePackageIsNamedByTheDescription) {
  std::set<std::string> named;
  for (const std::string& line : ini.Lines()) {
    const size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string value = TrimBlanks(line.substr(eq + 1));
    if (value.size() > 4 && value.substr(value.size() - 4) == ".bmp") named.insert(AsciiLower(value));
  }
  for (int32_t i = 0; i + 1 < reader.EntryCount(); ++i)
    EXPECT_TRUE(named.count(reader.EntryNames()[i])) << reader.EntryNames()[i];
}

}  // namespace
}  // namespace skin_art
