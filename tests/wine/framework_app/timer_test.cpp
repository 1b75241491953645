#include "framework/timer.h"

#include "framework/application.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Pumps messages for MS milliseconds, so WM_TIMER is delivered.
void Pump(TApplication& app, DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  while (static_cast<int32_t>(end - GetTickCount()) > 0) {
    app.ProcessMessages();
    Sleep(2);
  }
}

class TimerTest : public ::testing::Test {
protected:
  void SetUp() override {
    Application = &app_;
    app_.SetMessageBoxFunction([this](HWND, const std::string& text, const std::string&, UINT) {
      errors_.push_back(text);
      return IDOK;
    });
  }
  void TearDown() override { Application = nullptr; }

  TApplication app_;
  std::vector<std::string> errors_;
};

TEST_F(TimerTest, TicksOnlyWhenEnabledWithAnIntervalAndAHandler) {
  TTimer timer;
  int ticks = 0;
  timer.SetEnabled(false);
  timer.SetInterval(0);
  timer.SetOnTimer([&](TComponent*) { ++ticks; });
  timer.SetEnabled(true);
  EXPECT_FALSE(timer.Running());  // enabled with interval 0 never ticks
  Pump(app_, 60);
  EXPECT_EQ(ticks, 0);

  timer.SetInterval(10);
  EXPECT_TRUE(timer.Running());
  Pump(app_, 120);
  EXPECT_GE(ticks, 2);

  timer.SetInterval(0);
  const int stopped = ticks;
  Pump(app_, 60);
  EXPECT_EQ(ticks, stopped);
}

TEST_F(TimerTest, AnUnchangedValueDoesNotRestartThePeriod) {
  TTimer timer;
  int ticks = 0;
  timer.SetInterval(150);
  timer.SetOnTimer([&](TComponent*) { ++ticks; });
  // Re-setting the same values every 40 ms must not keep pushing the tick away.
  for (int i = 0; i < 6; ++i) {
    Pump(app_, 40);
    timer.SetEnabled(true);
    timer.SetInterval(150);
  }
  EXPECT_GE(ticks, 1);
}

TEST_F(TimerTest, AFailingTickIsReportedAndTheTimerKeepsRunning) {
  TTimer timer;
  int ticks = 0;
  timer.SetInterval(10);
  timer.SetOnTimer([&](TComponent*) {
    ++ticks;
    throw std::runtime_error("List index out of bounds (0)");
  });
  Pump(app_, 100);
  EXPECT_GE(ticks, 2);
  ASSERT_FALSE(errors_.empty());
  EXPECT_EQ(errors_[0], "List index out of bounds (0)");  // ")" sorts before "."
  EXPECT_TRUE(timer.Running());
}

}  // namespace
