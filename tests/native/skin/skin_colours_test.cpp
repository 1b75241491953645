#include "skin/format/skin3rd_defaults.h"
#include "skin/format/skin_colours.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TQuickIni Load(const std::string& text) {
  TQuickIni ini;
  ini.LoadFromStream(text);
  return ini;
}

TSkinColours LoadedColours(const std::string& text) {
  const TQuickIni ini = Load(text);
  std::vector<std::string> sections;
  ini.ReadSections(&sections);
  TSkinColours colours;
  LoadColours(ini, sections, colours);
  return colours;
}

TEST(ParseColour, ReadsThreeNumbersSeparatedByAnything) {
  EXPECT_EQ(ParseColour("236 233 216"), 0xD8E9EC);
  EXPECT_EQ(ParseColour("  1,2;3  "), 0x030201);
  EXPECT_EQ(ParseColour("10\t20 30 40 50"), 0x1E140A);  // runs after the third are ignored
}

TEST(ParseColour, ATrailingNumberCountsOnlyAsTheBlueOfAFullColour) {
  EXPECT_EQ(ParseColour(""), 0);
  EXPECT_EQ(ParseColour("200"), 0);
  EXPECT_EQ(ParseColour("200,100"), 200);     // red only: the ending 100 is not the blue
  EXPECT_EQ(ParseColour("1 2 3 "), 0x030201);  // trimmed, so the 3 ends the text
  EXPECT_EQ(ParseColour("7 8 "), 7);          // trimmed: 8 ends the text with one number stored
}

TEST(ParseColour, NumbersOfAnyLengthKeepTheirLowEightBits) {
  EXPECT_EQ(ParseColour("256 257 511"), Rgb(0, 1, 255));
  // Beyond 32 bits: 99999999999999999999 and 4294967551 end in 0xFF, 2^32 in 0x00.
  EXPECT_EQ(ParseColour("99999999999999999999 4294967296 4294967551"), Rgb(0xFF, 0, 0xFF));
  EXPECT_EQ(ParseColour("-5 -6 -7"), Rgb(5, 6, 7));  // signs are separators
}

TEST(LoadColours, GivesDefaultsAndMarksTheKeysTheSkinGave) {
  const TSkinColours c = LoadedColours("[colours]\nbuttonface=236 233 216\nHilight=1 2 3\nMenu=\n");
  EXPECT_EQ(c.Colours[ciButtonFace], 0xD8E9EC);
  EXPECT_TRUE(c.ColourSet[ciButtonFace]);
  EXPECT_EQ(c.Colours[ciHilight], 0x030201);
  EXPECT_EQ(c.Colours[ciMenubar], 0xD8E9EC);  // the menu bar defaults to the skin's button face
  EXPECT_FALSE(c.ColourSet[ciMenubar]);
  EXPECT_EQ(c.Colours[ciMenu], static_cast<TColour>(0xFF000004));  // an empty value is no value
  EXPECT_FALSE(c.ColourSet[ciMenu]);
  EXPECT_EQ(c.Colours[ciButtonlight], static_cast<TColour>(0xFF000014));
  EXPECT_EQ(c.Colours[ciScrollbar], static_cast<TColour>(0xFF000000));
  EXPECT_EQ(c.Colours[ciTitleTextNoActive], static_cast<TColour>(0xFF000013));
}

TEST(LoadColours, KeepsTheUnreadIndicesAndFillsControlAndCustomColours) {
  const TQuickIni ini = Load(
      "[Colours]\n[ColourEdit]\ncolor=9 9 9\n[colourlist]\n[COLOURS]\n[Customcolors]\nColor3=1 1 1\n");
  std::vector<std::string> sections;
  ini.ReadSections(&sections);
  TSkinColours c;
  c.Colours[9] = 123;
  c.Colours[10] = 456;
  c.ControlColours = {1, 2, 3, 4};
  LoadColours(ini, sections, c);
  EXPECT_EQ(c.Colours[9], 123);
  EXPECT_EQ(c.Colours[10], 456);
  // Neither spelling of "Colours" is a control colour; the rest come in file order.
  EXPECT_EQ(c.ControlColours, (std::vector<TColour>{0x090909, static_cast<TColour>(0xFF000008)}));
  EXPECT_EQ(c.CustomColors[3], 0x010101);
  EXPECT_EQ(c.CustomColors[0], 0xFFFFFF);
  EXPECT_EQ(c.CustomColors[9], 0xFFFFFF);
}

TEST(DefaultSkin3rd, HoldsTheStoredLinesInOrderWithTheirRepeats) {
  const std::vector<std::string>& lines = DefaultSkin3rd();
  ASSERT_EQ(lines.size(), 118u);
  EXPECT_EQ(lines.front(), "TCategoryButtons=scrollbar");
  EXPECT_EQ(lines.back(), "TOVCDBNUMERICFIELD=Edit");
  int checkboxEh = 0;
  for (const std::string& line : lines) {
    EXPECT_NE(line.find('='), std::string::npos) << line;
    checkboxEh += line == "TDBCheckboxEh=Checkbox";
  }
  EXPECT_EQ(checkboxEh, 2);
}

}  // namespace
