// The timer components and their manager over a clock the test sets: when a timer fires,
// with what sender, how a tick copes with handlers that change the list, and when the system
// timer runs.
#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <vector>

#include "config/class_registry.h"
#include "config/config_io.h"
#include "config/my_timer.h"
#include "config/timer_manager.h"

namespace cd::test {
namespace {

// A manager over a settable clock that records each switch of its system timer.
struct FakeClock {
  int32_t now = 1000;
  std::vector<bool> switches;
  TTimerManager manager{[this] { return now; },
                        [this](TTimerManager&, bool run) { switches.push_back(run); }};
};

// A timer that records the sender of each call.
struct Recorded {
  std::unique_ptr<TMyTimer> timer;
  std::vector<TMyTimer*> senders;
};

std::unique_ptr<Recorded> MakeTimer(FakeClock& clock, int32_t interval, bool keepPlane = false) {
  auto r = std::make_unique<Recorded>();
  r->timer = std::make_unique<TMyTimer>(nullptr, clock.manager);
  r->timer->SetInterval(interval);
  r->timer->SetKeepPlane(keepPlane);
  r->timer->SetOnTimer([p = r.get()](TMyTimer* sender) { p->senders.push_back(sender); });
  r->timer->SetEnabled(true);
  return r;
}

TEST(TimerCheck, FiresByTheRuleOfItsPlane) {
  struct Case {
    const char* what;
    int32_t interval;
    bool keepPlane;
    int32_t after;           // ms after enabling when the tick comes
    int calls;               // calls without sender, then one with the timer
    int32_t lastTickOffset;  // LastTick after the tick, from the enabling
  };
  const Case cases[] = {
      {"not yet due", 100, false, 99, -1, 0},
      {"due exactly", 100, false, 100, 0, 100},
      {"late: restarts at the check", 100, false, 250, 0, 250},
      {"plane: one missed period kept on the grid", 100, true, 250, 1, 200},
      {"plane: two missed periods", 100, true, 350, 2, 300},
      {"plane: exactly two periods late", 100, true, 200, 0, 100},
      {"interval 0 never fires", 0, false, 100000, -1, 0},
      {"interval 0 never fires on a plane", 0, true, 100000, -1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeClock clock;
    auto r = MakeTimer(clock, c.interval, c.keepPlane);
    clock.now += c.after;
    clock.manager.Tick();
    std::vector<TMyTimer*> expected;
    if (c.calls >= 0) {
      expected.assign(c.calls, nullptr);
      expected.push_back(r->timer.get());
    }
    EXPECT_EQ(r->senders, expected);
    EXPECT_EQ(r->timer->LastTick(), 1000 + c.lastTickOffset);
  }
}

TEST(TimerCheck, NextFiringFollowsTheLastOne) {
  FakeClock clock;
  auto plain = MakeTimer(clock, 100);
  auto plane = MakeTimer(clock, 100, true);
  clock.now += 350;
  clock.manager.Tick();
  plain->senders.clear();
  plane->senders.clear();
  clock.now += 50;  // plain due 100 after the check; plane due 400 after the enabling
  clock.manager.Tick();
  EXPECT_TRUE(plain->senders.empty());
  EXPECT_EQ(plane->senders.size(), 1u);
  clock.now += 50;
  clock.manager.Tick();
  EXPECT_EQ(plain->senders.size(), 1u);
  EXPECT_EQ(plane->senders.size(), 1u);
}

TEST(TimerCheck, ComparesAcrossTheWrapOfTheTickCount) {
  for (const int32_t start : {INT32_MAX - 50, -20}) {
    SCOPED_TRACE(start);
    for (const bool keepPlane : {false, true}) {
      FakeClock clock;
      clock.now = start;
      auto r = MakeTimer(clock, 100, keepPlane);
      clock.now = static_cast<int32_t>(static_cast<uint32_t>(start) + 60);
      clock.manager.Tick();
      EXPECT_TRUE(r->senders.empty()) << "fired early";
      clock.now = static_cast<int32_t>(static_cast<uint32_t>(start) + 100);
      clock.manager.Tick();
      EXPECT_EQ(r->senders.size(), 1u) << "one call, not a call for every period of 2^32";
    }
  }
}

TEST(TimerCheck, NothingWithoutHandler) {
  FakeClock clock;
  TMyTimer timer(nullptr, clock.manager);
  timer.SetInterval(10);
  timer.SetEnabled(true);
  clock.now += 100;
  clock.manager.Tick();
  EXPECT_EQ(timer.LastTick(), 1000);
}

TEST(TimerKeys, IntervalBelowOneKeepsTheOldValue) {
  FakeClock clock;
  TMyTimer timer(nullptr, clock.manager);
  EXPECT_EQ(timer.Interval(), 0);
  timer.SetInterval(40);
  timer.SetInterval(0);
  timer.SetInterval(-5);
  EXPECT_EQ(timer.Interval(), 40);
}

TEST(TimerKeys, ReadingGoesThroughTheSetters) {
  RegisterClass(TMyTimer::StaticClass());
  FakeClock clock;
  TMyTimer timer(nullptr, clock.manager);
  StringToObject("object T: TMyTimer\n  Interval = -5\n  Enabled = True\n  KeepPlane = True\nend\n",
                 timer);
  EXPECT_EQ(timer.Interval(), 0);
  EXPECT_TRUE(timer.KeepPlane());
  ASSERT_EQ(clock.manager.Timers(), std::vector<TMyTimer*>{&timer});
  EXPECT_EQ(clock.switches, std::vector<bool>{true});
  timer.SetInterval(25);
  StringToObject("object T: TMyTimer\n  Interval = 0\nend\n", timer);
  EXPECT_EQ(timer.Interval(), 25);
}

// Handlers that change the list: each case's handler on the first timer does something; every
// timer still listed must be examined exactly once in that tick.
TEST(TimerTick, HandlersChangingTheListLeaveTheRestExaminedOnce) {
  struct Case {
    const char* what;
    int acted;  // the timer whose handler acts: 0, 1 or 2 of three
    void (*act)(std::vector<std::unique_ptr<Recorded>>& timers, int self);
    std::vector<size_t> calls;  // calls each of the three gets in the tick
  };
  const Case cases[] = {
      {"disables itself",
       0,
       [](auto& t, int self) { t[self]->timer->SetEnabled(false); },
       {1, 1, 1}},
      {"destroys itself", 1, [](auto& t, int self) { t[self]->timer.reset(); }, {1, 1, 1}},
      {"destroys an earlier timer", 1, [](auto& t, int) { t[0]->timer.reset(); }, {1, 1, 1}},
      {"destroys a later timer", 0, [](auto& t, int) { t[2]->timer.reset(); }, {1, 1, 0}},
      {"disables an earlier one and enables it again",
       2,
       [](auto& t, int) {
         t[0]->timer->SetEnabled(false);
         t[0]->timer->SetEnabled(true);
       },
       {1, 1, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeClock clock;
    std::vector<std::unique_ptr<Recorded>> timers;
    for (int i = 0; i < 3; ++i) timers.push_back(MakeTimer(clock, 10));
    Recorded& actor = *timers[c.acted];
    actor.timer->SetOnTimer([&, self = c.acted](TMyTimer* sender) {
      actor.senders.push_back(sender);
      c.act(timers, self);
    });
    clock.now += 10;
    clock.manager.Tick();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(timers[i]->senders.size(), c.calls[i]) << "timer " << i;
  }
}

TEST(TimerTick, ATimerEnabledByAHandlerStartsItsPeriodThen) {
  FakeClock clock;
  auto first = MakeTimer(clock, 10);
  auto later = MakeTimer(clock, 10);
  later->timer->SetEnabled(false);
  first->timer->SetOnTimer([&](TMyTimer*) { later->timer->SetEnabled(true); });
  clock.now += 500;
  clock.manager.Tick();
  EXPECT_TRUE(later->senders.empty());
  EXPECT_EQ(later->timer->LastTick(), clock.now);
  clock.now += 10;
  clock.manager.Tick();
  EXPECT_EQ(later->senders.size(), 1u);
}

TEST(TimerTick, CatchUpCallsEndWhenTheHandlerStopsItsTimer) {
  for (const bool destroy : {false, true}) {
    SCOPED_TRACE(destroy ? "destroyed" : "disabled");
    FakeClock clock;
    auto r = MakeTimer(clock, 100, true);
    int calls = 0;
    r->timer->SetOnTimer([&](TMyTimer*) {
      ++calls;
      if (destroy)
        r->timer.reset();
      else
        r->timer->SetEnabled(false);
    });
    clock.now += 1000;
    clock.manager.Tick();
    EXPECT_EQ(calls, 1);
  }
}

TEST(TimerSystemTimer, RunsExactlyWhileATimerIsEnabled) {
  FakeClock clock;
  auto a = MakeTimer(clock, 10);
  auto b = MakeTimer(clock, 10);
  EXPECT_EQ(clock.switches, std::vector<bool>{true});
  a->timer->SetEnabled(false);
  EXPECT_TRUE(clock.manager.SystemTimerOn());
  b->timer.reset();  // destroying the last enabled timer disables it
  EXPECT_EQ(clock.switches, (std::vector<bool>{true, false}));
  a->timer->SetEnabled(true);
  EXPECT_EQ(clock.switches, (std::vector<bool>{true, false, true}));
  // A handler that disables the last timer stops the system timer inside the tick.
  a->timer->SetOnTimer([&](TMyTimer* sender) { sender->SetEnabled(false); });
  clock.now += 10;
  clock.manager.Tick();
  EXPECT_EQ(clock.switches, (std::vector<bool>{true, false, true, false}));
  EXPECT_TRUE(clock.manager.Timers().empty());
}

}  // namespace
}  // namespace cd::test
