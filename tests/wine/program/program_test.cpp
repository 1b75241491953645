// The whole program run in this process, with and without its skin engine. The program holds its
// single-instance mutex for as long as the process lives, so one process runs it once: CTest
// runs each case in a process of its own.
#include "app/main_form.h"
#include "app/program.h"
#include "skin/data/skin_manager_interface.h"
#include "skin/window/skin_messages.h"

#include <gtest/gtest.h>

namespace {

struct TRunSeen {
  bool shown = false;     // the main window was visible
  bool skinned = false;   // and answered as skinned before it was closed
  SIZE client{};          // its client size then
  int ticks = 0;
  int shownTicks = 0;
  bool shellAtShow = true;  // the shell's DLL was loaded when the window was being shown
  bool shellLater = false;  // and when it was looked at (the tray icon is up)
};
TRunSeen seen;
bool ranInThisProcess = false;

// Runs inside the program's message loop: looks at the main window a little after it shows,
// then closes it, which ends the program. Gives up after 10 s.
void CALLBACK WatchMainWindow(HWND, UINT, UINT_PTR, DWORD) {
  ++seen.ticks;
  if (Form1 && Form1->HandleAllocated() && IsWindowVisible(Form1->Handle())) {
    seen.shown = true;
    if (++seen.shownTicks == 5) {  // time for the frame skinner's set-up
      seen.shellLater = GetModuleHandleA("shell32.dll") != nullptr;
      const HWND window = Form1->Handle();
      seen.skinned = SendMessageA(window, SKM_ISSKINNED, 0, 0) == 1;
      RECT client{};
      GetClientRect(window, &client);
      seen.client = {client.right, client.bottom};
      PostMessageA(window, WM_CLOSE, 0, 0);
    }
  } else if (seen.ticks > 100) {
    PostQuitMessage(0);
  }
}

// Notes whether the shell's DLL is loaded as the main window is being shown.
HHOOK showHook = nullptr;
LRESULT CALLBACK NoteShow(int code, WPARAM wParam, LPARAM lParam) {
  const auto& message = *reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && message.message == WM_SHOWWINDOW && message.wParam && Form1 &&
      Form1->HandleAllocated() && message.hwnd == Form1->Handle())
    seen.shellAtShow = GetModuleHandleA("shell32.dll") != nullptr;
  return CallNextHookEx(showHook, code, wParam, lParam);
}

class ProgramTest : public ::testing::TestWithParam<bool> {};

TEST_P(ProgramTest, RunsTheMainWindowSkinnedOnlyWithTheSkinEngineAndEndsWhenItCloses) {
  if (ranInThisProcess)
    GTEST_SKIP() << "the program runs once per process";
  ranInThisProcess = true;
  const bool skinned = GetParam();
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, WatchMainWindow);
  showHook = SetWindowsHookExA(WH_CALLWNDPROC, NoteShow, nullptr, GetCurrentThreadId());
  EXPECT_EQ(RunProgram(skinned), 0);
  UnhookWindowsHookEx(showHook);
  KillTimer(nullptr, timer);
  Form1 = nullptr;  // the application freed it
  SetSkinManagerFactory(nullptr);

  EXPECT_TRUE(seen.shown);
  EXPECT_EQ(seen.skinned, skinned);
  // The shell's DLL, with all it loads, waits until the window has shown and the tray icon is made.
  EXPECT_FALSE(seen.shellAtShow);
  EXPECT_TRUE(seen.shellLater);
  EXPECT_EQ(seen.client.cx, 554);  // the designed client size, with either frame
  EXPECT_EQ(seen.client.cy, 464);
  EXPECT_EQ(SkinManager(), nullptr) << "the skin engine is gone with the program";
  EXPECT_EQ(Application, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Skin, ProgramTest, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Skinned" : "Unskinned"; });

}  // namespace
