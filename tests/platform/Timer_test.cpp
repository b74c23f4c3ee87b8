// Timers delivered by the GLib main loop, and the loop runner. Deadlines
// are generous: they bound a failing test, never a passing one.

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>

#include "platform/MainLoop.h"
#include "platform/Timer.h"

using namespace FMX;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

TEST(TTimerTest, FiresRepeatedlyNoSoonerThanItsInterval) {
  TTimer Timer;
  int Count = 0;
  const auto Start = Clock::now();
  Timer.SetInterval(20);
  Timer.SetOnTimer([&](TObject* Sender) {
    EXPECT_EQ(Sender, &Timer);
    ++Count;
  });
  EXPECT_EQ(Count, 0) << "delivered from inside a setter";
  ASSERT_TRUE(TMainLoop::RunUntil([&] { return Count >= 3; }, 5000ms));
  EXPECT_GE(Clock::now() - Start, 60ms);
}

TEST(TTimerTest, DisabledZeroIntervalOrHandlerlessTimersStayQuiet) {
  int Count = 0;
  TTimer Disabled, Zero, NoHandler;
  Disabled.SetInterval(1);
  Disabled.SetOnTimer([&](TObject*) { ++Count; });
  Disabled.SetEnabled(false);
  Zero.SetInterval(0);
  Zero.SetOnTimer([&](TObject*) { ++Count; });
  NoHandler.SetInterval(1);
  EXPECT_FALSE(Disabled.Armed());
  EXPECT_FALSE(Zero.Armed());
  EXPECT_FALSE(NoHandler.Armed());
  TMainLoop::RunFor(50ms);
  EXPECT_EQ(Count, 0);
  Disabled.SetEnabled(true);
  EXPECT_TRUE(TMainLoop::RunUntil([&] { return Count > 0; }, 5000ms));
}

TEST(TTimerTest, NothingArrivesAfterTheTimerIsFreedOrDisabled) {
  int Count = 0;
  auto* Freed = new TTimer;
  Freed->SetInterval(1);
  Freed->SetOnTimer([&](TObject*) { ++Count; });
  TTimer Stopped;
  Stopped.SetInterval(1);
  Stopped.SetOnTimer([&](TObject*) { ++Count; });
  // Both are due long before the loop runs.
  TTimer Probe;
  int ProbeCount = 0;
  Probe.SetInterval(30);
  Probe.SetOnTimer([&](TObject*) { ++ProbeCount; });
  delete Freed;
  Stopped.SetEnabled(false);
  ASSERT_TRUE(TMainLoop::RunUntil([&] { return ProbeCount >= 2; }, 5000ms));
  EXPECT_EQ(Count, 0);
}

TEST(TTimerTest, AHandlerMayFreeItsTimerOrItsTimersOwner) {
  auto* Owner = new TFmxObject;
  auto* Timer = new TTimer(Owner);
  int Count = 0;
  Timer->SetInterval(5);
  Timer->SetOnTimer([&](TObject*) {
    ++Count;
    delete Owner;
    Owner = nullptr;
  });
  ASSERT_TRUE(TMainLoop::RunUntil([&] { return Owner == nullptr; }, 5000ms));
  TMainLoop::RunFor(40ms);
  EXPECT_EQ(Count, 1);
}

TEST(TTimerTest, ChangingTheIntervalInsideTheHandlerTakesEffect) {
  TTimer Timer;
  std::vector<Clock::time_point> Times;
  Timer.SetInterval(5);
  Timer.SetOnTimer([&](TObject*) {
    Times.push_back(Clock::now());
    Timer.SetInterval(150);
  });
  ASSERT_TRUE(TMainLoop::RunUntil([&] { return Times.size() >= 2; }, 5000ms));
  EXPECT_GE(Times[1] - Times[0], 150ms);
}

TEST(TMainLoopTest, RunUntilReportsTheConditionAndRethrowsHandlerErrors) {
  EXPECT_TRUE(TMainLoop::RunUntil([] { return true; }, 0ms));
  const auto Start = Clock::now();
  EXPECT_FALSE(TMainLoop::RunUntil([] { return false; }, 30ms));
  EXPECT_GE(Clock::now() - Start, 30ms);

  TTimer Timer;
  Timer.SetInterval(1);
  int Count = 0;
  Timer.SetOnTimer([&](TObject*) {
    ++Count;
    throw std::runtime_error("from the handler");
  });
  EXPECT_THROW(TMainLoop::RunUntil([] { return false; }, 5000ms), std::runtime_error);
  EXPECT_EQ(Count, 1);
  // The error was handed over once; the timer goes on.
  Timer.SetOnTimer([&](TObject*) { ++Count; });
  EXPECT_TRUE(TMainLoop::RunUntil([&] { return Count >= 2; }, 5000ms));
}
