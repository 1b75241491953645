// Progress bars, track bars and headers drawn from the skin: filled widths over odd ranges, both
// orientations, the thumb and channel pictures, lit header items, and skins lacking pictures.

#include "tabs_fixture.h"

#include "live_gdi_objects.h"
#include "skin/controls/skin_header.h"
#include "skin/controls/skin_progress.h"
#include "skin/controls/skin_status_bar.h"
#include "skin/controls/skin_tabs.h"
#include "skin/controls/skin_track_bar.h"

namespace tabs_test {
namespace {

// ---- Progress bars ---------------------------------------------------------------------------

TEST_F(TabsTest, AProgressBarFillsItsShareOfTheRangeAcrossOrUpwards) {
  TSkinData& data = Start();
  ShowAndSkin();
  MakeSolid(*data.Elements().Progress, 2);
  data.Elements().Progress->Style = 0;
  const struct {
    const char* what;
    int low, high, pos;
    bool vertical;
    int filled;  // pixels of 200
  } cases[] = {
      {"50..100 at 75", 50, 100, 75, false, 100},
      {"50..100 at 75, upright", 50, 100, 75, true, 100},
      {"empty", 0, 100, 0, false, 0},
      {"full", 0, 100, 100, false, 200},
      {"a quarter", 0, 400, 100, false, 50},
      {"a quarter, upright", 0, 400, 100, true, 50},
      {"min = max", 30, 30, 30, false, 0},
      {"min > max", 100, 50, 75, false, 0},
      {"wide range", -2000000000, 2000000000, 0, false, 100},
  };
  for (const auto& c : cases) {
    const int w = c.vertical ? 20 : 200, h = c.vertical ? 200 : 20;
    HWND bar = Native(PROGRESS_CLASSA, c.vertical ? PBS_VERTICAL : 0, 20, 10, w, h);
    SendMessageA(bar, PBM_SETRANGE32, static_cast<WPARAM>(c.low), c.high);
    SendMessageA(bar, PBM_SETPOS, static_cast<WPARAM>(c.pos), 0);
    AttachNative<TSkinProgress>(TSkinnerKind::skProgress, bar);
    RepaintNow(bar);
    // Along the bar from where it starts filling: the left end, or the bottom.
    const auto along = [&](int at) { return c.vertical ? WindowPixel(bar, 10, 199 - at) : WindowPixel(bar, at, 10); };
    if (c.filled > 0) {
      EXPECT_EQ(along(c.filled - 1), StripColour(2)) << c.what << ": the last filled pixel";
    }
    if (c.filled < 200) {
      EXPECT_EQ(along(c.filled), StripColour(1)) << c.what << ": the first empty pixel";
    }
    DestroyWindow(bar);
  }
}

TEST_F(TabsTest, TheFilledWidthRule) {
  const struct {
    int width, low, high, pos, filled;
  } cases[] = {
      {100, 50, 100, 75, 50}, {100, 0, 3, 1, 33}, {100, 0, 3, 2, 67}, {100, 0, 100, 150, 100},
      {100, 10, 100, 5, 0},   {100, 0, 0, 0, 0},  {100, -50, -10, -30, 50}, {100, 100, 50, 75, 0},
      {100, -100, 100, 0, 50},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ProgressFilledWidth(c.width, c.low, c.high, c.pos), c.filled)
        << c.low << ".." << c.high << " at " << c.pos;
}

TEST_F(TabsTest, ChunkedProgressRepeatsTheChunkOverTheFilledPartAndABarWithoutPicturesDrawsItself) {
  TSkinData& data = Start();
  ShowAndSkin();
  MakeSolid(*data.Elements().Progress, 1);
  data.Elements().Progress->Style = 1;
  TDataSkinObject& chunk = *data.Elements().ProgressChunk;
  chunk.Image = [&] {
    // A chunk of 6 pixels: 4 of colour 3 and a gap of 2 of colour 4.
    TBitmap picture = SolidStrip(1, 6, 12);
    TMemoryDC dc(picture.Handle());
    HBRUSH body = CreateSolidBrush(StripColour(3)), gap = CreateSolidBrush(StripColour(4));
    const RECT left{0, 0, 4, 12}, right{4, 0, 6, 12};
    FillRect(dc.Get(), &left, body);
    FillRect(dc.Get(), &right, gap);
    DeleteObject(body);
    DeleteObject(gap);
    return picture;
  }();
  chunk.Tile = 1;
  chunk.Margins = {};
  chunk.Trans = 0;
  HWND bar = Native(PROGRESS_CLASSA, 0, 20, 10, 200, 20);
  SendMessageA(bar, PBM_SETRANGE32, 0, 100);
  SendMessageA(bar, PBM_SETPOS, 50, 0);
  AttachNative<TSkinProgress>(TSkinnerKind::skProgress, bar);
  RepaintNow(bar);
  // The strip starts 2 pixels in; chunks repeat every 6 pixels up to the filled 100.
  const struct {
    int x;
    COLORREF colour;
  } cases[] = {{3, StripColour(3)}, {7, StripColour(4)}, {9, StripColour(3)}, {98, StripColour(3)},
               {150, StripColour(1)}};
  for (const auto& c : cases)
    EXPECT_EQ(WindowPixel(bar, c.x, 10), c.colour) << "x " << c.x;

  data.Elements().Progress.reset();
  RepaintNow(bar);
  EXPECT_NE(WindowPixel(bar, 150, 10), StripColour(1)) << "the bar's own look";
  EXPECT_TRUE(IsWindow(bar));
}

// ---- Track bars ------------------------------------------------------------------------------

// A framework control over the native track bar: its custom-draw notifications come back to it
// from its parent, where a skinner sees them.
class TTestTrackBar : public TWinControl {
public:
  TTestTrackBar(TComponent* owner, DWORD style) : TWinControl(owner), style_(style) {}
  const char* ClassName() const override { return "TTrackBar"; }

protected:
  TCreateParams CreateParams() override {
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    return {TRACKBAR_CLASSA, WS_CHILD | WS_VISIBLE | style_, 0, ""};
  }

private:
  DWORD style_;
};

COLORREF Solid(TBitmap& picture, int width, int height, COLORREF colour) {
  picture = TBitmap(width, height);
  TMemoryDC dc(picture.Handle());
  HBRUSH brush = CreateSolidBrush(colour);
  const RECT all{0, 0, width, height};
  FillRect(dc.Get(), &all, brush);
  DeleteObject(brush);
  return colour;
}

TEST_F(TabsTest, TrackBarsDrawTheirChannelAndThumbFromTheSkinInBothDirections) {
  TSkinData& data = Start();
  TSkinElementTable& elements = data.Elements();
  const COLORREF across = Solid(elements.Track->Image, 40, 40, RGB(200, 20, 20));
  const COLORREF upright = Solid(elements.TrackVert->Image, 40, 40, RGB(20, 20, 200));
  elements.Track->Trans = elements.TrackVert->Trans = 0;
  MakeSolid(*elements.TrackbarThumbHorz, 5);
  MakeSolid(*elements.TrackbarThumbVert, 5);
  const struct {
    const char* what;
    DWORD style;
    int width, height;
    int low, high;
    COLORREF channel;
  } cases[] = {
      {"across", TBS_HORZ | TBS_BOTH | TBS_NOTICKS, 220, 36, 0, 10, across},
      {"upright", TBS_VERT | TBS_BOTH | TBS_NOTICKS, 36, 220, 0, 10, upright},
      {"a range of 0", TBS_HORZ | TBS_BOTH | TBS_NOTICKS, 220, 36, 0, 0, across},
  };
  std::vector<TTestTrackBar*> bars;
  for (const auto& c : cases) {
    auto* bar = new TTestTrackBar(form_.get(), c.style);
    bar->SetBounds(20, 20, c.width, c.height);
    bar->SetParent(form_.get());
    bar->SetTag(data.DisableTag());
    bars.push_back(bar);
  }
  ShowAndSkin();
  for (size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    TTestTrackBar& bar = *bars[i];
    for (TTestTrackBar* other : bars)
      ShowWindow(other->Handle(), other == &bar ? SW_SHOW : SW_HIDE);
    HWND window = bar.Handle();
    SendMessageA(window, TBM_SETRANGE, TRUE, MAKELPARAM(c.low, c.high));
    SendMessageA(window, TBM_SETPOS, TRUE, c.low);
    AttachFramework<TSkinTrackBar>(TSkinnerKind::skTrackBar, bar);
    RepaintNow(window);
    RECT thumb{};
    SendMessageA(window, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    const int thumbX = (thumb.left + thumb.right) / 2, thumbY = (thumb.top + thumb.bottom) / 2;
    EXPECT_EQ(WindowPixel(window, thumbX, thumbY), StripColour(2)) << c.what << ": the thumb";
    // The channel runs through the thumb's middle, three quarters along, clear of the thumb.
    const bool vertical = c.style & TBS_VERT;
    const POINT channel = vertical ? POINT{thumbX, c.height * 3 / 4} : POINT{c.width * 3 / 4, thumbY};
    EXPECT_EQ(WindowPixel(window, channel.x, channel.y), c.channel) << c.what << ": the channel";
  }
}

TEST_F(TabsTest, ATrackBarWithoutThumbPicturesOutlinesItsThumb) {
  TSkinData& data = Start();
  auto* bar = new TTestTrackBar(form_.get(), TBS_HORZ | TBS_BOTH | TBS_NOTICKS);
  bar->SetBounds(20, 20, 220, 36);
  bar->SetParent(form_.get());
  bar->SetTag(data.DisableTag());
  ShowAndSkin();
  data.Elements().TrackbarThumbHorz.reset();
  data.Elements().TrackbarThumbVert.reset();
  AttachFramework<TSkinTrackBar>(TSkinnerKind::skTrackBar, *bar);
  RepaintNow(bar->Handle());
  RECT thumb{};
  SendMessageA(bar->Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  const COLORREF shadow = SkinColourOf(data, ciButtonShadow);
  EXPECT_EQ(WindowPixel(bar->Handle(), thumb.left, (thumb.top + thumb.bottom) / 2), shadow);
  EXPECT_EQ(WindowPixel(bar->Handle(), (thumb.left + thumb.right) / 2, thumb.top), shadow);
}

// ---- Headers ---------------------------------------------------------------------------------

void AddItem(HWND header, const char* text, int width) {
  HDITEMA item{};
  item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
  item.pszText = const_cast<char*>(text);
  item.cxy = width;
  item.fmt = HDF_LEFT | HDF_STRING;
  SendMessageA(header, HDM_INSERTITEMA, 99, reinterpret_cast<LPARAM>(&item));
}

TEST_F(TabsTest, AHeaderItemUnderTheMouseIsLitUntilTheMouseLeavesTheHeader) {
  TSkinData& data = Start();
  ShowAndSkin();
  MakeSolid(*data.Elements().Headerbar, 5);
  HWND header = Native(WC_HEADERA, HDS_HORZ | HDS_BUTTONS, 10, 10, 300, 24);
  for (const char* text : {"Name", "Size", "Date"})
    AddItem(header, text, 80);
  auto& skinner = AttachNative<TSkinHeader>(TSkinnerKind::skHeader, header);
  // Each item's left end, clear of its text, and the bar past the last item.
  const auto frameAt = [&](int x) {
    const COLORREF pixel = WindowPixel(header, x, 2);
    for (int frame = 1; frame <= 5; ++frame)
      if (pixel == StripColour(frame))
        return frame;
    return 0;
  };
  const struct {
    const char* step;
    UINT msg;
    int x;
    int hot;
  } steps[] = {
      {"still", 0, 0, -1},
      {"over the second", WM_MOUSEMOVE, 120, 1},
      {"on within it", WM_MOUSEMOVE, 150, 1},
      {"over the third", WM_MOUSEMOVE, 200, 2},
      {"past the items", WM_MOUSEMOVE, 280, 2},
      {"left the header", WM_MOUSELEAVE, 0, -1},
  };
  for (const auto& s : steps) {
    if (s.msg)
      SendMessageA(header, s.msg, 0, MAKELPARAM(s.x, 10));
    RepaintNow(header);
    EXPECT_EQ(skinner.HotItem(), s.hot) << s.step;
    for (int item = 0; item < 3; ++item)
      EXPECT_EQ(frameAt(item * 80 + 2), item == s.hot ? 2 : 1) << s.step << ", item " << item;
    EXPECT_EQ(frameAt(290), 1) << s.step << ": the rest of the bar";
  }
}

TEST_F(TabsTest, HeadersWithoutItemsOrWithoutTheSkinsPictureStillPaint) {
  TSkinData& data = Start();
  ShowAndSkin();
  MakeSolid(*data.Elements().Headerbar, 5);
  HWND empty = Native(WC_HEADERA, HDS_HORZ, 10, 10, 300, 24);
  auto& skinner = AttachNative<TSkinHeader>(TSkinnerKind::skHeader, empty);
  EXPECT_EQ(WindowPixel(empty, 150, 12), StripColour(1));
  SendMessageA(empty, WM_MOUSEMOVE, 0, MAKELPARAM(150, 12));
  EXPECT_EQ(skinner.HotItem(), -1);

  HWND header = Native(WC_HEADERA, HDS_HORZ, 10, 50, 300, 24);
  AddItem(header, "Name", 120);
  AttachNative<TSkinHeader>(TSkinnerKind::skHeader, header);
  ASSERT_EQ(WindowPixel(header, 2, 2), StripColour(1));
  data.Elements().Headerbar.reset();
  RepaintNow(header);
  EXPECT_NE(WindowPixel(header, 2, 2), StripColour(1)) << "the header's own look";
  EXPECT_NE(WindowPixel(header, 200, 12), StripColour(1));
}

// ---- Resources -------------------------------------------------------------------------------

TEST_F(TabsTest, RepaintingEveryKindLeavesNoGdiObjectBehind) {
  Start();
  ShowAndSkin();
  const struct {
    const char* what;
    const char* className;
    DWORD style;
    TSkinnerKind kind;
  } cases[] = {
      {"tabs at the top", WC_TABCONTROLA, 0, TSkinnerKind::skTab},
      {"tabs on the left", WC_TABCONTROLA, TCS_VERTICAL | TCS_MULTILINE, TSkinnerKind::skTab},
      {"button tabs", WC_TABCONTROLA, TCS_BUTTONS, TSkinnerKind::skTabBtn},
      {"status bar with a grip", STATUSCLASSNAMEA, SBARS_SIZEGRIP | CCS_NOPARENTALIGN | CCS_NORESIZE,
       TSkinnerKind::skStatusBar},
      {"progress bar, upright", PROGRESS_CLASSA, PBS_VERTICAL, TSkinnerKind::skProgress},
      {"header", WC_HEADERA, 0, TSkinnerKind::skHeader},
      {"size grip", "ScrollBar", SBS_SIZEGRIP, TSkinnerKind::skSizer},
  };
  for (const auto& c : cases) {
    HWND window = Native(c.className, c.style, 10, 10, 200, 120);
    for (const char* text : {"One", "Two"}) {
      TCITEMA tab{TCIF_TEXT};
      tab.pszText = const_cast<char*>(text);
      SendMessageA(window, TCM_INSERTITEMA, 9, reinterpret_cast<LPARAM>(&tab));
      HDITEMA item{HDI_TEXT | HDI_WIDTH};
      item.pszText = const_cast<char*>(text);
      item.cxy = 60;
      SendMessageA(window, HDM_INSERTITEMA, 9, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageA(window, PBM_SETPOS, 40, 0);
    Pump(20);
    if (SendMessageA(window, SKM_ISSKINNED, 0, 0) != 1)  // a size grip is skinned as it is made
      CreateControlSkinner(c.kind, nullptr)->AttachWindow(window, skinData_.get(), Skinner(form_->Handle()), nullptr);
    ASSERT_EQ(SendMessageA(window, SKM_ISSKINNED, 0, 0), 1) << c.what;
    for (int i = 0; i < 5; ++i)
      RepaintNow(window);
    const int before = LiveGdiObjects();
    for (int i = 0; i < 100; ++i)
      RepaintNow(window);
    EXPECT_EQ(LiveGdiObjects(), before) << c.what;
    DestroyWindow(window);
  }
}

}  // namespace
}  // namespace tabs_test
