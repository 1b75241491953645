// The status-bar skinner: panels framed from the skin (or by 3-D lines without it), the last
// panel reaching the right edge, empty panels framed, the size grip, and the stand-alone grip.

#include "tabs_fixture.h"

#include "framework/status_bar.h"
#include "skin/controls/skin_status_bar.h"

namespace tabs_test {
namespace {

// Pixels of RECT in WINDOW that differ from BACKGROUND: the ink of a text.
int InkIn(HWND window, const RECT& rect, COLORREF background) {
  int ink = 0;
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x)
      ink += WindowPixel(window, x, y) != background;
  return ink;
}

TEST_F(TabsTest, StatusPanelsAreFramedTheLastReachesTheEdgeAndTextsAreReadable) {
  TSkinData& data = Start();
  TStatusBar& bar = Place<TStatusBar>(*form_, 0, 200, 360, 22);
  bar.SetPanelWidths({120, 100});
  ShowAndSkin();
  ASSERT_EQ(KindOf(bar), "TSkinStatusBar");
  MakeSolid(*data.Elements().StatusBarEdges, 3);
  HWND window = bar.Handle();
  const struct {
    const char* first;
    const char* second;
  } cases[] = {{"Wallpapers: 5", "C:\\pictures\\sea.jpg"}, {"", ""}, {"Only the first", ""}};
  for (const auto& c : cases) {
    bar.SetPanelText(0, c.first);
    bar.SetPanelText(1, c.second);
    RepaintNow(window);
    const struct {
      const char* where;
      int x;
    } frames[] = {{"first panel", 3}, {"second panel", 125}, {"the right edge", 358}, {"past the panels", 300}};
    for (const auto& f : frames)
      EXPECT_EQ(WindowPixel(window, f.x, 2), StripColour(1)) << f.where << " with '" << c.second << "'";
    EXPECT_EQ(InkIn(window, {2, 2, 118, 20}, StripColour(1)) > 0, *c.first != '\0') << "'" << c.first << "'";
    EXPECT_EQ(InkIn(window, {124, 2, 218, 20}, StripColour(1)) > 0, *c.second != '\0') << "'" << c.second << "'";
  }
}

// The last panel is drawn to the bar's end, past the part the control itself repaints when the
// panel's text changes: a shorter text must not leave the end of the longer one standing there.
TEST_F(TabsTest, ANewTextInTheLastPanelRepaintsItToTheBarsEnd) {
  TSkinData& data = Start();
  TStatusBar& bar = Place<TStatusBar>(*form_, 0, 200, 360, 22);
  bar.SetPanelWidths({120, 100});
  ShowAndSkin();
  MakeSolid(*data.Elements().StatusBarEdges, 3);
  HWND window = bar.Handle();
  const RECT pastThePart{224, 2, 356, 20};
  bar.SetPanelText(1, "C:\\pictures\\a folder with a long name\\the sea at dawn.bmp");
  RepaintNow(window);
  ASSERT_GT(InkIn(window, pastThePart, StripColour(1)), 0) << "the long text reaches past the part";
  bar.SetPanelText(1, "sea.bmp");
  UpdateWindow(window);  // only what the new text invalidated
  EXPECT_EQ(InkIn(window, pastThePart, StripColour(1)), 0) << "the old text's end is still shown";
}

TEST_F(TabsTest, APanelsBorderChoosesItsFrameFromTheSkinOrDrawsThreeDLinesWithout) {
  TSkinData& data = Start();
  ShowAndSkin();
  HWND bar = Native(STATUSCLASSNAMEA, CCS_NOPARENTALIGN | CCS_NORESIZE, 0, 150, 300, 22);
  const int edges[] = {100, 200, -1};
  SendMessageA(bar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
  const WPARAM types[] = {0, SBT_POPOUT, SBT_NOBORDERS};
  for (WPARAM part = 0; part < 3; ++part)
    SendMessageA(bar, SB_SETTEXTA, part | types[part], reinterpret_cast<LPARAM>(""));
  AttachNative<TSkinStatusBar>(TSkinnerKind::skStatusBar, bar);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF face = SkinColourOf(data, ciButtonFace);
  const struct {
    int part;
    int frame;                       // from the skin
    COLORREF topLeft, bottomRight;   // without it
  } cases[] = {
      {0, 1, shadow, light},
      {1, 2, light, shadow},
      {2, 3, face, face},
  };
  MakeSolid(*data.Elements().StatusBarEdges, 3);
  RepaintNow(bar);
  for (const auto& c : cases) {
    RECT r{};
    SendMessageA(bar, SB_GETRECT, static_cast<WPARAM>(c.part), reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(WindowPixel(bar, r.left + 4, r.top + 4), StripColour(c.frame)) << "part " << c.part;
  }
  data.Elements().StatusBarEdges.reset();
  RepaintNow(bar);
  for (const auto& c : cases) {
    RECT r{};
    SendMessageA(bar, SB_GETRECT, static_cast<WPARAM>(c.part), reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(WindowPixel(bar, r.left, r.top), c.topLeft) << "part " << c.part;
    EXPECT_EQ(WindowPixel(bar, r.left + 20, r.bottom - 1), c.bottomRight) << "part " << c.part;
  }
}

TEST_F(TabsTest, TheSizeGripComesFromTheSkinsExtraImagesOnlyOnBarsThatHaveOne) {
  TSkinData& data = Start();
  ShowAndSkin();
  MakeSolid(*data.Elements().StatusBarEdges, 3);
  MakeSolid(*data.Elements().ExtraImages, 6, 12, 12);
  const struct {
    const char* what;
    DWORD style;
    bool simple;
    bool grip;
  } cases[] = {
      {"with a grip", SBARS_SIZEGRIP, false, true},
      {"without", 0, false, false},
      {"simple text with a grip", SBARS_SIZEGRIP, true, true},
  };
  for (const auto& c : cases) {
    HWND bar = Native(STATUSCLASSNAMEA, CCS_NOPARENTALIGN | CCS_NORESIZE | c.style, 0, 150, 300, 22);
    if (c.simple)
      SendMessageA(bar, SB_SIMPLE, TRUE, 0);
    AttachNative<TSkinStatusBar>(TSkinnerKind::skStatusBar, bar);
    RepaintNow(bar);
    RECT client{};
    GetClientRect(bar, &client);
    const COLORREF corner = WindowPixel(bar, client.right - 1 - 6, client.bottom - 1 - 6);
    EXPECT_EQ(corner == StripColour(5), c.grip) << c.what;
    EXPECT_EQ(WindowPixel(bar, 5, 5), StripColour(1)) << c.what << ": the panel";
    DestroyWindow(bar);
  }
}

TEST_F(TabsTest, ASizeGripMadeOnASkinnedFormTakesTheFaceColourOtherScrollBarsKeepTheirLook) {
  TSkinData& data = Start();
  ShowAndSkin();
  const COLORREF face = SkinColourOf(data, ciButtonFace);
  HWND grip = Native("ScrollBar", SBS_SIZEGRIP, 300, 180, 18, 18);
  Pump(20);
  TSkinControl* skinner = Skinner(form_->Handle())->FindControlSkinner(grip);
  ASSERT_NE(skinner, nullptr);
  EXPECT_STREQ(skinner->ClassName(), "TSkinSizer");
  RepaintNow(grip);
  for (POINT at : {POINT{2, 2}, POINT{9, 9}, POINT{15, 15}})
    EXPECT_EQ(WindowPixel(grip, at.x, at.y), face) << at.x << "," << at.y;

  HWND plain = Native("ScrollBar", SBS_HORZ, 20, 180, 200, 18);
  AttachNative<TSkinSizer>(TSkinnerKind::skSizer, plain);
  RepaintNow(plain);
  int faceColoured = 0;
  for (int x = 0; x < 200; x += 4)
    faceColoured += WindowPixel(plain, x, 9) == face;
  EXPECT_LT(faceColoured, 50) << "a scroll bar that is no grip is not painted over";
}

}  // namespace
}  // namespace tabs_test
