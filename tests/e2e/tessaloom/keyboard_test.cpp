// The keys a person presses on the main window, as real key events: each may do what it does on
// any window and nothing else. Escape and Enter on a window without a cancel or default button
// do nothing; Tab and Shift+Tab walk the controls; Space presses the focused button, which shows
// the skin's focused frame; Alt, F10 and Alt+Space open no more than the window menu; Alt+F4
// ends the program.
#include "tessaloom/tessaloom_test.h"

#include "deadline.h"
#include "message_box.h"
#include "real_input.h"
#include "scratch_files.h"
#include "skin_pixels.h"
#include "window_search.h"

#include <algorithm>

namespace e2e {
namespace {

constexpr UINT kIsSkinned = 0x3523;  // a skinned window answers 1

// What a key must leave as it was: the shown windows, the list and the files.
struct TProgramState {
  std::vector<HWND> shown;
  int listCount = 0;
  std::optional<std::string> list, settings;
  bool operator==(const TProgramState&) const = default;
};

class Keyboard : public TessaloomTest {
protected:
  TTessaloomWindow LaunchSkinnedAndActive() {
    TTessaloomWindow window = Launch();
    EXPECT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return SendMessageA(window.Main(), kIsSkinned, 0, 0) == 1; }));
    SetForegroundWindow(window.Main());
    EXPECT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return GetForegroundWindow() == window.Main(); }));
    window.Sync();
    return window;
  }

  TProgramState State(const TTessaloomWindow& window) const {
    std::vector<HWND> shown = ShownTopLevelWindows(program_->Process().Id());
    std::sort(shown.begin(), shown.end());
    return {shown, window.ListCount(), ReadFileBytes(FileNextToExe("Filelist.txt")),
            ReadFileBytes(FileNextToExe("Set.ini"))};
  }

  // Presses the keys and gives the program time to do whatever they would make it do.
  static void Press(const TTessaloomWindow& window, std::initializer_list<WORD> keys) {
    PressChord(keys);
    Sleep(300);
    window.Sync();
  }

  // The text of the control with the focus, or its class when it has none.
  static std::string FocusedName(HWND main) {
    HWND focus = FocusedWindow(main);
    if (!focus)
      return "<none>";
    const std::string text = TextOf(focus);
    return text.empty() ? ClassNameOf(focus) : text;
  }
};

TEST_F(Keyboard, EscapeAndEnterOnTheListDoNothing) {
  PrepareListOfBitmaps(3);
  const TTessaloomWindow window = LaunchSkinnedAndActive();
  RECT list{};
  GetWindowRect(window.FileList(), &list);
  ClickAt(list.left + 20, list.top + 5);  // the first entry: it is applied, as any click does
  window.Sync();
  ASSERT_EQ(FocusedWindow(window.Main()), window.FileList()) << "the click left the focus at "
                                                             << FocusedName(window.Main());
  const TProgramState before = State(window);
  for (WORD key : {VK_ESCAPE, VK_RETURN}) {
    Press(window, {key});
    EXPECT_TRUE(IsWindowVisible(window.Main())) << "key " << key;
    EXPECT_EQ(State(window), before) << "key " << key;
    EXPECT_EQ(FocusedWindow(window.Main()), window.FileList()) << "key " << key << " moved the focus to "
                                                               << FocusedName(window.Main());
  }
}

TEST_F(Keyboard, TabWalksTheControlsAndSpacePressesTheFocusedButton) {
  const TTessaloomWindow window = LaunchSkinnedAndActive();
  RECT list{};
  GetWindowRect(window.FileList(), &list);
  ClickAt(list.left + 20, list.bottom - 20);
  window.Sync();
  ASSERT_EQ(FocusedWindow(window.Main()), window.FileList());
  // A whole round from the list: the page shown, then the buttons below it in their tab order,
  // then the folder list kept out of sight, then the list again; Shift+Tab goes the same round
  // backwards.
  const std::vector<std::string> order = {kAdd, kDelete, kClear, "开机自动更换桌面壁纸...", "托盘", kStart,
                                          kStop, "关于", "检测更新", "ListBox", "ListBox"};
  std::vector<std::string> forward;
  for (size_t i = 0; i < order.size(); ++i) {
    Press(window, {VK_TAB});
    forward.push_back(FocusedName(window.Main()));
  }
  EXPECT_EQ(forward, order);
  EXPECT_EQ(FocusedWindow(window.Main()), window.FileList()) << "Tab did not come round to the list";
  std::vector<std::string> backward;
  for (size_t i = 0; i < order.size(); ++i) {
    Press(window, {VK_SHIFT, VK_TAB});
    backward.push_back(FocusedName(window.Main()));
  }
  std::vector<std::string> reversed(order.rbegin() + 1, order.rend());
  reversed.push_back("ListBox");
  EXPECT_EQ(backward, reversed);
  EXPECT_EQ(FocusedWindow(window.Main()), window.FileList()) << "Shift+Tab did not come round to the list";

  // Back on Start: Space presses it, and with an empty list that says so in a box.
  for (size_t i = 0; i < order.size() && FocusedName(window.Main()) != kStart; ++i)
    Press(window, {VK_TAB});
  ASSERT_EQ(FocusedName(window.Main()), kStart);
  const TProgramState before = State(window);
  Press(window, {VK_SPACE});
  const TMessageBox box = WaitForMessageBox(program_->Process().Id(), "Tapestrel", kWindowTimeoutMs);
  EXPECT_EQ(box.text, "壁纸文件列表不能为空");
  Press(window, {VK_RETURN});  // the box's OK
  EXPECT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return !IsWindow(box.window); })) << "Enter left the box open";
  EXPECT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return State(window) == before; }));
}

TEST_F(Keyboard, AltF10AndAltSpaceOpenNothingButTheWindowMenu) {
  const TTessaloomWindow window = LaunchSkinnedAndActive();
  const TProgramState before = State(window);
  const DWORD pid = program_->Process().Id();
  auto menuShown = [&] { return FindShownTopLevel(pid, "#32768", "") != nullptr; };

  Press(window, {VK_MENU});  // Alt alone, then a letter nothing answers to
  Press(window, {'Q'});
  Press(window, {VK_ESCAPE});
  EXPECT_EQ(State(window), before) << "Alt, then Q";
  Press(window, {VK_F10});
  Press(window, {VK_ESCAPE});
  EXPECT_EQ(State(window), before) << "F10";

  Press(window, {VK_MENU, VK_SPACE});
  EXPECT_TRUE(WaitFor(kReplyTimeoutMs, menuShown)) << "Alt+Space opened no window menu";
  Press(window, {VK_ESCAPE});
  EXPECT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return !menuShown(); })) << "Escape left the window menu open";
  EXPECT_TRUE(WaitFor(kReplyTimeoutMs, [&] { return State(window) == before; }));
  EXPECT_TRUE(IsWindowVisible(window.Main()));
}

TEST_F(Keyboard, AltF4EndsTheProgram) {
  const TTessaloomWindow window = LaunchSkinnedAndActive();
  PressChord({VK_MENU, VK_F4});
  EXPECT_TRUE(program_->Process().WaitForExit(kExitTimeoutMs)) << "still running after Alt+F4";
}

}  // namespace
}  // namespace e2e
