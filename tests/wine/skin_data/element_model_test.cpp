// The element model as loaded from small skins built here.

#include <gtest/gtest.h>

#include "framework/core/exceptions.h"
#include "skin/model/bitmap_utils.h"
#include "skin/data/skin_data.h"
#include "skin/format/description_vocabulary.h"
#include "skin/format/quick_ini.h"
#include "skin/format/skin_reader.h"
#include "skin/model/skin_element_loader.h"
#include "skin/model/element_drawing.h"
#include "skin/model/memory_dc.h"
#include "test_skin.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

using namespace test_skin;

namespace {

constexpr TColour kMagenta = 0xFF00FF;
constexpr TColour kFace = 0xD8E9EC;  // 236 233 216

class ElementModel : public ::testing::Test {
protected:
  void SetUp() override {
    data_ = std::make_unique<TSkinData>(nullptr);
    TSkinReader::Notify = [this](const std::string& m) { notified_ += m; };
  }

  const TSkinElementTable& Load(const TTestSkin& skin) {
    data_->ReadSkinStream(skin.StreamProperty());
    EXPECT_FALSE(data_->NoSkin());
    return data_->Elements();
  }

  std::unique_ptr<TSkinData> data_;
  std::string notified_;
};

TEST_F(ElementModel, SectionsAndKeysMatchInAnyCaseAndPicturesByTheirFileName) {
  TTestSkin skin;
  skin.Description =
      "[progress.chunk]\nIMAGE=skins\\Deep\\Chunk.bmp\nleftwidth=3\nFRAME=7\nTile=9\n"
      "[MenuItem]\nImage=c:Menu.BMP\nFrame=2\n"
      "[Headerbar]\nImage=head.bmp\nframe=4\n"
      "[Scrollbar]\nImage=nothing-here.bmp\n"
      "[Tab.Pane]\nImage=pane.bmp\nLeftWidth=6\nTopHeight=4\nRightWidth=-2\nBottomHeight=2147483647\n";
  skin.Add("Chunk.bmp", Solid(12, 5, 0x112233))
      .Add("menu.bmp", Solid(50, 10, 0))
      .Add("head.bmp", Solid(40, 10, 0))
      .Add("pane.bmp", Solid(20, 20, 0));
  const TSkinElementTable& e = Load(skin);

  ASSERT_TRUE(e.ProgressChunk);
  EXPECT_EQ(e.ProgressChunk->Name, "Progress.Chunk");
  EXPECT_EQ(e.ProgressChunk->Image.Width(), 12);  // found lower-cased, path stripped
  EXPECT_EQ(e.ProgressChunk->Margins.Left, 3);
  EXPECT_EQ(e.ProgressChunk->FrameCount, 7);      // kept: no fixed count for the chunk
  EXPECT_EQ(e.ProgressChunk->Tile, 0);            // out-of-range tiling means stretched

  ASSERT_TRUE(e.MenuItem);
  EXPECT_TRUE(e.MenuItem->Image.Empty());  // ".BMP" is not a picture name
  EXPECT_EQ(e.MenuItem->FrameCount, 5);    // whatever the description says
  ASSERT_TRUE(e.Headerbar);
  EXPECT_EQ(e.Headerbar->FrameCount, 4);
  ASSERT_TRUE(e.Scrollbar);                // a missing picture leaves the element without one
  EXPECT_TRUE(e.Scrollbar->Image.Empty());
  EXPECT_EQ(e.Scrollbar->FrameCount, 23);

  ASSERT_TRUE(e.TabPane);
  EXPECT_EQ(e.TabPane->Margins.Left, 4);
  EXPECT_EQ(e.TabPane->Margins.Top, 4);
  EXPECT_EQ(e.TabPane->Margins.Right, -2);
  EXPECT_EQ(e.TabPane->Margins.Bottom, 4);

  EXPECT_FALSE(e.GroupBox);  // no section, no element
  EXPECT_FALSE(e.SunkEdge);
}

TEST_F(ElementModel, CaptionButtonsFollowTheirFrameAndVisibilityRules) {
  TTestSkin skin;
  skin.Description =
      "[Buttons]\nBitmap=push.bmp\n"
      "[Button0]\nAction=0\nButtonImage=wide.bmp\n"
      "[Button1]\nAction=1\nVisibility=2\nXcoord=40\nYcoord=3\nButtonImage=narrow.bmp\n"
      "[Button2]\nAction=-1\nButtonImage=wide.bmp\n"
      "[button3]\nAction=-1\nVisibility=0\nButtonImage=narrow.bmp\n"
      "[Button4]\nAction=4\nXcoord=99\nframe=2\nButtonImage=narrow.bmp\n"
      "[Button5]\nAction=3\nButtonImage=narrow.bmp\n"
      "[Button.Radio]\nImage=narrow.bmp\n"
      "[MDICONTROLS]\nImage=mdi.bmp\n";
  skin.Add("wide.bmp", Solid(210, 21, 0)).Add("narrow.bmp", Solid(60, 21, 0)).Add("push.bmp", Solid(50, 20, 0));
  TBitmap mdi = Solid(120, 14, 0);
  SetPixel(mdi, 40, 0, 0x0000FF);  // first pixel of the second button
  skin.Add("mdi.bmp", mdi);
  const TSkinElementTable& e = Load(skin);

  ASSERT_EQ(e.SysButtons.size(), 5u + 3u);
  const TDataSkinSysButton& wide = *e.SysButtons[0];
  EXPECT_EQ(wide.Name, "BUTTON0");
  EXPECT_EQ(wide.FrameCount, 6);  // 210 x 21: ten times as wide as high
  EXPECT_EQ(e.SysButtons[1]->FrameCount, 3);  // 60 x 21: under 3.8
  const TDataSkinSysButton& shown = *e.SysButtons[2];  // Button2 is dropped, button3 kept
  EXPECT_EQ(shown.Name, "BUTTON3");
  EXPECT_EQ(shown.FrameCount, 6);  // no action of its own
  EXPECT_EQ(shown.Visibility1, -1);
  const TDataSkinSysButton& restore = *e.SysButtons[3];
  EXPECT_EQ(restore.XCoord, 40);  // placed where the maximise button is
  EXPECT_EQ(restore.YCoord, 3);
  EXPECT_EQ(restore.FrameCount, 2);
  EXPECT_EQ(restore.CombineOp, -1);
  EXPECT_TRUE(e.SysButtons[4]->Image.Empty());  // action 3 without frames: drawn by the painter
  EXPECT_EQ(e.SysButtons[4]->FrameCount, 3);

  for (int i = 0; i < 3; ++i) {
    const TDataSkinSysButton& b = *e.SysButtons[5 + static_cast<size_t>(i)];
    EXPECT_EQ(b.Action, 7 + i);
    EXPECT_EQ(b.Align, 100);
    EXPECT_EQ(b.FrameCount, 4);
    EXPECT_EQ(b.Image.Width(), 40);
    EXPECT_EQ(b.Image.Height(), 14);
    EXPECT_EQ(b.XCoord, 14 * (3 - i));
  }
  EXPECT_EQ(PixelOf(e.SysButtons[6]->Image, 0, 0), 0x0000FF);
}

TEST_F(ElementModel, BuiltInTrackPicturesStandInWhenTheSkinHasNone) {
  TTestSkin skin;
  skin.Description = "[TRACKVERT]\nImage=tv.bmp\nFrame=2\n";
  skin.Add("tv.bmp", Solid(8, 30, 0));
  const TSkinElementTable& e = Load(skin);
  ASSERT_TRUE(e.Track);
  EXPECT_EQ(e.Track->Name, "TRACK");
  EXPECT_EQ(e.Track->Image.Width(), 16);
  EXPECT_EQ(e.Track->Image.Height(), 4);
  EXPECT_EQ(e.Track->Margins.Left, 3);
  EXPECT_EQ(e.Track->Margins.Bottom, 3);
  EXPECT_EQ(e.Track->FrameCount, 1);
  ASSERT_TRUE(e.TrackVert);
  EXPECT_EQ(e.TrackVert->Image.Width(), 8);  // the skin's own
  EXPECT_EQ(e.TrackVert->FrameCount, 2);
}

TEST_F(ElementModel, ColoursBordersAndTheGeneratedToolbarAgree) {
  TTestSkin skin;
  skin.Description =
      "[Colours]\nButtonFace=236 233 216\nButtonText=1 2 3\n"
      "[Personality]\nTop=top.bmp\nTopFrame=2\nTopTopHeight=5\nTopBotHeight=6\nLeft=side.bmp\nLeftTopHeight=7\n"
      "TextShift=4\nActiveTextR=300\nActiveTextG=0\nActiveTextB=1\nInActiveTextR=5\n"
      "[Fonts]\nFontHeight=20\n"
      "[Buttons]\nNormalColour=9 9 9\nRadioButton=radio.bmp\nCheckButtonFrame=3\n";
  TBitmap top = Solid(30, 12, 0);
  SetPixel(top, 10, 2, 0x204080);  // a third into the first of two frames
  skin.Add("top.bmp", top).Add("side.bmp", Solid(4, 40, 0)).Add("radio.bmp", Solid(52, 13, 0));
  const TSkinElementTable& e = Load(skin);
  const TSkinColours& c = data_->ColourTable();

  EXPECT_EQ(c.Colours[ciButtonFace], kFace);
  EXPECT_EQ(c.Colours[ciBorder], 0x204080);
  EXPECT_EQ(e.TopBorder.Margins.Left, 5);  // along the border's length
  EXPECT_EQ(e.TopBorder.Margins.Right, 6);
  EXPECT_EQ(e.TopBorder.Margins.Top, 0);
  EXPECT_EQ(e.LeftBorder.Margins.Top, 7);
  EXPECT_EQ(e.LeftBorder.Trans, 1);
  EXPECT_EQ(e.LeftBorder.Tile, 1);
  EXPECT_EQ(e.Title.Margins.Left, 4);
  EXPECT_EQ(e.Title.FontHeight, 20);
  EXPECT_EQ(e.Title.ActiveText, Rgb(300 & 0xFF, 0, 1));
  EXPECT_EQ(e.Title.InActiveText, kNoCaptionColour);  // one of three numbers is not enough

  EXPECT_TRUE(e.Buttons.HasNormalColour2);
  EXPECT_FALSE(e.Buttons.HasPressedColour2);
  EXPECT_EQ(e.Buttons.NormalColour2, 0x090909);
  EXPECT_EQ(e.Buttons.PressedColour2, 0x030201);  // the button text colour
  EXPECT_EQ(e.Buttons.NormalColour, kNoColour);   // colour text is not an integer
  EXPECT_EQ(e.Buttons.FrameCount, 5);
  EXPECT_EQ(e.Buttons.RadioFrameCount, 4);        // 52 / 13
  EXPECT_EQ(e.Buttons.CheckFrameCount, 3);

  LOGBRUSH brush{};
  ASSERT_TRUE(GetObjectA(data_->ButtonFaceBrush(), sizeof(brush), &brush));
  EXPECT_EQ(brush.lbColor, static_cast<COLORREF>(kFace));

  ASSERT_TRUE(e.Toolbar);
  EXPECT_EQ(e.Toolbar->Image.Width(), 10);
  EXPECT_EQ(e.Toolbar->Image.Height(), 40);
  EXPECT_EQ(PixelOf(e.Toolbar->Image, 0, 0), MixColours(kFace, 0xFFFFFF, 150));
  EXPECT_NE(PixelOf(e.Toolbar->Image, 0, 0), PixelOf(e.Toolbar->Image, 0, 39));
}

TEST_F(ElementModel, ComboArrowIsTheButtonStripOnTheButtonFaceWithoutASunkenEdge) {
  TTestSkin skin;
  skin.Description = "[Colours]\nButtonFace=236 233 216\n[ComboButton]\nImage=combo.bmp\n";
  TBitmap combo = Solid(64, 16, 0x000000);
  SetPixel(combo, 0, 0, kMagenta);
  SetPixel(combo, 63, 15, 0x0000FF);
  skin.Add("combo.bmp", combo);
  const TSkinElementTable& e = Load(skin);
  ASSERT_TRUE(e.ComboButton);
  EXPECT_EQ(e.ComboButton->FrameCount, 4);
  EXPECT_EQ(PixelOf(e.ComboButton->Image2, 0, 15), 0x0000FF);  // mirrored
  ASSERT_TRUE(e.ComboxArrow);
  EXPECT_EQ(e.ComboxArrow->FrameCount, 4);
  EXPECT_EQ(PixelOf(e.ComboxArrow->Image, 0, 0), kFace);
  EXPECT_EQ(PixelOf(e.ComboxArrow->Image, 1, 0), 0);
}

TEST_F(ElementModel, SunkenEdgeAndButtonMakeTheCompositeComboStrips) {
  TTestSkin skin;
  skin.Description =
      "[ComboButton]\nImage=combo.bmp\n[SunkEdge]\nImage=edge.bmp\nLeftWidth=2\nTopHeight=3\n"
      "RightWidth=2147483647\nBottomHeight=-9\n";
  skin.Add("combo.bmp", Solid(64, 16, 0x00FF00)).Add("edge.bmp", Solid(40, 10, 0x0000FF));
  const TSkinElementTable& e = Load(skin);
  const int b = GetSystemMetrics(SM_CXHSCROLL) + 2;
  ASSERT_TRUE(e.ComboButton && e.SunkEdge);
  EXPECT_EQ(e.ComboButton->Style, 2);
  EXPECT_EQ(e.ComboButton->Image.Width(), 200);
  EXPECT_EQ(e.ComboButton->Image.Height(), 21);
  EXPECT_EQ(e.ComboButton->Margins.Left, 2);
  EXPECT_EQ(e.ComboButton->Margins.Right, b + 2);
  EXPECT_EQ(e.ComboButton->Margins.Top, 3);
  EXPECT_EQ(e.SunkEdge->Margins.Left, b + 2);
  EXPECT_EQ(e.SunkEdge->Margins.Right, 2);
  // Edge at the left, button at the right, the text area keyed out; mirrored for SunkEdge.
  EXPECT_EQ(PixelOf(e.ComboButton->Image, 0, 10), 0x0000FF);
  EXPECT_EQ(PixelOf(e.ComboButton->Image, 49, 10), 0x00FF00);
  EXPECT_EQ(PixelOf(e.ComboButton->Image, 10, 10), kMagenta);
  EXPECT_EQ(PixelOf(e.SunkEdge->Image, 0, 10), 0x00FF00);
  ASSERT_TRUE(e.ComboxArrow);
  EXPECT_EQ(e.ComboxArrow->Image.Width(), 68);
  EXPECT_EQ(e.ComboxArrow->Image.Height(), 17);
  EXPECT_EQ(e.ComboxArrow->FrameCount, 4);
  EXPECT_EQ(PixelOf(e.ComboxArrow->Image, 16, 8), 0x00FF00);
}

// A picture of frames side by side, every pixel different, some of them the colour key.
TBitmap Patterned(int width, int height, int seed) {
  TBitmap b(width, height, 24);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      SetPixel(b, x, y, (x + 2 * y + seed) % 7 == 0 ? kMagenta
                                                     : Rgb((x * 5 + seed) % 256, (y * 11) % 256, (x + y) * 3 % 256));
  return b;
}

// The composite strip holds, frame by frame, what drawing its pieces onto a frame of the colour
// key gives: the sunken edge, the button, the glyph centred on it (overhanging when wider), the
// text area keyed out.
TEST_F(ElementModel, EachCompositeComboFrameIsItsPiecesDrawnInTurn) {
  for (const int glyphWidth : {9, 27}) {
    SCOPED_TRACE(glyphWidth);
    const TBitmap edge = Patterned(4 * 12, 10, 1), combo = Patterned(4 * 16, 16, 2),
                  glyphs = Patterned(4 * glyphWidth, 7, 3);
    TTestSkin skin;
    skin.Description =
        "[SunkEdge]\nImage=edge.bmp\nTrans=1\nLeftWidth=3\nTopHeight=2\nRightWidth=4\nBottomHeight=3\n"
        "[ComboButton]\nImage=combo.bmp\nLeftWidth=1\nTopHeight=2\nRightWidth=1\nBottomHeight=2\n"
        "[ExtraImages]\nImage=glyphs.bmp\nFrame=4\n";
    skin.Add("edge.bmp", edge).Add("combo.bmp", combo).Add("glyphs.bmp", glyphs);
    const TSkinElementTable& e = Load(skin);
    ASSERT_TRUE(e.ComboButton && e.SunkEdge && e.ExtraImages);
    const int frames = std::max(e.SunkEdge->FrameCount, 1);
    ASSERT_EQ(e.ComboButton->Image.Width(), 50 * frames);
    const int b = GetSystemMetrics(SM_CXHSCROLL) + 2;
    const RECT box{0, 0, 50, 21}, button{50 - b, 0, 50, 21};
    const UniqueBrush key(CreateSolidBrush(kMagenta));
    int mismatches = 0;
    for (int k = 1; k <= frames; ++k) {
      TBitmap expected(50, 21, 24);
      {
        TMemoryDC dc(expected.Handle());
        FillRect(dc.Get(), &box, key.Get());
        DrawSkinElement(dc.Get(), box, edge, false, false, true, e.SunkEdge->FrameCount, k, {3, 2, 4, 3});
        DrawSkinElement(dc.Get(), button, combo, false, false, true, e.ComboButton->FrameCount, k, {1, 2, 1, 2});
        DrawSkinGlyph(dc.Get(), button, glyphs, true, e.ExtraImages->FrameCount, k);
        const RECT text{2, 2, 50 - 1 - b, 18};
        FillRect(dc.Get(), &text, key.Get());
      }
      for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 50; ++x)
          mismatches += PixelOf(e.ComboButton->Image, 50 * (k - 1) + x, y) != PixelOf(expected, x, y);
    }
    EXPECT_EQ(mismatches, 0);
  }
}

TEST_F(ElementModel, ALaterSkinReleasesWhatTheEarlierOneHad) {
  TTestSkin first;
  first.Description = "[ComboButton]\nImage=combo.bmp\n[GroupBox]\nImage=g.bmp\n[Button0]\nButtonImage=g.bmp\n";
  first.Add("combo.bmp", Solid(64, 16, 0)).Add("g.bmp", Solid(30, 10, 0));
  Load(first);
  TTestSkin second;
  second.Description = "[Personality]\n";
  const TSkinElementTable& e = Load(second);
  EXPECT_FALSE(e.ComboButton);
  EXPECT_FALSE(e.GroupBox);
  EXPECT_EQ(e.SysButtons.size(), 3u);
  ASSERT_TRUE(e.ComboxArrow);
  EXPECT_TRUE(e.ComboxArrow->Image.Empty());
  // The default button face is a system colour; the brush paints what it names.
  LOGBRUSH brush{};
  ASSERT_TRUE(GetObjectA(data_->ButtonFaceBrush(), sizeof(brush), &brush));
  EXPECT_EQ(brush.lbColor, GetSysColor(COLOR_BTNFACE));
}

TEST_F(ElementModel, BadPicturesAndNumbersNeitherCrashNorPassForASkin) {
  TTestSkin broken;
  broken.Description = "[Personality]\nTop=top.bmp\n";
  broken.AddBytes("top.bmp", {'B', 'M', 1, 2, 3});
  EXPECT_THROW(data_->ReadSkinStream(broken.StreamProperty()), EInvalidGraphic);
  EXPECT_TRUE(data_->NoSkin());

  TTestSkin odd;
  odd.Description =
      "[Personality]\nTop=top.bmp\nTopFrame=-3\nmenuBar=bar.bmp\nTileLeftMenu=99999\n"
      "[HorzScrollThumb]\nImage=top.bmp\nFrameCount=-7\n"
      "[Button0]\nButtonImage=top.bmp\nframe=2147483647\n"
      "[Colours]\nButtonFace=99999999999 1 2\n";
  TBitmap top = Solid(9, 3, 0);
  SetPixel(top, 3, 1, 0x123456);
  odd.Add("top.bmp", top);
  const TSkinElementTable& e = Load(odd);  // a later good load still works
  EXPECT_EQ(data_->ColourTable().Colours[ciBorder], 0x123456);  // a bad frame count counts as one
  ASSERT_TRUE(e.HorzScrollThumb);
  EXPECT_EQ(e.HorzScrollThumb->FrameCount, -7);
  ASSERT_TRUE(e.MenuBar);
  EXPECT_TRUE(e.MenuBar->Image.Empty());
  EXPECT_EQ(e.MenuBar->Margins.Left, 99999);
  EXPECT_EQ(e.SysButtons[0]->FrameCount, 2147483647);
  EXPECT_EQ(data_->ColourTable().Colours[ciButtonFace], Rgb(99999999999 % 256, 1, 2));
}

}  // namespace

// The skin check's names are the engine's: loading each shipped skin asks for no section or key
// that the check would call unknown, so a key the loader learns must be taught to the check too.
TEST(ElementModelNames, EveryLookUpOfTheLoaderIsANameTheSkinCheckKnows) {
  for (const char* path : {SLATE_SKIN, EMBER_SKIN}) {
    SCOPED_TRACE(path);
    std::ifstream file(path, std::ios::binary);
    TMemoryStream compressed(std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {}));
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadPackage(compressed));
    TMemoryStream entry;
    std::string name;
    reader.ExtractEntryContaining(".ini", entry, name);
    TQuickIni ini;
    ini.LoadFromStream(std::string(entry.Contents().begin(), entry.Contents().end()));
    std::vector<std::string> unknown;
    size_t lookUps = 0;
    ini.SetLookupObserver([&](const std::string& section, const std::string& key) {
      ++lookUps;
      const TKnownSection* known = FindKnownSection(section);
      if (!known || !FindKnownKey(*known, key))
        unknown.push_back("[" + section + "] " + key);
    });
    TSkinElementTable elements;
    TSkinColours colours;
    TSkinElementLoader(ini, reader, elements, colours).ApplyDescription();
    EXPECT_GT(lookUps, 200u);
    EXPECT_EQ(unknown, std::vector<std::string>{});
  }
}
