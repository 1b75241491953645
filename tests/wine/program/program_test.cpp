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

class ProgramTest : public ::testing::TestWithParam<bool> {};

TEST_P(ProgramTest, RunsTheMainWindowSkinnedOnlyWithTheSkinEngineAndEndsWhenItCloses) {
  if (ranInThisProcess)
    GTEST_SKIP() << "the program runs once per process";
  ranInThisProcess = true;
  const bool skinned = GetParam();
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, WatchMainWindow);
  EXPECT_EQ(RunProgram(skinned), 0);
  KillTimer(nullptr, timer);
  Form1 = nullptr;  // the application freed it
  SetSkinManagerFactory(nullptr);

  EXPECT_TRUE(seen.shown);
  EXPECT_EQ(seen.skinned, skinned);
  EXPECT_EQ(seen.client.cx, 554);  // the designed client size, with either frame
  EXPECT_EQ(seen.client.cy, 464);
  EXPECT_EQ(SkinManager(), nullptr) << "the skin engine is gone with the program";
  EXPECT_EQ(Application, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Skin, ProgramTest, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Skinned" : "Unskinned"; });

}  // namespace
