// Scroll-bar overlays on real controls: placed over the native bars as they move, scroll, hide
// and grey out; drawn from the skin's strip in each state, also while the system's own tracking
// loop runs; thumbs of separate scroll bars placed as the system places them, for any range.

#include "controls_fixture.h"

#include "framework/list_box.h"
#include "framework/list_view.h"
#include "framework/memo.h"
#include "live_gdi_objects.h"
#include "skin/controls/skin_header.h"
#include "skin/controls/skin_scrollbar.h"
#include "skin/controls/skinner_kinds.h"
#include "skin/controls/skinner_messages.h"
#include "skin/model/memory_dc.h"

#include <commctrl.h>

#include <climits>
#include <functional>

namespace controls_test {
namespace {

SCROLLBARINFO BarInfo(HWND window, LONG object) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  GetScrollBarInfo(window, object, &info);
  return info;
}

RECT ScreenRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

std::vector<std::string> Numbered(int count) {
  std::vector<std::string> items;
  for (int i = 0; i < count; ++i)
    items.push_back("entry " + std::to_string(i));
  return items;
}

// What the overlay draws for frame FRAME of the 23-frame strip over a WIDTH x HEIGHT arrow on the
// face colour: the pixel at (x, y).
COLORREF ArrowPixel(const TBitmap& strip, TColor face, int frame, int width, int height, int x, int y) {
  TBitmap picture(width, height);
  TMemoryDC dc(picture.Handle());
  HBRUSH brush = CreateSolidBrush(face);
  const RECT all{0, 0, width, height};
  FillRect(dc.Get(), &all, brush);
  DeleteObject(brush);
  DrawSkinFrame(dc.Get(), all, strip, true, 23, frame);
  return GetPixel(dc.Get(), x, y);
}

// Runs the steps one by one from a thread timer, which the system's scroll-tracking loop
// dispatches while it holds the button; the last step must end the loop.
std::vector<std::function<void()>>* heldSteps = nullptr;
void CALLBACK RunHeldStep(HWND, UINT, UINT_PTR id, DWORD) {
  if (!heldSteps || heldSteps->empty()) {
    KillTimer(nullptr, id);
    return;
  }
  auto step = heldSteps->front();
  heldSteps->erase(heldSteps->begin());
  step();
}
void PressOverlay(HWND overlay, POINT at, std::vector<std::function<void()>> steps) {
  heldSteps = &steps;
  const UINT_PTR timer = SetTimer(nullptr, 0, 40, RunHeldStep);
  SendMessageA(overlay, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  KillTimer(nullptr, timer);
  heldSteps = nullptr;
}

BOOL CALLBACK CountChild(HWND, LPARAM total) {
  ++*reinterpret_cast<int*>(total);
  return TRUE;
}

BOOL CALLBACK CountWindowAndChildren(HWND window, LPARAM total) {
  ++*reinterpret_cast<int*>(total);
  EnumChildWindows(window, &CountChild, total);
  return TRUE;
}

int CountThreadWindows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), &CountWindowAndChildren, reinterpret_cast<LPARAM>(&count));
  return count;
}

// Counts the requests for a fresh scroll skinner taken from this thread's queue while it lives.
int reskinRequests = 0;
LRESULT CALLBACK CountReskinRequest(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE && reinterpret_cast<const MSG*>(lParam)->message == SKM_RESKINSCROLL)
    ++reskinRequests;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
class TReskinRequestCounter {
public:
  TReskinRequestCounter()
      : hook_(SetWindowsHookExA(WH_GETMESSAGE, CountReskinRequest, nullptr, GetCurrentThreadId())) {
    reskinRequests = 0;
  }
  ~TReskinRequestCounter() { UnhookWindowsHookEx(hook_); }
  TReskinRequestCounter(const TReskinRequestCounter&) = delete;
  TReskinRequestCounter& operator=(const TReskinRequestCounter&) = delete;

private:
  HHOOK hook_;
};

class ScrollbarTest : public ControlsTest {
protected:
  TListBox& LongList(int left, int top, int width, int height, int count = 300) {
    TListBox& list = Place<TListBox>(*form_, left, top, width, height);
    list.SetItems(Numbered(count));
    return list;
  }
  TSkinScrollbar& ScrollSkinner(TWinControl& control) {
    auto* skinner = dynamic_cast<TSkinScrollbar*>(SkinnerOf(control));
    EXPECT_NE(skinner, nullptr) << KindOf(control);
    return *skinner;
  }
  TSkinControl* AttachRaw(TSkinControl* skinner, HWND window) {
    TWinSkinForm& frame = *Skinner(form_->Handle());
    skinner->AttachWindow(window, skinData_.get(), &frame, frame.ControlCanvas());
    return skinner;
  }
};

// The overlay's place and thumb against the native bar's, whatever happened to the control.
void ExpectOverBar(TWScrollbar& bar, HWND target, LONG object, const std::string& what) {
  const SCROLLBARINFO info = BarInfo(target, object);
  const RECT overlay = ScreenRect(bar.Handle());
  EXPECT_TRUE(EqualRect(&overlay, &info.rcScrollBar)) << what << ": overlay " << overlay.left << "," << overlay.top
                                                       << " bar " << info.rcScrollBar.left << "," << info.rcScrollBar.top;
  EXPECT_EQ(bar.ThumbStart(), info.xyThumbTop) << what;
  EXPECT_EQ(bar.ThumbEnd(), info.xyThumbBottom) << what;
  EXPECT_EQ(IsWindowEnabled(bar.Handle()) != 0, IsWindowEnabled(target) != 0) << what;
}

TEST_F(ScrollbarTest, ListsAndMemosGetOverlaysThatFollowTheirNativeBars) {
  Start();
  TListBox& list = LongList(10, 10, 150, 120);
  TMemo& memo = Place<TMemo>(*form_, 180, 10, 150, 120);
  std::string text;
  for (int i = 0; i < 40; ++i)
    text += "line " + std::to_string(i) + "\r\n";
  memo.SetText(text);
  ShowAndSkin();
  EXPECT_EQ(KindOf(list), "TSkinScrollbar");
  EXPECT_EQ(KindOf(memo), "TSkinScrollbar");
  TWScrollbar& listBar = *ScrollSkinner(list).VertBar();
  TWScrollbar& memoBar = *ScrollSkinner(memo).VertBar();
  EXPECT_FALSE(ScrollSkinner(list).HorzBar()->BarVisible()) << "the list has no horizontal bar";
  const struct {
    const char* what;
    std::function<void()> act;
    bool visible;
  } cases[] = {
      {"shown", [] {}, true},
      {"top index 150", [&] { SendMessageA(list.Handle(), LB_SETTOPINDEX, 150, 0); }, true},
      {"line steps", [&] { for (int i = 0; i < 7; ++i) SendMessageA(list.Handle(), WM_VSCROLL, SB_LINEDOWN, 0); }, true},
      {"resized", [&] { list.SetBounds(10, 10, 170, 180); }, true},
      {"moved", [&] { list.SetBounds(30, 40, 170, 180); }, true},
      {"disabled", [&] { list.SetEnabled(false); }, true},
      {"enabled", [&] { list.SetEnabled(true); }, true},
      {"hidden", [&] { list.SetVisible(false); }, false},
      {"shown again", [&] { list.SetVisible(true); }, true},
  };
  for (const auto& c : cases) {
    c.act();
    Pump(60);
    EXPECT_EQ(listBar.BarVisible(), c.visible) << c.what;
    EXPECT_EQ(IsWindowVisible(listBar.Handle()) != 0, c.visible) << c.what;
    if (c.visible)
      ExpectOverBar(listBar, list.Handle(), OBJID_VSCROLL, c.what);
  }
  ExpectOverBar(memoBar, memo.Handle(), OBJID_VSCROLL, "memo");
}

// Overlay windows cost the program's start, so a bar gets its window only when it first shows,
// and the window then takes the control's state as it is.
TEST_F(ScrollbarTest, AnOverlayWindowIsMadeWhenItsBarFirstShowsAndTakesTheControlsState) {
  Start();
  TListBox& list = LongList(10, 10, 150, 120, 3);
  list.SetEnabled(false);
  ShowAndSkin();
  Pump(60);
  TSkinScrollbar& skinner = ScrollSkinner(list);
  EXPECT_EQ(skinner.VertBar()->Handle(), nullptr) << "three items: no bar, no overlay window";
  EXPECT_EQ(skinner.HorzBar()->Handle(), nullptr);
  list.SetItems(Numbered(300));
  Pump(60);
  ASSERT_NE(skinner.VertBar()->Handle(), nullptr) << "the bar showed";
  EXPECT_TRUE(IsWindowVisible(skinner.VertBar()->Handle()));
  ExpectOverBar(*skinner.VertBar(), list.Handle(), OBJID_VSCROLL, "made late, disabled as the list");
  EXPECT_EQ(skinner.HorzBar()->Handle(), nullptr) << "still no horizontal bar";
  list.SetEnabled(true);
  Pump(60);
  ExpectOverBar(*skinner.VertBar(), list.Handle(), OBJID_VSCROLL, "enabled");
}

TEST_F(ScrollbarTest, ArrowsShowTheStripFrameOfTheirStateAndAShortBarHalvesThem) {
  TSkinData& data = Start();
  TListBox& list = LongList(10, 10, 150, 150);
  TListBox& shortList = LongList(200, 10, 120, 30, 50);
  ShowAndSkin();
  const TBitmap& strip = data.Elements().Scrollbar->Image;
  const TColor face = ScrollSkinner(list).FaceColour();
  HWND overlay = ScrollSkinner(list).VertBar()->Handle();
  RECT r{};
  GetClientRect(overlay, &r);
  const int arrow = GetSystemMetrics(SM_CXHSCROLL);
  const int cx = r.right / 2, topY = arrow / 2, bottomY = r.bottom - arrow + arrow / 2;
  // The same local point of both arrows.
  const auto expected = [&](int frame) { return ArrowPixel(strip, face, frame, r.right, arrow, cx, arrow / 2); };
  ASSERT_NE(expected(13), expected(14)) << "the skin's down arrow must differ when pressed";
  ASSERT_NE(expected(13), expected(16)) << "and when hot";
  const struct {
    const char* what;
    std::function<void()> act;
    int up, down;
  } cases[] = {
      {"normal", [] {}, 9, 13},
      {"mouse over the up arrow", [&] { SendMessageA(overlay, WM_MOUSEMOVE, 0, MAKELPARAM(cx, topY)); }, 12, 13},
      {"a line down asked by the list", [&] { SendMessageA(list.Handle(), WM_VSCROLL, SB_LINEDOWN, 0); }, 9, 16},
      {"the scrolling ended", [&] { SendMessageA(list.Handle(), WM_VSCROLL, SB_ENDSCROLL, 0); }, 9, 13},
  };
  for (const auto& c : cases) {
    c.act();
    Pump(40);
    EXPECT_EQ(WindowPixel(overlay, cx, topY), expected(c.up)) << c.what;
    EXPECT_EQ(WindowPixel(overlay, cx, bottomY), expected(c.down)) << c.what;
  }
  // Held down on the real bar: the system's loop repeats SB_LINEDOWN, the arrow shows pressed.
  const int topBefore = static_cast<int>(SendMessageA(list.Handle(), LB_GETTOPINDEX, 0, 0));
  COLORREF held = CLR_INVALID;
  bool tracking = false;
  PressOverlay(overlay, {cx, bottomY},
               {[&] {
                  held = WindowPixel(overlay, cx, bottomY);
                  tracking = ScrollSkinner(list).VertBar()->Tracking();
                },
                [&] { PostMessageA(overlay, WM_LBUTTONUP, 0, MAKELPARAM(cx, bottomY)); }});
  EXPECT_TRUE(tracking);
  EXPECT_EQ(held, expected(14)) << "pressed while held";
  EXPECT_GT(SendMessageA(list.Handle(), LB_GETTOPINDEX, 0, 0), topBefore) << "the native bar scrolled the list";

  // A bar shorter than two arrows: two half-length arrows, no track.
  TWScrollbar& shortBar = *ScrollSkinner(shortList).VertBar();
  ASSERT_TRUE(shortBar.BarVisible());
  RECT s{};
  GetClientRect(shortBar.Handle(), &s);
  ASSERT_LT(s.bottom, 2 * arrow);
  const int half = s.bottom / 2;
  EXPECT_EQ(WindowPixel(shortBar.Handle(), s.right / 2, half / 2),
            ArrowPixel(strip, face, 9, s.right, half, s.right / 2, half / 2));
  EXPECT_EQ(WindowPixel(shortBar.Handle(), s.right / 2, s.bottom - half / 2 - 1),
            ArrowPixel(strip, face, 13, s.right, half, s.right / 2, half - half / 2 - 1));
}

TEST_F(ScrollbarTest, DraggingTheThumbMovesItWithTheCursorClampedBetweenTheArrows) {
  TSkinData& data = Start();
  TListBox& list = LongList(10, 10, 150, 200, 400);
  ShowAndSkin();
  TWScrollbar& bar = *ScrollSkinner(list).VertBar();
  HWND overlay = bar.Handle();
  Pump(40);
  const SCROLLBARINFO before = BarInfo(list.Handle(), OBJID_VSCROLL);
  const int thumb = before.xyThumbBottom - before.xyThumbTop;
  const int arrow = GetSystemMetrics(SM_CXHSCROLL);
  const int length = before.rcScrollBar.bottom - before.rcScrollBar.top;
  RECT r{};
  GetClientRect(overlay, &r);
  const POINT grab{r.right / 2, before.xyThumbTop + 2};
  POINT screen = grab;
  ClientToScreen(overlay, &screen);
  SetCursorPos(screen.x, screen.y);
  Pump(20);
  // The list's client coordinates of a point so far below the grab.
  const auto moveBy = [&](int dy) {
    POINT at{screen.x, screen.y + dy};
    SetCursorPos(at.x, at.y);
    ScreenToClient(list.Handle(), &at);
    PostMessageA(list.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  };
  // The thumb's dragging frame, away from the grip at its middle.
  const TDataSkinObject& thumbElement = *data.Elements().VertScrollThumb;
  const TBitmap dragging = BuildSkinElementBitmap({0, 0, r.right, thumb}, thumbElement.Image, thumbElement.Margins, false,
                                                  false, thumbElement.FrameCount, 2);
  const struct {
    int dy;
    int start;  // where the skinned thumb must be
  } moves[] = {
      {40, before.xyThumbTop + 40},
      {-1000, arrow},
      {1000, length - arrow - thumb},
      {25, before.xyThumbTop + 25},
  };
  std::vector<int> starts;
  std::vector<COLORREF> shown;
  std::vector<std::function<void()>> steps;
  for (const auto& m : moves) {
    steps.push_back([&, dy = m.dy] { moveBy(dy); });
    steps.push_back([&] {
      InvalidateRect(overlay, nullptr, FALSE);
      UpdateWindow(overlay);
      starts.push_back(bar.ThumbStart());
      shown.push_back(WindowPixel(overlay, r.right / 2, bar.ThumbStart() + 1));
    });
  }
  steps.push_back([&] { PostMessageA(list.Handle(), WM_LBUTTONUP, 0, 0); });
  PressOverlay(overlay, grab, steps);
  ASSERT_EQ(starts.size(), std::size(moves));
  for (size_t i = 0; i < std::size(moves); ++i) {
    EXPECT_EQ(starts[i], moves[i].start) << "move " << moves[i].dy;
    EXPECT_EQ(shown[i], PicturePixel(dragging, r.right / 2, 1)) << "dragging frame, move " << moves[i].dy;
  }
  Pump(60);
  const SCROLLBARINFO after = BarInfo(list.Handle(), OBJID_VSCROLL);
  EXPECT_GT(SendMessageA(list.Handle(), LB_GETTOPINDEX, 0, 0), 0) << "the native bar scrolled the list";
  EXPECT_FALSE(bar.Tracking());
  EXPECT_EQ(bar.ThumbStart(), after.xyThumbTop) << "released: the position the list reports";
}

TEST_F(ScrollbarTest, AStripWithTooFewFramesAndTinyListsPaintWhatTheyCanAndStillScroll) {
  TSkinData& data = Start();
  // Five pictures where the layout needs 23.
  TBitmap strip(5 * 17, 17);
  {
    TMemoryDC dc(strip.Handle());
    for (int i = 0; i < 5; ++i) {
      HBRUSH brush = CreateSolidBrush(RGB(40 * i, 200, 90));
      const RECT r{i * 17, 0, (i + 1) * 17, 17};
      FillRect(dc.Get(), &r, brush);
      DeleteObject(brush);
    }
  }
  data.Elements().Scrollbar->Image = std::move(strip);
  TListBox& tiny = LongList(10, 10, 120, 1, 100);
  TListBox& small = LongList(150, 10, 120, 60, 100);
  ShowAndSkin();
  const struct {
    const char* what;
    TListBox& list;
  } cases[] = {{"1 pixel high", tiny}, {"60 pixels high", small}};
  for (const auto& c : cases) {
    TWScrollbar& bar = *ScrollSkinner(c.list).VertBar();
    RedrawWindow(bar.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    SendMessageA(c.list.Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
    Pump(30);
    EXPECT_EQ(SendMessageA(c.list.Handle(), LB_GETTOPINDEX, 0, 0), 1) << c.what << ": scrolled as the system does";
    const SCROLLBARINFO info = BarInfo(c.list.Handle(), OBJID_VSCROLL);
    const bool shown = !(info.rgstate[0] & STATE_SYSTEM_INVISIBLE) && !IsRectEmpty(&info.rcScrollBar);
    EXPECT_EQ(bar.BarVisible(), shown) << c.what;
  }
  TWScrollbar& bar = *ScrollSkinner(small).VertBar();
  ASSERT_TRUE(bar.BarVisible());
  RECT r{};
  GetClientRect(bar.Handle(), &r);
  // The strip is cut in 23 equal slices all the same: the up arrow is the ninth, inside the
  // strip's second solid part.
  const int slice = 5 * 17 / 23, part = (8 * slice + slice / 2) / 17;
  EXPECT_EQ(WindowPixel(bar.Handle(), r.right / 2, 4), RGB(40 * part, 200, 90)) << "the up arrow's slice of the strip";
}

TEST_F(ScrollbarTest, AListViewWithWideColumnsAndManyRowsGetsBothBarsAndAFilledCorner) {
  INITCOMMONCONTROLSEX init{sizeof init, ICC_LISTVIEW_CLASSES};
  ASSERT_TRUE(InitCommonControlsEx(&init));
  Start();
  ShowAndSkin();
  HWND handle = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 10, 10, 200, 150,
                                form_->Handle(), nullptr, nullptr, nullptr);
  ASSERT_NE(handle, nullptr);
  for (int column = 0; column < 3; ++column) {
    LVCOLUMNA c{};
    c.mask = LVCF_WIDTH | LVCF_TEXT;
    c.cx = 120;
    c.pszText = const_cast<char*>("Column");
    SendMessageA(handle, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&c));
  }
  for (int row = 0; row < 60; ++row) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>("row");
    SendMessageA(handle, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
  auto* skinner = new TSkinScrollbarH(nullptr);
  AttachRaw(skinner, handle);
  RedrawWindow(handle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  Pump(80);
  ExpectOverBar(*skinner->HorzBar(), handle, OBJID_HSCROLL, "horizontal");
  ExpectOverBar(*skinner->VertBar(), handle, OBJID_VSCROLL, "vertical");
  ASSERT_TRUE(skinner->HorzBar()->BarVisible() && skinner->VertBar()->BarVisible());
  const RECT h = ScreenRect(skinner->HorzBar()->Handle()), v = ScreenRect(skinner->VertBar()->Handle());
  const RECT window = ScreenRect(handle);
  EXPECT_EQ(WindowPixel(handle, (v.left + v.right) / 2 - window.left, (h.top + h.bottom) / 2 - window.top),
            ColorToRGB(skinner->FaceColour()))
      << "the corner between the bars";
  DestroyWindow(handle);
}

// A report list view wider and longer than its window.
TListView& ReportList(TWinControl& parent, int left, int top, int width, int height) {
  TListView& view = Place<TListView>(parent, left, top, width, height);
  view.SetViewStyle(TViewStyle::vsReport);
  view.SetColumns({{"Name", 120}, {"Size", 120}, {"Date", 120}});
  for (int i = 0; i < 60; ++i)
    view.AddItem("row " + std::to_string(i), {"1 KB", "today"});
  return view;
}

TEST_F(ScrollbarTest, AReportListViewGetsBothBarsAndItsHeaderSkinned) {
  TSkinData& data = Start();
  TListView& view = ReportList(*form_, 10, 10, 220, 160);
  ShowAndSkin();
  ASSERT_EQ(KindOf(view), "TSkinListView");
  auto& skinner = dynamic_cast<TSkinListView&>(*SkinnerOf(view));
  HWND header = view.HeaderHandle();
  ASSERT_NE(header, nullptr);
  ASSERT_NE(skinner.Header(), nullptr);
  EXPECT_EQ(skinner.Header()->Handle(), header);
  EXPECT_EQ(Skinner(form_->Handle())->FindControlSkinner(header), skinner.Header()) << "listed with the window's skinners";
  RedrawWindow(view.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump(80);
  ExpectOverBar(*skinner.HorzBar(), view.Handle(), OBJID_HSCROLL, "horizontal");
  ExpectOverBar(*skinner.VertBar(), view.Handle(), OBJID_VSCROLL, "vertical");
  EXPECT_TRUE(skinner.HorzBar()->BarVisible() && skinner.VertBar()->BarVisible());

  // The header's items and the bar past them from the skin's header picture, the item under the
  // mouse in its hot frame.
  const TDataSkinObject& bar = *data.Elements().Headerbar;
  RECT first{};
  SendMessageA(header, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
  const int itemWidth = first.right - first.left, height = first.bottom - first.top;
  const auto itemPixel = [&](int frame) { return ElementPixel(bar, bar.FrameCount, frame, itemWidth, height, 1, 1); };
  ASSERT_NE(itemPixel(1), itemPixel(2)) << "the skin's hot header item must differ";
  const struct {
    const char* what;
    std::function<void()> act;
    int frame;
  } cases[] = {
      {"still", [] {}, 1},
      {"mouse over the first item", [&] { SendMessageA(header, WM_MOUSEMOVE, 0, MAKELPARAM(first.left + 20, 5)); }, 2},
      {"mouse left the header", [&] { SendMessageA(header, WM_MOUSELEAVE, 0, 0); }, 1},
  };
  for (const auto& c : cases) {
    c.act();
    Pump(30);
    EXPECT_EQ(WindowPixel(header, first.left + 1, 1), itemPixel(c.frame)) << c.what;
  }

  // The window's skinning switched off: the header skinner goes with the list view's.
  data.SetActive(false);
  EXPECT_TRUE(PumpUntil([&] { return !Skinner(form_->Handle()); }));
  EXPECT_EQ(SendMessageA(header, SKM_ISSKINNED, 0, 0), 0);
  data.SetActive(true);
  ASSERT_TRUE(PumpUntil([&] { return Skinner(form_->Handle()) && Skinner(form_->Handle())->State() == ssRunning; }));
  Pump(40);
  EXPECT_EQ(KindOf(view), "TSkinListView");
  EXPECT_EQ(SendMessageA(header, SKM_ISSKINNED, 0, 0), 1) << "skinned again";
}

// A style change the overlays cannot follow gives the control a fresh skinner of the same class,
// which reads the control anew: a border taken away, a list view's view changed.
// Skinning itself gives the control the sibling clipping its overlays need and must not take that
// for such a change: replacing every scroll skinner at once made the first paint wait.
TEST_F(ScrollbarTest, AStyleChangeReplacesTheScrollSkinnerWithAFreshOneOfItsClass) {
  const TReskinRequestCounter counter;
  Start();
  TListBox& list = LongList(10, 10, 150, 120);
  TListView& view = ReportList(*form_, 180, 10, 200, 150);
  ASSERT_FALSE(GetWindowLongPtrA(list.Handle(), GWL_STYLE) & WS_CLIPSIBLINGS);
  ShowAndSkin();
  Pump(80);
  EXPECT_EQ(reskinRequests, 0) << "skinning alone asks for no fresh skinner";
  ASSERT_TRUE(ScrollSkinner(list).DrawBorder());
  const auto setStyle = [](HWND window, int which, LONG_PTR clear, LONG_PTR add) {
    SetWindowLongPtrA(window, which, (GetWindowLongPtrA(window, which) & ~clear) | add);
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  };
  const struct {
    const char* what;
    std::function<void()> act;
    bool listBorder;
    bool freshSkinner;
  } cases[] = {
      {"scrolled: no new skinner needed", [&] { SendMessageA(list.Handle(), LB_SETTOPINDEX, 100, 0); }, true, false},
      {"the list's border taken away",
       [&] {
         setStyle(list.Handle(), GWL_EXSTYLE, WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_WINDOWEDGE, 0);
         setStyle(list.Handle(), GWL_STYLE, WS_BORDER, 0);
       },
       false, true},
      {"the list view shown as a list", [&] { view.SetViewStyle(TViewStyle::vsList); }, false, true},
      {"and as a report again", [&] { view.SetViewStyle(TViewStyle::vsReport); }, false, true},
  };
  for (const auto& c : cases) {
    reskinRequests = 0;
    c.act();
    Pump(80);
    EXPECT_EQ(reskinRequests > 0, c.freshSkinner) << c.what;
    ASSERT_EQ(KindOf(list), "TSkinScrollbar") << c.what;
    ASSERT_EQ(KindOf(view), "TSkinListView") << c.what;
    EXPECT_EQ(ScrollSkinner(list).DrawBorder(), c.listBorder) << c.what;
    TWScrollbar& listBar = *ScrollSkinner(list).VertBar();
    EXPECT_TRUE(listBar.BarVisible()) << c.what;
    ExpectOverBar(listBar, list.Handle(), OBJID_VSCROLL, c.what);
    auto& viewSkinner = dynamic_cast<TSkinListView&>(*SkinnerOf(view));
    ASSERT_NE(viewSkinner.Header(), nullptr) << c.what;
    EXPECT_EQ(viewSkinner.Header()->Handle(), view.HeaderHandle()) << c.what;
    int headerSkinners = 0;
    for (TSkinControl* skinner : Skinner(form_->Handle())->ControlSkinners())
      headerSkinners += skinner->Handle() == view.HeaderHandle();
    EXPECT_EQ(headerSkinners, 1) << c.what << ": one header skinner, the old one gone";
  }
  EXPECT_EQ(SendMessageA(list.Handle(), LB_GETTOPINDEX, 0, 0), 100) << "the list kept its place";
}

// The system's tracking loop runs inside the overlay's press and dispatches whatever comes: a
// fresh skinner asked for, or the skin switched off, frees the skinner and its overlay before the
// press returns. Neither may be touched then, and the list goes on as the new state says.
TEST_F(ScrollbarTest, ASkinnerFreedWhileTheSystemTracksItsBarIsNotTouchedAfterwards) {
  TSkinData& data = Start();
  TListBox& list = LongList(10, 10, 150, 200, 400);
  ShowAndSkin();
  const auto removeBorder = [&] {
    SetWindowLongPtrA(list.Handle(), GWL_EXSTYLE, GetWindowLongPtrA(list.Handle(), GWL_EXSTYLE) & ~WS_EX_CLIENTEDGE);
    SetWindowLongPtrA(list.Handle(), GWL_STYLE, GetWindowLongPtrA(list.Handle(), GWL_STYLE) & ~WS_BORDER);
    SetWindowPos(list.Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  };
  const struct {
    const char* what;
    std::function<void()> act;
    bool skinnedAfter;  // a skinner covers the list when the press returns
  } cases[] = {
      {"a fresh skinner asked for", removeBorder, true},
      {"the skin switched off", [&] { data.SetActive(false); }, false},
  };
  for (const auto& c : cases) {
    Pump(40);
    TSkinScrollbar* old = &ScrollSkinner(list);
    HWND overlay = old->VertBar()->Handle();
    ASSERT_TRUE(IsWindowVisible(overlay)) << c.what;
    const SCROLLBARINFO before = BarInfo(list.Handle(), OBJID_VSCROLL);
    RECT r{};
    GetClientRect(overlay, &r);
    // The page below the thumb: the system scrolls it by pages while the button is held.
    const POINT press{r.right / 2, before.xyThumbBottom + 5};
    POINT screen = press;
    ClientToScreen(overlay, &screen);
    SetCursorPos(screen.x, screen.y);
    const std::weak_ptr<const void> oldLife = old->LifeToken();
    bool oldGoneInside = false;
    std::vector<std::function<void()>> steps{c.act};
    for (int i = 0; i < 15; ++i)
      steps.push_back([] {});
    steps.push_back([&] { oldGoneInside = oldLife.expired() && !IsWindow(overlay); });
    steps.push_back([&] { PostMessageA(list.Handle(), WM_LBUTTONUP, 0, 0); });
    PressOverlay(overlay, press, steps);
    Pump(60);
    EXPECT_TRUE(oldGoneInside) << c.what << ": the skinner and its overlay went inside the loop";
    EXPECT_GT(SendMessageA(list.Handle(), LB_GETTOPINDEX, 0, 0), 0) << c.what << ": the list scrolled";
    if (c.skinnedAfter) {
      TSkinScrollbar& fresh = ScrollSkinner(list);
      EXPECT_FALSE(fresh.VertBar()->Tracking()) << c.what;
      ExpectOverBar(*fresh.VertBar(), list.Handle(), OBJID_VSCROLL, c.what);
    } else {
      EXPECT_EQ(SkinnerOf(list), nullptr) << c.what;
    }
    SendMessageA(list.Handle(), LB_SETTOPINDEX, 0, 0);
  }
  data.SetActive(true);
  PumpUntil([&] { return Skinner(form_->Handle()) && SkinnerOf(list); });
  Pump(60);
  ExpectOverBar(*ScrollSkinner(list).VertBar(), list.Handle(), OBJID_VSCROLL, "skinned again");
  SetCursorPos(0, 0);  // off the controls of the tests that follow
}

// A window's own bars given ranges the system must cope with: the overlay shows and hides with
// the native bar and puts its thumb where the native one is, and painting it breaks nothing.
TEST_F(ScrollbarTest, OverlaysFollowAWindowsOwnBarsThroughEmptyNegativeAndHugeRanges) {
  Start();
  ShowAndSkin();
  HWND window = CreateWindowExA(WS_EX_CLIENTEDGE, "Static", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 20, 20,
                                200, 150, form_->Handle(), nullptr, nullptr, nullptr);
  auto* skinner = dynamic_cast<TSkinScrollbarH*>(AttachRaw(new TSkinScrollbarH(nullptr), window));
  ASSERT_NE(skinner, nullptr);
  const struct {
    const char* what;
    int min, max;
    UINT page;
    int pos;
  } cases[] = {
      {"an ordinary range", 0, 99, 10, 40},
      {"an empty range", 0, 0, 0, 0},
      {"a negative range", 10, -10, 3, 0},
      {"below zero", -500, -100, 50, -300},
      {"the largest range", 0, INT_MAX, 1, INT_MAX / 2},
      {"the whole of int", INT_MIN, INT_MAX, 100, 0},
      {"a page larger than the range", 0, 10, 50, 5},
      {"a page of one on a large range", 0, 100000, 1, 99999},
      {"a position past the end", 0, 99, 10, 5000},
  };
  for (const auto& c : cases) {
    for (int bar : {SB_VERT, SB_HORZ}) {
      SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, c.min, c.max, c.page, c.pos, 0};
      SetScrollInfo(window, bar, &info, TRUE);
    }
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    Pump(40);
    for (TWScrollbar* overlay : {skinner->VertBar(), skinner->HorzBar()}) {
      const LONG object = overlay == skinner->VertBar() ? OBJID_VSCROLL : OBJID_HSCROLL;
      const SCROLLBARINFO native = BarInfo(window, object);
      const bool shown = !(native.rgstate[0] & STATE_SYSTEM_INVISIBLE) && !IsRectEmpty(&native.rcScrollBar);
      EXPECT_EQ(overlay->BarVisible(), shown) << c.what << (object == OBJID_VSCROLL ? " vertical" : " horizontal");
      if (!shown)
        continue;
      RedrawWindow(overlay->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      ExpectOverBar(*overlay, window, object, std::string(c.what) + (object == OBJID_VSCROLL ? " vertical" : " horizontal"));
    }
  }
  DestroyWindow(window);
}

TEST(ControlThumbExtentTest, ThumbsOfSeparateBarsAreAtLeastEightPixelsAndStayBetweenTheArrows) {
  const int length = 200, arrow = 17;
  const struct {
    const char* what;
    int min, max;
    UINT page;
    int pos;
    int top, bottom;
  } cases[] = {
      {"page 1 on a large range", 0, 100000, 1, 0, 17, 25},
      {"page 1 at the end", 0, 100000, 1, 100000, 175, 183},
      {"a page of a quarter", 0, 400, 101, 0, 17, 59},
      {"a quarter page half way", 0, 400, 101, 200, 100, 142},
      {"no page: an arrow-long thumb", 0, 100, 0, 50, 92, 109},
      {"an empty range", 5, 5, 0, 5, 17, 34},
      {"a negative range", 10, -10, 3, 0, 17, 25},
      {"the largest range", INT_MIN, INT_MAX, 1, INT_MAX, 175, 183},
      {"a page larger than the range", 0, 10, 50, 0, 17, 183},
      {"a position before the range", 0, 100, 10, -50, 17, 32},
  };
  for (const auto& c : cases) {
    SCROLLINFO info{sizeof info, SIF_ALL, c.min, c.max, c.page, c.pos, c.pos};
    int top = -1, bottom = -1;
    ControlThumbExtent(length, arrow, info, top, bottom);
    EXPECT_EQ(top, c.top) << c.what;
    EXPECT_EQ(bottom, c.bottom) << c.what;
    EXPECT_GE(top, arrow) << c.what;
    EXPECT_LE(bottom, length - arrow) << c.what;
  }
}

TEST_F(ScrollbarTest, ASeparateScrollBarControlIsCoveredAndFollowsItsScrollInformation) {
  Start();
  ShowAndSkin();
  HWND control = CreateWindowExA(0, "ScrollBar", "", WS_CHILD | WS_VISIBLE | SBS_VERT, 300, 10, 17, 200,
                                 form_->Handle(), nullptr, nullptr, nullptr);
  auto* skinner = dynamic_cast<TSkinScControl*>(AttachRaw(CreateControlSkinner(TSkinnerKind::skScControl, nullptr), control));
  ASSERT_NE(skinner, nullptr);
  TWScrollbar& bar = *skinner->Bar();
  ASSERT_TRUE(bar.Vertical());
  const auto setInfo = [&](int min, int max, UINT page, int pos) {
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, min, max, page, pos, 0};
    SetScrollInfo(control, SB_CTL, &info, TRUE);
  };
  const struct {
    const char* what;
    std::function<void()> act;
    bool visible;
    int thumb;  // length of the skinned thumb, -1 for whatever the system says
  } cases[] = {
      {"page 1 on a large range", [&] { setInfo(0, 100000, 1, 500); }, true, 8},
      {"half a page", [&] { setInfo(0, 99, 50, 0); }, true, -1},
      {"an empty range", [&] { setInfo(0, 0, 0, 0); }, true, -1},
      {"moved", [&] { SetWindowPos(control, nullptr, 280, 20, 17, 150, SWP_NOZORDER); }, true, -1},
      {"hidden", [&] { ShowWindow(control, SW_HIDE); }, false, -1},
      {"shown", [&] { ShowWindow(control, SW_SHOW); }, true, -1},
  };
  for (const auto& c : cases) {
    c.act();
    Pump(50);
    EXPECT_EQ(bar.BarVisible(), c.visible) << c.what;
    if (!c.visible)
      continue;
    const RECT overlay = ScreenRect(bar.Handle()), native = ScreenRect(control);
    EXPECT_TRUE(EqualRect(&overlay, &native)) << c.what;
    SCROLLINFO info{sizeof info, SIF_ALL};
    GetScrollInfo(control, SB_CTL, &info);
    int top = 0, bottom = 0;
    ControlThumbExtent(native.bottom - native.top, GetSystemMetrics(SM_CXHSCROLL), info, top, bottom);
    EXPECT_EQ(bar.ThumbStart(), top) << c.what;
    EXPECT_EQ(bar.ThumbEnd(), bottom) << c.what;
    if (c.thumb >= 0)
      EXPECT_EQ(bar.ThumbEnd() - bar.ThumbStart(), c.thumb) << c.what;
  }
  DestroyWindow(control);
}

// Separate scroll bars too small for their arrows: covered, painted without harm, and they still
// scroll as the system scrolls them.
TEST_F(ScrollbarTest, SeparateScrollBarsTooSmallForTheirArrowsAreCoveredAndStillScroll) {
  Start();
  ShowAndSkin();
  const struct {
    const char* what;
    DWORD style;
    int width, height;
  } cases[] = {
      {"horizontal, 1 pixel high", SBS_HORZ, 150, 1},
      {"vertical, 1 pixel wide", SBS_VERT, 1, 150},
      {"vertical, shorter than two arrows", SBS_VERT, 17, 20},
      {"horizontal, 1 pixel long", SBS_HORZ, 1, 17},
  };
  for (const auto& c : cases) {
    HWND control = CreateWindowExA(0, "ScrollBar", "", WS_CHILD | WS_VISIBLE | c.style, 20, 20, c.width, c.height,
                                   form_->Handle(), nullptr, nullptr, nullptr);
    ASSERT_NE(control, nullptr) << c.what;
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 10, 0, 0};
    SetScrollInfo(control, SB_CTL, &info, TRUE);
    auto* skinner = dynamic_cast<TSkinScControl*>(AttachRaw(CreateControlSkinner(TSkinnerKind::skScControl, nullptr), control));
    ASSERT_NE(skinner, nullptr) << c.what;
    TWScrollbar& bar = *skinner->Bar();
    RedrawWindow(bar.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Pump(30);
    EXPECT_TRUE(bar.BarVisible()) << c.what;
    const RECT overlay = ScreenRect(bar.Handle()), native = ScreenRect(control);
    EXPECT_TRUE(EqualRect(&overlay, &native)) << c.what;
    EXPECT_LE(bar.ThumbStart(), bar.ThumbEnd()) << c.what;
    SetScrollPos(control, SB_CTL, 30, TRUE);
    Pump(20);
    EXPECT_EQ(GetScrollPos(control, SB_CTL), 30) << c.what << ": the position reaches the control";
    SCROLLINFO now{sizeof now, SIF_ALL};
    GetScrollInfo(control, SB_CTL, &now);
    int top = 0, bottom = 0;
    ControlThumbExtent((c.style & SBS_VERT) ? c.height : c.width, GetSystemMetrics(SM_CXHSCROLL), now, top, bottom);
    EXPECT_EQ(bar.ThumbStart(), top) << c.what << ": the overlay's thumb follows";
    EXPECT_EQ(bar.ThumbEnd(), bottom) << c.what;
    DestroyWindow(control);
    Pump(20);
  }
}

TEST_F(ScrollbarTest, TheSizeBoxCornerBetweenTwoBarsTakesTheFaceColour) {
  Start();
  ShowAndSkin();
  HWND edit = CreateWindowExA(WS_EX_CLIENTEDGE, "Edit", "text", WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE,
                              20, 20, 160, 120, form_->Handle(), nullptr, nullptr, nullptr);
  auto* skinner = dynamic_cast<TSkinScrollbarH*>(AttachRaw(new TSkinScrollbarH(nullptr), edit));
  ASSERT_NE(skinner, nullptr);
  RedrawWindow(edit, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  Pump(60);
  ASSERT_TRUE(skinner->HorzBar()->BarVisible());
  ASSERT_TRUE(skinner->VertBar()->BarVisible());
  const RECT h = ScreenRect(skinner->HorzBar()->Handle()), v = ScreenRect(skinner->VertBar()->Handle());
  const RECT window = ScreenRect(edit);
  const POINT corner{(v.left + v.right) / 2 - window.left, (h.top + h.bottom) / 2 - window.top};
  const COLORREF face = ColorToRGB(skinner->FaceColour());
  ASSERT_NE(face, GetSysColor(COLOR_BTNFACE)) << "the skin's face must differ from the system's for this test";
  EXPECT_EQ(WindowPixel(edit, corner.x, corner.y), face);
  DestroyWindow(edit);
}

TEST_F(ScrollbarTest, SwitchingOffHidesTheOverlaysAndNothingLeaksOverManyScrollsAndSwitches) {
  Start();
  TListBox& list = LongList(10, 10, 150, 120, 2000);
  ShowAndSkin();
  TSkinScrollbar& skinner = ScrollSkinner(list);
  HWND overlay = skinner.VertBar()->Handle();
  const auto cycle = [&] {
    SendMessageA(list.Handle(), SKM_SETACTIVE, 0, 0);
    Pump(5);
    const bool hidden = !IsWindowVisible(overlay);
    SendMessageA(list.Handle(), SKM_SETACTIVE, 1, 0);
    Pump(5);
    return hidden && IsWindowVisible(overlay);
  };
  ASSERT_TRUE(cycle());
  const int gdi = LiveGdiObjects(), windows = CountThreadWindows();
  int switched = 0;
  for (int i = 0; i < 100; ++i)
    switched += cycle();
  for (int i = 0; i < 1000; ++i) {
    SendMessageA(list.Handle(), WM_VSCROLL, i < 500 ? SB_LINEDOWN : SB_LINEUP, 0);
    UpdateWindow(overlay);
  }
  Pump(50);
  EXPECT_EQ(switched, 100);
  EXPECT_EQ(LiveGdiObjects(), gdi);
  EXPECT_EQ(CountThreadWindows(), windows);
  // Detached for good: the overlays go with the skinner's skinning.
  skinner.Detach();
  EXPECT_FALSE(IsWindow(overlay));
}

}  // namespace
}  // namespace controls_test
