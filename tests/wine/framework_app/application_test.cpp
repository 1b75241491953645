#include "framework/application.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

int timerTicks = 0;
void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) { ++timerTicks; }
void CALLBACK TerminateOnTick(HWND, UINT, UINT_PTR, DWORD) {
  CallGuarded([] { Application->Terminate(); });
}
void CALLBACK FailOnTick(HWND, UINT, UINT_PTR, DWORD) {
  ++timerTicks;
  CallGuarded([] { throw std::runtime_error("Cannot open file \"Z:\\gone.bmp\""); });
}

struct ShownBox {
  std::string text, caption;
  UINT flags;
};

// An application object whose message boxes are recorded instead of shown.
class ApplicationTest : public ::testing::Test {
protected:
  void SetUp() override {
    Application = &app_;
    app_.SetTitle("Tapestrel");
    app_.SetMessageBoxFunction([this](HWND, const std::string& text, const std::string& caption, UINT flags) {
      shown_.push_back({text, caption, flags});
      return IDOK;
    });
  }
  void TearDown() override { Application = nullptr; }

  TApplication app_;
  std::vector<ShownBox> shown_;
};

TEST(ErrorBoxText, AppendsAPeriodOnlyAfterCharactersThatSortAfterIt) {
  EXPECT_EQ(ErrorBoxText("'abc' is not a valid integer value"), "'abc' is not a valid integer value.");
  EXPECT_EQ(ErrorBoxText("Done."), "Done.");
  EXPECT_EQ(ErrorBoxText("What?"), "What?.");
  EXPECT_EQ(ErrorBoxText("Hi!"), "Hi!");       // '!' sorts before '.'
  EXPECT_EQ(ErrorBoxText("a-"), "a-");
  EXPECT_EQ(ErrorBoxText("for '%s'"), "for '%s'");  // a quote sorts before '.'
  EXPECT_EQ(ErrorBoxText("文件"), "文件.");       // GBK trail bytes sort after it
  EXPECT_EQ(ErrorBoxText(""), "");
}

TEST_F(ApplicationTest, HasAHiddenWindowOfItsOwnClassTitledLikeTheApplication) {
  char cls[64] = {}, title[64] = {};
  GetClassNameA(app_.Handle(), cls, sizeof cls);
  GetWindowTextA(app_.Handle(), title, sizeof title);
  EXPECT_STREQ(cls, "TApplication");
  EXPECT_STREQ(title, "Tapestrel");
  EXPECT_EQ(FindWindowA("TApplication", "Tapestrel"), app_.Handle());
}

TEST_F(ApplicationTest, ACallbackErrorGoesToTheErrorBoxAndNoFurther) {
  CallGuarded([] { throw std::runtime_error("Bitmap image is not valid"); });
  CallGuarded([] { throw 42; });
  ASSERT_EQ(shown_.size(), 2u);
  EXPECT_EQ(shown_[0].text, "Bitmap image is not valid.");
  EXPECT_EQ(shown_[0].caption, "Tapestrel");
  EXPECT_EQ(shown_[0].flags, static_cast<UINT>(MB_OK | MB_ICONSTOP));
  EXPECT_EQ(shown_[1].text, "Unknown error.");
}

TEST_F(ApplicationTest, AnErrorWhileTheErrorBoxIsOpenIsCountedInsteadOfOpeningASecondBox) {
  // The first box stands for a modal one: it keeps dispatching while a failing timer ticks.
  app_.SetMessageBoxFunction([this](HWND, const std::string& text, const std::string& caption, UINT flags) {
    shown_.push_back({text, caption, flags});
    if (shown_.size() == 1) {
      timerTicks = 0;
      SetTimer(app_.Handle(), 9, 1, FailOnTick);
      for (int i = 0; i < 500 && timerTicks < 3; ++i) {
        Sleep(2);
        app_.ProcessMessages();
      }
      KillTimer(app_.Handle(), 9);
    }
    return IDOK;
  });
  CallGuarded([] { throw std::runtime_error("first"); });
  ASSERT_GE(timerTicks, 3);
  ASSERT_EQ(shown_.size(), 1u) << "a second box opened: " << shown_.back().text;
  EXPECT_EQ(shown_[0].text, "first.");
  EXPECT_EQ(app_.ErrorsNotShown(), timerTicks);

  // Once the box is closed, the next error has a box of its own again.
  CallGuarded([] { throw std::runtime_error("second"); });
  ASSERT_EQ(shown_.size(), 2u);
  EXPECT_EQ(shown_[1].text, "second.");
  EXPECT_EQ(app_.ErrorsNotShown(), timerTicks);
}

TEST_F(ApplicationTest, ProcessMessagesDispatchesWhatIsQueuedAndReturns) {
  timerTicks = 0;
  SetTimer(app_.Handle(), 7, 1, CountTick);
  Sleep(30);
  app_.ProcessMessages();
  KillTimer(app_.Handle(), 7);
  EXPECT_GE(timerTicks, 1);
  EXPECT_FALSE(app_.Terminated());
}

TEST_F(ApplicationTest, RunEndsWhenTerminated) {
  PostMessageA(app_.Handle(), WM_NULL, 0, 0);
  SetTimer(app_.Handle(), 8, 5, TerminateOnTick);
  app_.Run();
  KillTimer(app_.Handle(), 8);
  EXPECT_TRUE(app_.Terminated());
}

}  // namespace
