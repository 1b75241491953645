// skinview.exe started under Wine and driven from outside: its menus by the keys a user types
// (Alt+letter, then the item's letter), its popup menu by a right click's WM_CONTEXTMENU, its
// MDI mode by the client's messages. Damaged skin packages must be refused without harm.
#include "deadline.h"
#include "harness.h"
#include "message_box.h"
#include "real_input.h"
#include "remote_controls.h"
#include "scratch_files.h"
#include "screenshot.h"
#include "window_search.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

namespace e2e {
namespace {

constexpr char kTitle[] = "Skin viewer";  // the application title: every box's caption
constexpr char kDefaultCaption[] = "Skin viewer - Slate";  // the stored skin's own name
constexpr LPARAM kAltDown = 1 << 29;
constexpr UINT kIsSkinned = 0x3523;  // a skinned window or control answers 1

// A variant of the default skin: its description edited, pictures added.
struct TSkinVariant {
  const char* name;
  std::vector<std::pair<std::string, std::string>> replacements;  // in the description
  std::vector<std::pair<std::string, std::string>> pictures;      // added files
};

// The default skin's sources with the variant's edits, packed by skintool in FOLDER; the
// package's path, empty when it could not be made.
std::string PackSkinVariant(const std::string& folder, const TSkinVariant& skin) {
  const std::string sources = WindowsPath(SKIN_SOURCES);
  const std::string copy = JoinPath(folder, skin.name);
  MakeEmptyFolder(copy);
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(JoinPath(sources, "*.*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE)
    return {};
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      continue;
    std::string bytes = ReadFileBytes(JoinPath(sources, found.cFileName)).value_or("");
    for (const auto& [from, to] : skin.replacements)
      for (size_t at = bytes.find(from); at != std::string::npos; at = bytes.find(from, at + to.size()))
        bytes.replace(at, from.size(), to);
    WriteFileBytes(JoinPath(copy, found.cFileName), bytes);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  for (const auto& [name, bytes] : skin.pictures)
    WriteFileBytes(JoinPath(copy, name), bytes);
  const std::string package = JoinPath(folder, std::string(skin.name) + ".skin");
  const TProcess tool = TProcess::Launch(WindowsPath(SKINTOOL_EXE), "pack \"" + copy + "\" \"" + package + "\"",
                                         folder, {});
  if (!tool.WaitForExit(kExitTimeoutMs) || tool.ExitCode() != 0)
    return {};
  return package;
}

// A package of the default skin's pictures whose description names it NAME, packed by skintool
// in FOLDER; its bytes.
std::string PackRenamedSkin(const std::string& folder, const std::string& name) {
  const std::string package = PackSkinVariant(folder, {"renamed", {{"SkinName = Slate", "SkinName = " + name}}, {}});
  return package.empty() ? std::string() : ReadFileBytes(package).value_or("");
}

BOOL CALLBACK NoteUnpaintedChild(HWND child, LPARAM pending) {
  if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE))
    *reinterpret_cast<bool*>(pending) = true;
  return TRUE;
}

class SkinViewTest : public ::testing::Test {
protected:
  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string folder =
        WindowsPath(SCRATCH_ROOT) + "\\SkinView." + test->test_suite_name() + "." + test->name();
    program_ = std::make_unique<TProgramUnderTest>(SKINVIEW_EXE, folder,
                                                   TWindowIdentity{"TSkinViewForm", kDefaultCaption});
  }
  void TearDown() override {
    if (!program_->IsRunning())
      return;
    SaveScreenshot(program_->MainWindow(), program_->PathOf("screen.bmp"));
    if (const std::optional<TMessageBox> box = FindMessageBox(Pid())) {
      ADD_FAILURE() << "message box left open: \"" << box->caption << "\": " << box->text;
      DismissMessageBox(*box, kReplyTimeoutMs);
    }
    EXPECT_TRUE(program_->Quit()) << "the viewer did not end when its window was closed";
  }

  DWORD Pid() const { return program_->Process().Id(); }
  HWND Main() const { return program_->MainWindow(); }

  // Starts the viewer and clicks tab INDEX of its page strip, as a user would; returns the strip,
  // or null when it did not come. The skinned frame and menu bar move the client area once they
  // are set up: the tab is clicked when the strip has stopped moving.
  HWND StartOnPage(int index) const {
    program_->Start();
    HWND tabs = nullptr;
    if (!WaitFor(kReplyTimeoutMs, [&] {
          const std::vector<HWND> found = Descendants(Main(), "SysTabControl32");
          tabs = found.empty() ? nullptr : found[0];
          return tabs != nullptr && GetMenu(Main()) == nullptr;
        }))
      return nullptr;
    const RECT tab = TabItemRect(program_->Process().Handle(), tabs, index);
    POINT centre{(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2};
    if (!WaitUntilClickable(tabs, centre))
      return nullptr;
    ClientToScreen(tabs, &centre);
    ClickAt(centre.x, centre.y);
    return tabs;
  }

  // Alt+BAR opens the bar's menu; once it shows, ITEM chooses in it, as a user types.
  void ChooseFromMenu(char bar, char item) const {
    // Under Wine a menu opened just after a message box closed is sometimes cancelled by the
    // activation change at once; a user would open it again, and so does the test, once.
    HWND menu = nullptr;
    for (int attempt = 0; attempt < 2 && !menu; ++attempt) {
      PostMessageA(Main(), WM_SYSCHAR, static_cast<WPARAM>(bar), kAltDown);
      menu = WaitForWindow("#32768", "", kReplyTimeoutMs);
    }
    ASSERT_NE(menu, nullptr) << "no menu opened for Alt+" << bar;
    PostMessageA(Main(), WM_CHAR, static_cast<WPARAM>(item), 0);
    EXPECT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return !IsWindowVisible(menu); }))
        << "the menu of Alt+" << bar << " stayed open after " << item;
  }
  void ExpectBoxAndDismiss(const std::string& textStart) const {
    const TMessageBox box = WaitForMessageBox(Pid(), kTitle, kWindowTimeoutMs);
    EXPECT_EQ(box.text.substr(0, textStart.size()), textStart) << box.text;
    DismissMessageBox(box, kReplyTimeoutMs);
    WaitUntilActiveAgain();
  }
  // The window takes keys again once the box has given it back activation and the viewer has
  // handled what the activation change queued (a menu opened before that is cancelled by it).
  void WaitUntilActiveAgain() const {
    EXPECT_TRUE(WaitFor(kReplyTimeoutMs, [&] {
      return IsWindowEnabled(Main()) && GetForegroundWindow() == Main();
    })) << "the viewer's window did not become active again";
    SendMessageTimeoutA(Main(), WM_NULL, 0, 0, SMTO_NORMAL, kReplyTimeoutMs, nullptr);
    WaitForInputIdle(program_->Process().Handle(), kReplyTimeoutMs);
  }
  bool CaptionBecomes(const std::string& caption) const {
    return WaitFor(kReplyTimeoutMs, [&] { return TextOf(Main()) == caption; });
  }
  // A top-level window of the viewer of that class (and caption, unless empty), once shown.
  HWND WaitForWindow(const std::string& className, const std::string& caption,
                     DWORD ms = kWindowTimeoutMs) const {
    HWND found = nullptr;
    WaitFor(ms, [&] {
      for (HWND window : TopLevelWindows(Pid(), className))
        if (IsWindowVisible(window) && (caption.empty() || TextOf(window) == caption))
          found = window;
      return found != nullptr;
    });
    return found;
  }

  // A picture for a person to look at, once WINDOW and its children have painted.
  void Picture(HWND window, const std::string& name) const {
    WaitFor(kReplyTimeoutMs, [&] {
      if (GetUpdateRect(window, nullptr, FALSE))
        return false;
      bool pending = false;
      EnumChildWindows(window, &NoteUnpaintedChild, reinterpret_cast<LPARAM>(&pending));
      return !pending;
    });
    SaveScreenshot(window, program_->PathOf(name));
  }

  std::unique_ptr<TProgramUnderTest> program_;
};

TEST_F(SkinViewTest, TheHelpMenuOpensAMessageBoxAndAStandardDialogBox) {
  program_->Start();
  // The skin engine takes the native bar away and draws its own.
  EXPECT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return GetMenu(Main()) == nullptr; }));
  ChooseFromMenu('h', 'm');
  ExpectBoxAndDismiss("A message box");

  ChooseFromMenu('h', 'd');
  HWND dialog = WaitForWindow("#32770", "Sample dialog", kReplyTimeoutMs);
  if (!dialog) {
    // The menu opened but the box's activation change cancelled it before the choice came (it
    // closed without the dialog); a user chooses again, and so does the test, once.
    ChooseFromMenu('h', 'd');
    dialog = WaitForWindow("#32770", "Sample dialog");
  }
  ASSERT_NE(dialog, nullptr);
  struct Row {
    const char* className;
    size_t count;
  } rows[] = {{"Button", 9}, {"Edit", 1}, {"ListBox", 1}, {"ComboBox", 1}};
  for (const Row& row : rows)
    EXPECT_EQ(Descendants(dialog, row.className).size(), row.count) << row.className;
  // The edit, the combo box and the list with its scroll bars, found by class, wear the skin.
  for (const char* className : {"Edit", "ComboBox", "ListBox"})
    for (HWND window : Descendants(dialog, className))
      EXPECT_EQ(SendMessageA(window, kIsSkinned, 0, 0), 1) << className;
  HWND dialogList = Descendants(dialog, "ListBox").at(0);
  EXPECT_TRUE(StyleOf(dialogList) & WS_VSCROLL) << "the list is long enough to show its bar";
  bool covered = false;
  RECT listRect{};
  GetWindowRect(dialogList, &listRect);
  for (HWND overlay : Descendants(dialog, "TWScrollbar")) {
    RECT r{};
    GetWindowRect(overlay, &r);
    covered |= IsWindowVisible(overlay) && r.right <= listRect.right && r.right >= listRect.right - 3 &&
               r.top <= listRect.top + 3 && r.bottom >= listRect.bottom - 20;
  }
  EXPECT_TRUE(covered) << "an overlay lies over the list's vertical bar";
  // Buttons, check boxes and radio buttons found by class and style wear the skin; the group
  // box keeps the system's frame.
  for (const char* text : {"OK", "Cancel", "&Remember", "&Maybe", "Fixed", "Text &left", "&First", "&Second"})
    EXPECT_EQ(SendMessageA(FindDescendant(dialog, "Button", text), kIsSkinned, 0, 0), 1) << text;
  EXPECT_NE(SendMessageA(FindDescendant(dialog, "Button", "Choices"), kIsSkinned, 0, 0), 1);
  Picture(dialog, "dialog.bmp");
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return !IsWindow(dialog); }));
  WaitUntilActiveAgain();

  // Switching the skin off and on again and the hints leave the viewer answering.
  ChooseFromMenu('s', 'o');
  ChooseFromMenu('s', 'o');
  ChooseFromMenu('s', 'h');
  ChooseFromMenu('h', 'm');
  ExpectBoxAndDismiss("A message box");
}

// The page is chosen as a user would, by a click on its tab, the second of the strip.
TEST_F(SkinViewTest, TheButtonsPageShowsEveryKindOfButtonInTheSkin) {
  ASSERT_NE(StartOnPage(1), nullptr);
  HWND plain = nullptr;
  ASSERT_TRUE(WaitFor(kReplyTimeoutMs, [&] {
    plain = FindDescendant(Main(), "Button", "Plain");
    return plain && IsWindowVisible(plain);
  })) << "the Buttons page did not come up";
  for (const char* text : {"Plain", "Default", "Disabled", "Menu", "Left", "Right", "Top", "Bottom", "Embossed",
                           "Strip", "Ticked", "Unticked", "Mixed", "Text left", "First", "Second", "Red", "Green",
                           "Blue", "Colour"})
    EXPECT_EQ(SendMessageA(FindDescendant(Main(), "Button", text), kIsSkinned, 0, 0), 1) << text;
  SetCursorPos(0, 0);
  Picture(Main(), "buttons.bmp");
}

COLORREF ScreenPixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  const COLORREF pixel = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return pixel;
}

// The pixels of frame FRAME (1-based) of the skin's 23-frame scroll-bar strip, row by row.
std::vector<COLORREF> StripFrame(int frame, int& size) {
  const std::string path = std::string(SKIN_SOURCES) + "\\scrollbar.bmp";
  HBITMAP strip = static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  std::vector<COLORREF> pixels;
  size = 0;
  if (!strip)
    return pixels;
  BITMAP info{};
  GetObjectA(strip, sizeof info, &info);
  size = info.bmHeight;
  const int width = info.bmWidth / 23;
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, strip);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < width; ++x)
      pixels.push_back(GetPixel(dc, (frame - 1) * width + x, y));
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(strip);
  return pixels;
}

// Whether the WIDTH x HEIGHT square at the screen point, or one a pixel off, shows the SIZE x
// SIZE frame stretched over it: nine in ten of its opaque pixels, each at its place in the
// square, the same.
bool ScreenShowsFrame(int left, int top, int width, int height, const std::vector<COLORREF>& frame, int size) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      int same = 0, opaque = 0;
      for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
          const COLORREF wanted = frame[static_cast<size_t>(y * size + x)];
          if (wanted == RGB(255, 0, 255))
            continue;
          ++opaque;
          same += ScreenPixel(left + dx + (2 * x + 1) * width / (2 * size),
                              top + dy + (2 * y + 1) * height / (2 * size)) == wanted;
        }
      if (opaque > 0 && same * 10 >= opaque * 9)
        return true;
    }
  return false;
}

// The third page, chosen by a real click on its tab: the controls of every edit and list kind,
// each wearing the skin; a combo box dropped down by a click shows the skin's bar in its list,
// and a list's thumb dragged by the mouse scrolls it.
TEST_F(SkinViewTest, TheEditsAndListsPageIsSkinnedAndItsListsScrollUnderRealInput) {
  HWND tabs = StartOnPage(2);
  ASSERT_NE(tabs, nullptr);
  HWND list = nullptr;
  ASSERT_TRUE(WaitFor(kReplyTimeoutMs, [&] {
    for (HWND candidate : Descendants(Main(), "ListBox"))
      if (IsWindowVisible(candidate) && SendMessageA(candidate, LB_GETCOUNT, 0, 0) == 200)
        list = candidate;
    return list && IsWindowVisible(list) && SendMessageA(list, LB_GETCOUNT, 0, 0) == 200;
  })) << "the Edits and lists page did not come up";
  EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 2);

  const struct {
    const char* className;
    size_t count;  // shown on the page
  } kinds[] = {
      {"Edit", 4},   {"ListBox", 1}, {"ComboBox", 4}, {"msctls_updown32", 2}, {"SysDateTimePick32", 1},
      {"ScrollBar", 2}, {"SysListView32", 1}, {"SysHeader32", 1},
  };
  for (const auto& kind : kinds) {
    size_t shown = 0;
    for (HWND window : Descendants(Main(), kind.className)) {
      // The edit fields of combo boxes belong to their combo's skinner.
      if (!IsWindowVisible(window) || lstrcmpiA(ClassNameOf(GetParent(window)).c_str(), "ComboBox") == 0)
        continue;
      ++shown;
      EXPECT_EQ(SendMessageA(window, kIsSkinned, 0, 0), 1) << kind.className << " \"" << TextOf(window) << "\"";
    }
    EXPECT_EQ(shown, kind.count) << kind.className;
  }

  int size = 0;
  const std::vector<COLORREF> upArrow = StripFrame(9, size);
  ASSERT_GT(size, 0) << "the skin's scroll-bar strip";
  const int arrow = GetSystemMetrics(SM_CXVSCROLL);

  // The drop-down combo opened by a click on its button.
  HWND combo = nullptr;
  for (HWND candidate : Descendants(Main(), "ComboBox"))
    if (IsWindowVisible(candidate) && (StyleOf(candidate) & 3) == CBS_DROPDOWN)
      combo = candidate;
  ASSERT_NE(combo, nullptr);
  RECT box{};
  GetWindowRect(combo, &box);
  ClickAt(box.right - 8, (box.top + box.bottom) / 2);
  HWND dropped = nullptr;
  ASSERT_TRUE(WaitFor(kReplyTimeoutMs, [&] {
    for (HWND window : TopLevelWindows(Pid(), "ComboLBox"))
      if (IsWindowVisible(window))
        dropped = window;
    return dropped != nullptr;
  })) << "the click on the combo's button dropped no list down";
  EXPECT_EQ(SendMessageA(dropped, kIsSkinned, 0, 0), 1) << "the drop-down list's bar is skinned";
  RECT droppedRect{};
  GetWindowRect(dropped, &droppedRect);
  SetCursorPos(box.left + 4, box.top - 30);
  EXPECT_TRUE(WaitFor(kReplyTimeoutMs, [&] {
    return ScreenShowsFrame(droppedRect.right - 1 - arrow, droppedRect.top + 1, arrow, arrow, upArrow, size);
  })) << "the skin's up arrow at the top of the drop-down list's bar";
  Sleep(200);
  SaveScreenshot(GetDesktopWindow(), program_->PathOf("edits-dropped.bmp"));
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return !IsWindowVisible(dropped); }));

  // The list box's thumb dragged down by the mouse.
  HWND overlay = nullptr;
  ASSERT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return (overlay = VerticalOverlay(Main(), list)) != nullptr; }))
      << "an overlay lies over the list box's bar";
  RECT bar{};
  GetWindowRect(overlay, &bar);
  EXPECT_TRUE(ScreenShowsFrame(bar.left, bar.top, bar.right - bar.left, arrow, upArrow, size))
      << "the skin's up arrow on the list box";
  const int x = (bar.left + bar.right) / 2, y = bar.top + arrow + 4;
  const int before = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
  SetCursorPos(x, y);
  Sleep(60);
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  for (int step = 1; step <= 6; ++step) {
    Sleep(40);
    SetCursorPos(x, y + 8 * step);
  }
  Sleep(200);
  SaveScreenshot(Main(), program_->PathOf("edits-dragging.bmp"));
  MouseButton(MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(WaitFor(kReplyTimeoutMs, [&] {
    return SendMessageA(list, LB_GETTOPINDEX, 0, 0) > before + 20;
  })) << "dragging the thumb 48 pixels scrolled 200 entries by more than twenty";
  SetCursorPos(0, 0);
}

TEST_F(SkinViewTest, ARightClickOpensThePopupMenu) {
  program_->Start();
  RECT window;
  GetWindowRect(Main(), &window);
  PostMessageA(Main(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Main()),
               MAKELPARAM(window.left + 200, window.top + 200));
  HWND menu = WaitForWindow("#32768", "");
  ASSERT_NE(menu, nullptr);
  Picture(menu, "popup.bmp");
  PostMessageA(Main(), WM_CHAR, 'm', 0);
  ExpectBoxAndDismiss("A message box");
}

// The screen's pixel at a point of WINDOW's client area.
COLORREF ClientPixel(HWND window, int x, int y) {
  POINT at{x, y};
  ClientToScreen(window, &at);
  HDC screen = GetDC(nullptr);
  const COLORREF pixel = GetPixel(screen, at.x, at.y);
  ReleaseDC(nullptr, screen);
  return pixel;
}

// The direct children of PARENT of CLASSNAME.
std::vector<HWND> ChildrenOf(HWND parent, const std::string& className) {
  std::vector<HWND> found;
  for (HWND child : Descendants(parent, className))
    if (GetParent(child) == parent)
      found.push_back(child);
  return found;
}

// The "More" page is the fourth of the strip, chosen by a click on its tab. Each kind on it
// answers as skinned, the media player lies under its overlay, the size grip made when the page
// first showed is skinned too, and the pixels of each kind change when the skin is switched off.
TEST_F(SkinViewTest, TheMorePageShowsTheRemainingKindsInTheSkin) {
  ASSERT_NE(StartOnPage(3), nullptr);
  HWND page = nullptr;
  ASSERT_TRUE(WaitFor(kReplyTimeoutMs, [&] {
    for (HWND track : Descendants(Main(), "msctls_trackbar32"))
      if (IsWindowVisible(track))
        page = GetParent(track);
    return page != nullptr;
  })) << "the More page did not come up";

  const struct {
    const char* className;
    size_t count;
  } kinds[] = {{"SysTabControl32", 6}, {"msctls_progress32", 4}, {"msctls_trackbar32", 6}, {"SysHeader32", 1}};
  for (const auto& kind : kinds) {
    const std::vector<HWND> found = ChildrenOf(page, kind.className);
    EXPECT_EQ(found.size(), kind.count) << kind.className;
    for (HWND control : found)
      EXPECT_EQ(SendMessageA(control, kIsSkinned, 0, 0), 1) << kind.className;
  }
  // Where the layout put them, in the page's client coordinates.
  const POINT tabSet{370, 160}, player{372, 124};
  HWND tabSetWindow = ChildWindowFromPointEx(page, tabSet, CWP_SKIPINVISIBLE);
  EXPECT_EQ(SendMessageA(tabSetWindow, kIsSkinned, 0, 0), 1) << "the old-style tab set";
  HWND overlay = ChildWindowFromPointEx(page, player, CWP_SKIPINVISIBLE);
  HWND playerWindow = nullptr;
  for (HWND child : ChildrenOf(page, ClassNameOf(overlay))) {
    RECT a{}, b{};
    GetWindowRect(child, &a);
    GetWindowRect(overlay, &b);
    if (child != overlay && EqualRect(&a, &b))
      playerWindow = child;
  }
  ASSERT_NE(playerWindow, nullptr) << "a window of the player's bounds lies over the player";
  EXPECT_EQ(SendMessageA(playerWindow, kIsSkinned, 0, 0), 1) << "the media player";
  bool gripSkinned = false;
  for (HWND grip : ChildrenOf(Main(), "ScrollBar"))
    if (StyleOf(grip) & SBS_SIZEGRIP)
      gripSkinned = SendMessageA(grip, kIsSkinned, 0, 0) == 1;
  EXPECT_TRUE(gripSkinned) << "the size grip";

  SetCursorPos(0, 0);
  Picture(Main(), "more.bmp");
  const struct {
    const char* what;
    POINT at;  // in the page's client coordinates
  } probes[] = {
      {"top tab control's chosen tab", {20, 10}},   {"progress bar's filled half", {40, 188}},
      {"chunk bar's filled half", {40, 208}},       {"track bar's channel", {200, 195}},
      {"header item", {374, 100}},                  {"old-style tab set", {500, 168}},
      {"media-player button", {370, 122}},          {"close-box page control's tab", {20, 98}},
  };
  std::vector<COLORREF> skinned;
  for (const auto& probe : probes)
    skinned.push_back(ClientPixel(page, probe.at.x, probe.at.y));
  ChooseFromMenu('s', 'o');
  ASSERT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return GetMenu(Main()) != nullptr; })) << "the skin went off";
  // The controls repaint in their own look one after the other.
  WaitFor(kReplyTimeoutMs, [&] {
    for (size_t i = 0; i < std::size(probes); ++i)
      if (ClientPixel(page, probes[i].at.x, probes[i].at.y) == skinned[i])
        return false;
    return true;
  });
  for (size_t i = 0; i < std::size(probes); ++i)
    EXPECT_NE(ClientPixel(page, probes[i].at.x, probes[i].at.y), skinned[i]) << probes[i].what;
  ChooseFromMenu('s', 'o');
}

TEST_F(SkinViewTest, DamagedSkinFilesThroughOpenAreRefusedAndTheSkinStays) {
  const std::string chosen = program_->PathOf("chosen.skin");
  program_->SetEnvironment("SKINVIEW_OPEN_FILE", chosen);
  const std::optional<std::string> package = ReadFileBytes(DEFAULT_SKIN);
  ASSERT_TRUE(package && package->size() > 200);
  std::string flipped = *package;
  for (size_t i = 40; i < flipped.size(); i += 7)
    flipped[i] = static_cast<char>(~flipped[i]);
  struct Row {
    const char* what;
    std::string bytes;
  } rows[] = {
      {"empty", ""},
      {"text", "[Skin]\r\nName=none\r\n"},
      {"cut short", package->substr(0, package->size() / 2)},
      {"header only", package->substr(0, 16)},
      {"bits flipped", flipped},
  };
  program_->Start();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    WriteFileBytes(chosen, row.bytes);
    ChooseFromMenu('f', 'o');
    ExpectBoxAndDismiss("Cannot load the skin file");
    ASSERT_TRUE(program_->IsRunning());
    EXPECT_EQ(TextOf(Main()), kDefaultCaption);
  }
  const std::string ember = PackRenamedSkin(program_->Folder(), "Ember");
  ASSERT_FALSE(ember.empty()) << "skintool could not pack the renamed skin";
  WriteFileBytes(chosen, ember);  // a sound package loads and names the caption
  ChooseFromMenu('f', 'o');
  EXPECT_TRUE(CaptionBecomes("Skin viewer - Ember")) << TextOf(Main());
  EXPECT_FALSE(FindMessageBox(Pid()));
}

// A package whose pictures do not all decode is refused whole, naming the picture, before it
// replaces the skin in use: on the command line and through Open, where a picture decoded at its
// first paint once ended the viewer from inside the dialog's loop.
TEST_F(SkinViewTest, APackageWithADamagedPictureIsRefusedByThePicturesName) {
  const std::optional<std::string> checkbox = ReadFileBytes(JoinPath(WindowsPath(SKIN_SOURCES), "checkbox.bmp"));
  ASSERT_TRUE(checkbox && checkbox->size() > 300);
  struct Row {
    const char* name;
    std::string picture;
  } rows[] = {
      {"truncated", checkbox->substr(0, checkbox->size() / 3)},
      {"mislabelled", "GIF89a\x01\x00\x01\x00 a picture of another kind"},
      {"header only", checkbox->substr(0, 54)},
  };
  std::vector<std::string> packages;
  for (const Row& row : rows) {
    packages.push_back(ReadFileBytes(PackSkinVariant(program_->Folder(), {row.name, {}, {{"checkbox.bmp", row.picture}}}))
                           .value_or(""));
    ASSERT_FALSE(packages.back().empty()) << "skintool could not pack the " << row.name << " picture";
  }
  auto expectRefusal = [&](const char* what) {
    const TMessageBox box = WaitForMessageBox(Pid(), kTitle, kWindowTimeoutMs);
    EXPECT_NE(box.text.find("checkbox.bmp"), std::string::npos) << what << ": " << box.text;
    DismissMessageBox(box, kReplyTimeoutMs);
    WaitUntilActiveAgain();
    ASSERT_TRUE(program_->IsRunning()) << what;
    EXPECT_EQ(TextOf(Main()), kDefaultCaption) << what;
  };
  const std::string chosen = program_->PathOf("chosen.skin");
  WriteFileBytes(chosen, packages[0]);
  program_->SetEnvironment("SKINVIEW_OPEN_FILE", chosen);
  program_->Start("chosen.skin");
  expectRefusal("on the command line");
  for (size_t i = 0; i < packages.size(); ++i) {
    WriteFileBytes(chosen, packages[i]);
    ChooseFromMenu('f', 'o');
    expectRefusal(rows[i].name);
  }
  EXPECT_EQ(SendMessageA(Main(), kIsSkinned, 0, 0), 1) << "the skin in use was lost";
}

TEST_F(SkinViewTest, ASkinFileOnTheCommandLineLoadsOrIsReported) {
  const std::optional<std::string> package = ReadFileBytes(DEFAULT_SKIN);
  ASSERT_TRUE(package);
  WriteFileBytes(program_->PathOf("broken.skin"), package->substr(0, package->size() / 3));
  program_->Start("broken.skin");
  ExpectBoxAndDismiss("Cannot load the skin file \"broken.skin\"");
  EXPECT_EQ(TextOf(Main()), kDefaultCaption);
  ASSERT_TRUE(program_->Quit());

  const std::string ember = PackRenamedSkin(program_->Folder(), "Ember");
  ASSERT_FALSE(ember.empty()) << "skintool could not pack the renamed skin";
  WriteFileBytes(program_->PathOf("ember.skin"), ember);
  program_->Start("ember.skin");
  EXPECT_TRUE(CaptionBecomes("Skin viewer - Ember")) << TextOf(Main());
}

TEST_F(SkinViewTest, ArgumentsItDoesNotKnowAreReportedAndItEnds) {
  struct Row {
    const char* arguments;
    const char* message;
  } rows[] = {
      {"--bogus", "Unknown option --bogus"},
      {"one.skin two.skin", "Only one skin file can be given"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.arguments);
    const TProcess process = TProcess::Launch(program_->ExePath(), row.arguments, program_->Folder(), {});
    const TMessageBox box = WaitForMessageBox(process.Id(), kTitle, kWindowTimeoutMs);
    EXPECT_EQ(box.text.substr(0, std::string(row.message).size()), row.message) << box.text;
    EXPECT_TRUE(TopLevelWindows(process.Id(), "TSkinViewForm").empty());
    DismissMessageBox(box, kReplyTimeoutMs);
    ASSERT_TRUE(process.WaitForExit(kExitTimeoutMs));
    EXPECT_EQ(process.ExitCode(), 2u);
  }
}

// The keys a person presses, as real key events: Escape and Enter on a window without a cancel or
// default button do nothing (they once ran File > Open skin); Tab walks the controls; Alt and a
// letter, F10 and Alt+Space open the menus they name and Escape closes them; Enter and Escape
// close a skinned message box; Alt+F4 ends the viewer.
TEST_F(SkinViewTest, KeysDoWhatTheyDoOnAnyWindowAndNothingElse) {
  program_->Start();
  ASSERT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return GetMenu(Main()) == nullptr; }));
  SetForegroundWindow(Main());
  WaitUntilActiveAgain();
  const std::vector<HWND> windowsBefore = ShownTopLevelWindows(Pid());
  auto press = [&](std::initializer_list<WORD> keys) {
    PressChord(keys);
    Sleep(300);
    SendMessageTimeoutA(Main(), WM_NULL, 0, 0, SMTO_NORMAL, kReplyTimeoutMs, nullptr);
  };
  auto onlyTheViewer = [&] { return ShownTopLevelWindows(Pid()) == windowsBefore; };
  auto menuShown = [&] { return WaitForWindow("#32768", "", 0) != nullptr; };

  for (WORD key : {VK_ESCAPE, VK_RETURN}) {
    press({key});
    EXPECT_TRUE(onlyTheViewer()) << "key " << key << " opened a window";
    EXPECT_EQ(TextOf(Main()), kDefaultCaption);
  }
  for (int i = 0; i < 24; ++i) {
    if (i % 3 == 2)
      press({VK_SHIFT, VK_TAB});
    else
      press({VK_TAB});
    HWND focus = FocusedWindow(Main());
    EXPECT_TRUE(focus && IsChild(Main(), focus)) << "Tab " << i << " left the focus at " << focus;
  }
  EXPECT_TRUE(onlyTheViewer()) << "Tab opened a window";

  struct Opener {
    const char* what;
    std::initializer_list<WORD> keys;
  };
  for (const Opener& opener : {Opener{"Alt, F", {VK_MENU}}, Opener{"F10", {VK_F10}}, Opener{"Alt+Space", {VK_MENU, VK_SPACE}}}) {
    press(opener.keys);
    if (opener.keys.size() == 1 && *opener.keys.begin() == VK_MENU)
      press({'F'});
    else if (*opener.keys.begin() == VK_F10)
      press({VK_DOWN});
    EXPECT_TRUE(WaitFor(kReplyTimeoutMs, menuShown)) << opener.what << " opened no menu";
    press({VK_ESCAPE});
    press({VK_ESCAPE});
    EXPECT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return !menuShown(); })) << "Escape left the menu of " << opener.what;
    EXPECT_TRUE(onlyTheViewer()) << opener.what;
  }

  for (WORD key : {VK_RETURN, VK_ESCAPE}) {
    ChooseFromMenu('h', 'm');
    const TMessageBox box = WaitForMessageBox(Pid(), kTitle, kWindowTimeoutMs);
    WaitFor(kReplyTimeoutMs, [&] { return GetForegroundWindow() == box.window; });
    press({key});
    EXPECT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return !IsWindow(box.window); })) << "key " << key << " left the box";
    WaitUntilActiveAgain();
  }
  EXPECT_TRUE(onlyTheViewer());

  PressChord({VK_MENU, VK_F4});
  EXPECT_TRUE(program_->Process().WaitForExit(kExitTimeoutMs)) << "still running after Alt+F4";
}

// In MDI mode Ctrl+F6 goes to the next document and Ctrl+F4 closes the active one.
TEST_F(SkinViewTest, CtrlF6AndCtrlF4MoveBetweenAndCloseDocuments) {
  program_->Start("--mdi");
  HWND client = Descendants(Main(), "MDIClient").at(0);
  auto documents = [&] { return Descendants(client, "TSkinViewDocument"); };
  auto active = [&] { return reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0)); };
  ASSERT_EQ(documents().size(), 2u);
  SetForegroundWindow(Main());
  WaitUntilActiveAgain();
  const HWND first = active();
  PressChord({VK_CONTROL, VK_F6});
  EXPECT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return active() != first && active() != nullptr; }));
  const HWND second = active();
  PressChord({VK_CONTROL, VK_F4});
  EXPECT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return documents().size() == 1u && !IsWindow(second); }));
  EXPECT_TRUE(IsWindowVisible(Main()));
}

TEST_F(SkinViewTest, ExitFromTheFileMenuEndsTheViewer) {
  program_->Start();
  ChooseFromMenu('f', 'x');
  EXPECT_TRUE(program_->Process().WaitForExit(kExitTimeoutMs));
}

TEST_F(SkinViewTest, MdiModeTilesMaximisesAndClosesItsDocuments) {
  program_->Start("--mdi");
  const std::vector<HWND> clients = Descendants(Main(), "MDIClient");
  ASSERT_EQ(clients.size(), 1u);
  HWND client = clients[0];
  auto documents = [&] { return Descendants(client, "TSkinViewDocument"); };
  ASSERT_EQ(documents().size(), 2u);
  Picture(Main(), "opened.bmp");

  ChooseFromMenu('w', 't');
  auto sideBySide = [&] {
    const std::vector<HWND> docs = documents();
    RECT a, b, overlap;
    GetWindowRect(docs[0], &a);
    GetWindowRect(docs[1], &b);
    return !IntersectRect(&overlap, &a, &b);
  };
  EXPECT_TRUE(WaitFor(kReplyTimeoutMs, sideBySide));
  Picture(Main(), "tiled.bmp");

  HWND first = documents()[0];
  PostMessageA(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(first), 0);
  EXPECT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return IsZoomed(first) != FALSE; }));
  Picture(Main(), "maximised.bmp");

  PostMessageA(first, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return documents().size() == 1; }));
  EXPECT_FALSE(IsWindow(first));
  ASSERT_TRUE(program_->IsRunning());
}

}  // namespace
}  // namespace e2e

namespace e2e {
namespace {

// A 24-bit bitmap file of one colour.
std::string SolidBitmapFile(int width, int height, COLORREF colour) {
  const int stride = (width * 3 + 3) & ~3;
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER info = {};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(stride * height);
  std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
  bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
  std::string row(static_cast<size_t>(stride), '\0');
  for (int x = 0; x < width; ++x) {
    row[3 * x] = static_cast<char>(GetBValue(colour));
    row[3 * x + 1] = static_cast<char>(GetGValue(colour));
    row[3 * x + 2] = static_cast<char>(GetRValue(colour));
  }
  for (int y = 0; y < height; ++y)
    bytes += row;
  return bytes;
}

TEST_F(SkinViewTest, HostileSkinsLeaveTheViewerUsableAndClosable) {
  const std::string magenta = SolidBitmapFile(8, 8, RGB(255, 0, 255));
  const std::vector<TSkinVariant> skins = {
      {"Wide",
       {{"SkinName = Slate", "SkinName = Wide"}, {"Left = left.bmp", "Left = wide.bmp"},
        {"Top = top.bmp", "Top = tall.bmp"}},
       {{"wide.bmp", SolidBitmapFile(2000, 40, RGB(40, 60, 90))},
        {"tall.bmp", SolidBitmapFile(16, 1200, RGB(90, 60, 40))}}},
      {"Tiny",
       {{"SkinName = Slate", "SkinName = Tiny"}, {"= left.bmp", "= pixel.bmp"}, {"= right.bmp", "= pixel.bmp"},
        {"= top.bmp", "= pixel.bmp"}, {"= bottom.bmp", "= pixel.bmp"}, {"= textback.bmp", "= pixel.bmp"},
        {"= closebutton.bmp", "= pixel.bmp"}, {"= menubar.bmp", "= pixel.bmp"}},
       {{"pixel.bmp", SolidBitmapFile(1, 1, RGB(10, 20, 30))}}},
      {"Buttons",
       {{"SkinName = Slate", "SkinName = Buttons"}, {"frame = 4", "frame = 500"},
        {"ButtonImage = minbutton.bmp", "ButtonImage = missing.bmp"}, {"TextBack = textback.bmp", ""},
        {"Visibility = 0", "Visibility = -1"}},
       {}},
      {"Transparent",
       {{"SkinName = Slate", "SkinName = Transparent"}, {"= left.bmp", "= key.bmp"}, {"= right.bmp", "= key.bmp"},
        {"= top.bmp", "= key.bmp"}, {"= bottom.bmp", "= key.bmp"}, {"Trans = 0", "Trans = 1"}},
       {{"key.bmp", magenta}}},
  };
  for (const TSkinVariant& skin : skins) {
    const std::string package = PackSkinVariant(program_->Folder(), skin);
    ASSERT_FALSE(package.empty()) << skin.name << ": skintool could not pack it";
    program_->Start("\"" + package + "\"");
    EXPECT_TRUE(CaptionBecomes(std::string("Skin viewer - ") + skin.name)) << skin.name << ": " << TextOf(Main());
    EXPECT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return SendMessageA(Main(), 0x3523, 0, 0) == 1; }))
        << skin.name << ": not skinned";
    RedrawWindow(Main(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN);
    Picture(Main(), std::string(skin.name) + ".bmp");
    DWORD_PTR answer = 0;
    EXPECT_NE(SendMessageTimeoutA(Main(), WM_NULL, 0, 0, SMTO_NORMAL, kReplyTimeoutMs, &answer), 0)
        << skin.name << ": the viewer stopped answering";
    EXPECT_FALSE(FindMessageBox(Pid())) << skin.name << ": an error was reported";
    PostMessageA(Main(), WM_SYSCOMMAND, SC_CLOSE, 0);  // what Alt+F4 asks for
    EXPECT_TRUE(program_->Process().WaitForExit(kExitTimeoutMs)) << skin.name << ": did not close";
  }
}

}  // namespace
}  // namespace e2e
