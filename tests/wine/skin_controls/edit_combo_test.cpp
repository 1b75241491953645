// Edits, combo boxes, spin controls and date pickers on real windows: borders only where the
// control has one, the spin control kept clear of its edit's border, combo buttons on the
// reading side and lit only under the mouse, and the date picker's arrow opening the calendar.

#include "controls_fixture.h"

#include "framework/combo_box.h"
#include "framework/edit.h"
#include "framework/list_box.h"
#include "framework/memo.h"
#include "live_gdi_objects.h"
#include "skin/controls/combo_list_bar.h"
#include "skin/controls/scroll_overlay.h"
#include "skin/controls/skin_combo_box.h"
#include "skin/controls/skin_date_time.h"
#include "skin/controls/skin_scrollbar.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_up_down.h"
#include "skin/controls/skinner_kinds.h"
#include "skin/model/bitmap_utils.h"
#include "skin/model/memory_dc.h"
#include "test_skin.h"

#include <commctrl.h>

#include <functional>
#include <map>
#include <set>

namespace controls_test {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

// A strip of COUNT frames of WIDTH x HEIGHT, frame i filled with Colour(i).
TBitmap SolidStrip(int count, int width, int height, const std::function<COLORREF(int)>& colour) {
  TBitmap strip(count * width, height);
  TMemoryDC dc(strip.Handle());
  for (int i = 1; i <= count; ++i) {
    HBRUSH brush = CreateSolidBrush(colour(i));
    const RECT r{(i - 1) * width, 0, i * width, height};
    FillRect(dc.Get(), &r, brush);
    DeleteObject(brush);
  }
  return strip;
}

// Frame FRAME of COUNT of STRIP stretched over a WIDTH x HEIGHT rectangle on the face colour.
COLORREF StretchedPixel(const TBitmap& strip, TColor face, int count, int frame, int width, int height, int x, int y) {
  TBitmap picture(width, height);
  TMemoryDC dc(picture.Handle());
  HBRUSH brush = CreateSolidBrush(face);
  const RECT all{0, 0, width, height};
  FillRect(dc.Get(), &all, brush);
  DeleteObject(brush);
  DrawSkinFrame(dc.Get(), all, strip, true, count, frame);
  return GetPixel(dc.Get(), x, y);
}

RECT ScreenRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

class EditComboTest : public ControlsTest {
protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_UPDOWN_CLASS | ICC_DATE_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&init);
  }
  template <class T = TSkinControl>
  T* AttachRaw(TSkinnerKind kind, HWND window) {
    TWinSkinForm& frame = *Skinner(form_->Handle());
    TSkinControl* skinner = CreateControlSkinner(kind, nullptr);
    skinner->AttachWindow(window, skinData_.get(), &frame, frame.ControlCanvas());
    return dynamic_cast<T*>(skinner);
  }
  HWND Child(const char* windowClass, DWORD style, int left, int top, int width, int height, DWORD exStyle = 0,
             HWND parent = nullptr) {
    return CreateWindowExA(exStyle, windowClass, "", WS_CHILD | WS_VISIBLE | style, left, top, width, height,
                           parent ? parent : form_->Handle(), nullptr, nullptr, nullptr);
  }
  static void RepaintNow(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    Pump(30);
  }
};

TEST_F(EditComboTest, EditsWithABorderGetTheSkinnedEdgeAndBorderlessOnesNone) {
  Start();
  TEdit& edit = Place<TEdit>(*form_, 10, 10, 120, 24);
  TEdit& disabled = Place<TEdit>(*form_, 10, 40, 120, 24);
  disabled.SetEnabled(false);
  TEdit& borderless = Place<TEdit>(*form_, 140, 10, 120, 24);
  borderless.SetBorderStyle(bsNone);
  ShowAndSkin();
  HWND plain = Child("Edit", 0, 10, 70, 120, 24);
  AttachRaw(TSkinnerKind::skEdit, plain);
  HWND sunken = Child("Edit", 0, 10, 100, 120, 24, WS_EX_CLIENTEDGE);
  AttachRaw(TSkinnerKind::skEdit, sunken);
  const COLORREF shadow = static_cast<COLORREF>(ResolveColour(skinData_->ColourTable().Colours[ciButtonShadow]));
  EXPECT_EQ(KindOf(edit), "TSkinEdit");
  const struct {
    const char* what;
    HWND window;
    bool framed;
  } cases[] = {
      {"framework edit", edit.Handle(), true},
      {"disabled edit", disabled.Handle(), true},
      {"client-edge edit", sunken, true},
      {"edit without a border", plain, false},
      {"framework edit without a border", borderless.Handle(), false},
  };
  for (const auto& c : cases) {
    RepaintNow(c.window);
    if (c.framed) {
      EXPECT_EQ(WindowPixel(c.window, 0, 0), shadow) << c.what;
      EXPECT_EQ(WindowPixel(c.window, 60, 1), kWhite) << c.what;
      EXPECT_EQ(WindowPixel(c.window, 2, 12), kWhite) << c.what;
    } else {
      EXPECT_NE(WindowPixel(c.window, 0, 0), shadow) << c.what;
    }
  }
  // The edit still takes typing through its skinner.
  SetFocus(edit.Handle());
  for (char ch : std::string("42"))
    SendMessageA(edit.Handle(), WM_CHAR, static_cast<WPARAM>(ch), 0);
  EXPECT_EQ(edit.Text(), "42");
  DestroyWindow(plain);
  DestroyWindow(sunken);
}

// A window printed into a DC of its own asks each control to paint there: a list's and a memo's
// border as the skin draws it, an edit itself with its text. Other marks are not answered.
TEST_F(EditComboTest, ListsMemosAndEditsPaintIntoTheDCTheyAreGiven) {
  Start();
  TListBox& list = Place<TListBox>(*form_, 10, 10, 120, 80);
  list.SetItems({"one", "two"});
  TMemo& memo = Place<TMemo>(*form_, 140, 10, 120, 80);
  memo.SetText("memo");
  TEdit& edit = Place<TEdit>(*form_, 10, 100, 120, 24);
  edit.SetText("WWWW");
  ShowAndSkin();
  const COLORREF shadow = static_cast<COLORREF>(ResolveColour(skinData_->ColourTable().Colours[ciButtonShadow]));
  constexpr COLORREF kUnpainted = RGB(255, 0, 255);
  const struct {
    const char* what;
    TWinControl& control;
    UINT request;
  } cases[] = {
      {"list box", list, SKM_PAINTFRAMETO},
      {"memo", memo, SKM_PAINTFRAMETO},
      {"edit", edit, SKM_PAINTCONTROLTO},
  };
  for (const auto& c : cases) {
    ASSERT_NE(SkinnerOf(c.control), nullptr) << c.what;
    const RECT r = ScreenRect(c.control.Handle());
    const int width = r.right - r.left, height = r.bottom - r.top;
    const auto paint = [&](LPARAM mark, LRESULT& answer) {
      TBitmap picture = test_skin::Solid(width, height, kUnpainted);
      TMemoryDC dc(picture.Handle());
      answer = SendMessageA(c.control.Handle(), c.request, reinterpret_cast<WPARAM>(dc.Get()), mark);
      int painted = 0;
      for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
          painted += GetPixel(dc.Get(), x, y) != kUnpainted;
      return std::make_pair(painted, GetPixel(dc.Get(), 0, 0));
    };
    LRESULT answer = 0;
    const auto [painted, corner] = paint(kSkinAppliedMark, answer);
    EXPECT_EQ(answer, kSkinAppliedMark) << c.what;
    if (c.request == SKM_PAINTFRAMETO) {
      EXPECT_EQ(corner, shadow) << c.what << ": the skin's border";
      EXPECT_EQ(painted, 2 * (width + height) - 4 + 2 * (width + height - 4) - 4) << c.what << ": the border's two rings only";
    } else {
      EXPECT_GT(painted, 20) << c.what << ": the edit's text and background";
    }
    EXPECT_NE(paint(1, answer).first, painted) << c.what << ": another mark";
    EXPECT_NE(answer, kSkinAppliedMark) << c.what << ": another mark";
  }
}

TEST_F(EditComboTest, ASpinInsideAnEditKeepsThreePixelsFromTheEditsEdges) {
  Start();
  ShowAndSkin();
  HWND edit = Child("Edit", WS_BORDER, 20, 20, 100, 26);
  RECT client{};
  GetClientRect(edit, &client);
  HWND spin = Child(UPDOWN_CLASSA, 0, client.right - 16, 0, 16, client.bottom, 0, edit);
  auto* skinner = AttachRaw<TSkinEdit>(TSkinnerKind::skEdit, edit);
  ASSERT_NE(skinner, nullptr);
  RepaintNow(edit);
  ASSERT_NE(skinner->SpinSkinner(), nullptr) << "the spin control was found and skinned";
  EXPECT_TRUE(skinner->SpinSkinner()->InEdit());
  EXPECT_EQ(skinner->SpinSkinner()->Handle(), spin);
  RepaintNow(spin);
  const RECT outer = ScreenRect(edit), self = ScreenRect(spin);
  const RECT area = skinner->SpinSkinner()->ButtonArea({0, 0, self.right - self.left, self.bottom - self.top});
  const struct {
    const char* edge;
    int gap;           // from the buttons to the edit's edge
    POINT inset;       // a spin pixel in the kept gap: white
  } cases[] = {
      {"top", self.top + area.top - outer.top, {(area.left + area.right) / 2, area.top - 1}},
      {"bottom", outer.bottom - (self.top + area.bottom), {(area.left + area.right) / 2, area.bottom}},
      {"right", outer.right - (self.left + area.right), {area.right, (area.top + area.bottom) / 2}},
  };
  for (const auto& c : cases) {
    EXPECT_GE(c.gap, 3) << c.edge;
    EXPECT_LE(c.gap, 4) << c.edge << ": not moved further than needed";
    EXPECT_EQ(WindowPixel(spin, c.inset.x, c.inset.y), kWhite) << c.edge;
  }
  DestroyWindow(edit);
}

TEST_F(EditComboTest, SpinHalvesShowTheFrameOfTheirStateUnderTheCursor) {
  TSkinData& data = Start();
  ShowAndSkin();
  HWND spin = Child(UPDOWN_CLASSA, 0, 200, 20, 18, 40);
  auto* skinner = AttachRaw<TSkinUpDown>(TSkinnerKind::skUpDown, spin);
  ASSERT_NE(skinner, nullptr);
  const TDataSkinBorder& element = *data.Elements().UpDownVert;
  const TColor face = skinner->FaceColour();
  // A point in each half where the frames that half shows all differ.
  const auto expected = [&](int frame, POINT at) {
    const int top = at.y < 20 ? 0 : 20;
    return StretchedPixel(element.Image, face, 8, frame, 18, 20, at.x, at.y - top);
  };
  const auto findPoint = [&](int top, std::initializer_list<int> frames) {
    for (int y = top + 1; y < top + 19; ++y)
      for (int x = 1; x < 17; ++x) {
        std::set<COLORREF> colours;
        for (int frame : frames)
          colours.insert(expected(frame, {x, y}));
        if (colours.size() == frames.size())
          return POINT{x, y};
      }
    return POINT{-1, -1};
  };
  const POINT upper = findPoint(0, {1, 3, 4}), lower = findPoint(20, {5, 6, 7, 8});
  ASSERT_GE(upper.x, 0) << "the skin's upper frames must differ somewhere";
  ASSERT_GE(lower.x, 0) << "the skin's lower frames must differ somewhere";
  const auto cursorAt = [&](POINT at) {
    ClientToScreen(spin, &at);
    SetCursorPos(at.x, at.y);
  };
  const struct {
    const char* what;
    std::function<void()> act;
    int up, down;
  } cases[] = {
      {"away", [&] { cursorAt({-50, -50}); SendMessageA(spin, WM_MOUSELEAVE, 0, 0); }, 1, 5},
      {"over the lower half", [&] { cursorAt(lower); SendMessageA(spin, WM_MOUSEMOVE, 0, MAKELPARAM(lower.x, lower.y)); }, 1, 8},
      {"pressed on it", [&] { SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(lower.x, lower.y)); }, 1, 6},
      {"released", [&] { SendMessageA(spin, WM_LBUTTONUP, 0, MAKELPARAM(lower.x, lower.y)); }, 1, 8},
      {"over the upper half", [&] { cursorAt(upper); SendMessageA(spin, WM_MOUSEMOVE, 0, MAKELPARAM(upper.x, upper.y)); }, 4, 5},
      {"disabled", [&] { EnableWindow(spin, FALSE); }, 3, 7},
  };
  for (const auto& c : cases) {
    c.act();
    RepaintNow(spin);
    EXPECT_EQ(WindowPixel(spin, upper.x, upper.y), expected(c.up, upper)) << c.what;
    EXPECT_EQ(WindowPixel(spin, lower.x, lower.y), expected(c.down, lower)) << c.what;
  }
  DestroyWindow(spin);
}

TEST_F(EditComboTest, TheComboButtonLightsOnlyOverTheButtonAndGoesDarkOnLeaving) {
  TSkinData& data = Start();
  TEdit& focusTaker = Place<TEdit>(*form_, 10, 100, 80, 22);
  ShowAndSkin();
  HWND combo = Child("ComboBox", CBS_DROPDOWNLIST, 20, 20, 150, 200);
  SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("first"));
  auto* skinner = AttachRaw<TSkinComBox>(TSkinnerKind::skComBox, combo);
  ASSERT_NE(skinner, nullptr);
  SetFocus(focusTaker.Handle());
  RepaintNow(combo);
  const RECT button = skinner->ButtonRect();
  ASSERT_FALSE(IsRectEmpty(&button));
  const TDataSkinBorder& element = *data.Elements().ComboButton;
  ASSERT_EQ(element.Style, 2) << "the default skin composes the whole box";
  const RECT window = ScreenRect(combo);
  const int width = window.right - window.left, height = window.bottom - window.top;
  // A point of the button where the normal and hot frames differ.
  POINT at{-1, -1};
  for (int x = button.left; x < button.right && at.x < 0; ++x)
    for (int y = button.top + 1; y < button.bottom - 1 && at.x < 0; ++y) {
      const COLORREF normal = ElementPixel(element, element.FrameCount, 1, width, height, x, y);
      const COLORREF hot = ElementPixel(element, element.FrameCount, 4, width, height, x, y);
      if (normal != hot && normal != RGB(255, 0, 255) && hot != RGB(255, 0, 255))
        at = {x, y};
    }
  ASSERT_GE(at.x, 0);
  const auto client = [&](int x, int y) {
    POINT p{window.left + x, window.top + y};
    ScreenToClient(combo, &p);
    return MAKELPARAM(p.x, p.y);
  };
  const struct {
    const char* what;
    LPARAM move;
    UINT msg;
    bool hover;
  } cases[] = {
      {"over the text", client(8, height / 2), WM_MOUSEMOVE, false},
      {"over the button", client((button.left + button.right) / 2, height / 2), WM_MOUSEMOVE, true},
      {"back over the text", client(8, height / 2), WM_MOUSEMOVE, false},
      {"over the button again", client((button.left + button.right) / 2, height / 2), WM_MOUSEMOVE, true},
      {"left the control", 0, WM_MOUSELEAVE, false},
  };
  for (const auto& c : cases) {
    SendMessageA(combo, c.msg, 0, c.move);
    RepaintNow(combo);
    EXPECT_EQ(skinner->Hover(), c.hover) << c.what;
    EXPECT_EQ(WindowPixel(combo, at.x, at.y), ElementPixel(element, element.FrameCount, c.hover ? 4 : 1, width, height,
                                                          at.x, at.y))
        << c.what;
  }
  DestroyWindow(combo);
}

TEST_F(EditComboTest, ARightToLeftComboDrawsTheMirroredButtonOnTheLeft) {
  TSkinData& data = Start();
  ShowAndSkin();
  TDataSkinBorder& element = *data.Elements().ComboButton;
  // A plain button strip (the usual form), its mirror coloured apart.
  element.Style = 0;
  element.FrameCount = 4;
  element.Image = SolidStrip(4, 17, 21, [](int i) { return RGB(200, 40 * i, 10); });
  element.Image2 = SolidStrip(4, 17, 21, [](int i) { return RGB(10, 40 * i, 200); });
  HWND ltr = Child("ComboBox", CBS_DROPDOWNLIST, 20, 20, 150, 200);
  HWND rtl = Child("ComboBox", CBS_DROPDOWNLIST, 20, 60, 150, 200, WS_EX_LEFTSCROLLBAR);
  AttachRaw(TSkinnerKind::skComBox, ltr);
  AttachRaw(TSkinnerKind::skComBox, rtl);
  SetFocus(form_->Handle());
  const int w = GetSystemMetrics(SM_CXHSCROLL);
  const struct {
    const char* what;
    HWND combo;
    bool left;
    COLORREF colour;
  } cases[] = {
      {"left to right", ltr, false, RGB(200, 40, 10)},
      {"right to left", rtl, true, RGB(10, 40, 200)},
  };
  for (const auto& c : cases) {
    RepaintNow(c.combo);
    const RECT r = ScreenRect(c.combo);
    const int width = r.right - r.left, height = r.bottom - r.top;
    const int buttonX = c.left ? (w + 2) / 2 : width - (w + 2) / 2;
    const int otherX = c.left ? width - (w + 2) / 2 : (w + 2) / 2;
    // Above the glyph centred in the button.
    EXPECT_EQ(WindowPixel(c.combo, buttonX, 2), c.colour) << c.what;
    EXPECT_NE(WindowPixel(c.combo, otherX, 2), c.colour) << c.what << ": no button on the other side";
    EXPECT_NE(WindowPixel(c.combo, otherX, height / 2), c.colour) << c.what;
  }
  DestroyWindow(ltr);
  DestroyWindow(rtl);
}

TEST(DraggedListPositionTest, ADraggedThumbMapsToListPositionsWithinTheRange) {
  const auto info = [](int min, int max, UINT page) {
    SCROLLINFO i{};
    i.cbSize = sizeof i;
    i.nMin = min;
    i.nMax = max;
    i.nPage = page;
    return i;
  };
  const struct {
    const char* what;
    int offset;
    SCROLLINFO info;
    int position;
  } cases[] = {
      {"at the top", 0, info(0, 99, 10), 0},
      {"half way", 40, info(0, 99, 10), 45},
      {"past the end: the last page", 1000, info(0, 99, 10), 90},
      {"above the top", -30, info(0, 99, 10), 0},
      {"a range starting at 10", 0, info(10, 109, 10), 10},
      {"no page, part way", 40, info(0, 50, 0), 20},
      {"no page, past the end", 1000, info(0, 50, 0), 40},
      {"an empty range", 50, info(0, 0, 0), 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DraggedListPosition(c.offset, 100, 20, c.info), c.position) << c.what;
}

// The framework's drop-down combo gets the skin's bar in its list; one known only by its handle
// (a foreign dialog's) keeps the system's list and bar.
TEST_F(EditComboTest, TheDropDownListShowsTheSkinsBarAndDroppingDownLeaksNothing) {
  TSkinData& data = Start();
  TComboBox& framework = Place<TComboBox>(*form_, 20, 20, 150, 24);
  framework.SetStyle(TComboBoxStyle::csDropDownList);
  std::vector<std::string> items;
  for (int i = 0; i < 50; ++i)
    items.push_back("item " + std::to_string(i));
  framework.SetItems(items);
  ShowAndSkin();
  HWND raw = Child("ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, 200, 20, 150, 120);
  for (const std::string& item : items)
    SendMessageA(raw, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  auto* rawSkinner = AttachRaw<TSkinComBox>(TSkinnerKind::skComBox, raw);
  ASSERT_NE(rawSkinner, nullptr);
  EXPECT_EQ(rawSkinner->DropListSkinner(), nullptr) << "by handle: the list keeps the system's bar";
  auto* skinner = dynamic_cast<TSkinComBox*>(SkinnerOf(framework));
  ASSERT_NE(skinner, nullptr);
  ASSERT_NE(skinner->DropListSkinner(), nullptr);
  HWND combo = framework.Handle();
  HWND list = skinner->ListWindow();
  const auto dropAndLook = [&] {
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    Pump(40);
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof bar;
    GetScrollBarInfo(list, OBJID_VSCROLL, &bar);
    const RECT window = ScreenRect(list);
    const int width = bar.rcScrollBar.right - bar.rcScrollBar.left, arrow = GetSystemMetrics(SM_CXHSCROLL);
    const COLORREF shown = WindowPixel(list, bar.rcScrollBar.left - window.left + width / 2,
                                       bar.rcScrollBar.top - window.top + arrow / 2);
    SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
    Pump(10);
    return std::make_pair(shown, width);
  };
  const auto [shown, width] = dropAndLook();
  const int arrow = GetSystemMetrics(SM_CXHSCROLL);
  EXPECT_EQ(shown, StretchedPixel(data.Elements().Scrollbar->Image, skinner->FaceColour(), 23, 9, width, arrow, width / 2,
                                  arrow / 2))
      << "the up arrow of the skin's strip";
  const int gdi = LiveGdiObjects();
  for (int i = 0; i < 100; ++i)
    dropAndLook();
  EXPECT_EQ(LiveGdiObjects(), gdi);
  SendMessageA(raw, CB_SHOWDROPDOWN, TRUE, 0);
  Pump(40);
  HWND rawList = rawSkinner->ListWindow();
  SCROLLBARINFO bar{};
  bar.cbSize = sizeof bar;
  ASSERT_TRUE(GetScrollBarInfo(rawList, OBJID_VSCROLL, &bar));
  const RECT rawWindow = ScreenRect(rawList);
  EXPECT_NE(WindowPixel(rawList, bar.rcScrollBar.left - rawWindow.left + width / 2, bar.rcScrollBar.top - rawWindow.top + arrow / 2),
            shown)
      << "the system's up arrow in the list of the combo known by handle";
  SendMessageA(raw, CB_SHOWDROPDOWN, FALSE, 0);
  DestroyWindow(raw);
}

// The extended combo box is skinned through the combo inside it, as the raw windows of a dialog
// box are found: its button from the skin and its drop-down list with the skin's bar.
TEST_F(EditComboTest, AnExtendedComboBoxIsSkinnedThroughItsInnerCombo) {
  TSkinData& data = Start();
  ShowAndSkin();
  for (DWORD style : {CBS_DROPDOWNLIST, CBS_DROPDOWN}) {
    HWND ex = Child(WC_COMBOBOXEXA, style | WS_VSCROLL, 20, 20, 160, 150);
    ASSERT_NE(ex, nullptr);
    for (const char* text : {"first", "second", "third"}) {
      COMBOBOXEXITEMA item{};
      item.mask = CBEIF_TEXT;
      item.iItem = -1;
      item.pszText = const_cast<char*>(text);
      SendMessageA(ex, CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    HWND inner = reinterpret_cast<HWND>(SendMessageA(ex, CBEM_GETCOMBOCONTROL, 0, 0));
    ASSERT_NE(inner, nullptr);
    TWinSkinForm& frame = *Skinner(form_->Handle());
    frame.SkinChildWindow(ex);
    auto* skinner = dynamic_cast<TSkinComBox*>(frame.FindControlSkinner(inner));
    ASSERT_NE(skinner, nullptr) << "style " << style;
    EXPECT_EQ(frame.FindControlSkinner(ex), nullptr) << "the outer window keeps its own look";
    EXPECT_EQ(skinner->DropListSkinner(), nullptr) << "style " << style << ": a list known by handle keeps its bar";
    SetFocus(form_->Handle());
    RepaintNow(inner);
    const RECT button = skinner->ButtonRect();
    ASSERT_FALSE(IsRectEmpty(&button)) << "style " << style;
    const RECT r = ScreenRect(inner);
    const int width = r.right - r.left, height = r.bottom - r.top;
    const TDataSkinBorder& element = *data.Elements().ComboButton;
    int compared = 0;
    for (int x = button.left + 1; x < button.right - 1; x += 2) {
      const COLORREF wanted = ElementPixel(element, element.FrameCount, 1, width, height, x, 2);
      if (wanted == RGB(255, 0, 255))
        continue;
      EXPECT_EQ(WindowPixel(inner, x, 2), wanted) << "style " << style << " x " << x;
      ++compared;
    }
    EXPECT_GT(compared, 2) << "style " << style;
    DestroyWindow(ex);
    Pump(20);
  }
}

// A simple combo box's list is a child window with its own bars: the skin's overlays cover them
// and follow the list as it scrolls.
TEST_F(EditComboTest, ASimpleCombosListGetsOverlaysThatFollowItsBar) {
  Start();
  TComboBox& framework = Place<TComboBox>(*form_, 20, 20, 150, 110);
  framework.SetStyle(TComboBoxStyle::csSimple);
  std::vector<std::string> items;
  for (int i = 0; i < 40; ++i)
    items.push_back("item " + std::to_string(i));
  framework.SetItems(items);
  ShowAndSkin();
  HWND combo = framework.Handle();
  auto* skinner = dynamic_cast<TSkinComBox*>(SkinnerOf(framework));
  ASSERT_NE(skinner, nullptr);
  ASSERT_NE(skinner->ListScrollSkinner(), nullptr);
  HWND raw = Child("ComboBox", CBS_SIMPLE | WS_VSCROLL, 200, 20, 150, 110);
  EXPECT_EQ(AttachRaw<TSkinComBox>(TSkinnerKind::skComBox, raw)->ListScrollSkinner(), nullptr)
      << "by handle: the list is discovery's to skin";
  EXPECT_EQ(skinner->DropListSkinner(), nullptr);
  HWND list = skinner->ListWindow();
  TWScrollbar& bar = *skinner->ListScrollSkinner()->VertBar();
  const struct {
    const char* what;
    std::function<void()> act;
  } cases[] = {
      {"shown", [] {}},
      {"top index 20", [&] { SendMessageA(list, LB_SETTOPINDEX, 20, 0); }},
      {"a line down", [&] { SendMessageA(list, WM_VSCROLL, SB_LINEDOWN, 0); }},
      {"moved", [&] { SetWindowPos(combo, nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER); }},
  };
  for (const auto& c : cases) {
    c.act();
    RepaintNow(list);
    Pump(40);
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetScrollBarInfo(list, OBJID_VSCROLL, &info)) << c.what;
    ASSERT_TRUE(bar.BarVisible()) << c.what;
    const RECT overlay = ScreenRect(bar.Handle());
    EXPECT_TRUE(EqualRect(&overlay, &info.rcScrollBar)) << c.what;
    EXPECT_EQ(bar.ThumbStart(), info.xyThumbTop) << c.what;
  }
  EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 21) << "the list scrolled as the system scrolls it";
  DestroyWindow(raw);
}

// The flat form: a one-frame-wide button inside the edge at the reading side, in the frame of
// the box's state.
TEST_F(EditComboTest, AFlatComboDrawsOneFrameWideButtonsAtTheReadingSide) {
  TSkinData& data = Start();
  TEdit& focusTaker = Place<TEdit>(*form_, 10, 150, 80, 22);
  ShowAndSkin();
  TDataSkinBorder& element = *data.Elements().ComboButton;
  element.Style = 1;
  element.FrameCount = 4;
  element.Image = SolidStrip(4, 12, 40, [](int i) { return RGB(30 * i, 160, 220 - 30 * i); });
  HWND ltr = Child("ComboBox", CBS_DROPDOWNLIST, 20, 20, 150, 200);
  HWND rtl = Child("ComboBox", CBS_DROPDOWNLIST, 20, 60, 150, 200, WS_EX_LEFTSCROLLBAR);
  HWND off = Child("ComboBox", CBS_DROPDOWNLIST | WS_DISABLED, 20, 100, 150, 200);
  const struct {
    const char* what;
    HWND combo;
    bool left, focused;
    int frame;
  } cases[] = {
      {"left to right", ltr, false, false, 1},
      {"right to left", rtl, true, false, 1},
      {"focused", ltr, false, true, 4},
      {"disabled", off, false, false, 3},
  };
  std::map<HWND, TSkinComBox*> skinners;
  for (HWND combo : {ltr, rtl, off})
    skinners[combo] = AttachRaw<TSkinComBox>(TSkinnerKind::skComBox, combo);
  for (const auto& c : cases) {
    TSkinComBox* skinner = skinners[c.combo];
    ASSERT_NE(skinner, nullptr) << c.what;
    SetFocus(c.focused ? c.combo : focusTaker.Handle());
    RepaintNow(c.combo);
    const RECT r = ScreenRect(c.combo);
    const int width = r.right - r.left, height = r.bottom - r.top;
    const RECT button = skinner->ButtonRect();
    EXPECT_EQ(button.right - button.left, 12) << c.what << ": one frame wide";
    EXPECT_EQ(button.top, 2) << c.what;
    EXPECT_EQ(c.left ? button.left : button.right, c.left ? 2 : width - 2) << c.what;
    EXPECT_EQ(WindowPixel(c.combo, (button.left + button.right) / 2, height / 2),
              RGB(30 * c.frame, 160, 220 - 30 * c.frame))
        << c.what;
    EXPECT_EQ(WindowPixel(c.combo, 0, height / 2), static_cast<COLORREF>(ResolveColour(data.ColourTable().Colours[ciButtonShadow])))
        << c.what << ": the outer edge";
  }
  for (HWND combo : {ltr, rtl, off})
    DestroyWindow(combo);
}

TEST_F(EditComboTest, TheDateArrowShowsTheSkinsArrowAndOpensTheCalendarWithTheFocus) {
  TSkinData& data = Start();
  TEdit& focusTaker = Place<TEdit>(*form_, 10, 100, 80, 22);
  ShowAndSkin();
  HWND picker = Child("SysDateTimePick32", 0, 20, 20, 160, 24);
  auto* skinner = AttachRaw<TSkinDateTime>(TSkinnerKind::skDateTime, picker);
  ASSERT_NE(skinner, nullptr);
  HWND arrow = skinner->ArrowButton()->Handle();
  ASSERT_TRUE(IsWindow(arrow));
  EXPECT_EQ(GetParent(arrow), picker);
  RepaintNow(picker);
  const RECT pr = ScreenRect(picker), ar = ScreenRect(arrow);
  const int size = GetSystemMetrics(SM_CXHSCROLL);
  EXPECT_EQ(ar.right - ar.left, size);
  EXPECT_EQ(ar.bottom - ar.top, pr.bottom - pr.top - 4);
  POINT origin{ar.left, ar.top};
  ScreenToClient(picker, &origin);
  EXPECT_EQ(origin.x, pr.right - pr.left - size - 4) << "placed in the picker's client area";
  EXPECT_EQ(origin.y, 0);
  const TDataSkinObject& element = *data.Elements().ComboxArrow;
  const int aw = ar.right - ar.left, ah = ar.bottom - ar.top;
  const TColor face = skinner->FaceColour();
  EXPECT_EQ(WindowPixel(arrow, aw / 2, ah / 2),
            StretchedPixel(element.Image, face, element.FrameCount, 1, aw, ah, aw / 2, ah / 2));
  SetFocus(focusTaker.Handle());
  SendMessageA(arrow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(aw / 2, ah / 2));
  SendMessageA(arrow, WM_LBUTTONUP, 0, MAKELPARAM(aw / 2, ah / 2));
  PumpUntil([&] { return SendMessageA(picker, DTM_GETMONTHCAL, 0, 0) != 0; }, 1000);
  EXPECT_NE(SendMessageA(picker, DTM_GETMONTHCAL, 0, 0), 0) << "the calendar is open";
  HWND focus = GetFocus();
  EXPECT_TRUE(focus == picker || IsChild(picker, focus) || focus == reinterpret_cast<HWND>(SendMessageA(picker, DTM_GETMONTHCAL, 0, 0)))
      << "the picker has the focus";
  SendMessageA(picker, DTM_CLOSEMONTHCAL, 0, 0);
  DestroyWindow(picker);
}

}  // namespace
}  // namespace controls_test
