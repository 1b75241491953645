// Tab skinners: button-style tabs of a page control and its pages, ordinary tabs on all four
// sides with their text turned, the close boxes of a page control, and tab controls the skin or
// the program gets wrong.

#include "tabs_fixture.h"

#include "framework/button.h"
#include "framework/page_control.h"
#include "framework/status_bar.h"
#include "skin/controls/skin_tabs.h"

#include <vector>

namespace tabs_test {
namespace {

RECT TabRect(HWND tabs, int index) {
  RECT r{};
  SendMessageA(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  return r;
}

// Inside a tab, clear of its centred caption.
COLORREF TabCorner(HWND tabs, int index) {
  const RECT r = TabRect(tabs, index);
  return WindowPixel(tabs, r.left + 3, r.top + 4);
}

void AddTab(HWND tabs, int index, const char* text) {
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<char*>(text);
  SendMessageA(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void Click(HWND window, POINT at) {
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

POINT Centre(const RECT& r) {
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// A page control with ordinary tabs (not buttons), on the side STYLE asks for.
class TTabbedPages : public TPageControl {
public:
  TTabbedPages(TComponent* owner, DWORD style) : TPageControl(owner), style_(style) {}

protected:
  TCreateParams CreateParams() override {
    TCreateParams params = TPageControl::CreateParams();
    params.Style = (params.Style & ~TCS_BUTTONS) | style_;
    return params;
  }

private:
  DWORD style_;
};

TTabSheet& AddPage(TPageControl& pages, const std::string& caption) {
  auto* sheet = new TTabSheet(&pages);
  sheet->SetCaption(caption);
  sheet->SetParent(&pages);
  return *sheet;
}

TEST_F(TabsTest, APageControlsButtonTabsShowTheSelectedPageAndSwitchByMouse) {
  TSkinData& data = Start();
  TPageControl& pages = Place<TPageControl>(*form_, 10, 10, 330, 180);
  for (const char* caption : {"Manage", "Personal", "News"})
    AddPage(pages, caption);
  TStatusBar& status = Place<TStatusBar>(*form_, 0, 200, 360, 20);
  TButton& later = Place<TButton>(*pages.Pages(2), 10, 10, 80, 24, "Later");
  int changes = 0;
  pages.OnChange = [&](TComponent*) { ++changes; };
  ShowAndSkin();
  EXPECT_EQ(KindOf(pages), "TSkinTabBtn");
  EXPECT_EQ(KindOf(*pages.Pages(0)), "TSkinTabSheet");
  EXPECT_EQ(KindOf(status), "TSkinStatusBar");
  EXPECT_FALSE(later.HandleAllocated()) << "its page is not shown yet";

  MakeSolid(data.Elements().Buttons, 5);
  HWND tabs = pages.Handle();
  for (int selected : {0, 2, 1}) {
    Click(tabs, Centre(TabRect(tabs, selected)));
    Pump(20);
    RepaintNow(tabs);
    EXPECT_EQ(pages.ActivePageIndex(), selected);
    EXPECT_TRUE(IsWindowVisible(pages.Pages(selected)->Handle()));
    EXPECT_EQ(KindOf(*pages.Pages(selected)), "TSkinTabSheet") << "page " << selected;
    for (int i = 0; i < 3; ++i)
      EXPECT_EQ(TabCorner(tabs, i), StripColour(i == selected ? 2 : 1)) << "tab " << i << " with " << selected;
  }
  EXPECT_EQ(changes, 2) << "the first click was on the page already shown";
  EXPECT_EQ(KindOf(later), "TSkinButton") << "skinned when its page was first shown";
  // The keyboard's focus on another button leaves the page shown pressed.
  SetFocus(tabs);
  SendMessageA(tabs, TCM_SETCURFOCUS, 2, 0);
  RepaintNow(tabs);
  EXPECT_EQ(TabCorner(tabs, 1), StripColour(2)) << "the page shown";
  EXPECT_EQ(TabCorner(tabs, 2), StripColour(1)) << "the focused button";
  TTabSheet& shown = *pages.Pages(1);
  RepaintNow(shown.Handle());
  EXPECT_EQ(WindowPixel(shown.Handle(), 10, 10),
            SkinColourOf(data, ciButtonFace));
}

TEST_F(TabsTest, OrdinaryTabsOnEachSideShowTheFocusedFrameAndThePane) {
  TSkinData& data = Start();
  ShowAndSkin();
  TDataSkinBorder& element = *data.Elements().Tabs;
  MakeSolid(element, 5);
  const COLORREF paneColour = RGB(90, 30, 200);
  element.Style = 0;
  element.Image2 = TBitmap(24, 24);
  {
    TMemoryDC dc(element.Image2.Handle());
    HBRUSH brush = CreateSolidBrush(paneColour);
    const RECT all{0, 0, 24, 24};
    FillRect(dc.Get(), &all, brush);
    DeleteObject(brush);
  }
  const struct {
    const char* side;
    DWORD style;
    TTabOrientation orientation;
  } cases[] = {
      {"top", 0, toTop},
      {"bottom", TCS_BOTTOM, toBottom},
      {"left", TCS_VERTICAL | TCS_MULTILINE, toLeft},
      {"right", TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE, toRight},
  };
  for (const auto& c : cases) {
    HWND tabs = Native(WC_TABCONTROLA, c.style, 20, 20, 260, 180);
    for (const char* text : {"First", "Second", "Third"})
      AddTab(tabs, 99, text);
    SendMessageA(tabs, TCM_SETCURSEL, 1, 0);
    auto& skinner = AttachNative<TSkinTab>(TSkinnerKind::skTab, tabs);
    EXPECT_EQ(skinner.Orientation(), c.orientation) << c.side;
    RepaintNow(tabs);
    for (int i = 0; i < 3; ++i)
      EXPECT_EQ(TabCorner(tabs, i), StripColour(i == 1 ? 2 : 1)) << c.side << " tab " << i;
    RECT display{};
    GetClientRect(tabs, &display);
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    const POINT middle = Centre(display);
    EXPECT_EQ(WindowPixel(tabs, middle.x, middle.y), paneColour) << c.side;
    DestroyWindow(tabs);
  }
}

// Where the caption's ink lies in the focused tab: its extent across and down, and whether its
// heavy end ("WWW" before the dots) is at the start of the reading direction.
struct TInk {
  int Width = 0, Height = 0;
  double CentreX = 0, CentreY = 0;  // the ink's centre of mass relative to its box, -0.5..0.5
};

TInk InkOf(HWND tabs, int index, COLORREF background) {
  RECT r = TabRect(tabs, index);
  InflateRect(&r, -2, -2);
  int minX = r.right, maxX = r.left, minY = r.bottom, maxY = r.top, count = 0;
  double sumX = 0, sumY = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (WindowPixel(tabs, x, y) != background) {
        minX = std::min(minX, x), maxX = std::max(maxX, x), minY = std::min(minY, y), maxY = std::max(maxY, y);
        sumX += x, sumY += y, ++count;
      }
  TInk ink;
  if (!count)
    return ink;
  ink.Width = maxX - minX + 1;
  ink.Height = maxY - minY + 1;
  ink.CentreX = (sumX / count - minX) / ink.Width - 0.5;
  ink.CentreY = (sumY / count - minY) / ink.Height - 0.5;
  return ink;
}

TEST_F(TabsTest, CaptionsOfSideTabsAreTurnedToReadAlongTheSide) {
  TSkinData& data = Start();
  ShowAndSkin();
  MakeSolid(*data.Elements().Tabs, 5);
  const struct {
    const char* side;
    DWORD style;
    bool upright;      // the text runs down the side
    int heavyEnd;      // where "WWWW" lies: -1 left or top, +1 right or bottom
  } cases[] = {
      {"top", 0, false, -1},
      {"bottom", TCS_BOTTOM, false, -1},
      {"left, bottom to top", TCS_VERTICAL | TCS_MULTILINE, true, +1},
      {"right, top to bottom", TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE, true, -1},
  };
  for (const auto& c : cases) {
    HWND tabs = Native(WC_TABCONTROLA, c.style, 20, 20, 260, 200);
    AddTab(tabs, 0, "WWWW.........");
    AttachNative<TSkinTab>(TSkinnerKind::skTab, tabs);
    RepaintNow(tabs);
    const TInk ink = InkOf(tabs, 0, StripColour(2));
    ASSERT_GT(ink.Width, 0) << c.side << ": no caption drawn";
    EXPECT_EQ(ink.Height > ink.Width, c.upright) << c.side << " " << ink.Width << "x" << ink.Height;
    const double along = c.upright ? ink.CentreY : ink.CentreX;
    EXPECT_GT(along * c.heavyEnd, 0.05) << c.side << ": the heavy end at " << along;
    DestroyWindow(tabs);
  }
}

TEST_F(TabsTest, CloseBoxesAskTheFormAndCloseThePageOnlyWhenNobodyAnswers) {
  TSkinData& data = Start();
  const struct {
    const char* what;
    int tag;
    DWORD style;
    bool boxes;
    LRESULT answer;
    int pagesLeft;
  } cases[] = {
      {"unanswered", kCloseBoxTag, 0, true, 0, 2},
      {"answered", kCloseBoxTag, 0, true, 1, 3},
      {"another tag", 0, 0, false, 0, 3},
      {"tabs at the bottom", kCloseBoxTag, TCS_BOTTOM, false, 0, 3},
  };
  std::vector<TTabbedPages*> controls;
  for (size_t i = 0; i < std::size(cases); ++i) {
    auto* pages = new TTabbedPages(form_.get(), cases[i].style);
    pages->SetBounds(10, 10, 330, 200);
    pages->SetParent(form_.get());
    pages->SetTag(data.DisableTag());  // attached by hand below, with the tag under test
    for (const char* caption : {"One", "Two", "Three"})
      AddPage(*pages, caption);
    pages->SetVisible(false);
    controls.push_back(pages);
  }
  ShowAndSkin();
  struct {
    WPARAM tabs = 0;
    LPARAM index = -1;
    LRESULT answer = 0;
  } asked;
  TWinControl::THookId closeHook = 0;
  closeHook = form_->AddMessageHook([&](UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
    if (msg == SKM_CLOSETAB) {
      asked.tabs = wParam;
      asked.index = lParam;
      return asked.answer;
    }
    return form_->CallNextHook(closeHook, msg, wParam, lParam);
  });
  for (size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    TTabbedPages& pages = *controls[i];
    pages.SetVisible(true);
    pages.SetTag(c.tag);
    auto& skinner = AttachFramework<TSkinTab>(TSkinnerKind::skTab, pages);
    EXPECT_EQ(skinner.CloseBoxes(), c.boxes) << c.what;
    asked = {};
    asked.answer = c.answer;
    HWND tabs = pages.Handle();
    if (c.boxes) {
      ASSERT_EQ(skinner.TabRects().size(), 3u) << c.what;
      const RECT box = skinner.TabRects()[1];
      EXPECT_EQ(WindowPixel(tabs, box.left + 3, box.top + 3), RGB(0, 0, 0)) << c.what << ": the crossing";
      Click(tabs, {box.left + 3, box.top + 3});
      Pump(20);
      EXPECT_EQ(asked.tabs, reinterpret_cast<WPARAM>(tabs)) << c.what;
      EXPECT_EQ(asked.index, 1) << c.what;
    } else {
      for (const RECT& box : skinner.TabRects())
        EXPECT_TRUE(IsRectEmpty(&box)) << c.what;
      const RECT tab = TabRect(tabs, 1);
      Click(tabs, {tab.right - 5, tab.top + 5});
      Pump(20);
      EXPECT_EQ(asked.index, -1) << c.what;
    }
    EXPECT_EQ(pages.PageCount(), c.pagesLeft) << c.what;
    if (c.pagesLeft == 2) {
      EXPECT_EQ(pages.Pages(1)->Caption(), "Three") << "the clicked page went";
    }
    pages.SetVisible(false);
  }
  form_->RemoveMessageHook(closeHook);

  // A page control skinned for another form (an MDI document inside its frame) asks that form.
  class TOtherHost : public TSkinnerHost {
  public:
    explicit TOtherHost(HWND window) : window_(window) {}
    bool RegisterControlSkinner(TSkinControl*) override { return false; }
    void UnregisterControlSkinner(TSkinControl*) override {}
    HWND HostWindow() const override { return window_; }

  private:
    HWND window_;
  };
  frame_test::TTestForm document("Document", 200, 100);
  LPARAM documentAsked = -1;
  TWinControl::THookId documentHook = 0;
  documentHook = document.AddMessageHook([&](UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
    if (msg != SKM_CLOSETAB)
      return document.CallNextHook(documentHook, msg, wParam, lParam);
    documentAsked = lParam;
    return 1;
  });
  TTabbedPages& pages = *controls[0];
  pages.SetVisible(true);
  TOtherHost other(document.Handle());
  TSkinControl* skinner = CreateControlSkinner(TSkinnerKind::skTab, &pages);
  skinner->AttachControl(&other, skinData_.get(), false, Skinner(form_->Handle())->ControlCanvas());
  RepaintNow(pages.Handle());
  auto& tabSkinner = dynamic_cast<TSkinTab&>(*skinner);
  ASSERT_FALSE(tabSkinner.TabRects().empty());
  const RECT box = tabSkinner.TabRects()[0];
  Click(pages.Handle(), {box.left + 3, box.top + 3});
  Pump(20);
  EXPECT_EQ(documentAsked, 0) << "the document's form was asked";
  EXPECT_EQ(pages.PageCount(), 2) << "and kept the page";
  delete skinner;
}

TEST_F(TabsTest, TabControlsWithoutTabsWithManyWithHugeTabsOrWithoutPicturesStillPaint) {
  TSkinData& data = Start();
  ShowAndSkin();
  MakeSolid(*data.Elements().Tabs, 5);
  const COLORREF face = SkinColourOf(data, ciButtonFace);
  const struct {
    const char* what;
    int tabs;
    DWORD style;
    int fixedWidth;    // 0: as wide as the text
    COLORREF topLeft;  // inside the control's top-left corner
    bool arrows;       // the tabs overflow one line: the control shows scroll arrows
  } cases[] = {
      {"no tabs", 0, 0, 0, face, false},
      {"200 tabs on one line", 200, 0, 0, StripColour(2), true},
      {"200 tabs in more rows than fit", 200, TCS_MULTILINE, 0, StripColour(1), false},
      {"a tab wider than the control", 1, TCS_FIXEDWIDTH, 900, StripColour(2), true},
  };
  for (const auto& c : cases) {
    HWND tabs = Native(WC_TABCONTROLA, c.style, 20, 20, 260, 180);
    if (c.fixedWidth)
      SendMessageA(tabs, TCM_SETITEMSIZE, 0, MAKELPARAM(c.fixedWidth, 20));
    for (int i = 0; i < c.tabs; ++i)
      AddTab(tabs, i, ("Tab " + std::to_string(i)).c_str());
    AttachNative<TSkinTab>(TSkinnerKind::skTab, tabs);
    RepaintNow(tabs);
    EXPECT_EQ(WindowPixel(tabs, 5, 5), c.topLeft) << c.what;
    // Tabs that overflow one line get scroll arrows, which the strip must not paint over.
    HWND arrows = FindWindowExA(tabs, nullptr, UPDOWN_CLASSA, nullptr);
    EXPECT_EQ(arrows && IsWindowVisible(arrows), c.arrows) << c.what;
    if (arrows && IsWindowVisible(arrows)) {
      RECT r{};
      GetWindowRect(arrows, &r);
      MapWindowPoints(nullptr, tabs, reinterpret_cast<POINT*>(&r), 2);
      const COLORREF middle = WindowPixel(tabs, r.left + 2, (r.top + r.bottom) / 2);
      EXPECT_NE(middle, StripColour(1)) << c.what;
      EXPECT_NE(middle, StripColour(2)) << c.what;
    }
    EXPECT_TRUE(IsWindow(tabs)) << c.what;
    DestroyWindow(tabs);
  }
  // A skin without tab pictures: the control draws its own tabs again.
  HWND tabs = Native(WC_TABCONTROLA, 0, 20, 20, 260, 180);
  AddTab(tabs, 0, "Plain");
  auto& skinner = AttachNative<TSkinTab>(TSkinnerKind::skTab, tabs);
  ASSERT_EQ(TabCorner(tabs, 0), StripColour(2));
  data.Elements().Tabs.reset();
  skinner.SkinChanged();
  RepaintNow(tabs);
  EXPECT_NE(TabCorner(tabs, 0), StripColour(2));
  EXPECT_TRUE(skinner.TabRects().empty());
}

}  // namespace
}  // namespace tabs_test
