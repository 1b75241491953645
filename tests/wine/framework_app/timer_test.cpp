#include "framework/timer.h"

#include "framework/application.h"
#include "framework/core/exceptions.h"
#include "framework/system/system_function.h"

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

// Timer windows of this thread: message-only, so only a search below HWND_MESSAGE finds them.
int TimerWindows() {
  int count = 0;
  for (HWND w = FindWindowExA(HWND_MESSAGE, nullptr, "TTimerWindow", nullptr); w;
       w = FindWindowExA(HWND_MESSAGE, w, "TTimerWindow", nullptr))
    count += GetWindowThreadProcessId(w, nullptr) == GetCurrentThreadId();
  return count;
}

TEST_F(TimerTest, ATimerMakesItsWindowWhenItFirstStartsAndTicksThroughIt) {
  const int before = TimerWindows();
  {
    TTimer idle, noHandler, noInterval;
    noInterval.SetInterval(0);
    noInterval.SetOnTimer([](TComponent*) {});
    idle.SetEnabled(false);
    idle.SetOnTimer([](TComponent*) {});
    EXPECT_EQ(TimerWindows(), before);  // three waiting timers, no window

    int ticks = 0;
    idle.SetInterval(10);
    idle.SetEnabled(true);
    EXPECT_TRUE(idle.Running());
    EXPECT_EQ(TimerWindows(), before + 1);
    idle.SetOnTimer([&](TComponent*) { ++ticks; });
    Pump(app_, 80);
    EXPECT_GE(ticks, 2);
    idle.SetEnabled(false);  // stopped, the window stays for the next start
    EXPECT_EQ(TimerWindows(), before + 1);
  }
  EXPECT_EQ(TimerWindows(), before);
}

// System functions bound on their first call: found, and missing (a function, a whole DLL).
TEST(SystemFunctionTest, BindsOnFirstCallAndNamesWhatIsMissing) {
  const TSystemFunction<decltype(GetCurrentProcessId)> processId{"kernel32.dll", "GetCurrentProcessId"};
  EXPECT_EQ(processId(), GetCurrentProcessId());
  const TSystemFunction<decltype(lstrlenA)> length{"kernel32.dll", "lstrlenA"};
  EXPECT_EQ(length("tapestry"), 8);

  struct {
    const char* dll;
    const char* name;
  } const missing[] = {
      {"kernel32.dll", "TlNoSuchFunction"},
      {"tl_no_such_library.dll", "GetTickCount"},
  };
  for (const auto& m : missing) {
    const TSystemFunction<decltype(GetTickCount)> absent{m.dll, m.name};
    try {
      absent();
      ADD_FAILURE() << m.dll << " " << m.name << " was called";
    } catch (const EOSError& e) {
      EXPECT_EQ(e.Message(), std::string(m.dll) + ": " + m.name + " not found");
    }
  }
}

}  // namespace
