// What the skinners paint: pixels of real controls against the skin's pictures, for every state,
// and skins made to break them.

#include "controls_fixture.h"

#include "skin/model/bitmap_utils.h"
#include "skin/model/memory_dc.h"

namespace controls_test {
namespace {

COLORREF Centre(const TBitmap& picture) {
  return PicturePixel(picture, picture.Width() / 2, picture.Height() / 2);
}

// A strip of COUNT square frames of SIZE pixels, frame i filled with StripColour(i).
COLORREF StripColour(int frame) {
  return RGB(20 * frame, 250 - 20 * frame, 60);
}
TBitmap SolidStrip(int count, int size) {
  TBitmap strip(count * size, size);
  TMemoryDC dc(strip.Handle());
  for (int i = 1; i <= count; ++i) {
    HBRUSH brush = CreateSolidBrush(StripColour(i));
    const RECT r{(i - 1) * size, 0, i * size, size};
    FillRect(dc.Get(), &r, brush);
    DeleteObject(brush);
  }
  return strip;
}

void RepaintNow(TWinControl& control) {
  RedrawWindow(control.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

TEST_F(ControlsTest, AButtonShowsTheFrameOfEachStateAndStillClicks) {
  TSkinData& data = Start();
  TButton& button = Place<TButton>(*form_, 20, 20, 90, 28, "State");
  TButton& focusTaker = Place<TButton>(*form_, 20, 60, 90, 28, "Focus");
  int clicks = 0;
  button.OnClick = [&](TComponent*) { ++clicks; };
  ShowAndSkin();
  const TDataSkinButton& element = data.Elements().Buttons;
  ASSERT_EQ(element.FrameCount, 5);
  const POINT at = DistinctFramePoint(element, 90, 28, {1, 2, 3, 4, 5});
  ASSERT_GE(at.x, 0) << "the skin's frames must differ somewhere";
  const auto expected = [&](int frame) { return ElementPixel(element, 5, frame, 90, 28, at.x, at.y); };
  HWND handle = button.Handle();
  const struct {
    const char* state;
    std::function<void()> enter;
    int frame;
  } cases[] = {
      {"normal", [&] { SetFocus(focusTaker.Handle()); }, 1},
      {"hot", [&] { SendMessageA(handle, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)); }, 4},
      {"pressed", [&] { SendMessageA(handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); }, 2},
      {"released", [&] { SendMessageA(handle, WM_LBUTTONUP, 0, MAKELPARAM(5, 5)); }, 4},
      {"left", [&] { SendMessageA(handle, WM_MOUSELEAVE, 0, 0); SetFocus(focusTaker.Handle()); }, 1},
      {"default", [&] { button.SetDefault(true); }, 5},
      {"disabled default", [&] { button.SetEnabled(false); }, 3},
  };
  for (const auto& c : cases) {
    c.enter();
    RepaintNow(button);
    EXPECT_EQ(WindowPixel(handle, at.x, at.y), expected(c.frame)) << c.state;
  }
  EXPECT_EQ(clicks, 1) << "the press and release in between clicked once";
}

// The caption's first "||" is a line break: the text takes two lines' height, not three.
TEST_F(ControlsTest, TheFirstDoubleBarOfACaptionBreaksTheLineOnce) {
  Start();
  TButton& button = Place<TButton>(*form_, 20, 20, 120, 70, "");
  ShowAndSkin();
  const auto textRows = [&](const std::string& caption) {
    button.SetCaption("");
    RepaintNow(button);
    std::vector<COLORREF> empty;
    for (int y = 0; y < 70; ++y)
      for (int x = 20; x < 100; ++x)
        empty.push_back(WindowPixel(button.Handle(), x, y));
    button.SetCaption(caption);
    RepaintNow(button);
    int rows = 0;
    for (int y = 0; y < 70; ++y) {
      bool text = false;
      for (int x = 20; x < 100 && !text; ++x)
        text = WindowPixel(button.Handle(), x, y) != empty[static_cast<size_t>(y * 80 + x - 20)];
      rows += text;
    }
    return rows;
  };
  const int oneLine = textRows("ab cd");
  const int twoLines = textRows("ab||cd");
  const int stillTwo = textRows("a||b||c");
  ASSERT_GT(oneLine, 0);
  EXPECT_GT(twoLines, oneLine * 3 / 2);
  EXPECT_EQ(stillTwo, twoLines);
}

TEST_F(ControlsTest, ACheckBoxShowsTheMarkFrameOfItsStateInStripsOfTwelveAndOfFour) {
  TSkinData& data = Start();
  TCheckBox& box = Place<TCheckBox>(*form_, 20, 20, 150, 24, "Mark");
  ShowAndSkin();
  TDataSkinButton& element = data.Elements().Buttons;
  ASSERT_EQ(element.CheckFrameCount, 12);
  // The skin's own strip first: a ticked box shows its frame 5.
  box.SetChecked(true);
  RepaintNow(box);
  const int w = element.CheckImage.Width() / 12, h = element.CheckImage.Height();
  TBitmap frame5(w, h);
  {
    TMemoryDC dc(frame5.Handle());
    DrawSkinFrame(dc.Get(), {0, 0, w, h}, element.CheckImage, false, 12, 5);
  }
  EXPECT_EQ(WindowPixel(box.Handle(), w / 2, (24 - h) / 2 + h / 2), Centre(frame5));

  for (int count : {12, 4}) {
    element.CheckImage = SolidStrip(count, 13);
    element.CheckFrameCount = count;
    SkinnerOf(box)->SkinChanged();
    const struct {
      TCheckBoxState state;
      bool enabled;
      int frame12, frame4;
    } cases[] = {
        {TCheckBoxState::cbUnchecked, true, 1, 1},  {TCheckBoxState::cbChecked, true, 5, 2},
        {TCheckBoxState::cbUnchecked, false, 4, 3}, {TCheckBoxState::cbChecked, false, 8, 4},
        {TCheckBoxState::cbGrayed, true, 9, 4},     {TCheckBoxState::cbGrayed, false, 12, 4},
    };
    for (const auto& c : cases) {
      box.SetEnabled(c.enabled);
      box.SetState(c.state);
      RepaintNow(box);
      const int frame = count == 12 ? c.frame12 : c.frame4;
      EXPECT_EQ(WindowPixel(box.Handle(), 6, 12), StripColour(frame))
          << count << " frames, state " << static_cast<int>(c.state) << " enabled " << c.enabled;
    }
  }
  // With the caption on the left, the mark sits at the right edge.
  box.SetEnabled(true);
  box.SetState(TCheckBoxState::cbChecked);
  SetWindowLongA(box.Handle(), GWL_STYLE, GetWindowLongA(box.Handle(), GWL_STYLE) | BS_LEFTTEXT);
  RepaintNow(box);
  EXPECT_EQ(WindowPixel(box.Handle(), 150 - 7, 12), StripColour(2));
  EXPECT_NE(WindowPixel(box.Handle(), 6, 12), StripColour(2));
}

TEST_F(ControlsTest, AGroupBoxDrawsARoundedFrameThatItsCaptionInterrupts) {
  TSkinData& data = Start();
  TGroupBox& captioned = Place<TGroupBox>(*form_, 10, 10, 160, 100, "Caption");
  TGroupBox& bare = Place<TGroupBox>(*form_, 180, 10, 160, 100, "");
  ShowAndSkin();
  const COLORREF shadow = static_cast<COLORREF>(ResolveColour(data.ColourTable().Colours[ciButtonShadow]));
  SIZE zero{};
  {
    TWindowDC dc(captioned.Handle(), false);
    TSelectObject font(dc.Get(), captioned.FontHandle());
    GetTextExtentPoint32A(dc.Get(), "0", 1, &zero);
  }
  const int line = zero.cy / 2 - 1;
  for (TGroupBox* box : {&captioned, &bare}) {
    EXPECT_EQ(WindowPixel(box->Handle(), 1, 50), shadow) << "left side";
    EXPECT_EQ(WindowPixel(box->Handle(), 80, 98), shadow) << "bottom";
    EXPECT_EQ(WindowPixel(box->Handle(), 80, 50), static_cast<COLORREF>(ResolveColour(data.ColourTable().Colours[ciButtonFace])));
  }
  EXPECT_EQ(WindowPixel(bare.Handle(), 40, line), shadow) << "an empty caption leaves the top line whole";
  EXPECT_NE(WindowPixel(captioned.Handle(), 9, line), shadow) << "the caption covers the line";
}

// A skin made to break the skinners: the controls go on working and paint what they can.
TEST_F(ControlsTest, BrokenButtonPicturesAndExtremeSizesNeitherCrashNorStopTheControls) {
  const struct {
    const char* what;
    std::function<void(TDataSkinButton&)> spoil;
  } cases[] = {
      {"no picture", [](TDataSkinButton& b) { b.Image = TBitmap(); }},
      {"narrower than its frames", [](TDataSkinButton& b) { b.Image = SolidStrip(1, 3); }},
      {"huge margins", [](TDataSkinButton& b) { b.Margins = {1000, 1000, 1000, 1000}; }},
      {"check frames not dividing", [](TDataSkinButton& b) { b.CheckFrameCount = 7; }},
      {"no check picture", [](TDataSkinButton& b) { b.CheckImage = TBitmap(); }},
      {"zero check frames", [](TDataSkinButton& b) { b.CheckFrameCount = 0; b.CheckImage = SolidStrip(1, 2); }},
  };
  for (const auto& c : cases) {
    TSkinData& data = Start();
    c.spoil(data.Elements().Buttons);
    TButton& button = Place<TButton>(*form_, 20, 20, 90, 28, "Broken");
    TCheckBox& box = Place<TCheckBox>(*form_, 20, 60, 150, 24, "Broken");
    int clicks = 0;
    button.OnClick = [&](TComponent*) { ++clicks; };
    ShowAndSkin();
    SendMessageA(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(button.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    SendMessageA(box.Handle(), BM_CLICK, 0, 0);
    for (SIZE size : {SIZE{0, 0}, SIZE{40000, 30}}) {
      button.SetBounds(20, 20, size.cx, size.cy);
      box.SetBounds(20, 60, size.cx, size.cy);
      RepaintNow(button);
      RepaintNow(box);
    }
    Pump(20);
    EXPECT_EQ(clicks, 1) << c.what;
    EXPECT_TRUE(box.Checked()) << c.what;
    form_.reset();
    Pump(20);
    skinData_.reset();
    DestroySkinManager();
  }
}

TEST_F(ControlsTest, SkinningSwitchedOffGivesEveryControlTheSystemLookAndOnAgainTheSkins) {
  TSkinData& data = Start();
  TButton& button = Place<TButton>(*form_, 20, 20, 90, 28, "Off");
  TCheckBox& box = Place<TCheckBox>(*form_, 20, 60, 150, 24, "Off");
  ShowAndSkin();
  const COLORREF skinned = WindowPixel(button.Handle(), 45, 1);
  for (int round = 0; round < 2; ++round) {
    data.SetActive(false);
    ASSERT_TRUE(PumpUntil([&] { return Manager().FormSkinnerCount() == 0; }));
    RepaintNow(button);
    EXPECT_EQ(SendMessageA(button.Handle(), SKM_ISSKINNED, 0, 0), 0);
    EXPECT_EQ(SendMessageA(box.Handle(), SKM_ISSKINNED, 0, 0), 0);
    EXPECT_NE(WindowPixel(button.Handle(), 45, 1), skinned);
    data.SetActive(true);
    ASSERT_TRUE(PumpUntil([&] { return Manager().FormSkinnerCount() == 1; }));
    Pump(50);
    RepaintNow(button);
    EXPECT_EQ(SendMessageA(button.Handle(), SKM_ISSKINNED, 0, 0), 1);
    EXPECT_EQ(SendMessageA(box.Handle(), SKM_ISSKINNED, 0, 0), 1);
    EXPECT_EQ(WindowPixel(button.Handle(), 45, 1), skinned);
  }
}

}  // namespace
}  // namespace controls_test
