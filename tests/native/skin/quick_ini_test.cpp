#include "skin/format/quick_ini.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

TQuickIni Load(const std::string& text) {
  TQuickIni ini;
  ini.LoadFromStream(text);
  return ini;
}

TEST(QuickIniSplit, KeepsTrimmedLinesAndDropsBlanksAndComments) {
  const TQuickIni ini = Load("  [Personality] \r\n\r\n; a comment\r\n  Name = Calm ; not a comment \n"
                             "\rx=1\r\r[Buttons]");
  EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"[Personality]", "Name = Calm ; not a comment",
                                                   "x=1", "[Buttons]"}));
  ASSERT_EQ(ini.Sections().size(), 2u);
  EXPECT_EQ(ini.Sections()[1].Header, "[Buttons]");
  EXPECT_EQ(ini.Sections()[1].Line, 3);
  EXPECT_EQ(ini.ReadString("personality", "NAME", "?"), "Calm ; not a comment");
}

TEST(QuickIniSplit, ANulByteEndsTheTextAndReloadingReplacesEverything) {
  TQuickIni ini;
  ini.LoadFromStream(std::string("[A]\nk=1\n\0[B]\nk=2\n", 18));
  EXPECT_EQ(ini.SectionIndex("B"), -1);
  EXPECT_EQ(ini.ReadInteger("A", "k", 0), 1);
  ini.LoadFromStream("[B]\nk=2");
  EXPECT_EQ(ini.SectionIndex("A"), -1);
  EXPECT_EQ(ini.ReadInteger("B", "k", 0), 2);
}

TEST(QuickIniLookup, SectionsAndKeysMatchRegardlessOfCase) {
  const TQuickIni ini = Load("[Personality]\nRightwidth=5\n");
  EXPECT_EQ(ini.SectionIndex("personality"), 0);
  EXPECT_EQ(ini.ReadInteger("PERSONALITY", "RightWidth", -1), 5);
  EXPECT_EQ(ini.ReadString("Personality", "", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadString("Missing", "Rightwidth", "dflt"), "dflt");
}

TEST(QuickIniLookup, BlanksInsideBracketsAreListedButNotFound) {
  const TQuickIni ini = Load("[ Buttons ]\nk=1\n");
  EXPECT_EQ(ini.SectionIndex("Buttons"), -1);
  std::vector<std::string> names{"stale"};
  ini.ReadSections(&names);
  EXPECT_EQ(names, std::vector<std::string>{"Buttons"});
}

TEST(QuickIniLookup, DuplicateSectionsUseTheFirstAndAreListedTwice) {
  const TQuickIni ini = Load("[Buttons]\nk=1\n[Other]\nk=3\n[Buttons]\nk=2\nj=7\n");
  EXPECT_EQ(ini.ReadInteger("Buttons", "k", 0), 1);
  EXPECT_EQ(ini.ReadInteger("Buttons", "j", 0), 0);  // the scan stops at the next header
  std::vector<std::string> names;
  ini.ReadSections(&names);
  EXPECT_EQ(names, (std::vector<std::string>{"Buttons", "Other", "Buttons"}));
}

TEST(QuickIniLookup, TheFirstMatchingKeyDecidesEvenWhenEmpty) {
  const TQuickIni ini = Load("[S]\nk=\nk=5\nnoequals\n");
  EXPECT_EQ(ini.ReadInteger("S", "k", 9), 9);
  EXPECT_EQ(ini.ReadString("S", "noequals", "d"), "d");
}

TEST(QuickIniLookup, KeysBeforeTheFirstHeaderAreUnreachable) {
  const TQuickIni ini = Load("k=1\n[S]\nother=2\n");
  EXPECT_EQ(ini.ReadInteger("S", "k", -7), -7);
  EXPECT_EQ(ini.ReadInteger("", "k", -7), -7);
}

TEST(QuickIniIntegers, DecimalHexAndMalformedValues) {
  const TQuickIni ini = Load("[N]\na=12\nb=0x1F\nc=$1F\nd=-1\ne=255 0 255\nf=0x\ng=4294967296\n"
                             "h=$FFFFFFFF\ni=-2147483648\nj=2147483648\nk=+7\nl=0X10\nm=12abc\n");
  EXPECT_EQ(ini.ReadInteger("N", "a", 0), 12);
  EXPECT_EQ(ini.ReadInteger("N", "b", 0), 31);
  EXPECT_EQ(ini.ReadInteger("N", "c", 0), 31);
  EXPECT_EQ(ini.ReadInteger("N", "d", 0), -1);
  EXPECT_EQ(ini.ReadInteger("N", "e", 42), 42);
  EXPECT_EQ(ini.ReadInteger("N", "f", 42), 42);
  EXPECT_EQ(ini.ReadInteger("N", "g", 42), 42);
  EXPECT_EQ(ini.ReadInteger("N", "h", 42), -1);
  EXPECT_EQ(ini.ReadInteger("N", "i", 42), INT32_MIN);
  EXPECT_EQ(ini.ReadInteger("N", "j", 42), 42);
  EXPECT_EQ(ini.ReadInteger("N", "k", 42), 7);
  EXPECT_EQ(ini.ReadInteger("N", "l", 42), 16);
  EXPECT_EQ(ini.ReadInteger("N", "m", 42), 42);
}

TEST(QuickIniSections, ANullListIsRefusedWithItsMessage) {
  const TQuickIni ini = Load("[A]");
  try {
    ini.ReadSections(nullptr);
    FAIL();
  } catch (const std::logic_error& e) {
    EXPECT_STREQ(e.what(), "The parameter Strings is unassigned!");
  }
}

}  // namespace
