// The skinned frame on real windows: its geometry, its pixels, its region, its caption buttons
// and hints, and skins made to break it.

#include "frame_fixture.h"
#include "plain_frame_skin.h"

#include <string>
#include <vector>

using namespace frame_test;
using namespace test_skin;

namespace {

RECT WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

// The window-relative origin of the client area.
POINT ClientOrigin(HWND window) {
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  const RECT r = WindowRect(window);
  return {origin.x - r.left, origin.y - r.top};
}

const TDataSkinSysButton* ButtonOf(const TSkinData& data, int action) {
  for (const auto& element : data.Elements().SysButtons)
    if (element->Action == action)
      return element.get();
  return nullptr;
}

const TWinSysButton* CaptionButton(TWinSkinForm& skinner, int action) {
  for (const auto& button : skinner.CaptionButtons())
    if (button->Action() == action && button->Visible)
      return button.get();
  return nullptr;
}

// The centre pixel of frame FRAME (from 1) of a horizontal strip.
COLORREF FrameCentre(const TDataSkinObject& element, int frame) {
  const int width = element.Image.Width() / element.FrameCount;
  return PicturePixel(element.Image, width * (frame - 1) + width / 2, element.Image.Height() / 2);
}

LPARAM ScreenPoint(HWND window, POINT windowPoint) {
  const RECT r = WindowRect(window);
  return MAKELPARAM(r.left + windowPoint.x, r.top + windowPoint.y);
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM) {
  return FALSE;
}


}  // namespace

TEST_F(SkinnedWindowTest, TheClientAreaKeepsItsSizeInsideTheSkinsBordersAndTheCaptionHitTestsAsCaption) {
  TSkinData& data = StartSkinning();
  TTestForm& form = ShowForm("Geometry", 320, 210);
  HWND window = form.Handle();
  TWinSkinForm* skinner = Skinner(window);
  ASSERT_NE(skinner, nullptr);
  const RECT borders = skinner->Borders();
  const TSkinElementTable& elements = data.Elements();
  EXPECT_EQ(borders.left, elements.LeftBorder.Image.Width() / elements.LeftBorder.FrameCount);
  EXPECT_EQ(borders.top, elements.TopBorder.Image.Height() / elements.TopBorder.FrameCount);
  EXPECT_EQ(ClientSize(window).cx, 320);
  EXPECT_EQ(ClientSize(window).cy, 210);
  const POINT origin = ClientOrigin(window);
  EXPECT_EQ(origin.x, borders.left);
  EXPECT_EQ(origin.y, borders.top);
  const RECT r = WindowRect(window);
  EXPECT_EQ(r.right - r.left, 320 + borders.left + borders.right);
  EXPECT_EQ(r.bottom - r.top, 210 + borders.top + borders.bottom);

  struct Case {
    const char* where;
    POINT at;
    LRESULT hit;
  };
  const RECT& close = CaptionButton(*skinner, caClose)->Bounds;
  const Case cases[] = {
      {"caption", {(r.right - r.left) / 2, borders.top / 2}, HTCAPTION},
      {"close button", {(close.left + close.right) / 2, (close.top + close.bottom) / 2}, HTCAPTION},
      {"client area", {borders.left + 10, borders.top + 10}, HTCLIENT},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SendMessageA(window, WM_NCHITTEST, 0, ScreenPoint(window, c.at)), c.hit) << c.where;
}

// Shown for the first time, a form is in its skin already: neither the system's frame nor a
// change of frame ever reaches the screen.
TEST_F(SkinnedWindowTest, AFormIsFirstShownInItsSkinnedFrameAndShape) {
  StartSkinning(Compressed(PlainFrameSkin(4, 24, 4, 4, 1)));
  forms_.push_back(std::make_unique<TTestForm>("First show", 320, 210));
  TTestForm& form = *forms_.back();
  HWND window = form.Handle();
  int shows = 0;
  TWinControl::THookId hook = 0;
  hook = form.AddMessageHook([&](UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_SHOWWINDOW && wParam && shows++ == 0) {
      const TWinSkinForm* skinner = Skinner(window);
      EXPECT_TRUE(skinner && skinner->State() == ssRunning) << "skinned before it is visible";
      const RECT r = WindowRect(window);
      EXPECT_EQ(r.right - r.left, 320 + 4 + 4);
      EXPECT_EQ(r.bottom - r.top, 210 + 24 + 4);
      UniqueRgn region(CreateRectRgn(0, 0, 0, 0));
      EXPECT_NE(GetWindowRgn(window, region.Get()), ERROR);
      EXPECT_FALSE(PtInRegion(region.Get(), 0, 0)) << "the shaped corner is cut";
    }
    return form.CallNextHook(hook, msg, wParam, lParam);
  });
  form.Show();
  form.RemoveMessageHook(hook);
  EXPECT_EQ(shows, 1);
}

// A hidden form's frame is not painted when its activation changes: shown again, it wears the
// frame of the state it is in then.
TEST_F(SkinnedWindowTest, AFormActivatedWhileHiddenIsShownInItsActiveFrame) {
  TTestSkin skin = PlainFrameSkin(4, 24, 4, 4, 0);
  constexpr TColour kActive = 0x203040, kInactive = 0x406020;
  TBitmap left = Solid(2 * 4, 40, kActive);  // the active frame, then the inactive one
  for (int y = 0; y < 40; ++y)
    for (int x = 4; x < 8; ++x)
      SetPixel(left, x, y, kInactive);
  for (TPackageEntry& entry : skin.Pictures)
    if (entry.Name == "left.bmp")
      entry.Bytes = BmpFile(left);
  StartSkinning(Compressed(skin));
  HWND first = ShowForm("First").Handle();
  ShowForm("Second");
  const int middle = (WindowRect(first).bottom - WindowRect(first).top) / 2;
  ASSERT_EQ(WindowPixel(first, 1, middle), PicturePixel(Solid(1, 1, kInactive), 0, 0));

  ShowWindow(first, SW_HIDE);
  SetForegroundWindow(first);
  ASSERT_EQ(GetActiveWindow(), first);
  ShowWindow(first, SW_SHOWNA);
  Pump(50);
  EXPECT_EQ(WindowPixel(first, 1, middle), PicturePixel(Solid(1, 1, kActive), 0, 0));
}

TEST_F(SkinnedWindowTest, ANewTitleIsPaintedOnTheSkinnedCaptionNotTheSystemOne) {
  TSkinData& data = StartSkinning();
  TTestForm& form = ShowForm("Before");
  HWND window = form.Handle();
  const RECT r = WindowRect(window);
  const int x = (r.right - r.left) * 2 / 3, y = 2;
  const TDataSkinBorder& top = data.Elements().TopBorder;
  const COLORREF skinned = PicturePixel(top.Image, top.Image.Width() / 2, y);
  ASSERT_EQ(WindowPixel(window, x, y), skinned);
  SetWindowTextA(window, "After a much longer title than before");
  EXPECT_EQ(WindowPixel(window, x, y), skinned);
}

TEST_F(SkinnedWindowTest, TheCloseButtonShowsTheFrameOfEachStateFromTheSkinsPicture) {
  TSkinData& data = StartSkinning();
  TTestForm& form = ShowForm("Buttons");
  HWND window = form.Handle();
  TWinSkinForm* skinner = Skinner(window);
  ASSERT_NE(skinner, nullptr);
  const TDataSkinSysButton* element = ButtonOf(data, caClose);
  ASSERT_NE(element, nullptr);
  ASSERT_EQ(element->FrameCount, 4);
  const RECT bounds = CaptionButton(*skinner, caClose)->Bounds;
  const POINT centre{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
  auto shown = [&] { return WindowPixel(window, centre.x, centre.y); };

  EXPECT_EQ(shown(), FrameCentre(*element, 1)) << "normal";
  SendMessageA(window, WM_NCMOUSEMOVE, HTCAPTION, ScreenPoint(window, centre));
  EXPECT_EQ(shown(), FrameCentre(*element, 3)) << "hot";
  SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, ScreenPoint(window, centre));
  EXPECT_EQ(shown(), FrameCentre(*element, 2)) << "pressed";
  SendMessageA(window, WM_NCMOUSEMOVE, HTCAPTION, ScreenPoint(window, {2, 2}));
  TTestForm& other = ShowForm("Other");
  ASSERT_NE(GetForegroundWindow(), window);
  Pump(100);
  EXPECT_EQ(shown(), FrameCentre(*element, 4)) << "inactive";
  (void)other;
}

TEST_F(SkinnedWindowTest, OpaqueBordersGiveARectangularRegionAndShapedOnesCutTheCorner) {
  struct Case {
    int trans;
    bool cornerInside;
  };
  for (const Case c : {Case{0, true}, Case{1, false}}) {
    StartSkinning(Compressed(PlainFrameSkin(4, 24, 4, 4, c.trans)));
    TTestForm& form = ShowForm("Region");
    HWND window = form.Handle();
    const RECT r = WindowRect(window);
    UniqueRgn region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(window, region.Get()), ERROR) << c.trans;
    RECT box{};
    const int kind = GetRgnBox(region.Get(), &box);
    EXPECT_EQ(box.right - box.left, r.right - r.left) << c.trans;
    EXPECT_EQ(box.bottom - box.top, r.bottom - r.top) << c.trans;
    EXPECT_EQ(kind == SIMPLEREGION, c.cornerInside) << c.trans;
    EXPECT_EQ(PtInRegion(region.Get(), 0, 0) != FALSE, c.cornerInside) << c.trans;
    EXPECT_TRUE(PtInRegion(region.Get(), 1, 1)) << c.trans;
    forms_.clear();
    skinData_.reset();
    DestroySkinManager();
  }
}

TEST_F(SkinnedWindowTest, ACentredTitleSitsHalfTheFreeWidthFromTheCaptionsStart) {
  TSkinData& data = StartSkinning(Compressed(PlainFrameSkin(4, 24, 4, 4, 0)));
  TTestForm& form = ShowForm("Centred", 292, 100);
  TWinSkinForm* skinner = Skinner(form.Handle());
  ASSERT_NE(skinner, nullptr);
  const int captionWidth = 292;  // the window is 300 wide, less two 4-pixel borders
  ASSERT_EQ(WindowRect(form.Handle()).right - WindowRect(form.Handle()).left, 300);
  UniqueDC dc(CreateCompatibleDC(nullptr));
  TSelectObject font(dc.Get(), data.CaptionFont());
  RECT text{};
  const std::wstring caption = L" Centred  ";
  DrawTextW(dc.Get(), caption.c_str(), static_cast<int>(caption.size()), &text, DT_CALCRECT | DT_NOPREFIX | DT_NOCLIP);
  // The caption starts after the 4-pixel left border.
  EXPECT_EQ(skinner->CaptionTextRect().left, 4 + (captionWidth - text.right - 6 - 8) / 2);
}

TEST_F(SkinnedWindowTest, ADialogBoxNarrowerThanItsCaptionIsWidenedAndItsControlsMovedToTheMiddle) {
  StartSkinning();
  struct {
    DLGTEMPLATE head;
    WORD menu, cls, title[1];
  } dialogTemplate{};
  dialogTemplate.head.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  dialogTemplate.head.cx = 40;
  dialogTemplate.head.cy = 40;
  HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &dialogTemplate.head, nullptr,
                                           &PlainDialogProc, 0);
  ASSERT_NE(dialog, nullptr);
  SetWindowTextA(dialog, "A caption far wider than the little dialog box it belongs to");
  HWND button = CreateWindowExA(0, "Button", "OK", WS_CHILD | WS_VISIBLE, 10, 10, 40, 20, dialog, nullptr,
                                nullptr, nullptr);
  const int clientBefore = ClientSize(dialog).cx;
  ShowWindow(dialog, SW_SHOW);
  ASSERT_TRUE(PumpUntil([&] { return Skinner(dialog) && Skinner(dialog)->State() == ssRunning; }));
  const int widened = ClientSize(dialog).cx;
  EXPECT_GT(widened, clientBefore + 100);
  RECT at{};
  GetWindowRect(button, &at);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&at), 2);
  EXPECT_NEAR(at.left, 10 + (widened - clientBefore) / 2, 1);
  DestroyWindow(dialog);
  Pump(50);
}

TEST_F(SkinnedWindowTest, ACaptionButtonsHintShowsAfterOneSecondAndGoesAfterThreeAndAHalf) {
  TSkinData& data = StartSkinning();
  TTestForm& form = ShowForm("Hints");
  HWND window = form.Handle();
  SetForegroundWindow(window);
  Pump(100);
  const RECT bounds = CaptionButton(*Skinner(window), caClose)->Bounds;
  const RECT r = WindowRect(window);
  SetCursorPos(r.left + (bounds.left + bounds.right) / 2, r.top + (bounds.top + bounds.bottom) / 2);
  const DWORD start = GetTickCount();
  ASSERT_TRUE(PumpUntil([&] { return data.HintShowing(); }, 2000));
  const DWORD shownAfter = GetTickCount() - start;
  EXPECT_GE(shownAfter, 750u);  // the check runs every 250 ms, so the first tick may come early
  EXPECT_EQ(data.HintWindow().Text(), "Close");
  ASSERT_TRUE(PumpUntil([&] { return !data.HintShowing(); }, 4000));
  const DWORD goneAfter = GetTickCount() - start;
  EXPECT_GE(goneAfter, 3000u);
  EXPECT_LE(goneAfter, 4200u);
  SetCursorPos(0, 0);
}

// Timer messages this thread takes from its queue while the hook is set.
int timerMessages = 0;
HHOOK timerHook = nullptr;
LRESULT CALLBACK CountTimers(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE && reinterpret_cast<const MSG*>(lParam)->message == WM_TIMER)
    ++timerMessages;
  return CallNextHookEx(timerHook, code, wParam, lParam);
}

// An active window the pointer is away from has nothing to check; the hint's tick runs while a
// caption button is hot and stops once the pointer has left it.
TEST_F(SkinnedWindowTest, TheHintTickRunsOnlyWhileACaptionButtonIsHot) {
  StartSkinning();
  TTestForm& form = ShowForm("Idle");
  HWND window = form.Handle();
  SetForegroundWindow(window);
  const RECT r = WindowRect(window);
  SetCursorPos(r.right + 200, r.bottom + 200);
  Pump(400);
  timerHook = SetWindowsHookExA(WH_GETMESSAGE, CountTimers, nullptr, GetCurrentThreadId());
  auto timersIn = [](int ms) {
    timerMessages = 0;
    Pump(ms);
    return timerMessages;
  };
  EXPECT_EQ(GetForegroundWindow(), window);
  EXPECT_EQ(timersIn(800), 0) << "active, the pointer elsewhere";

  const RECT bounds = CaptionButton(*Skinner(window), caClose)->Bounds;
  const POINT centre{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
  SetCursorPos(r.left + centre.x, r.top + centre.y);
  SendMessageA(window, WM_NCMOUSEMOVE, HTCAPTION, ScreenPoint(window, centre));
  EXPECT_GE(timersIn(800), 2) << "a caption button hot";

  SetCursorPos(r.right + 200, r.bottom + 200);
  Pump(600);  // the tick sees the pointer gone, cools the button, and stops
  EXPECT_EQ(timersIn(800), 0) << "the pointer gone again";
  UnhookWindowsHookEx(timerHook);
}

// The maximise button works only for a window with a maximise box: there a click maximises and
// a second click (on the restore button then shown in its place) restores; without one it is
// drawn disabled and a click changes nothing.
TEST_F(SkinnedWindowTest, TheMaximiseButtonMaximisesAndRestoresOnlyAWindowWithAMaximiseBox) {
  StartSkinning();
  auto click = [](HWND window, const RECT& bounds) {
    const POINT centre{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
    SendMessageA(window, WM_NCMOUSEMOVE, HTCAPTION, ScreenPoint(window, centre));
    SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, ScreenPoint(window, centre));
    SendMessageA(window, WM_NCLBUTTONUP, HTCAPTION, ScreenPoint(window, centre));
    Pump(200);
  };
  {
    TTestForm& fixed = ShowForm("No maximise box");
    const TWinSysButton* maximise = CaptionButton(*Skinner(fixed.Handle()), caMaximize);
    ASSERT_NE(maximise, nullptr);
    EXPECT_FALSE(maximise->Enabled);
    click(fixed.Handle(), maximise->Bounds);
    EXPECT_FALSE(IsZoomed(fixed.Handle()));
  }
  forms_.push_back(std::make_unique<TTestForm>("Maximise box"));
  TTestForm& sizable = *forms_.back();
  HWND window = sizable.Handle();
  SetWindowLongPtrA(window, GWL_STYLE, GetWindowLongPtrA(window, GWL_STYLE) | WS_MAXIMIZEBOX | WS_THICKFRAME);
  sizable.Show();
  ASSERT_TRUE(PumpUntil([&] { return Skinner(window) && Skinner(window)->State() == ssRunning; }));
  Pump(50);
  const TWinSysButton* maximise = CaptionButton(*Skinner(window), caMaximize);
  ASSERT_NE(maximise, nullptr);
  EXPECT_TRUE(maximise->Enabled);
  click(window, maximise->Bounds);
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(window) != FALSE; }, 2000)) << "the click did not maximise";
  Pump(100);
  const TWinSysButton* restore = CaptionButton(*Skinner(window), caMaximize);  // the restore picture's
  ASSERT_NE(restore, nullptr);
  click(window, restore->Bounds);
  EXPECT_TRUE(PumpUntil([&] { return !IsZoomed(window); }, 2000)) << "the second click did not restore";
}

TEST_F(SkinnedWindowTest, FrameCommandsFromTheWindowMenuArriveAsPostedSystemCommands) {
  StartSkinning();
  TTestForm& form = ShowForm("Commands");
  HWND window = form.Handle();
  for (WPARAM command : {SC_CLOSE, SC_MINIMIZE, SC_RESTORE}) {
    SendMessageA(window, WM_COMMAND, command, 0);
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, window, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE)) << command;
    EXPECT_EQ(msg.wParam, command);
  }
}

TEST_F(SkinnedWindowTest, HostileSkinsLeaveTheWindowUsableAndClosable) {
  struct Case {
    const char* what;
    TTestSkin skin;
  };
  std::vector<Case> cases;
  cases.push_back({"borders wider than the window", PlainFrameSkin(400, 300, 400, 200, 1)});
  cases.push_back({"one-pixel pictures", PlainFrameSkin(1, 1, 1, 1, 1)});
  {
    TTestSkin skin = PlainFrameSkin(4, 24, 4, 4, 1);
    skin.Description += "[Button1]\nAction=1\nAlign=1\nXcoord=50\nVisibility=0\nButtonImage=none.bmp\nframe=0\n"
                        "[Button2]\nAction=2\nAlign=1\nXcoord=80\nVisibility=0\nButtonImage=close.bmp\nframe=500\n"
                        "[Button3]\nAction=3\nAlign=0\nXcoord=8\nVisibility=0\nframe=0\n";
    cases.push_back({"caption buttons missing or with impossible frame counts", skin});
  }
  {
    TTestSkin skin;
    skin.Description = "[Personality]\nLeft=key.bmp\nLeftTrans=1\nRight=key.bmp\nRightTrans=1\nTop=key.bmp\n"
                       "TopTrans=1\nBottom=key.bmp\nBottomTrans=1\n";
    skin.Add("key.bmp", Solid(8, 8, kColourKey));
    cases.push_back({"every pixel transparent and no title", skin});
  }
  for (const Case& c : cases) {
    StartSkinning(Compressed(c.skin));
    TTestForm& form = ShowForm(c.what);
    HWND window = form.Handle();
    EXPECT_EQ(ClientSize(window).cx, 300) << c.what;
    EXPECT_EQ(ClientSize(window).cy, 200) << c.what;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    SendMessageA(window, WM_NCMOUSEMOVE, HTCAPTION, ScreenPoint(window, {10, 5}));
    SendMessageA(window, WM_NCHITTEST, 0, ScreenPoint(window, {10, 5}));
    SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);  // what Alt+F4 asks for
    EXPECT_FALSE(IsWindowVisible(window)) << c.what;
    EXPECT_EQ(app_.ErrorsNotShown(), 0) << c.what;
    forms_.clear();
    skinData_.reset();
    DestroySkinManager();
  }
}
