// The popup menu skinner on real popup menu windows: a thread hook attaches one to each popup
// menu window that TrackPopupMenu creates, the owner window draws the owner-drawn items with
// the item painters, and the window's pixels are read back while the menu is open.

#include <gtest/gtest.h>

#include "framework/colour.h"
#include "gdi_count.h"
#include "framework/menu_item_paint.h"
#include "skin/window/menu_item_painter.h"
#include "skin/window/popup_menu_skinner.h"
#include "skin/window/skin_messages.h"
#include "stored_skin.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using stored_skin::ElementPixel;
using test_pictures::PixelAt;

namespace {

constexpr UINT kOpen = 101, kSave = 102, kSeparator = 103, kQuit = 104;
constexpr UINT_PTR kStepTimer = 7;
constexpr COLORREF kMagenta = RGB(255, 0, 255);

// What the test saw of one tracked popup menu.
struct TTracking {
  std::vector<TBitmap> Shots;            // the menu window, frame included, once per step
  std::vector<TBitmap> Printed;          // the same window printed with WM_PRINT
  std::vector<bool> HadBackground;       // the skinner held its background at each step
  HWND Menu = nullptr;                   // the popup menu window
  LRESULT SkinnedAnswer = 0;             // its answer to SKM_ISSKINNED
  std::map<UINT, RECT> Items;            // item rectangles in client coordinates, by id
  POINT ClientOrigin{};                  // where the client area starts inside the window
};

class PopupMenuSkinner : public ::testing::Test {
protected:
  void SetUp() override {
    skin_ = stored_skin::LoadSlate();
    current_ = this;
    WNDCLASSW cls{};
    cls.lpfnWndProc = &PopupMenuSkinner::OwnerProc;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.lpszClassName = L"TlMenuTestOwner";
    RegisterClassW(&cls);
    owner_ = CreateWindowExW(0, L"TlMenuTestOwner", L"owner", WS_OVERLAPPEDWINDOW, 40, 40, 300,
                             200, nullptr, nullptr, cls.hInstance, nullptr);
    ShowWindow(owner_, SW_SHOW);
    hook_ = SetWindowsHookExW(WH_CBT, &PopupMenuSkinner::CbtHook, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook_, nullptr);
  }
  void TearDown() override {
    UnhookWindowsHookEx(hook_);
    skinners_.clear();
    DestroyWindow(owner_);
    current_ = nullptr;
  }

  // A native popup menu whose items are owner-drawn but keep their texts.
  static HMENU OwnerDrawnMenu() {
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, kOpen, L"&Open\tCtrl+O");
    AppendMenuW(menu, MF_STRING, kSave, L"&Save as...");
    AppendMenuW(menu, MF_SEPARATOR, kSeparator, nullptr);
    AppendMenuW(menu, MF_STRING | MF_CHECKED, kQuit, L"&Quit");
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
      MENUITEMINFOW info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_FTYPE;
      GetMenuItemInfoW(menu, i, TRUE, &info);
      info.fType |= MFT_OWNERDRAW;
      SetMenuItemInfoW(menu, i, TRUE, &info);
    }
    return menu;
  }

  // Opens the menu and, once per timer tick while it is open, shoots the menu window and runs
  // the next step; the tick after the last step closes the menu.
  TTracking Track(std::vector<std::function<void(HWND)>> steps = {}) {
    UniqueMenu menu(OwnerDrawnMenu());
    menu_ = menu.Get();
    tracking_ = TTracking{};
    steps_ = std::move(steps);
    SetTimer(owner_, kStepTimer, 150, nullptr);
    TrackPopupMenu(menu.Get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_NONOTIFY, 60, 60, 0, owner_, nullptr);
    KillTimer(owner_, kStepTimer);
    menu_ = nullptr;
    return std::move(tracking_);
  }

  void OnStep() {
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (!menu)
      return;
    tracking_.Menu = menu;
    Shoot(menu);
    if (steps_.empty()) {
      EndMenu();
      return;
    }
    auto step = steps_.front();
    steps_.erase(steps_.begin());
    step(menu);
  }

  void Shoot(HWND menu) {
    RedrawWindow(menu, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
    RECT window{};
    GetWindowRect(menu, &window);
    POINT client{0, 0};
    ClientToScreen(menu, &client);
    tracking_.ClientOrigin = POINT{client.x - window.left, client.y - window.top};
    tracking_.SkinnedAnswer = SendMessageW(menu, SKM_ISSKINNED, 0, 0);
    const TWinSkinPopMenu* skinner = SkinnerOf(menu);
    tracking_.HadBackground.push_back(skinner && !skinner->Background().Empty());
    const int w = window.right - window.left, h = window.bottom - window.top;
    TBitmap shot(w, h, 24), printed(w, h, 24);
    {
      TMemoryDC to(shot.Handle());
      TWindowDC from(menu, true);
      BitBlt(to.Get(), 0, 0, w, h, from.Get(), 0, 0, SRCCOPY);
    }
    {
      TMemoryDC to(printed.Handle());
      SendMessageW(menu, WM_PRINT, reinterpret_cast<WPARAM>(to.Get()),
                   PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    }
    tracking_.Shots.push_back(std::move(shot));
    tracking_.Printed.push_back(std::move(printed));
  }

  const TWinSkinPopMenu* SkinnerOf(HWND menu) const {
    for (const auto& skinner : skinners_)
      if (skinner->Handle() == menu)
        return skinner.get();
    return nullptr;
  }

  // The pixel the skinned popup shows at window point (x, y) under a transparent part of an
  // item: its MenuBackground, or the skin's Menu colour when the skin has none to paint.
  COLORREF Ground(int w, int h, int x, int y) const {
    const auto& background = skin_->Elements().MenuBackground;
    if (!background || background->Image.Empty())
      return ColorToRGB(skin_->ColourTable().Colours[ciMenu]);
    return ElementPixel(*background, 1, 1, w, h, x, y);
  }

  static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && current_ && current_->attach_) {
      auto* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam);
      wchar_t cls[16] = {};
      GetClassNameW(reinterpret_cast<HWND>(wParam), cls, 16);
      if (std::wstring(cls) == L"#32768" && !(create->lpcs->style & WS_CHILD)) {
        auto skinner = std::make_unique<TWinSkinPopMenu>([] { return current_->active_; });
        skinner->Attach(reinterpret_cast<HWND>(wParam), current_->skin_.get(), nullptr);
        current_->skinners_.push_back(std::move(skinner));
      }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    PopupMenuSkinner* test = current_;
    if (test && msg == WM_MEASUREITEM) {
      MeasureNativeMenuItem(test->menu_, *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam), *test->skin_);
      return TRUE;
    }
    if (test && msg == WM_DRAWITEM) {
      auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      const TWinSkinPopMenu* skinner = test->SkinnerOf(test->tracking_.Menu);
      test->tracking_.Items[draw->itemID] = draw->rcItem;
      DrawNativeMenuItem(draw->hDC, draw->rcItem, reinterpret_cast<HMENU>(draw->hwndItem), draw->itemID,
                         false, (draw->itemState & ODS_SELECTED) != 0, *test->skin_,
                         skinner ? &skinner->Background() : nullptr);
      return TRUE;
    }
    if (test && msg == WM_TIMER && wParam == kStepTimer) {
      test->OnStep();
      return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
  }

  static void SelectFirst(HWND menu) { PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0); }

  static inline PopupMenuSkinner* current_ = nullptr;
  std::unique_ptr<TSkinData> skin_;
  HWND owner_ = nullptr;
  HHOOK hook_ = nullptr;
  bool attach_ = true;   // the hook attaches skinners
  bool active_ = true;   // what the skinners are told of the manager
  HMENU menu_ = nullptr;
  std::vector<std::unique_ptr<TWinSkinPopMenu>> skinners_;
  std::vector<std::function<void(HWND)>> steps_;
  TTracking tracking_;
};

// (x, y) of an item's point in window coordinates.
POINT InWindow(const TTracking& seen, UINT id, int x, int y) {
  const RECT& r = seen.Items.at(id);
  return POINT{seen.ClientOrigin.x + r.left + x, seen.ClientOrigin.y + r.top + y};
}

int WidthOf(const RECT& r) { return r.right - r.left; }
int HeightOf(const RECT& r) { return r.bottom - r.top; }

TEST_F(PopupMenuSkinner, TheFrameComesFromMenuBackgroundAndTheSelectedItemFromMenuItemFrame4) {
  const TTracking seen = Track({SelectFirst});
  ASSERT_EQ(seen.Shots.size(), 2u);
  ASSERT_EQ(seen.Items.size(), 4u);
  EXPECT_EQ(seen.SkinnedAnswer, 1);
  const TBitmap& before = seen.Shots[0];
  const TBitmap& after = seen.Shots[1];
  after.SaveToFile("skinned_menu.bmp");  // for a look: scale it up and open it
  seen.Printed[1].SaveToFile("skinned_menu_printed.bmp");
  const int w = after.Width(), h = after.Height();

  struct TFramePoint { int x, y; } framePoints[] = {{0, 0}, {1, 1}, {w / 2, 0}, {w / 2, 1}, {0, h / 2},
                                                   {w - 1, h - 1}, {w - 2, h / 2}, {w / 2, h - 2}};
  for (const auto& p : framePoints)
    EXPECT_EQ(PixelAt(after, p.x, p.y), Ground(w, h, p.x, p.y)) << "frame " << p.x << "," << p.y;

  // Frame 1 of MenuItem is transparent: an item that is not selected shows the background.
  const TDataSkinObject& item = *skin_->Elements().MenuItem;
  struct TItemPoint { UINT id; bool selected; } itemPoints[] = {{kSave, false}, {kQuit, false}, {kOpen, true}};
  for (const auto& [id, selected] : itemPoints) {
    const RECT& r = seen.Items.at(id);
    // Right of the shortcut: the edge and the shaded centre of the frame.
    for (auto [x, y] : {std::pair{WidthOf(r) - 2, HeightOf(r) / 2}, std::pair{WidthOf(r) - 6, 4},
                        std::pair{WidthOf(r) - 6, HeightOf(r) / 2}, std::pair{WidthOf(r) - 6, HeightOf(r) - 5}}) {
      const POINT at = InWindow(seen, id, x, y);
      COLORREF expected = Ground(w, h, at.x, at.y);
      if (selected) {
        const COLORREF laid = ElementPixel(item, 5, 4, WidthOf(r), HeightOf(r), x, y);
        if (laid != kMagenta)
          expected = laid;
        EXPECT_NE(expected, Ground(w, h, at.x, at.y)) << "the check point must tell frame 4 from the ground";
        EXPECT_EQ(PixelAt(before, at.x, at.y), Ground(w, h, at.x, at.y)) << "not yet selected, item " << id;
      }
      EXPECT_EQ(PixelAt(after, at.x, at.y), expected) << "item " << id << " at " << x << "," << y;
    }
  }
}

TEST_F(PopupMenuSkinner, ASeparatorIsFrame2OfMenuItemBottomAlignedInItsRow) {
  const TTracking seen = Track();
  ASSERT_EQ(seen.Shots.size(), 1u);
  const RECT& r = seen.Items.at(kSeparator);
  ASSERT_EQ(HeightOf(r), 8);  // a native item without text
  const TDataSkinObject& item = *skin_->Elements().MenuItem;
  const int frameWidth = item.Image.Width() / 5;
  const int frameHeight = item.Image.Height();
  const int w = seen.Shots[0].Width(), h = seen.Shots[0].Height();
  for (int y = 0; y < HeightOf(r); ++y) {
    const POINT at = InWindow(seen, kSeparator, WidthOf(r) / 2, y);
    // Row y of the item is row (frameHeight - 8 + y) of frame 2, laid at its own size.
    COLORREF expected = ElementPixel(item, 5, 2, frameWidth,
                                     frameHeight, frameWidth / 2, frameHeight - HeightOf(r) + y);
    if (expected == kMagenta)
      expected = Ground(w, h, at.x, at.y);
    EXPECT_EQ(PixelAt(seen.Shots[0], at.x, at.y), expected) << "separator row " << y;
  }
}

TEST_F(PopupMenuSkinner, NativeItemsAreMeasuredFromTheirText) {
  const TTracking seen = Track();
  const RECT& save = seen.Items.at(kSave);
  EXPECT_GT(HeightOf(save), 8 + 4);
  EXPECT_EQ(HeightOf(seen.Items.at(kSeparator)), 8);
  // The widest text, "&Save as...", measured in the menu font, and the glyph column.
  TWindowDC screen(nullptr);
  TSelectObject keep(screen.Get(), MenuFont());
  RECT text{};
  DrawTextW(screen.Get(), L"&Save as...", -1, &text, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_GE(WidthOf(save), WidthOf(text) + 26 + skin_->Elements().MenuItem->Margins.Left);
}

TEST_F(PopupMenuSkinner, TheSkinnerLeavesWithTheWindowAndAnswersIsSkinnedMeanwhile) {
  const TTracking seen = Track();
  ASSERT_EQ(skinners_.size(), 1u);
  EXPECT_EQ(seen.SkinnedAnswer, 1);
  EXPECT_TRUE(seen.HadBackground.at(0));
  EXPECT_FALSE(IsWindow(seen.Menu) && IsWindowVisible(seen.Menu));
  EXPECT_EQ(skinners_[0]->Handle(), nullptr);
  EXPECT_TRUE(skinners_[0]->Background().Empty());
}

TEST_F(PopupMenuSkinner, OpeningMenusAgainLeavesNoGdiObjectBehind) {
  Track({SelectFirst});
  skinners_.clear();
  const int before = GdiObjectCount();
  for (int i = 0; i < 3; ++i)
    Track({SelectFirst});
  skinners_.clear();
  EXPECT_EQ(GdiObjectCount(), before);
}

TEST_F(PopupMenuSkinner, WhilePrintedTheFrameIsSkinnedAndTheItemsAreDrawnInside) {
  const TTracking seen = Track({SelectFirst});
  ASSERT_EQ(seen.Printed.size(), 2u);
  const TBitmap& printed = seen.Printed[1];
  const int w = printed.Width(), h = printed.Height();
  for (int i = 0; i < kPopupFrameWidth; ++i) {
    EXPECT_EQ(PixelAt(printed, i, h / 2), Ground(w, h, i, h / 2)) << "left frame column " << i;
    EXPECT_EQ(PixelAt(printed, w / 2, i), Ground(w, h, w / 2, i)) << "top frame row " << i;
  }
  // The selected item is printed too: its right edge has frame 4's colour.
  const RECT& open = seen.Items.at(kOpen);
  const TDataSkinObject& item = *skin_->Elements().MenuItem;
  const int x = WidthOf(open) - 2, y = HeightOf(open) / 2;
  const COLORREF laid = ElementPixel(item, 5, 4, WidthOf(open), HeightOf(open), x, y);
  bool found = false;
  for (int dy = -kPopupFrameWidth; dy <= kPopupFrameWidth && !found; ++dy)
    for (int dx = -kPopupFrameWidth; dx <= kPopupFrameWidth && !found; ++dx)
      found = PixelAt(printed, open.left + x + seen.ClientOrigin.x + dx, open.top + y + seen.ClientOrigin.y + dy) == laid;
  EXPECT_TRUE(found) << "frame 4's edge colour near the selected item's right edge";
}

TEST_F(PopupMenuSkinner, WhileTheManagerIsInactiveTheMenuKeepsTheSystemLook) {
  attach_ = false;
  const TTracking plain = Track();
  attach_ = true;
  active_ = false;
  const TTracking seen = Track();
  ASSERT_EQ(plain.Shots.size(), 1u);
  ASSERT_EQ(seen.Shots.size(), 1u);
  EXPECT_EQ(plain.SkinnedAnswer, 0);
  EXPECT_EQ(seen.SkinnedAnswer, 1);  // never skinned twice, active or not
  EXPECT_FALSE(seen.HadBackground.at(0));
  const TBitmap& a = plain.Shots[0];
  const TBitmap& b = seen.Shots[0];
  ASSERT_EQ(a.Width(), b.Width());
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(PixelAt(b, i, a.Height() / 2), PixelAt(a, i, a.Height() / 2)) << "frame column " << i;
    EXPECT_EQ(PixelAt(b, a.Width() / 2, i), PixelAt(a, a.Width() / 2, i)) << "frame row " << i;
  }
}

// Skins a skin author may get wrong: each menu still opens, paints every item and closes.
TEST_F(PopupMenuSkinner, HostileSkinsPaintWithoutCrashing) {
  struct TCase {
    const char* name;
    std::function<void(TSkinElementTable&)> spoil;
  } cases[] = {
      {"MenuItem picture 1x1", [](TSkinElementTable& e) { e.MenuItem->Image = test_pictures::MakePicture(1, 1, [](int, int) { return RGB(9, 9, 9); }); }},
      {"MenuItem frame count larger than the picture", [](TSkinElementTable& e) {
         e.MenuItem->Image = test_pictures::MakePicture(3, 20, [](int, int) { return RGB(9, 9, 9); });
         e.MenuItem->FrameCount = 40; }},
      {"MenuItem margins wider than the items", [](TSkinElementTable& e) { e.MenuItem->Margins = TMargins{500, 500, 500, 500}; }},
      {"MenuItem negative margins", [](TSkinElementTable& e) { e.MenuItem->Margins = TMargins{-7, -7, -7, -7}; }},
      {"no MenuBackground", [](TSkinElementTable& e) { e.MenuBackground.reset(); }},
      {"MenuBackground picture 1x1", [](TSkinElementTable& e) { e.MenuBackground->Image = test_pictures::MakePicture(1, 1, [](int, int) { return RGB(30, 60, 90); }); }},
      {"MenuBackground without picture", [](TSkinElementTable& e) { e.MenuBackground->Image.Clear(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    skin_ = stored_skin::LoadSlate();
    c.spoil(skin_->Elements());
    const TTracking seen = Track({SelectFirst});
    ASSERT_EQ(seen.Shots.size(), 2u);
    EXPECT_EQ(seen.Items.size(), 4u);
    const TBitmap& shot = seen.Shots[1];
    const int w = shot.Width(), h = shot.Height();
    const bool hasBackground = skin_->Elements().MenuBackground && !skin_->Elements().MenuBackground->Image.Empty();
    if (hasBackground)
      EXPECT_EQ(PixelAt(shot, w / 2, 0), Ground(w, h, w / 2, 0));
    const RECT& save = seen.Items.at(kSave);
    const POINT at = InWindow(seen, kSave, WidthOf(save) - 2, HeightOf(save) / 2);
    if (hasBackground || skin_->Elements().MenuItem->Image.Width() >= 5)
      EXPECT_EQ(PixelAt(shot, at.x, at.y), Ground(w, h, at.x, at.y));
  }
}

}  // namespace
