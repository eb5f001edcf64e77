// The virtual clock the game's tests run on: ticks in time order, one at a time,
// each timer re-armed from the virtual time of its own tick.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/manual_clock.h"

namespace sumdart {
namespace {

struct Tick {
  std::string name;
  std::int64_t at;
  bool operator==(const Tick&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Tick& t) { return os << t.name << "@" << t.at; }

class ManualClockTest : public ::testing::Test {
 protected:
  // A timer that logs its ticks with the virtual time they happen at.
  std::unique_ptr<Timer> logged(const std::string& name, int interval) {
    auto t = clock.createTimer();
    t->setInterval(interval);
    t->onTick([this, name] { log.push_back({name, clock.now()}); });
    return t;
  }

  ManualClock clock;
  std::vector<Tick> log;
};

TEST_F(ManualClockTest, NewTimerIsStoppedAndNeverTicks) {
  auto t = logged("A", 100);
  EXPECT_FALSE(t->isActive());
  EXPECT_EQ(t->interval(), 100);
  clock.advance(1000);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(clock.now(), 1000);
  EXPECT_EQ(clock.activeCount(), 0);
}

TEST_F(ManualClockTest, TicksOfSeveralTimersComeInTimeOrder) {
  auto a = logged("A", 300);
  auto b = logged("B", 200);
  auto c = logged("C", 500);
  a->start();
  b->start();
  c->start();
  clock.advance(1000);
  // At 600 and 1000 two timers are due: the one armed first ticks first
  // (A re-armed at 300 before B at 400; C re-armed at 500 before B at 800).
  const std::vector<Tick> expected{{"B", 200}, {"A", 300}, {"B", 400}, {"C", 500}, {"A", 600},
                                   {"B", 600}, {"B", 800}, {"A", 900}, {"C", 1000}, {"B", 1000}};
  EXPECT_EQ(log, expected);
  EXPECT_EQ(clock.ticksFired(), 10);
  EXPECT_EQ(clock.now(), 1000);
}

TEST_F(ManualClockTest, EqualDueTimesTickInTheOrderTheTimersWereStarted) {
  auto x = logged("X", 100);
  auto y = logged("Y", 100);
  y->start();
  x->start();
  clock.advance(200);
  const std::vector<Tick> expected{{"Y", 100}, {"X", 100}, {"Y", 200}, {"X", 200}};
  EXPECT_EQ(log, expected);
}

TEST_F(ManualClockTest, AdvanceStopsExactlyAtTheTarget) {
  auto a = logged("A", 100);
  a->start();
  clock.advance(99);
  EXPECT_TRUE(log.empty());
  clock.advance(1);
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0], (Tick{"A", 100}));
  clock.advance(-5);  // time never runs backwards
  EXPECT_EQ(clock.now(), 100);
}

TEST_F(ManualClockTest, StartingARunningTimerRestartsItsCountdown) {
  auto a = logged("A", 100);
  a->start();
  clock.advance(60);
  a->start();
  clock.advance(150);
  const std::vector<Tick> expected{{"A", 160}};
  EXPECT_EQ(log, expected);
}

TEST_F(ManualClockTest, NewIntervalOnARunningTimerRestartsItsCountdown) {
  auto a = logged("A", 100);
  a->start();
  clock.advance(50);
  a->setInterval(100);  // the same interval still restarts the countdown
  clock.advance(100);
  a->setInterval(30);
  clock.advance(70);
  const std::vector<Tick> expected{{"A", 150}, {"A", 180}, {"A", 210}};
  EXPECT_EQ(log, expected);
}

TEST_F(ManualClockTest, NewIntervalOnAStoppedTimerDoesNotStartIt) {
  auto a = logged("A", 100);
  a->setInterval(10);
  clock.advance(100);
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(a->isActive());
}

TEST_F(ManualClockTest, IntervalChangedInsideATickCountsFromThatTick) {
  auto a = clock.createTimer();
  a->setInterval(100);
  a->onTick([&] {
    log.push_back({"A", clock.now()});
    if (log.size() == 1) a->setInterval(250);
  });
  a->start();
  clock.advance(600);
  const std::vector<Tick> expected{{"A", 100}, {"A", 350}, {"A", 600}};
  EXPECT_EQ(log, expected);
}

TEST_F(ManualClockTest, StopInsideATickEndsTheTicks) {
  auto a = clock.createTimer();
  a->setInterval(10);
  int ticks = 0;
  a->onTick([&] {
    if (++ticks == 3) a->stop();
  });
  a->start();
  clock.advance(1000);
  EXPECT_EQ(ticks, 3);
  EXPECT_FALSE(a->isActive());
  EXPECT_EQ(clock.activeCount(), 0);
}

TEST_F(ManualClockTest, TimerStartedInsideATickCountsFromThatTick) {
  auto b = logged("B", 40);
  auto a = clock.createTimer();
  a->setInterval(25);
  a->onTick([&] {
    log.push_back({"A", clock.now()});
    a->stop();
    b->start();
  });
  a->start();
  clock.advance(100);
  const std::vector<Tick> expected{{"A", 25}, {"B", 65}};
  EXPECT_EQ(log, expected);
}

TEST_F(ManualClockTest, TimerDestroyedInsideAnotherTimersTickNeverTicksAgain) {
  auto b = logged("B", 100);
  auto a = clock.createTimer();
  a->setInterval(100);
  a->onTick([&] {
    log.push_back({"A", clock.now()});
    b.reset();
  });
  a->start();
  b->start();  // due at the same time as A, after it
  clock.advance(300);
  const std::vector<Tick> expected{{"A", 100}, {"A", 200}, {"A", 300}};
  EXPECT_EQ(log, expected);
  EXPECT_EQ(clock.activeCount(), 1);
}

TEST_F(ManualClockTest, TimerDestroyedInsideItsOwnTick) {
  std::unique_ptr<Timer> a = clock.createTimer();
  a->setInterval(10);
  int ticks = 0;
  a->onTick([&ticks, &a] {
    ++ticks;
    a.reset();  // last statement: the tick's own storage goes with the timer
  });
  a->start();
  clock.advance(100);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(a, nullptr);
  EXPECT_EQ(clock.activeCount(), 0);
}

TEST_F(ManualClockTest, ZeroIntervalWaitsOneMillisecond) {
  auto a = logged("A", 0);
  a->start();
  clock.advance(3);
  const std::vector<Tick> expected{{"A", 1}, {"A", 2}, {"A", 3}};
  EXPECT_EQ(log, expected);
}

TEST_F(ManualClockTest, RunUntilIdleFollowsAChainOfTimersToItsEnd) {
  auto second = logged("second", 2000);
  auto first = clock.createTimer();
  first->setInterval(250);
  int n = 0;
  first->onTick([&] {
    log.push_back({"first", clock.now()});
    if (++n == 3) {
      first->stop();
      second->start();
    }
  });
  second->onTick([&] {
    log.push_back({"second", clock.now()});
    second->stop();
  });
  first->start();
  EXPECT_EQ(clock.runUntilIdle(100000), 2750);
  const std::vector<Tick> expected{{"first", 250}, {"first", 500}, {"first", 750}, {"second", 2750}};
  EXPECT_EQ(log, expected);
  EXPECT_EQ(clock.activeCount(), 0);
  EXPECT_EQ(clock.now(), 2750);
}

TEST_F(ManualClockTest, RunUntilIdleStopsAtItsLimitWhenTimersRunForever) {
  auto a = logged("A", 100);
  a->start();
  EXPECT_EQ(clock.runUntilIdle(1050), 1000);
  EXPECT_EQ(log.size(), 10u);
  EXPECT_TRUE(a->isActive());
}

TEST_F(ManualClockTest, RunUntilIdleWithNothingRunningSpendsNoTime) {
  auto a = logged("A", 100);
  EXPECT_EQ(clock.runUntilIdle(5000), 0);
  EXPECT_EQ(clock.now(), 0);
}

TEST(ManualClockLifetime, TimersMayOutliveTheirClock) {
  std::unique_ptr<Timer> t;
  {
    ManualClock clock;
    t = clock.createTimer();
    t->setInterval(10);
    t->start();
  }
  t->setInterval(20);
  t->start();
  t->stop();
  EXPECT_FALSE(t->isActive());
}

TEST(ManualClockLifetime, SetEnabledStartsAndStops) {
  ManualClock clock;
  auto t = clock.createTimer();
  int ticks = 0;
  t->onTick([&] { ++ticks; });
  t->setInterval(10);
  t->setEnabled(true);
  clock.advance(25);
  t->setEnabled(false);
  clock.advance(100);
  EXPECT_EQ(ticks, 2);
}

}  // namespace
}  // namespace sumdart
