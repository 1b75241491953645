// The harness proven against its stand-in program, so that the end-to-end tests can trust it.
#include "harness.h"
#include "deadline.h"
#include "harness_error.h"
#include "message_box.h"
#include "remote_controls.h"
#include "scratch_files.h"
#include "window_search.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <memory>

using namespace e2e;

namespace {

class HarnessTest : public ::testing::Test {
protected:
  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    program_ = std::make_unique<TProgramUnderTest>(
        STAND_IN_EXE, WindowsPath(SCRATCH_ROOT) + "\\harness." + test->name(),
        TWindowIdentity{"TlStandIn", "Stand-in"});
  }

  HWND StatusBar(HWND window) { return Descendants(window, STATUSCLASSNAMEA).at(0); }
  std::string Panel(HWND window, int panel) {
    return StatusPanelText(program_->Process().Handle(), StatusBar(window), panel);
  }
  void SyncWith(HWND window) { Sync(program_->Process().Handle(), StatusBar(window), kReplyTimeoutMs); }

  std::unique_ptr<TProgramUnderTest> program_;
};

TEST_F(HarnessTest, CopiesStartsFindsTheWindowAndQuitsByClosingIt) {
  ASSERT_TRUE(FileExists(program_->ExePath()));
  const HWND window = program_->Start();
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_NE(FindDescendant(window, "Button", "问候"), nullptr);
  EXPECT_EQ(FindDescendant(window, "Button", "没有"), nullptr);
  EXPECT_EQ(Descendants(window, "ListBox").size(), 2u);
  EXPECT_TRUE(program_->Quit());
  EXPECT_FALSE(program_->IsRunning());
  EXPECT_EQ(program_->Process().ExitCode(), 0u);
}

TEST_F(HarnessTest, ReadsStatusPanelsOfTheOtherProcessInItsCodePage) {
  program_->SetEnvironment("TL_STAND_IN_GREETING", "共有壁纸0张");
  const HWND window = program_->Start();
  EXPECT_EQ(Panel(window, 0), "共有壁纸0张");
  EXPECT_EQ(Panel(window, 1), "");
}

TEST_F(HarnessTest, SyncReturnsOnlyAfterEarlierPostedClicksWereHandled) {
  const HWND window = program_->Start();
  HWND visibleEdit = nullptr;
  for (HWND edit : Descendants(window, "Edit"))
    if ((StyleOf(edit) & WS_VISIBLE) && EditText(edit) == "25000")
      visibleEdit = edit;
  ASSERT_NE(visibleEdit, nullptr);
  SetEditText(visibleEdit, "1300");
  PressButton(FindDescendant(window, "Button", "复制"));
  SyncWith(window);
  EXPECT_EQ(Panel(window, 0), "1300");
}

TEST_F(HarnessTest, ReadsAndDismissesAModalMessageBox) {
  const HWND window = program_->Start();
  PressButton(FindDescendant(window, "Button", "问候"));
  const TMessageBox box = WaitForMessageBox(program_->Process().Id(), "Tapestrel", kWindowTimeoutMs);
  EXPECT_EQ(box.text, "你好，世界");
  DismissMessageBox(box, kReplyTimeoutMs);
  EXPECT_FALSE(FindMessageBox(program_->Process().Id()).has_value());
  SyncWith(window);
  EXPECT_EQ(Panel(window, 0), "IDOK");
}

TEST_F(HarnessTest, AWaitForAnAbsentBoxFailsAtItsDeadline) {
  program_->Start();
  EXPECT_THROW(WaitForMessageBox(program_->Process().Id(), "Tapestrel", 300), THarnessError);
}

TEST_F(HarnessTest, ClicksAListEntryAndDeletesASelection) {
  const HWND window = program_->Start();
  HWND list = nullptr;
  for (HWND candidate : Descendants(window, "ListBox"))
    if (StyleOf(candidate) & LBS_EXTENDEDSEL)
      list = candidate;
  ASSERT_NE(list, nullptr);
  ClickListEntry(list, 2);
  SyncWith(window);
  EXPECT_EQ(Panel(window, 1), "丙");

  SelectListEntries(list, {1, 3, 4});
  PressButton(FindDescendant(window, "Button", "删除"));
  SyncWith(window);
  EXPECT_EQ(ListCount(list), 2);
  EXPECT_EQ(Panel(window, 0), "2");
}

TEST_F(HarnessTest, ASecondInstanceIsTurnedAwayWithItsBoxWhileTheFirstStays) {
  const HWND window = program_->Start();
  const TProcess second = program_->StartAnother();
  const TMessageBox box = WaitForMessageBox(second.Id(), "Error", kWindowTimeoutMs);
  EXPECT_EQ(box.text, "替身已经运行！");
  DismissMessageBox(box, kReplyTimeoutMs);
  ASSERT_TRUE(second.WaitForExit(kExitTimeoutMs));
  EXPECT_EQ(second.ExitCode(), 2u);
  EXPECT_TRUE(program_->IsRunning());
  EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(HarnessTest, AProgramThatEndsBeforeShowingItsWindowFailsTheStartAtOnce) {
  try {
    program_->Start("/exit-at-once");
    ADD_FAILURE() << "Start returned without a window";
  } catch (const THarnessError& error) {
    EXPECT_NE(std::string(error.what()).find("ended with code 3"), std::string::npos) << error.what();
  }
}

TEST_F(HarnessTest, AProgramThatIgnoresCloseIsTerminated) {
  program_->Start("/ignore-close");
  EXPECT_FALSE(program_->Quit(1000));
  EXPECT_FALSE(program_->IsRunning());
}

}  // namespace
