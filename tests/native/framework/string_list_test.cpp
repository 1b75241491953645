#include "framework/core/exceptions.h"
#include "framework/core/string_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const TStringList& list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list.Count(); ++i)
    lines.push_back(list[i]);
  return lines;
}

std::vector<std::string> Split(const std::string& text) {
  TStringList list;
  list.SetText(text);
  return Lines(list);
}

using V = std::vector<std::string>;

TEST(StringListText, LineEndsAtCrLfOrCrLf) {
  EXPECT_EQ(Split(""), V{});
  EXPECT_EQ(Split("a"), V{"a"});
  EXPECT_EQ(Split("a\r\nb"), (V{"a", "b"}));
  EXPECT_EQ(Split("a\nb\n"), (V{"a", "b"}));
  EXPECT_EQ(Split("a\rb\r"), (V{"a", "b"}));
  EXPECT_EQ(Split("a\r\r\nb"), (V{"a", "", "b"}));
  EXPECT_EQ(Split("\n\r"), (V{"", ""}));  // LF then CR is two line ends
}

TEST(StringListText, EmptyLinesAreEntriesButAFinalBreakAddsNone) {
  EXPECT_EQ(Split("a\n\nb"), (V{"a", "", "b"}));
  EXPECT_EQ(Split("\r\n"), V{""});
  EXPECT_EQ(Split("a\r\n\r\n"), (V{"a", ""}));
  EXPECT_EQ(Split("  x \t\r\n"), V{"  x \t"});  // no trimming
}

TEST(StringListText, NulEndsTheWholeText) {
  EXPECT_EQ(Split(std::string("a\r\nb\0c\r\nd", 10)), (V{"a", "b"}));
  EXPECT_EQ(Split(std::string("\0a", 2)), V{});
}

TEST(StringListText, TextPutsCrLfAfterEveryLineAndRoundTrips) {
  TStringList list;
  EXPECT_EQ(list.Text(), "");
  list.Add("C:\\a.bmp");
  list.Add("");
  list.Add("\xB1\xDA\xD6\xBD.bmp");
  EXPECT_EQ(list.Text(), "C:\\a.bmp\r\n\r\n\xB1\xDA\xD6\xBD.bmp\r\n");

  TStringList copy;
  copy.Add("old");
  copy.SetText(list.Text());
  EXPECT_EQ(Lines(copy), Lines(list));
}

TEST(StringList, IndexOutOfRangeNamesTheIndex) {
  TStringList list;
  list.Add("a");
  try {
    (void)list.Strings(1);
    FAIL() << "no error";
  } catch (const EStringListError& e) {
    EXPECT_EQ(e.Message(), "List index out of bounds (1)");
  }
  EXPECT_THROW((void)list[-1], EStringListError);
  EXPECT_THROW(list.Delete(1), EStringListError);
  EXPECT_THROW(list.Put(1, "x"), EStringListError);
  EXPECT_THROW((void)list.Objects(-1), EStringListError);
  EXPECT_THROW(list.Exchange(0, 1), EStringListError);
  EXPECT_THROW(list.Insert(2, "x"), EStringListError);
  list.Insert(1, "b");  // Count() itself is a valid place to insert
  EXPECT_EQ(Lines(list), (V{"a", "b"}));
}

TEST(StringList, ObjectsTravelWithTheirStrings) {
  TStringList list;
  list.AddObject("a", 1);
  list.AddObject("b", 2);
  list.Insert(0, "z");
  EXPECT_EQ(list.Objects(0), 0);
  EXPECT_EQ(list.Objects(1), 1);
  list.Exchange(0, 2);
  EXPECT_EQ(Lines(list), (V{"b", "a", "z"}));
  EXPECT_EQ(list.Objects(0), 2);
  EXPECT_EQ(list.Objects(2), 0);
  list.Delete(0);
  EXPECT_EQ(list.Objects(0), 1);
  list.SetText("x\r\ny");
  EXPECT_EQ(list.Objects(0), 0);
}

TEST(StringList, DuplicatesStayAndIndexOfFindsTheFirstIgnoringCase) {
  TStringList list;
  list.Add("C:\\Pics\\One.bmp");
  list.Add("c:\\pics\\one.BMP");
  list.Add("\x81\x41");
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.IndexOf("C:\\PICS\\ONE.BMP"), 0);
  EXPECT_EQ(list.IndexOf("\x81\x61"), -1);  // another character, not another case
  EXPECT_EQ(list.IndexOf("\x81\x41"), 2);
  EXPECT_EQ(list.IndexOf("missing"), -1);
  list.SetCaseSensitive(true);
  EXPECT_EQ(list.IndexOf("c:\\pics\\one.BMP"), 1);
  EXPECT_EQ(list.IndexOf("C:\\PICS\\ONE.BMP"), -1);
}

TEST(StringList, UpdatesHoldChangesBackUntilTheOutermostEnd) {
  TStringList list;
  int changes = 0;
  list.OnChange = [&] { ++changes; };
  list.Add("a");
  EXPECT_EQ(changes, 1);

  list.BeginUpdate();
  list.BeginUpdate();
  list.Add("b");
  list.Delete(0);
  list.EndUpdate();
  EXPECT_EQ(changes, 1);
  list.EndUpdate();
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(list.UpdateCount(), 0);

  list.BeginUpdate();
  list.EndUpdate();
  EXPECT_EQ(changes, 2) << "nothing changed";
  list.EndUpdate();  // unbalanced: ignored
  EXPECT_EQ(list.UpdateCount(), 0);

  list.SetText("1\r\n2\r\n3");
  EXPECT_EQ(changes, 3) << "one change for a whole text";
  list.Clear();
  list.Clear();
  EXPECT_EQ(changes, 4) << "clearing an empty list changes nothing";
}

}  // namespace
