#include "tray/simple_timer.h"

#include "tray_test_support.h"

#include <memory>
#include <stdexcept>

namespace {

using tray_test::Pump;
using tray_test::PumpUntil;

class SimpleTimerTest : public tray_test::TrayFixture {};

TEST_F(SimpleTimerTest, ANewTimerIsIdleWithItsIdentifierAtItsOwnAddress) {
  TSimpleTimer timer;
  EXPECT_EQ(timer.Id(), reinterpret_cast<UINT_PTR>(&timer));
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 1000);
  EXPECT_FALSE(timer.AutoDisable());
  ASSERT_NE(TSimpleTimerHandler::Instance(), nullptr);
  EXPECT_EQ(TSimpleTimerHandler::Instance()->ReferenceCount(), 1u);
  EXPECT_EQ(TSimpleTimerHandler::Instance()->RunningCount(), 0u);
}

TEST_F(SimpleTimerTest, TheSharedWindowIsAHiddenTopLevelUtilityWindow) {
  TSimpleTimer timer;
  HWND window = TSimpleTimerHandler::Instance()->Handle();
  ASSERT_TRUE(IsWindow(window));
  char cls[64] = {};
  GetClassNameA(window, cls, sizeof cls);
  EXPECT_STREQ(cls, "TPUtilWindow");
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(GetAncestor(window, GA_PARENT), GetDesktopWindow());
  EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
}

TEST_F(SimpleTimerTest, TwoTimersRunIndependentlyOnTheOneWindowAndEachGetsItself) {
  int fast = 0, slow = 0;
  TSimpleTimer* fastSeen = nullptr;
  TSimpleTimer* slowSeen = nullptr;
  TSimpleTimer a(15, [&](TSimpleTimer* t) { ++fast, fastSeen = t; });
  TSimpleTimer b(120, [&](TSimpleTimer* t) { ++slow, slowSeen = t; });
  EXPECT_EQ(TSimpleTimerHandler::Instance()->ReferenceCount(), 2u);
  a.SetEnabled(true);
  b.SetEnabled(true);
  EXPECT_EQ(TSimpleTimerHandler::Instance()->RunningCount(), 2u);
  Pump(400);
  EXPECT_GE(fast, 6);
  EXPECT_GE(slow, 1);
  EXPECT_LE(slow, 4);
  EXPECT_GT(fast, slow);
  EXPECT_EQ(fastSeen, &a);
  EXPECT_EQ(slowSeen, &b);
}

TEST_F(SimpleTimerTest, AnUnchangedIntervalDoesNotRestartThePeriod) {
  int ticks = 0;
  TSimpleTimer timer(150, [&](TSimpleTimer*) { ++ticks; });
  timer.SetEnabled(true);
  for (int i = 0; i < 8; ++i) {  // 320 ms of re-setting the same value
    Pump(40);
    timer.SetInterval(150);
  }
  EXPECT_GE(ticks, 1);
}

TEST_F(SimpleTimerTest, ADifferentIntervalRestartsThePeriod) {
  int ticks = 0;
  TSimpleTimer timer(150, [&](TSimpleTimer*) { ++ticks; });
  timer.SetEnabled(true);
  for (int i = 0; i < 8; ++i) {  // every change starts the 150 ms from zero again
    Pump(40);
    timer.SetInterval(i % 2 ? 150 : 151);
  }
  EXPECT_EQ(ticks, 0);
  EXPECT_TRUE(timer.Enabled());
}

TEST_F(SimpleTimerTest, SettingEnabledOnAnArmedTimerRestartsIt) {
  int ticks = 0;
  TSimpleTimer timer(150, [&](TSimpleTimer*) { ++ticks; });
  for (int i = 0; i < 8; ++i) {
    timer.SetEnabled(true);
    Pump(40);
  }
  EXPECT_EQ(ticks, 0);
  EXPECT_EQ(TSimpleTimerHandler::Instance()->RunningCount(), 1u);
}

TEST_F(SimpleTimerTest, ArmingWithIntervalZeroFailsAndLeavesTheTimerIdle) {
  int ticks = 0;
  TSimpleTimer timer(0, [&](TSimpleTimer*) { ++ticks; });
  EXPECT_FALSE(timer.Arm());
  EXPECT_FALSE(timer.Enabled());
  timer.SetEnabled(true);
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(TSimpleTimerHandler::Instance()->RunningCount(), 0u);
  Pump(60);
  EXPECT_EQ(ticks, 0);
}

TEST_F(SimpleTimerTest, IntervalZeroHoldsAnEnabledTimerUntilANewIntervalComes) {
  int ticks = 0;
  TSimpleTimer timer(10, [&](TSimpleTimer*) { ++ticks; });
  timer.SetEnabled(true);
  timer.SetInterval(0);
  EXPECT_TRUE(timer.Enabled());  // held, not idle
  EXPECT_EQ(TSimpleTimerHandler::Instance()->RunningCount(), 0u);
  Pump(80);
  EXPECT_EQ(ticks, 0);
  timer.SetInterval(10);
  EXPECT_EQ(TSimpleTimerHandler::Instance()->RunningCount(), 1u);
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; }, 1000));
}

TEST_F(SimpleTimerTest, AnEmptyCallbackHoldsAnEnabledTimer) {
  int ticks = 0;
  TSimpleTimer timer(10, [&](TSimpleTimer*) { ++ticks; });
  timer.SetEnabled(true);
  timer.SetCallback(nullptr);
  EXPECT_TRUE(timer.Enabled());
  EXPECT_EQ(TSimpleTimerHandler::Instance()->RunningCount(), 0u);
  timer.SetCallback([&](TSimpleTimer*) { ++ticks; });
  Pump(60);
  EXPECT_EQ(ticks, 0);  // a new callback alone does not arm it
  EXPECT_TRUE(timer.Arm());
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 1; }, 1000));
}

TEST_F(SimpleTimerTest, DisarmingWithoutTheFlagKeepsItEnabledAndTheCountNeverGoesBelowZero) {
  TSimpleTimer timer(10, nullptr);
  timer.SetEnabled(true);
  EXPECT_TRUE(timer.Disarm(false));
  EXPECT_TRUE(timer.Enabled());
  EXPECT_FALSE(timer.Disarm(true));  // nothing left to kill
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(TSimpleTimerHandler::Instance()->RunningCount(), 0u);
}

TEST_F(SimpleTimerTest, AutoDisableStopsTheTimerBeforeItsCallback) {
  int ticks = 0;
  bool enabledInCallback = true;
  TSimpleTimer timer(10, [&](TSimpleTimer* t) { ++ticks, enabledInCallback = t->Enabled(); });
  timer.SetAutoDisable(true);
  timer.SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 1; }, 1000));
  Pump(80);
  EXPECT_EQ(ticks, 1);
  EXPECT_FALSE(enabledInCallback);
  EXPECT_FALSE(timer.Enabled());
}

TEST_F(SimpleTimerTest, TheLastTimerTakesTheWindowWithItAndTheNextOneMakesANewOne) {
  HWND first = nullptr;
  {
    TSimpleTimer a, b;
    first = TSimpleTimerHandler::Instance()->Handle();
    a.SetEnabled(true);
  }
  EXPECT_EQ(TSimpleTimerHandler::Instance(), nullptr);
  EXPECT_FALSE(IsWindow(first));
  TSimpleTimer c;
  ASSERT_NE(TSimpleTimerHandler::Instance(), nullptr);
  EXPECT_TRUE(IsWindow(TSimpleTimerHandler::Instance()->Handle()));
  EXPECT_EQ(TSimpleTimerHandler::Instance()->ReferenceCount(), 1u);
}

TEST_F(SimpleTimerTest, ATimerMessageNamesItsTimerAndAForeignIdentifierIsIgnored) {
  int ticks = 0;
  TSimpleTimer timer(1000, [&](TSimpleTimer*) { ++ticks; });
  HWND window = TSimpleTimerHandler::Instance()->Handle();
  SendMessageA(window, WM_TIMER, timer.Id(), 0);
  EXPECT_EQ(ticks, 1);
  SendMessageA(window, WM_TIMER, timer.Id() + 4, 0);
  SendMessageA(window, WM_TIMER, 1, 0);
  EXPECT_EQ(ticks, 1);
}

TEST_F(SimpleTimerTest, AFailingCallbackIsReportedAndTheTimerKeepsRunning) {
  int ticks = 0;
  TSimpleTimer timer(10, [&](TSimpleTimer*) {
    ++ticks;
    throw std::runtime_error("List index out of bounds (3)");
  });
  timer.SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; }, 1000));
  ASSERT_GE(errors_.size(), 2u);
  EXPECT_EQ(errors_[0], "List index out of bounds (3)");  // ")" sorts before "."
}

TEST_F(SimpleTimerTest, ATimerMayDestroyItselfInItsCallback) {
  auto timer = std::make_unique<TSimpleTimer>();
  int ticks = 0;
  timer->SetInterval(10);
  timer->SetCallback([&](TSimpleTimer*) {
    ++ticks;
    timer.reset();  // the last timer: the shared window goes during its own message
  });
  timer->SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return !timer; }, 1000));
  Pump(40);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(TSimpleTimerHandler::Instance(), nullptr);
}

}  // namespace
