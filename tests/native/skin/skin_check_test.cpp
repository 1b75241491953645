// The skin check against small hand-made packages, one kind of problem each, and against the
// skins the program ships.

#include "skin/format/skin_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "framework/core/bmp_format.h"
#include "package_writer.h"

namespace {

// A plain 24-bit picture of the given size.
std::vector<uint8_t> Picture(int32_t width, int32_t height) {
  std::vector<uint8_t> rows(DibStride(width, 24) * static_cast<size_t>(height), 0x40);
  const std::string file = EncodeBmpFile(width, height, 24, {}, rows.data(), static_cast<ptrdiff_t>(DibStride(width, 24)));
  return {file.begin(), file.end()};
}

std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

// A small skin without a fault: a 28-pixel caption, one close button on the right, push buttons.
struct TMiniSkin {
  std::string Description =
      "[Personality]\r\n"
      "Top = top.bmp\r\nTopFrame = 2\r\nTopStretch = 0\r\n"
      "TextShift = 28\r\nTextRightClip = 40\r\nTextAlignment = 1\r\n"
      "[Button0]\r\nAction = 0\r\nAlign = 1\r\nXcoord = 30\r\nYcoord = 5\r\nButtonImage = close.bmp\r\nframe = 4\r\n"
      "[Button1]\r\nAction = 3\r\nAlign = 0\r\nXcoord = 6\r\nYcoord = 6\r\nframe = 1\r\n"
      "[Buttons]\r\nBitmap = buttons.bmp\r\nLeftWidth = 4\r\nRightWidth = 4\r\nTopHeight = 4\r\nBottomHeight = 4\r\n"
      "NormalColour = 28 36 48\r\n"
      "[MenuItem]\r\nImage = menuitem.bmp\r\nFrame = 5\r\n"
      "[Colours]\r\nWindowText = 28 36 48\r\n";
  std::map<std::string, std::vector<uint8_t>> Pictures = {
      {"top.bmp", Picture(16, 56)},
      {"close.bmp", Picture(96, 18)},
      {"buttons.bmp", Picture(150, 22)},
      {"menuitem.bmp", Picture(50, 20)},
  };

  void Replace(const std::string& from, const std::string& to) {
    const size_t at = Description.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    Description.replace(at, from.size(), to);
  }

  std::vector<TSkinProblem> Check() const {
    std::vector<TPackageEntry> entries;
    for (const auto& [name, bytes] : Pictures) entries.push_back({name, bytes});
    entries.push_back({"mini.ini", Bytes(Description)});
    TMemoryStream compressed(BuildCompressedPackage(entries));
    return CheckSkinFile(compressed);
  }
};

std::vector<std::string> Lines(const std::vector<TSkinProblem>& problems) {
  std::vector<std::string> lines;
  for (const TSkinProblem& p : problems) lines.push_back(p.Line());
  return lines;
}

std::vector<uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(SkinCheck, TheMiniSkinIsClean) {
  EXPECT_EQ(Lines(TMiniSkin().Check()), std::vector<std::string>{});
}

struct TCase {
  const char* What;
  void (*Break)(TMiniSkin&);
  const char* Line;  // the one line the check must print
};

const TCase kCases[] = {
    {"a picture named but missing", [](TMiniSkin& s) { s.Pictures.erase("buttons.bmp"); },
     "error: [Buttons] Bitmap (buttons.bmp): no picture of that name in the package"},
    {"a picture that is no BMP", [](TMiniSkin& s) { s.Pictures["close.bmp"] = Bytes("BM not a picture"); },
     "error: [Button0] ButtonImage (close.bmp): not a BMP picture the engine can read (Bitmap image is not valid)"},
    {"a picture name in upper case", [](TMiniSkin& s) { s.Replace("Image = menuitem.bmp", "Image = MenuItem.BMP"); },
     "error: [MenuItem] Image (MenuItem.BMP): the engine loads only pictures whose names end in .bmp (lower case)"},
    {"a frame count that does not divide", [](TMiniSkin& s) { s.Replace("frame = 4", "frame = 5"); },
     "warning: [Button0] frame (close.bmp): 5 frames do not divide the picture, 96 pixels wide"},
    {"a stacked border of 0 frames", [](TMiniSkin& s) { s.Replace("TopFrame = 2", "TopFrame = 0"); },
     "warning: [Personality] TopFrame (top.bmp): 0 frames: the engine draws the whole picture as one"},
    {"more frames than pixels", [](TMiniSkin& s) { s.Replace("frame = 4", "frame = 200"); },
     "warning: [Button0] frame (close.bmp): 200 frames in a picture 96 pixels wide: the frames are empty"},
    {"a fixed count the picture does not fit", [](TMiniSkin& s) { s.Pictures["buttons.bmp"] = Picture(151, 22); },
     "warning: [Buttons] Bitmap (buttons.bmp): the engine's 5 frames do not divide the picture, 151 pixels wide"},
    {"a Frame key the engine overrides", [](TMiniSkin& s) { s.Replace("Frame = 5", "Frame = 3"); },
     "warning: [MenuItem] Frame (menuitem.bmp): Frame = 3 is not used: the engine always cuts this picture into 5"},
    {"margins wider than a frame", [](TMiniSkin& s) { s.Replace("RightWidth = 4", "RightWidth = 27"); },
     "warning: [Buttons] LeftWidth (buttons.bmp): LeftWidth 4 and RightWidth 27 are wider than a frame (30 pixels)"},
    {"margins taller than a frame", [](TMiniSkin& s) { s.Replace("BottomHeight = 4", "BottomHeight = 19"); },
     "warning: [Buttons] TopHeight (buttons.bmp): TopHeight 4 and BottomHeight 19 are taller than a frame (22 pixels)"},
    {"a caption button below the title bar", [](TMiniSkin& s) { s.Replace("Ycoord = 5", "Ycoord = 11"); },
     "warning: [Button0] Ycoord (close.bmp): the button, 18 pixels high at 11, reaches outside the title bar (28 pixels high)"},
    {"a right button inside the title text", [](TMiniSkin& s) { s.Replace("Xcoord = 30", "Xcoord = 41"); },
     "warning: [Button0] Xcoord (close.bmp): the button starts 41 from the right, inside the title text, which ends at TextRightClip 40"},
    {"a right button past the window's edge", [](TMiniSkin& s) { s.Replace("Xcoord = 30", "Xcoord = 23"); },
     "warning: [Button0] Xcoord (close.bmp): the button reaches past the window's right edge"},
    {"the window icon over the title text", [](TMiniSkin& s) { s.Replace("TextShift = 28", "TextShift = 20"); },
     "warning: [Button1] Xcoord: the button ends at 22, inside the title text, which starts at TextShift 20"},
    {"a colour component above 255", [](TMiniSkin& s) { s.Replace("WindowText = 28 36 48", "WindowText = 28 360 48"); },
     "warning: [Colours] WindowText: colour component 360 is outside 0-255"},
    {"a state colour that is no colour", [](TMiniSkin& s) { s.Replace("NormalColour = 28 36 48", "NormalColour = 28,36"); },
     "warning: [Buttons] NormalColour: '28,36' is not a colour: write red, green and blue, 0 to 255, e.g. 28 36 48"},
    {"a caption colour component", [](TMiniSkin& s) { s.Replace("TextAlignment = 1", "TextAlignment = 1\r\nActiveTextG = 256"); },
     "warning: [Personality] ActiveTextG: colour component 256 is outside 0-255"},
    {"a number that is none", [](TMiniSkin& s) { s.Replace("LeftWidth = 4", "LeftWidth = 4px"); },
     "warning: [Buttons] LeftWidth: '4px' is not a whole number: the engine takes its default"},
    {"a misspelt key", [](TMiniSkin& s) { s.Replace("TopHeight = 4", "TopHieght = 4"); },
     "warning: [Buttons] TopHieght: did you mean TopHeight? (the engine never reads this key)"},
    {"a key like no other", [](TMiniSkin& s) { s.Replace("[Colours]\r\n", "[Colours]\r\nShininess = 3\r\n"); },
     "warning: [Colours] Shininess: the engine never reads this key"},
    {"a misspelt section", [](TMiniSkin& s) { s.Replace("[Colours]", "[Colors]"); },
     "warning: [Colors]: did you mean Colours? (the engine never reads this section)"},
    {"a key written twice", [](TMiniSkin& s) { s.Replace("Ycoord = 5", "Ycoord = 5\r\nycoord = 6"); },
     "warning: [Button0] ycoord: written twice: the engine reads only the first"},
    {"a section written twice", [](TMiniSkin& s) { s.Description += "[colours]\r\nMenu = 1 2 3\r\n"; },
     "warning: [colours]: a second [colours]: the engine reads only the first"},
    {"blanks inside brackets", [](TMiniSkin& s) { s.Description += "[ Fonts ]\r\nFontHeight = 12\r\n"; },
     "warning: [Fonts]: blanks inside the brackets: the engine does not find this section"},
    {"a key before every section", [](TMiniSkin& s) { s.Description = "Name = Mini\r\n" + s.Description; },
     "warning: Name: comes before the first [section]: the engine never reads it"},
    {"a line that is no key", [](TMiniSkin& s) { s.Replace("[Colours]\r\n", "[Colours]\r\nMenu 1 2 3\r\n"); },
     "warning: [Colours] Menu 1 2 3: not a key = value line: the engine never reads it"},
    {"a description that is no description", [](TMiniSkin& s) { s.Description = "; only a comment\r\n"; },
     "error: mini.ini: the description holds no [section] line"},
    {"a picture nothing uses", [](TMiniSkin& s) { s.Pictures["spare.bmp"] = Picture(4, 4); },
     "note: spare.bmp: no element uses this picture"},
};

TEST(SkinCheck, FindsEachKindOfProblemAndNothingElse) {
  for (const TCase& c : kCases) {
    SCOPED_TRACE(c.What);
    TMiniSkin skin;
    c.Break(skin);
    const std::vector<TSkinProblem> problems = skin.Check();
    std::vector<std::string> lines = Lines(problems);
    // A description that is no description also leaves every picture unused.
    if (std::string(c.Line).starts_with("error: mini"))
      std::erase_if(lines, [](const std::string& l) { return l.starts_with("note:"); });
    EXPECT_EQ(lines, std::vector<std::string>{c.Line});
    EXPECT_EQ(HasFaults(problems), !std::string(c.Line).starts_with("note:"));
  }
}

TEST(SkinCheck, PackagesTheProgramCannotReadAreOneError) {
  TMemoryStream garbage(Bytes("not a skin at all"));
  EXPECT_EQ(Lines(CheckSkinFile(garbage)),
            std::vector<std::string>{"error: not a skin package the program can read: it does not decompress, or its "
                                     "version is not one the program knows"});
  TMemoryStream noDescription(BuildCompressedPackage({{"top.bmp", Picture(4, 4)}}));
  EXPECT_EQ(Lines(CheckSkinFile(noDescription)),
            (std::vector<std::string>{"error: the package holds no description (no entry whose name contains .ini)",
                                      "note: top.bmp: no element uses this picture"}));
}

TEST(SkinCheck, ErrorsComeFirstThenWarningsThenNotes) {
  TMiniSkin skin;
  skin.Pictures["spare.bmp"] = Picture(4, 4);
  skin.Replace("[Buttons]", "[Buttons]\r\nTopHieght = 1");
  skin.Pictures.erase("menuitem.bmp");
  const std::vector<std::string> lines = Lines(skin.Check());
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_TRUE(lines[0].starts_with("error: [MenuItem]")) << lines[0];
  EXPECT_TRUE(lines[1].starts_with("warning: [Buttons] TopHieght")) << lines[1];
  EXPECT_TRUE(lines[2].starts_with("note: spare.bmp")) << lines[2];
}

TEST(SkinCheck, TheShippedSkinsAreClean) {
  for (const char* path : {COMMITTED_SKIN, SECOND_SKIN}) {
    SCOPED_TRACE(path);
    TMemoryStream compressed(ReadFile(path));
    ASSERT_GT(compressed.Size(), 0);
    EXPECT_EQ(Lines(CheckSkinFile(compressed)), std::vector<std::string>{});
  }
}

}  // namespace
