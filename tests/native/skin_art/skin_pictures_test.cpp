#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <utility>
#include <string>
#include <vector>

#include "bmp_view.h"
#include "default_skin.h"

namespace skin_art {
namespace {

// How the engine cuts a picture into frames. The count is fixed, or read from frameKey, with
// `frames` standing in when that key is absent or 0 (0 there means the key is required).
struct Strip {
  const char* section;
  const char* imageKey;
  int frames;
  const char* frameKey = nullptr;
  bool stacked = false;  // frames one above the other
};

const Strip Strips[] = {
    {"Personality", "Left", 1, "LeftFrame"},
    {"Personality", "Right", 1, "RightFrame"},
    {"Personality", "Top", 1, "TopFrame", true},
    {"Personality", "Bottom", 1, "BottomFrame", true},
    {"Personality", "TextBack", 2, nullptr, true},
    {"Personality", "menuBar", 2, nullptr, true},
    {"Buttons", "Bitmap", 5},
    {"Buttons", "CheckButton", 0, "CheckButtonFrame"},
    {"Buttons", "RadioButton", 0, "RadioButtonFrame"},
    {"Progress", "Bitmap", 2},
    {"Progress.Chunk", "Image", 0, "Frame"},
    {"Tabs", "Image", 5},
    {"Tabs", "Border", 1},
    {"Tab.Pane", "Image", 1},
    {"GroupBox", "Image", 1},
    {"GroupBoxEdge", "Image", 2},
    {"StatusBarEdges", "Image", 3},
    {"ToolBars", "Image", 5},
    {"ComboButton", "Image", 4},
    {"SunkEdge", "Image", 4},
    {"ExtraImages", "Image", 5},
    {"Headerbar", "Image", 5, "Frame"},
    {"MenuItem", "Image", 5},
    {"MenuBackground", "Image", 1},
    {"Scrollbar", "Image", 23},
    {"HorzScroll", "Image", 4},
    {"VertScroll", "Image", 4},
    {"HorzScrollThumb", "Image", 3, "FrameCount"},
    {"VertScrollThumb", "Image", 3, "FrameCount"},
    {"Trackbar.ThumbHorz", "Image", 5},
    {"Trackbar.ThumbVert", "Image", 5},
    {"Trackbar.ThumbLeft", "Image", 5},
    {"Trackbar.ThumbRight", "Image", 5},
    {"Trackbar.ThumbUp", "Image", 5},
    {"Trackbar.ThumbDown", "Image", 5},
    {"UpDown.Horz", "Image", 8},
    {"UpDown.Horz", "GlyphImage", 8},
    {"UpDown.Vert", "Image", 8},
    {"UpDown.Vert", "GlyphImage", 8},
    {"Track", "Image", 0, "Frame"},
    {"TRACKVERT", "Image", 0, "Frame"},
    {"MDICONTROLS", "Image", 12},  // three buttons of four frames
};

const Strip& StripOf(const std::string& section, const std::string& key) {
  for (const Strip& s : Strips)
    if (section == s.section && key == s.imageKey) return s;
  throw std::logic_error("no strip " + section + "/" + key);
}

// Elements the engine copies without the key colour: magenta there would show on screen.
const std::pair<const char*, const char*> OpaqueElements[] = {
    {"Personality", "Top"}, {"Personality", "Bottom"}, {"Personality", "menuBar"},
    {"Tabs", "Border"},     {"Tab.Pane", "Image"},     {"StatusBarEdges", "Image"},
    {"Headerbar", "Image"}, {"MenuBackground", "Image"},
};

class SkinPictures : public DefaultSkin {
protected:
  struct Picture {
    std::vector<uint8_t> bytes;
    std::optional<BmpView> view;
  };

  Picture Load(const std::string& section, const std::string& key) {
    Picture p;
    p.bytes = Entry(ini.ReadString(section, key, ""));
    p.view = ViewBmp24(p.bytes);
    if (p.view) p.view->bytes = &p.bytes;
    return p;
  }

  int Frames(const Strip& s) const {
    const int given = s.frameKey ? ini.ReadInteger(s.section, s.frameKey, 0) : 0;
    return given > 0 ? given : s.frames;
  }

  // Width and height of one frame.
  std::pair<int, int> FrameSize(const Strip& s, const BmpView& v) const {
    const int n = Frames(s);
    return s.stacked ? std::pair{v.width, v.height / n} : std::pair{v.width / n, v.height};
  }

  // -1 when the picture is missing.
  int FrameHeight(const char* section, const char* key) {
    const Picture p = Load(section, key);
    return p.view ? FrameSize(StripOf(section, key), *p.view).second : -1;
  }

  std::vector<std::string> CaptionButtonSections() const {
    std::vector<std::string> sections, buttons;
    ini.ReadSections(&sections);
    for (const std::string& s : sections) {
      std::string upper = s;
      for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      if (upper.rfind("BUTTON", 0) == 0 && upper != "BUTTONS") buttons.push_back(s);
    }
    return buttons;
  }
};

TEST_F(SkinPictures, EveryElementPictureIsA24BitBitmapThatSplitsIntoItsFrames) {
  for (const Strip& s : Strips) {
    SCOPED_TRACE(std::string(s.section) + "/" + s.imageKey);
    const std::string name = ini.ReadString(s.section, s.imageKey, "");
    // The loader takes only names ending in exactly ".bmp".
    ASSERT_GT(name.size(), 4u);
    EXPECT_EQ(name.substr(name.size() - 4), ".bmp");
    const Picture p = Load(s.section, s.imageKey);
    ASSERT_TRUE(p.view) << name << " is missing or not a 24-bit bitmap";
    const int n = Frames(s);
    ASSERT_GT(n, 0);
    EXPECT_EQ((s.stacked ? p.view->height : p.view->width) % n, 0) << name << ": " << n << " frames";
  }
}

TEST_F(SkinPictures, CaptionButtonPicturesSplitIntoTheirFramesAndFitTheCaption) {
  const int caption = FrameHeight("Personality", "Top");
  const Picture right = Load("Personality", "Right");
  ASSERT_TRUE(right.view);
  const int border = FrameSize(StripOf("Personality", "Right"), *right.view).first;
  for (const std::string& section : CaptionButtonSections()) {
    SCOPED_TRACE(section);
    const int y = ini.ReadInteger(section, "Ycoord", 0);
    const std::string name = ini.ReadString(section, "ButtonImage", "");
    if (name.empty()) {
      // Only the window menu button may go without: it shows the window's icon instead.
      EXPECT_EQ(ini.ReadInteger(section, "Action", -1), 3);
      continue;
    }
    const Picture p = Load(section, "ButtonImage");
    ASSERT_TRUE(p.view) << name;
    const int frames = ini.ReadInteger(section, "frame", 0);
    ASSERT_GE(frames, 4) << "normal, pressed, hot and inactive frames";
    EXPECT_EQ(p.view->width % frames, 0);
    EXPECT_LE(y + p.view->height, caption);
    if (ini.ReadInteger(section, "Align", 0) == 1)
      EXPECT_GE(ini.ReadInteger(section, "Xcoord", 0), p.view->width / frames + border)
          << "a right-aligned button must clear the right border";
  }
}

TEST_F(SkinPictures, RightAlignedCaptionButtonsDoNotOverlap) {
  struct Placed {
    int x, width;
  };
  std::vector<Placed> placed;
  for (const std::string& section : CaptionButtonSections()) {
    if (ini.ReadInteger(section, "Align", 0) != 1) continue;
    const Picture p = Load(section, "ButtonImage");
    ASSERT_TRUE(p.view) << section;
    const int x = ini.ReadInteger(section, "Xcoord", 0);
    const int width = p.view->width / ini.ReadInteger(section, "frame", 1);
    // Maximise and restore share one place: they are never shown together.
    if (std::none_of(placed.begin(), placed.end(), [x](const Placed& q) { return q.x == x; }))
      placed.push_back({x, width});
  }
  std::sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) { return a.x < b.x; });
  for (size_t i = 1; i < placed.size(); ++i)
    EXPECT_GE(placed[i].x - placed[i - 1].x, placed[i].width) << "buttons at " << placed[i].x;
}

TEST_F(SkinPictures, FramePiecesLineUpWithTheCaption) {
  const int caption = FrameHeight("Personality", "Top");
  ASSERT_GT(caption, 0);
  // The side borders run the full window height; their unstretched top must be the caption.
  EXPECT_EQ(ini.ReadInteger("Personality", "LeftTopHeight", 0), caption);
  EXPECT_EQ(ini.ReadInteger("Personality", "RightTopHeight", 0), caption);
  for (const char* side : {"Left", "Right"}) {
    const int height = FrameHeight("Personality", side);
    EXPECT_LT(ini.ReadInteger("Personality", std::string(side) + "TopHeight", 0) +
                  ini.ReadInteger("Personality", std::string(side) + "BotHeight", 0),
              height)
        << side << " border leaves nothing to stretch";
  }
  // The text background is stretched over the caption's height; at another height its rows
  // would no longer match the caption's.
  EXPECT_EQ(FrameHeight("Personality", "TextBack"), caption);
}

TEST_F(SkinPictures, OpaqueElementsHoldNoKeyColour) {
  for (const auto& [section, key] : OpaqueElements) {
    SCOPED_TRACE(std::string(section) + "/" + key);
    const Picture p = Load(section, key);
    ASSERT_TRUE(p.view);
    int keyed = 0;
    for (int y = 0; y < p.view->height; ++y)
      for (int x = 0; x < p.view->width; ++x) keyed += p.view->Pixel(x, y) == KeyColour;
    EXPECT_EQ(keyed, 0);
  }
}

// The window region leaves key-coloured pixels of the side borders out of the window: a stray
// one below the corner would be a hole in the frame.
TEST_F(SkinPictures, SideBordersRoundOnlyTheTopCorners) {
  for (const char* side : {"Left", "Right"}) {
    SCOPED_TRACE(side);
    const Picture p = Load("Personality", side);
    ASSERT_TRUE(p.view);
    const int outer = std::string(side) == "Left" ? 0 : p.view->width - 1;
    EXPECT_EQ(p.view->Pixel(outer, 0), KeyColour);
    for (int y = 4; y < p.view->height; ++y) EXPECT_NE(p.view->Pixel(outer, y), KeyColour) << "row " << y;
  }
}

}  // namespace
}  // namespace skin_art
