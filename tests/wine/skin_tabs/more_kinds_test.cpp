// The glyph-strip check boxes, the old-style tab set, the add-on page control and the media
// player's overlay: what each is handed or paints from the skin, how it follows its control, and
// skins that lack the pictures.

#include "tabs_fixture.h"

#include "framework/glyph_check.h"
#include "framework/published.h"
#include "framework/media_player.h"
#include "framework/picture_page_control.h"
#include "framework/tab_set.h"
#include "framework/up_down.h"
#include "live_gdi_objects.h"
#include "skin/controls/skin_media_player.h"
#include "skin/controls/skin_obj_image.h"
#include "skin/controls/skin_tab_set.h"
#include "skin/controls/skin_tabs.h"

namespace tabs_test {
namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

// A left click at a point of WINDOW's client area, posted as the mouse posts it.
void ClickAt(HWND window, int x, int y) {
  const LPARAM at = MAKELPARAM(x, y);
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(window, WM_LBUTTONUP, 0, at);
  frame_test::Pump(20);
}

// The centre pixel of image INDEX of a strip of COUNT.
COLORREF StripImagePixel(const TBitmap& strip, int count, int index) {
  const int width = strip.Width() / count;
  return frame_test::PicturePixel(strip, index * width + width / 2, strip.Height() / 2);
}

class TRzCheckBox : public TGlyphCheckBox {
public:
  using TGlyphCheckBox::TGlyphCheckBox;
  const char* ClassName() const override { return "TRzCheckBox"; }
};

class TRzRadioButton : public TGlyphCheckBox {
public:
  explicit TRzRadioButton(TComponent* owner) : TGlyphCheckBox(owner) { SetRadioItem(true); }
  const char* ClassName() const override { return "TRzRadioButton"; }
};

class TcxCheckBox : public TGlyphCheckBox {
public:
  using TGlyphCheckBox::TGlyphCheckBox;
  const char* ClassName() const override { return "TcxCheckBox"; }
};

// The classes above, entered in the class tree with the properties of the framework's glyph
// check box, as a program that uses them does.
void RegisterStripClasses() {
  if (FindPublishedClass("TRzCheckBox"))
    return;
  const TPublishedClass* base = FindPublishedClass("TGlyphCheckBox");
  ASSERT_NE(base, nullptr);
  for (const char* name : {"TRzCheckBox", "TRzRadioButton", "TcxCheckBox"})
    RegisterPublishedClass({name, "TGlyphCheckBox", {}, base->Properties});
}

// ---- Glyph strips --------------------------------------------------------------------------

TEST(GlyphStrip, EachImageComesFromTheSkinFrameOfItsState) {
  const int kNone = 0;  // left magenta
  const struct {
    const char* what;
    int mode, frames;
    std::vector<int> sources;  // the skin frame of each image
  } cases[] = {
      {"check, five frames", gmCheckStrip, 5, {1, 2, 5, 1, 2, 5, 3, 4, 5}},
      {"check, four frames", gmCheckStrip, 4, {1, 2, kNone, 1, 2, kNone, 3, 4, kNone}},
      {"radio, four frames", gmRadioStrip, 4, {1, 2, 1, 2, 3, 4}},
      {"properties glyph, five frames", gmPropertiesGlyph, 5, {1, 2, 5, 1, 2, 5}},
      {"properties glyph, two frames", gmPropertiesGlyph, 2, {1, 2, kNone, 1, 2, kNone}},
      {"check, four frames per state", gmCheckStrip, 12, {1, 5, 9, 2, 6, 10, 4, 8, 12}},
      {"radio, four frames per state", gmRadioStrip, 8, {1, 5, 2, 6, 4, 8}},
      {"properties glyph, four frames per state", gmPropertiesGlyph, 12, {1, 5, 9, 2, 6, 10}},
      {"radio of twelve frames: the first four", gmRadioStrip, 12, {1, 2, 1, 2, 3, 4}},
  };
  for (const auto& c : cases) {
    const TBitmap strip = BuildGlyphStrip(c.mode, SolidStrip(c.frames, 13, 13), c.frames);
    const int count = static_cast<int>(c.sources.size());
    ASSERT_EQ(strip.Width(), 13 * count) << c.what;
    ASSERT_EQ(strip.Height(), 13) << c.what;
    for (int i = 0; i < count; ++i) {
      const int source = c.sources[static_cast<size_t>(i)];
      EXPECT_EQ(StripImagePixel(strip, count, i), source ? StripColour(source) : kMagenta) << c.what << ", image " << i;
    }
  }
}

TEST(GlyphStrip, NothingIsBuiltFromAMissingPictureOrAnUnknownMode) {
  const struct {
    const char* what;
    int mode, frames;
    bool picture;
  } cases[] = {
      {"empty picture", gmCheckStrip, 5, false},
      {"no frames", gmCheckStrip, 0, true},
      {"more frames than pixels", gmRadioStrip, 100, true},
      {"mode 0", 0, 5, true},
      {"mode 4", 4, 5, true},
  };
  for (const auto& c : cases)
    EXPECT_TRUE(BuildGlyphStrip(c.mode, c.picture ? SolidStrip(5, 13, 13) : TBitmap(), c.frames).Empty()) << c.what;
}

TEST_F(TabsTest, GlyphStripControlsAreFoundByClassAndGivenTheSkinsStrip) {
  RegisterStripClasses();
  TSkinData& data = Start();
  TDataSkinButton& buttons = data.Elements().Buttons;
  buttons.CheckImage = SolidStrip(5, 13, 13);
  buttons.CheckFrameCount = 5;
  buttons.RadioImage = SolidStrip(4, 13, 13);
  buttons.RadioFrameCount = 4;
  auto& check = Place<TRzCheckBox>(*form_, 10, 10, 120, 18, "Check");
  check.SetChecked(true);
  auto& radio = Place<TRzRadioButton>(*form_, 10, 30, 120, 18, "Radio");
  auto& own = Place<TcxCheckBox>(*form_, 10, 50, 120, 18, "Own");
  auto& plain = Place<TGlyphCheckBox>(*form_, 10, 70, 120, 18, "Plain");
  ShowAndSkin();
  const struct {
    TGlyphCheckBox& control;
    const char* kind;
    int images;         // in the strip it was handed, 0 for none
    bool inProperties;  // handed to its Properties' glyph
    COLORREF mark;      // painted at the mark's centre
  } cases[] = {
      {check, "TSkinObjImage", 9, false, StripColour(2)},
      {radio, "TSkinObjImage", 6, false, StripColour(1)},
      {own, "TSkinObjImage", 6, true, StripColour(1)},
      {plain, "none", 0, false, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(KindOf(c.control), c.kind) << c.control.Caption();
    const TGlyph& strip = c.inProperties ? *c.control.Properties()->Glyph() : *c.control.CustomGlyphs();
    EXPECT_EQ(strip.Empty(), c.images == 0) << c.control.Caption();
    if (c.images == 0)
      continue;
    EXPECT_EQ(strip.Bitmap().Width(), 13 * c.images) << c.control.Caption();
    EXPECT_EQ(c.control.UseCustomGlyphs(), !c.inProperties) << c.control.Caption();
    EXPECT_EQ(c.control.TransparentColor(), static_cast<int>(kMagenta)) << c.control.Caption();
    RepaintNow(c.control.Handle());
    EXPECT_EQ(WindowPixel(c.control.Handle(), 6, 9), c.mark) << c.control.Caption() << ": the painted mark";
  }
}

TEST_F(TabsTest, AGlyphStripSkinnerGivesTheControlsLookBackWhenDetachedAndLeavesItWithoutPictures) {
  // Without those kinds discovery leaves the controls alone, and the test attaches by hand.
  TSkinControls kinds = EveryKind();
  kinds.Exclude(xcCheckBox);
  kinds.Exclude(xcRadioButton);
  TSkinData& data = Start(kinds);
  data.Elements().Buttons.CheckImage = SolidStrip(5, 13, 13);
  data.Elements().Buttons.CheckFrameCount = 5;
  auto& strip = Place<TGlyphCheckBox>(*form_, 10, 10, 120, 18, "Strip");
  auto& own = Place<TGlyphCheckBox>(*form_, 10, 30, 120, 18, "Own");
  auto& bare = Place<TGlyphCheckBox>(*form_, 10, 50, 120, 18, "Bare");
  ShowAndSkin();
  TSkinnerSettings stripMode, ownMode;
  stripMode.GlyphMode = gmCheckStrip;
  ownMode.GlyphMode = gmPropertiesGlyph;
  auto& stripSkinner = AttachFramework<TSkinObjImage>(TSkinnerKind::skObjImage, strip, stripMode);
  auto& ownSkinner = AttachFramework<TSkinObjImage>(TSkinnerKind::skObjImage, own, ownMode);
  ASSERT_TRUE(strip.UseCustomGlyphs());
  ASSERT_FALSE(own.Properties()->Glyph()->Empty());
  stripSkinner.Detach();
  ownSkinner.Detach();
  EXPECT_FALSE(strip.UseCustomGlyphs()) << "the strip is switched off";
  EXPECT_TRUE(own.Properties()->Glyph()->Empty()) << "the glyph is taken away";

  data.Elements().Buttons.CheckImage = TBitmap();
  AttachFramework<TSkinObjImage>(TSkinnerKind::skObjImage, bare, stripMode);
  EXPECT_FALSE(bare.UseCustomGlyphs()) << "a skin without the picture leaves the system look";
  EXPECT_TRUE(bare.CustomGlyphs()->Empty());
}

// ---- Old-style tab set ------------------------------------------------------------------------

TEST_F(TabsTest, ATabSetIsPaintedFromTheTabsPictureAndAClickOnAPaintedTabChoosesIt) {
  TSkinData& data = Start();
  auto& tabs = Place<TTabSet>(*form_, 10, 150, 330, 21);
  tabs.SetTabs({"First", "Second", "Third", "Fourth"});
  ShowAndSkin();
  MakeSolid(*data.Elements().Tabs, 2);
  EXPECT_EQ(KindOf(tabs), "TSkinTab31");
  SkinnerOf(tabs)->SkinChanged();
  // Each tab takes its text's width and 18 pixels, from the start margin on.
  std::vector<int> starts;
  {
    HDC dc = GetDC(tabs.Handle());
    HGDIOBJ old = SelectObject(dc, tabs.FontHandle() ? tabs.FontHandle() : GetStockObject(DEFAULT_GUI_FONT));
    int x = tabs.StartMargin();
    for (const std::string& text : tabs.Tabs()) {
      starts.push_back(x);
      SIZE extent{};
      GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
      x += extent.cx + 18;
    }
    SelectObject(dc, old);
    ReleaseDC(tabs.Handle(), dc);
  }
  for (int chosen : {0, 2, 3}) {
    tabs.SetTabIndex(chosen);
    RepaintNow(tabs.Handle());
    for (int i = 0; i < 4; ++i)
      EXPECT_EQ(WindowPixel(tabs.Handle(), starts[static_cast<size_t>(i)] + 2, 2), StripColour(i == chosen ? 2 : 1))
          << "tab " << i << " with tab " << chosen << " chosen";
    // A click just inside either end of a painted tab lands on that tab.
    const int target = (chosen + 1) % 4;
    const int end = target < 3 ? starts[static_cast<size_t>(target) + 1] : starts[3] + 30;
    for (int x : {starts[static_cast<size_t>(target)] + 5, end - 5}) {
      tabs.SetTabIndex(chosen);
      ClickAt(tabs.Handle(), x, 10);
      EXPECT_EQ(tabs.TabIndex(), target) << "clicked the painted tab " << target << " at " << x;
    }
  }
}

TEST_F(TabsTest, ATabSetWithTooManyTabsOrNoneOrNoPictureStillPaints) {
  TSkinData& data = Start();
  auto& tabs = Place<TTabSet>(*form_, 10, 150, 200, 21);
  tabs.SetEndMargin(20);
  ShowAndSkin();
  MakeSolid(*data.Elements().Tabs, 2);
  SkinnerOf(tabs)->SkinChanged();
  const COLORREF face = SkinColourOf(data, ciButtonFace);
  std::vector<std::string> many;
  for (int i = 0; i < 200; ++i)
    many.push_back("Tab " + std::to_string(i));
  const struct {
    const char* what;
    std::vector<std::string> tabs;
  } cases[] = {{"200 tabs", many}, {"no tab", {}}};
  for (const auto& c : cases) {
    tabs.SetTabs(c.tabs);
    RepaintNow(tabs.Handle());
    EXPECT_EQ(WindowPixel(tabs.Handle(), 199 - 10, 10), face) << c.what << ": the end margin stays free";
  }
  data.Elements().Tabs->Image = TBitmap();
  SkinnerOf(tabs)->SkinChanged();
  tabs.SetTabs({"Alone"});
  RepaintNow(tabs.Handle());
  EXPECT_EQ(WindowPixel(tabs.Handle(), 150, 10), GetSysColor(COLOR_BTNSHADOW)) << "its own look without a picture";
}

TEST_F(TabsTest, ATabSetsScrollArrowsAreSkinnedAndNoTabIsDrawnUnderThem) {
  TSkinData& data = Start();
  auto& tabs = Place<TTabSet>(*form_, 10, 150, 200, 21);
  // The tab set's first owned component is its scroller.
  auto* arrows = new TUpDown(&tabs);
  arrows->SetBounds(250, 150, 30, 21);
  arrows->SetParent(form_.get());
  tabs.SetTabs({"Tab", "Tab", "Tab", "Tab"});
  ShowAndSkin();
  MakeSolid(*data.Elements().Tabs, 2);
  tabs.SetTabIndex(-1);
  SkinnerOf(tabs)->SkinChanged();
  EXPECT_EQ(SendMessageA(arrows->Handle(), SKM_ISSKINNED, 0, 0), 1) << "the arrows wear the skin";
  // Three tabs fill the strip exactly, up to its end margin; the arrows' 12 pixels push the
  // third out.
  SIZE text{};
  {
    HDC dc = GetDC(tabs.Handle());
    HGDIOBJ old = SelectObject(dc, tabs.FontHandle() ? tabs.FontHandle() : GetStockObject(DEFAULT_GUI_FONT));
    GetTextExtentPoint32A(dc, "Tab", 3, &text);
    SelectObject(dc, old);
    ReleaseDC(tabs.Handle(), dc);
  }
  const int width = tabs.StartMargin() + 3 * (text.cx + 18) + tabs.EndMargin();
  tabs.SetBounds(10, 150, width, 21);
  const int probe = width - tabs.EndMargin() - 4;
  const struct {
    bool arrowsShown;
    COLORREF atTheEnd;
  } cases[] = {{true, SkinColourOf(data, ciButtonFace)}, {false, StripColour(1)}, {true, SkinColourOf(data, ciButtonFace)}};
  for (const auto& c : cases) {
    arrows->SetVisible(c.arrowsShown);
    RepaintNow(tabs.Handle());
    EXPECT_EQ(WindowPixel(tabs.Handle(), probe, 10), c.atTheEnd) << (c.arrowsShown ? "arrows shown" : "no arrows");
  }
}

// ---- Add-on page control ---------------------------------------------------------------------

TEST_F(TabsTest, AnAddOnPageControlIsHandedTabBackgroundsFromTheTabsPicture) {
  TSkinData& data = Start();
  data.SetSkin3rd({"TPicturePageControl=advpagecontrol"});
  auto& pages = Place<TPicturePageControl>(*form_, 10, 10, 200, 100);
  for (const char* caption : {"One", "Two"})
    Place<TTabSheet>(pages, 0, 0, 0, 0, caption);
  MakeSolid(*data.Elements().Tabs, 2);
  ShowAndSkin();
  EXPECT_EQ(KindOf(pages), "TSkinAdvPage");
  const struct {
    const TGlyph& picture;
    COLORREF colour;
  } cases[] = {{*pages.TabBackGround(), StripColour(1)}, {*pages.TabBackGroundActive(), StripColour(2)}};
  for (const auto& c : cases) {
    ASSERT_FALSE(c.picture.Empty());
    EXPECT_EQ(c.picture.Bitmap().Width(), kAddOnTabWidth);
    EXPECT_EQ(c.picture.Bitmap().Height(), kAddOnTabHeight);
    EXPECT_EQ(frame_test::PicturePixel(c.picture.Bitmap(), 50, 10), c.colour);
  }
  RECT tab{};
  SendMessageA(pages.Handle(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tab));
  RepaintNow(pages.Handle());
  EXPECT_EQ(WindowPixel(pages.Handle(), tab.left + 3, (tab.top + tab.bottom) / 2), StripColour(2))
      << "the active tab is painted over its picture";
  SkinnerOf(pages)->Detach();
  EXPECT_TRUE(pages.TabBackGround()->Empty());
  EXPECT_TRUE(pages.TabBackGroundActive()->Empty());
}

// ---- Tab scroll arrows -----------------------------------------------------------------------

TEST_F(TabsTest, TheScrollArrowsOfOverflowingTabsAreSkinnedOnceTheControlMakesThem) {
  Start();
  ShowAndSkin();
  HWND tabs = Native(WC_TABCONTROLA, 0, 10, 10, 200, 80);
  auto& skinner = AttachNative<TSkinTab>(TSkinnerKind::skTab, tabs);
  const auto addTabs = [&](int count) {
    for (int i = 0; i < count; ++i) {
      char text[] = "Overflowing tab";
      TCITEMA item{};
      item.mask = TCIF_TEXT;
      item.pszText = text;
      SendMessageA(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    RepaintNow(tabs);
  };
  addTabs(1);
  EXPECT_EQ(FindWindowExA(tabs, nullptr, "msctls_updown32", nullptr), nullptr) << "one tab fits";
  addTabs(20);
  HWND arrows = FindWindowExA(tabs, nullptr, "msctls_updown32", nullptr);
  ASSERT_NE(arrows, nullptr) << "the control shows arrows when its tabs overflow";
  EXPECT_EQ(SendMessageA(arrows, SKM_ISSKINNED, 0, 0), 1);
  EXPECT_TRUE(skinner.IsActive());
  DestroyWindow(tabs);
}

// ---- Media player ----------------------------------------------------------------------------

TEST_F(TabsTest, AMediaPlayersOverlayFollowsThePlayerAndHandsItClicksThatEndWhereTheyBegan) {
  TSkinData& data = Start();
  MakeSolid(data.Elements().Buttons, 4);
  auto& player = Place<TMediaPlayer>(*form_, 10, 10, 200, 30);
  player.SetVisibleButtons({"btPlay", "btPause", "btStop", "btRecord"});
  player.SetEnabledButtons({"btPlay", "btPause", "btStop"});
  std::vector<TMPBtnType> clicked;
  player.OnClick = [&](TComponent*, TMPBtnType button) { clicked.push_back(button); };
  ShowAndSkin();
  ASSERT_EQ(KindOf(player), "TSkinMP");
  auto* skinner = dynamic_cast<TSkinMP*>(SkinnerOf(player));
  TWMediaPlayer* overlay = skinner->PlayerOverlay();
  ASSERT_NE(overlay, nullptr);
  EXPECT_EQ(overlay->Tag(), data.DisableTag());
  HWND over = overlay->Handle();
  EXPECT_TRUE(IsWindowVisible(over));

  RepaintNow(over);
  EXPECT_EQ(overlay->ButtonWidth(), 50);
  const struct {
    int x;
    COLORREF face;
  } faces[] = {{2, StripColour(1)}, {52, StripColour(1)}, {152, StripColour(3)}};
  for (const auto& f : faces)
    EXPECT_EQ(WindowPixel(over, f.x, 2), f.face) << "button at " << f.x;

  const struct {
    const char* what;
    int down, up;
    std::vector<TMPBtnType> clicks;
  } presses[] = {
      {"press and release on pause", 75, 80, {TMPBtnType::btPause}},
      {"press on play, release on stop", 25, 125, {}},
      {"press on the disabled record", 175, 175, {}},
      {"press and release on stop", 110, 140, {TMPBtnType::btStop}},
  };
  for (const auto& p : presses) {
    clicked.clear();
    SendMessageA(over, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.down, 15));
    EXPECT_TRUE(overlay->Tracking()) << p.what;
    EXPECT_EQ(overlay->PressedButton(), p.down / 50) << p.what;
    SendMessageA(over, WM_LBUTTONUP, 0, MAKELPARAM(p.up, 15));
    EXPECT_FALSE(overlay->Tracking()) << p.what;
    EXPECT_EQ(clicked, p.clicks) << p.what;
  }

  player.SetBounds(30, 60, 180, 24);
  Pump(20);
  EXPECT_EQ(overlay->Left(), 30);
  EXPECT_EQ(overlay->Top(), 60);
  EXPECT_EQ(overlay->Width(), 180);
  player.SetVisible(false);
  Pump(20);
  EXPECT_FALSE(IsWindowVisible(over)) << "hidden with the player";
  player.SetVisible(true);
  Pump(20);
  EXPECT_TRUE(IsWindowVisible(over)) << "shown with the player";
  skinner->Detach();
  EXPECT_EQ(skinner->PlayerOverlay(), nullptr);
  EXPECT_FALSE(IsWindow(over)) << "the overlay goes when the skinner lets go";
}

TEST_F(TabsTest, AMediaPlayerWithNoButtonShownIsAFaceColouredBar) {
  TSkinData& data = Start();
  auto& player = Place<TMediaPlayer>(*form_, 10, 10, 200, 30);
  player.SetVisibleButtons({});
  ShowAndSkin();
  auto* skinner = dynamic_cast<TSkinMP*>(SkinnerOf(player));
  ASSERT_NE(skinner, nullptr);
  HWND over = skinner->PlayerOverlay()->Handle();
  RepaintNow(over);
  EXPECT_EQ(WindowPixel(over, 100, 15), SkinColourOf(data, ciButtonFace));
  SendMessageA(over, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 15));
  SendMessageA(over, WM_LBUTTONUP, 0, MAKELPARAM(100, 15));
  EXPECT_EQ(skinner->PlayerOverlay()->PressedButton(), TWMediaPlayer::kNoButton);
}

// ---- Resources -------------------------------------------------------------------------------

TEST_F(TabsTest, RepaintingTheseKindsLeavesNoGdiObjectBehind) {
  RegisterStripClasses();
  TSkinData& data = Start();
  data.SetSkin3rd({"TPicturePageControl=advpagecontrol"});
  auto& check = Place<TRzCheckBox>(*form_, 10, 10, 120, 18, "Check");
  auto& tabs = Place<TTabSet>(*form_, 10, 150, 300, 21);
  tabs.SetTabs({"First", "Second"});
  auto& pages = Place<TPicturePageControl>(*form_, 10, 40, 200, 100);
  Place<TTabSheet>(pages, 0, 0, 0, 0, "Page");
  auto& player = Place<TMediaPlayer>(*form_, 220, 10, 120, 30);
  ShowAndSkin();
  auto* overlay = dynamic_cast<TSkinMP*>(SkinnerOf(player));
  ASSERT_NE(overlay, nullptr);
  const struct {
    const char* what;
    HWND window;
  } cases[] = {{"glyph-strip check box", check.Handle()},
               {"tab set", tabs.Handle()},
               {"add-on page control", pages.Handle()},
               {"media player's overlay", overlay->PlayerOverlay()->Handle()}};
  for (const auto& c : cases) {
    for (int i = 0; i < 5; ++i)
      RepaintNow(c.window);
    const int before = LiveGdiObjects();
    for (int i = 0; i < 100; ++i)
      RepaintNow(c.window);
    EXPECT_EQ(LiveGdiObjects(), before) << c.what;
  }
}

}  // namespace
}  // namespace tabs_test
