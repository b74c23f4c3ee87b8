// Timers delivered by the GLib main loop, and the loop runner. Deadlines
// are generous: they bound a failing test, never a passing one.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <string>

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

TEST(TTimerTest, AHandlerRunningANestedLoopMayFreeItsTimerInsideOrAfterwards) {
  // The first event re-arms the timer and runs the loop until the second
  // event arrives inside it; the timer is freed by that nested event or by
  // the outer handler once the nested loop returns.
  for (const bool FreeInside : {false, true}) {
    SCOPED_TRACE(FreeInside ? "freed by the nested event" : "freed after the nested loop");
    auto* Timer = new TTimer;
    int Count = 0;
    bool Gone = false;
    Timer->SetInterval(5);
    Timer->SetOnTimer([&](TObject*) {
      if (++Count > 1) {
        if (FreeInside) {
          delete Timer;
          Gone = true;
        }
        return;
      }
      Timer->SetInterval(6);
      EXPECT_TRUE(TMainLoop::RunUntil([&] { return Count >= 2; }, 5000ms));
      if (!Gone) {
        delete Timer;
        Gone = true;
      }
    });
    ASSERT_TRUE(TMainLoop::RunUntil([&] { return Gone; }, 5000ms));
    TMainLoop::RunFor(30ms);
    EXPECT_EQ(Count, 2);
  }
}

TEST(TTimerTest, AHandlerMayReplaceItselfAndStillUseWhatItCaptured) {
  TTimer Timer;
  const std::string Tag(200, 't');  // large enough to live outside the function object
  std::string Seen;
  int Replacements = 0;
  Timer.SetInterval(5);
  Timer.SetOnTimer([&Timer, &Seen, &Replacements, Tag](TObject*) {
    Timer.SetOnTimer([&Replacements](TObject*) { ++Replacements; });
    Seen = Tag;
  });
  ASSERT_TRUE(TMainLoop::RunUntil([&] { return Replacements > 0; }, 5000ms));
  EXPECT_EQ(Seen, Tag);
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

TEST(TMainLoopTest, ProcessMessagesDeliversWhatIsDueAndReturnsEvenWhenATimerIsAlwaysDue) {
  EXPECT_EQ(TMainLoop::ProcessMessages(), 0) << "nothing due";
  TTimer Quick, Slow;
  int QuickCount = 0, SlowCount = 0;
  Quick.SetInterval(1);
  Quick.SetOnTimer([&](TObject*) { ++QuickCount; });
  // Busy for longer than its interval: due again as soon as it returns.
  Slow.SetInterval(1);
  Slow.SetOnTimer([&](TObject*) {
    const auto End = Clock::now() + 2ms;
    while (Clock::now() < End) {
    }
    if (++SlowCount > 10 * TMainLoop::MaxProcessIterations) Slow.SetEnabled(false);  // bounds a failing test
  });
  ASSERT_TRUE(TMainLoop::RunUntil([&] { return QuickCount > 0 && SlowCount > 0; }, 5000ms));
  QuickCount = SlowCount = 0;
  const int Iterations = TMainLoop::ProcessMessages();
  EXPECT_GT(SlowCount, 0);
  EXPECT_LE(Iterations, TMainLoop::MaxProcessIterations);
  EXPECT_LE(SlowCount, TMainLoop::MaxProcessIterations) << "the call did not return while the timer stayed due";
  EXPECT_GT(QuickCount, 0) << "a timer due meanwhile is delivered too";
}

TEST(TMainLoopTest, RunUntilReportsTheConditionAndRethrowsHandlerErrors) {
  EXPECT_TRUE(TMainLoop::RunUntil([] { return true; }, 0ms));
  const auto Start = Clock::now();
  EXPECT_FALSE(TMainLoop::RunUntil([] { return false; }, 30ms));
  EXPECT_GE(Clock::now() - Start, 30ms);
  // A deadline beyond 32 bits of milliseconds is far away, not wrapped round.
  TTimer Soon;
  bool Fired = false;
  Soon.SetInterval(30);
  Soon.SetOnTimer([&](TObject*) { Fired = true; });
  EXPECT_TRUE(TMainLoop::RunUntil([&] { return Fired; }, std::chrono::milliseconds((std::int64_t(1) << 32) + 1)));
  EXPECT_TRUE(TMainLoop::RunUntil([] { return true; }, -5ms));
  EXPECT_FALSE(TMainLoop::RunUntil([] { return false; }, -5ms));

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
