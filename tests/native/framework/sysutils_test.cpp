#include "framework/core/exceptions.h"
#include "framework/core/format.h"
#include "framework/core/sysutils.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>
#include <vector>

namespace {

TEST(StrToInt, AcceptsDecimalWithSpacesAndSign) {
  const std::vector<std::pair<std::string, int>> cases = {
      {"0", 0},          {"25000", 25000},           {"-17", -17},
      {"+17", 17},       {"   42", 42},              {"007", 7},
      {"2147483647", INT_MAX}, {"-2147483648", INT_MIN}, {"  -0", 0},
  };
  for (const auto& [text, value] : cases)
    EXPECT_EQ(StrToInt(text), value) << text;
}

TEST(StrToInt, AcceptsEveryHexadecimalPrefixInEitherCase) {
  const std::vector<std::pair<std::string, int>> cases = {
      {"$FF", 255}, {"$ff", 255}, {"x1f", 31}, {"X1F", 31}, {"0x10", 16}, {"0XaB", 171},
      {"-$10", -16}, {" +0x7", 7}, {"$0", 0},
  };
  for (const auto& [text, value] : cases)
    EXPECT_EQ(StrToInt(text), value) << text;
}

TEST(StrToInt, HexadecimalUsesAllThirtyTwoBitsAndWraps) {
  EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
  EXPECT_EQ(StrToInt("0x80000000"), INT_MIN);
  EXPECT_EQ(StrToInt("$7FFFFFFF"), INT_MAX);
  EXPECT_EQ(StrToInt("-$80000000"), INT_MIN);
  EXPECT_EQ(StrToInt("-$FFFFFFFF"), 1);  // the minus negates the 32-bit value
  EXPECT_EQ(StrToInt("$00000000FF"), 255);  // leading zeros do not count against the width
}

TEST(StrToInt, RejectsAnythingElse) {
  const std::vector<std::string> bad = {
      "", " ", "+", "-", "$", "x", "0x", "abc", "12 ", "12abc", "1e3", "1.0", "\t5", "- 1",
      "$ 1", "0x-1", "00x1", "--1", "2147483648", "-2147483649", "99999999999",
      "$100000000", "$G", std::string("1\0", 2),
  };
  for (const std::string& text : bad) {
    int out = 12345;
    EXPECT_FALSE(TryStrToInt(text, out)) << text;
    EXPECT_EQ(out, 12345) << "untouched on failure: " << text;
    EXPECT_THROW(StrToInt(text), EConvertError) << text;
  }
}

TEST(StrToInt, ErrorNamesTheText) {
  try {
    StrToInt("abc");
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "'abc' is not a valid integer value");
    EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
  }
  try {
    StrToInt("");
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'' is not a valid integer value");
  }
}

TEST(StrToInt, DefaultAndTextRoundTrip) {
  EXPECT_EQ(StrToIntDef("12", 5), 12);
  EXPECT_EQ(StrToIntDef("twelve", 5), 5);
  for (int value : {0, 1, -1, 25000, INT_MAX, INT_MIN})
    EXPECT_EQ(StrToInt(IntToStr(value)), value);
  EXPECT_EQ(IntToStr(INT_MIN), "-2147483648");
}

// Skin descriptions share the rule but mark hexadecimal with "$" alone.
TEST(TryParseInteger, TheDollarOnlyPrefixSetDiffersOnlyInThePrefixes) {
  struct Case {
    const char* text;
    bool dollarParses;
    bool anyPrefixParses;
    int value;
  };
  const Case cases[] = {
      {"12", true, true, 12},           {" -$1F", true, true, -31},    {"$FFFFFFFF", true, true, -1},
      {"-2147483648", true, true, INT_MIN}, {"x1F", false, true, 31},    {"X1f", false, true, 31},
      {"0x10", false, true, 16},        {"-0X10", false, true, -16},   {"2147483648", false, false, 0},
      {"$100000000", false, false, 0},  {"$", false, false, 0},         {"12abc", false, false, 0},
  };
  for (const Case& c : cases) {
    int dollar = 777, any = 777;
    EXPECT_EQ(TryParseInteger(c.text, THexPrefixes::Dollar, dollar), c.dollarParses) << c.text;
    EXPECT_EQ(TryParseInteger(c.text, THexPrefixes::DollarOrX, any), c.anyPrefixParses) << c.text;
    EXPECT_EQ(dollar, c.dollarParses ? c.value : 777) << c.text;
    EXPECT_EQ(any, c.anyPrefixParses ? c.value : 777) << c.text;
  }
}

TEST(TextHelpers, AsciiLowerCaseTouchesOnlyAToZ) {
  EXPECT_EQ(AsciiLowerCase("FileLIST.BMP"), "filelist.bmp");
  EXPECT_EQ(AsciiLowerCase("@[`{"), "@[`{");  // the neighbours of the letters
  EXPECT_EQ(AsciiUpperCase("TButton=nil"), "TBUTTON=NIL");
  EXPECT_EQ(AsciiUpperCase("@[`{\xB0\xB4"), "@[`{\xB0\xB4");  // neighbours, and a GBK character
  // GBK text (壁纸) and a Latin-1 capital stay as they are.
  EXPECT_EQ(AsciiLowerCase("\xB1\xDA\xD6\xBD\xC1X"), "\xB1\xDA\xD6\xBD\xC1x");
}

TEST(TextHelpers, TrimRemovesControlCharactersAndSpacesAtBothEnds) {
  EXPECT_EQ(Trim("\t\r\n  a b \x01"), "a b");
  EXPECT_EQ(Trim(" \x1F "), "");
  EXPECT_EQ(Trim(""), "");
  EXPECT_EQ(Trim(" \xB1\xDA "), "\xB1\xDA");  // bytes above 127 are text
  EXPECT_EQ(Trim(std::string(" a\0", 3)), "a");
}

TEST(TextHelpers, CompareTextFoldsAsciiButNotTheSecondByteOfAChineseCharacter) {
  EXPECT_TRUE(SameText("C:\\Pics\\A.BMP", "c:\\pics\\a.bmp"));
  EXPECT_FALSE(SameText("abc", "abd"));
  EXPECT_FALSE(SameText("abc", "ab"));
  // 0x81 0x41 and 0x81 0x61 are two different characters whose second bytes look like 'A'/'a'.
  EXPECT_FALSE(SameText("\x81\x41", "\x81\x61"));
  // After a double-byte character, ASCII folds again.
  EXPECT_TRUE(SameText("\x81\x41X", "\x81\x41x"));
  EXPECT_TRUE(SameText("\xB1\xDA" "A", "\xB1\xDA" "a"));
  EXPECT_LT(CompareText("a", "B"), 0);
  EXPECT_GT(CompareText("b", "A"), 0);
  EXPECT_LT(CompareText("ab", "ABC"), 0);
  EXPECT_EQ(CompareText("", ""), 0);
}

TEST(FormatText, FormatsLikePrintfAtAnyLength) {
  EXPECT_EQ(Format("List index out of bounds (%d)", -1), "List index out of bounds (-1)");
  EXPECT_EQ(Format("%s|%u|%02x", "a", 7u, 10), "a|7|0a");
  const std::string longText(5000, 'z');
  EXPECT_EQ(Format("<%s>", longText.c_str()), "<" + longText + ">");
  EXPECT_EQ(Format("%s", ""), "");
}

}  // namespace
