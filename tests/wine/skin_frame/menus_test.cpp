// The skinned menus on a real window: the menu bar that replaces the native bar inside the frame,
// its buttons opening their submenus by click, accelerator and arrow keys, and the window menu.

#include "frame_fixture.h"

#include "framework/main_menu.h"
#include "framework/menu_item.h"
#include "framework/popup_menu.h"
#include "skin/window/menu_bar.h"
#include "test_skin.h"

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <vector>

using namespace frame_test;

namespace {

constexpr UINT kOpen = 101, kExit = 102, kUndo = 201, kGo = 300;

HMENU MakeMenu(HMENU& file, HMENU& edit) {
  HMENU bar = CreateMenu();
  file = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, kOpen, "&Open...\tCtrl+O");
  AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(file, MF_STRING, kExit, "E&xit");
  edit = CreatePopupMenu();
  AppendMenuA(edit, MF_STRING | MF_GRAYED, kUndo, "&Undo");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "&Edit");
  AppendMenuA(bar, MF_STRING, kGo, "&Go");
  return bar;
}

// While a menu is open, notes which menu it shows and whether its first item is selected, then
// does ACTION (closing it, or moving along the bar).
struct TMenuWatcher {
  std::vector<HMENU> Shown;
  std::vector<bool> FirstSelected;
  std::function<void(HWND menuWindow, int seen)> Action;

  static VOID CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    TMenuWatcher& self = *current;
    HWND menuWindow = FindWindowA("#32768", nullptr);
    if (!menuWindow || !IsWindowVisible(menuWindow))
      return;
    auto menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
    if (!menu || (!self.Shown.empty() && self.Shown.back() == menu))
      return;
    self.Shown.push_back(menu);
    self.FirstSelected.push_back(GetMenuState(menu, 0, MF_BYPOSITION) & MF_HILITE);
    self.Action(menuWindow, static_cast<int>(self.Shown.size()));
  }
  static inline TMenuWatcher* current = nullptr;
};

void PressKey(WORD key) {
  INPUT input[2]{};
  input[0].type = input[1].type = INPUT_KEYBOARD;
  input[0].ki.wVk = input[1].ki.wVk = key;
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof(INPUT));
}

}  // namespace

class SkinnedMenuBar : public SkinnedWindowTest {
protected:
  void ShowWithMenu(bool rightToLeft = false) {
    forms_.push_back(std::make_unique<TTestForm>("Menus", 300, 200));
    form_ = forms_.back().get();
    if (rightToLeft)
      SetWindowLongPtrA(form_->Handle(), GWL_EXSTYLE, GetWindowLongPtrA(form_->Handle(), GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
    SetMenu(form_->Handle(), MakeMenu(file_, edit_));
    clientBefore_ = ClientSize(form_->Handle());
    form_->Show();
    PumpUntil([&] { return Skinner(Window()) && Skinner(Window())->State() == ssRunning; });
    Pump(100);
  }
  HWND Window() const { return form_->Handle(); }

  // Runs OPEN with a watcher ticking; the watcher's action decides what happens to each menu.
  void WithOpenMenus(TMenuWatcher& watcher, const std::function<void()>& open) {
    TMenuWatcher::current = &watcher;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &TMenuWatcher::Tick);
    open();
    KillTimer(nullptr, timer);
    TMenuWatcher::current = nullptr;
  }

  TTestForm* form_ = nullptr;
  SIZE clientBefore_{};  // under the system frame and its native menu bar
  HMENU file_ = nullptr, edit_ = nullptr;
};

TEST_F(SkinnedMenuBar, TheBarIsDrawnInTheFrameInsteadOfTheNativeOneAndTheClientKeepsItsSize) {
  StartSkinning();
  ShowWithMenu();
  TWinSkinForm* skinner = Skinner(Window());
  ASSERT_NE(skinner, nullptr);
  ASSERT_NE(skinner->MenuBar(), nullptr);
  EXPECT_EQ(GetMenu(Window()), nullptr) << "the native bar is taken away";
  EXPECT_EQ(ClientSize(Window()).cx, clientBefore_.cx);
  EXPECT_EQ(ClientSize(Window()).cy, clientBefore_.cy);
  EXPECT_EQ(skinner->MenuBar()->Count(), 3);
  EXPECT_EQ(skinner->MenuBarHeight(), GetSystemMetrics(SM_CYMENU));
  POINT origin{0, 0};
  ClientToScreen(Window(), &origin);
  RECT r{};
  GetWindowRect(Window(), &r);
  EXPECT_EQ(origin.y - r.top, skinner->Borders().top + skinner->MenuBarHeight());

  struct Case {
    wchar_t key;
    int index;
  };
  for (const Case c : {Case{L'f', 0}, Case{L'E', 1}, Case{L'g', 2}}) {
    TMenuBtn* button = skinner->MenuBar()->AcceleratorButton(c.key);
    ASSERT_NE(button, nullptr) << static_cast<char>(c.key);
    EXPECT_EQ(button->Index, c.index);
  }
  EXPECT_EQ(skinner->MenuBar()->AcceleratorButton(L'z'), nullptr);

  skinData_->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return Manager().FormSkinnerCount() == 0; }));
  EXPECT_NE(GetMenu(Window()), nullptr) << "the native bar comes back";
  EXPECT_EQ(ClientSize(Window()).cx, clientBefore_.cx);
  EXPECT_EQ(ClientSize(Window()).cy, clientBefore_.cy);
}

TEST_F(SkinnedMenuBar, AnItemWithoutSubmenuActsOnClickAndOpensNothing) {
  StartSkinning();
  ShowWithMenu();
  TWinSkinForm* skinner = Skinner(Window());
  EXPECT_FALSE(skinner->OpenMenuButton(skinner->MenuBar()->Button(2)));
  MSG msg{};
  ASSERT_TRUE(PeekMessageA(&msg, Window(), WM_COMMAND, WM_COMMAND, PM_REMOVE));
  EXPECT_EQ(LOWORD(msg.wParam), kGo);
}

TEST_F(SkinnedMenuBar, AltAndALetterOpensThatItemsMenuWithItsFirstItemSelected) {
  StartSkinning();
  ShowWithMenu();
  TMenuWatcher watcher;
  watcher.Action = [](HWND menuWindow, int) { PostMessageA(menuWindow, WM_KEYDOWN, VK_ESCAPE, 0); EndMenu(); };
  WithOpenMenus(watcher, [&] { SendMessageA(Window(), WM_SYSCOMMAND, SC_KEYMENU, 'e'); });
  ASSERT_EQ(watcher.Shown.size(), 1u);
  EXPECT_EQ(watcher.Shown[0], edit_);
}

TEST_F(SkinnedMenuBar, TheRightArrowMovesAlongTheBarAndTheFirstItemIsSelectedAtOnce) {
  StartSkinning();
  ShowWithMenu();
  SetForegroundWindow(Window());
  Pump(100);
  TMenuWatcher watcher;
  watcher.Action = [](HWND, int seen) {
    if (seen == 1) {
      Sleep(100);  // the first item is selected by a key the menu reads first
      PressKey(VK_RIGHT);
    } else {
      EndMenu();
    }
  };
  WithOpenMenus(watcher, [&] { Skinner(Window())->OpenMenuButton(Skinner(Window())->MenuBar()->Button(0)); });
  ASSERT_EQ(watcher.Shown.size(), 2u);
  EXPECT_EQ(watcher.Shown[0], file_);
  EXPECT_EQ(watcher.Shown[1], edit_);
  EXPECT_TRUE(watcher.FirstSelected[0]);
  EXPECT_TRUE(watcher.FirstSelected[1]);
  EXPECT_FALSE(Skinner(Window())->TrackingMenu());
}

// A right-to-left window's bar runs from the right, and there the left arrow goes on along it.
TEST_F(SkinnedMenuBar, ARightToLeftBarRunsFromTheRightAndTheLeftArrowGoesOnAlongIt) {
  StartSkinning();
  ShowWithMenu(true);
  TWinSkinForm* skinner = Skinner(Window());
  ASSERT_TRUE(skinner->RightToLeft());
  TWinSkinMenu& bar = *skinner->MenuBar();
  RECT window{};
  GetWindowRect(Window(), &window);
  const int width = window.right - window.left;
  EXPECT_GT(bar.Button(0)->Bounds.right, width * 3 / 4) << "the first button at the right";
  for (int i = 1; i < bar.Count(); ++i)
    EXPECT_EQ(bar.Button(i)->Bounds.right, bar.Button(i - 1)->Bounds.left) << "button " << i << " left of the one before";
  EXPECT_LT(bar.Button(2)->Bounds.left, bar.Button(0)->Bounds.left);
  // What is painted there: the captions' ink (what differs from its row's commonest colour)
  // in the right half of the bar.
  int inkRight = 0, inkLeft = 0;
  {
    TWindowDC dc(Window(), true);
    const int left = skinner->Borders().left + 8, right = width - skinner->Borders().right - 8;
    for (int y = bar.Button(0)->Bounds.top + 2; y < bar.Button(0)->Bounds.bottom - 2; ++y) {
      std::map<COLORREF, int> counts;
      std::vector<COLORREF> row;
      for (int x = left; x < right; ++x)
        ++counts[row.emplace_back(GetPixel(dc.Get(), x, y))];
      const COLORREF back =
          std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
      for (int x = left; x < right; ++x)
        if (row[static_cast<size_t>(x - left)] != back)
          (x > width / 2 ? inkRight : inkLeft) += 1;
    }
  }
  EXPECT_GT(inkRight, 20) << "the captions at the right";
  EXPECT_GT(inkRight, 4 * inkLeft) << "little ink on the left";

  SetForegroundWindow(Window());
  Pump(100);
  TMenuWatcher watcher;
  watcher.Action = [](HWND, int seen) {
    if (seen == 1) {
      Sleep(100);
      PressKey(VK_LEFT);
    } else {
      EndMenu();
    }
  };
  WithOpenMenus(watcher, [&] { skinner->OpenMenuButton(bar.Button(0)); });
  ASSERT_EQ(watcher.Shown.size(), 2u);
  EXPECT_EQ(watcher.Shown[0], file_);
  EXPECT_EQ(watcher.Shown[1], edit_) << "the left arrow went on to the next button";
}

// A framework form's bar opens submenus drawn from its items, with the images of the bar's list.
TEST_F(SkinnedMenuBar, AFrameworkBarsSubmenuShowsItsItemsImages) {
  StartSkinning();
  constexpr COLORREF kImage = RGB(250, 10, 20);
  const TBitmap square = test_skin::Solid(16, 16, kImage);
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24, 1, 0);
  ASSERT_EQ(ImageList_Add(images, square.Handle(), nullptr), 0);
  forms_.push_back(std::make_unique<TTestForm>("Images", 300, 200));
  TTestForm& form = *forms_.back();
  auto* bar = new TMainMenu(&form);
  bar->SetImages(images);
  auto* file = new TMenuItem(&form);
  file->SetCaption("&File");
  const struct {
    const char* caption;
    int image;
  } items[] = {{"&Open", 0}, {"&Close", -1}};
  for (const auto& i : items) {
    auto* item = new TMenuItem(&form);
    item->SetCaption(i.caption);
    item->SetImageIndex(i.image);
    file->Add(item);
  }
  bar->Add(file);
  form.SetMenu(bar);
  form.Show();
  PumpUntil([&] { return Skinner(form.Handle()) && Skinner(form.Handle())->State() == ssRunning; });
  Pump(100);
  TWinSkinForm* skinner = Skinner(form.Handle());
  ASSERT_NE(skinner->MenuBar(), nullptr);
  std::vector<int> imageRows;  // rows of the menu window holding the image's colour
  TMenuWatcher watcher;
  watcher.Action = [&](HWND menuWindow, int) {
    UpdateWindow(menuWindow);
    RECT r{};
    GetWindowRect(menuWindow, &r);
    TWindowDC dc(menuWindow, true);
    for (int y = 0; y < r.bottom - r.top; ++y) {
      int inRow = 0;
      for (int x = 0; x < 40 && x < r.right - r.left; ++x)
        inRow += GetPixel(dc.Get(), x, y) == kImage;
      if (inRow >= 12)
        imageRows.push_back(y);
    }
    EndMenu();
  };
  WithOpenMenus(watcher, [&] { skinner->OpenMenuButton(skinner->MenuBar()->Button(0)); });
  ASSERT_EQ(watcher.Shown.size(), 1u);
  ASSERT_FALSE(imageRows.empty()) << "the first item's image";
  EXPECT_GE(imageRows.size(), 14u) << "a 16-pixel square";
  EXPECT_LE(imageRows.size(), 16u) << "only the first item has one";
  forms_.clear();
  Pump(20);
  ImageList_Destroy(images);
}

TEST_F(SkinnedMenuBar, TheWindowMenuIsSkinnedOffersWhatTheFrameAllowsAndPostsTheChosenCommand) {
  StartSkinning();
  TTestForm& form = ShowForm("Window menu");  // a fixed frame with a minimise box only
  HWND window = form.Handle();
  struct Seen {
    bool skinned = false, ownerDrawn = false;
    UINT minimize = 0, maximize = 0, size = 0;
  } seen;
  TMenuWatcher watcher;
  watcher.Action = [&](HWND menuWindow, int) {
    auto menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
    seen.skinned = SendMessageA(menuWindow, SKM_ISSKINNED, 0, 0) == 1;
    seen.ownerDrawn = GetMenuState(menu, 0, MF_BYPOSITION) & MF_OWNERDRAW;
    seen.minimize = GetMenuState(menu, SC_MINIMIZE, MF_BYCOMMAND);
    seen.maximize = GetMenuState(menu, SC_MAXIMIZE, MF_BYCOMMAND);
    seen.size = GetMenuState(menu, SC_SIZE, MF_BYCOMMAND);
    // Down to the close item (the first key selects the first item; separators are passed
    // over), then choose it.
    PostMessageA(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count && GetMenuItemID(menu, i) != SC_CLOSE; ++i)
      if (!(GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR))
        PostMessageA(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(menuWindow, WM_KEYDOWN, VK_RETURN, 0);
  };
  RECT r{};
  GetWindowRect(window, &r);
  WithOpenMenus(watcher, [&] {
    SendMessageA(window, WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(r.left + 60, r.top + 8));
  });
  ASSERT_EQ(watcher.Shown.size(), 1u);
  EXPECT_TRUE(seen.skinned) << "the popup window has the skin's background";
  EXPECT_TRUE(seen.ownerDrawn) << "the items are drawn from the skin";
  EXPECT_FALSE(seen.minimize & MF_GRAYED);
  EXPECT_TRUE(seen.maximize & MF_GRAYED) << "no maximise box";
  EXPECT_TRUE(seen.size & MF_GRAYED) << "a fixed frame";
  MSG msg{};
  ASSERT_TRUE(PeekMessageA(&msg, window, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE));
  EXPECT_EQ(msg.wParam, static_cast<WPARAM>(SC_CLOSE));
}

// Only a double click on the icon closes the window: a click after the window menu has closed
// opens it again, however soon after the menu closed.
TEST_F(SkinnedMenuBar, AClickOnTheIconAfterTheWindowMenuClosedOpensItAgain) {
  StartSkinning();
  TTestForm& form = ShowForm("Icon");
  HWND window = form.Handle();
  TWinSkinForm* skinner = Skinner(window);
  ASSERT_NE(skinner, nullptr);
  RECT icon{};
  for (const auto& button : skinner->CaptionButtons())
    if (IsIconAction(button->Action()) && button->Visible)
      icon = button->Bounds;
  ASSERT_FALSE(IsRectEmpty(&icon));
  RECT r{};
  GetWindowRect(window, &r);
  const LPARAM at = MAKELPARAM(r.left + (icon.left + icon.right) / 2, r.top + (icon.top + icon.bottom) / 2);
  int menusOpened = 0;
  auto hook = std::make_shared<TWinControl::THookId>(0);
  *hook = form.AddMessageHook([&, hook](UINT msg, WPARAM w, LPARAM l) {
    if (msg == WM_ENTERMENULOOP)
      ++menusOpened;
    return form.CallNextHook(*hook, msg, w, l);
  });
  TMenuWatcher watcher;
  // Each menu stays open longer than a double click lasts, as when a person reads it.
  watcher.Action = [&](HWND menuWindow, int) {
    Sleep(GetDoubleClickTime() + 100);
    PostMessageA(menuWindow, WM_KEYDOWN, VK_ESCAPE, 0);
    watcher.Shown.clear();  // the next menu may get the same handle
  };
  auto click = [&] {
    SendMessageA(window, WM_NCMOUSEMOVE, HTCAPTION, at);
    SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, at);
    SendMessageA(window, WM_NCLBUTTONUP, HTCAPTION, at);
  };
  WithOpenMenus(watcher, [&] {
    click();
    click();
  });
  form.RemoveMessageHook(*hook);
  EXPECT_EQ(menusOpened, 2) << "the click right after the menu closed did not open it again";
  MSG msg{};
  EXPECT_FALSE(PeekMessageA(&msg, window, WM_CLOSE, WM_CLOSE, PM_NOREMOVE)) << "that click asked to close";
}

TEST_F(SkinnedMenuBar, AFormsPopupMenuIsDrawnFromTheSkinWhileTheFormIsSkinnedAndPlainAfter) {
  StartSkinning();
  forms_.push_back(std::make_unique<TTestForm>("Popup owner"));
  TTestForm& form = *forms_.back();
  auto* popup = new TPopupMenu(&form);
  for (const char* caption : {"&Show", "-", "E&xit"}) {
    auto* item = new TMenuItem(&form);
    item->SetCaption(caption);
    popup->Add(item);
  }
  form.Show();
  ASSERT_TRUE(PumpUntil([&] { return Skinner(form.Handle()) && Skinner(form.Handle())->State() == ssRunning; }));
  EXPECT_TRUE(popup->OwnerDraw());
  EXPECT_TRUE(popup->Items(0)->OnDrawItem);
  struct {
    bool skinned = false;
    UINT firstState = 0;
    UINT height = 0;
  } seen;
  TMenuWatcher watcher;
  watcher.Action = [&](HWND menuWindow, int) {
    auto menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
    seen.skinned = SendMessageA(menuWindow, SKM_ISSKINNED, 0, 0) == 1;
    seen.firstState = GetMenuState(menu, 0, MF_BYPOSITION);
    RECT item{};
    GetMenuItemRect(nullptr, menu, 0, &item);
    seen.height = static_cast<UINT>(item.bottom - item.top);
    EndMenu();
  };
  WithOpenMenus(watcher, [&] { popup->Popup(200, 200); });
  ASSERT_EQ(watcher.Shown.size(), 1u);
  EXPECT_TRUE(seen.skinned);
  EXPECT_TRUE(seen.firstState & MF_OWNERDRAW);
  EXPECT_GE(seen.height, 16u) << "an item is at least a line of menu text high";

  skinData_->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return Manager().FormSkinnerCount() == 0; }));
  EXPECT_FALSE(popup->OwnerDraw());
  EXPECT_FALSE(popup->Items(0)->OnDrawItem);
}
