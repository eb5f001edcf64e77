// The virtual clock the game's tests run on: ticks in time order, one at a time,
// each timer re-armed from the virtual time of its own tick.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/manual_clock.h"

namespace sumdart {
namespace {

using Log = std::vector<std::string>;  // "name@time"

class ManualClockTest : public ::testing::Test {
 protected:
  // A timer that logs its ticks with the virtual time they happen at, then runs `also`.
  std::unique_ptr<Timer> logged(const std::string& name, int interval, std::function<void()> also = {}) {
    auto t = clock.createTimer();
    t->setInterval(interval);
    t->onTick([this, name, also] {
      log.push_back(name + "@" + std::to_string(clock.now()));
      if (also) also();
    });
    return t;
  }

  ManualClock clock;
  Log log;
};

TEST_F(ManualClockTest, TicksComeInTimeOrderAndEqualTimesInTheOrderTheTimersWereArmed) {
  auto a = logged("A", 300);
  auto b = logged("B", 200);
  auto c = logged("C", 500);
  auto idle = logged("idle", 100);  // never started
  c->start();
  a->start();
  b->start();
  clock.advance(1000);
  // At 600 A (re-armed at 300) ticks before B (re-armed at 400); at 1000 C
  // (re-armed at 500) before B (re-armed at 800).
  EXPECT_EQ(log, (Log{"B@200", "A@300", "B@400", "C@500", "A@600", "B@600", "B@800", "A@900", "C@1000", "B@1000"}));
  EXPECT_EQ(clock.ticksFired(), 10);
  EXPECT_EQ(clock.activeCount(), 3);
  EXPECT_FALSE(idle->isActive());
}

TEST_F(ManualClockTest, AdvanceStopsExactlyAtTheTargetAndNeverGoesBack) {
  auto a = logged("A", 0);  // a zero interval waits a millisecond
  a->start();
  clock.advance(2);
  a->setInterval(100);
  clock.advance(99);
  EXPECT_EQ(log, (Log{"A@1", "A@2"}));
  clock.advance(1);
  clock.advance(-5);
  EXPECT_EQ(log, (Log{"A@1", "A@2", "A@102"}));
  EXPECT_EQ(clock.now(), 102);
}

TEST_F(ManualClockTest, StartAndANewIntervalRestartTheCountdownOfARunningTimer) {
  auto a = logged("A", 10);
  a->setInterval(100);  // stopped: stays stopped
  clock.advance(50);
  EXPECT_FALSE(a->isActive());
  a->start();
  clock.advance(60);
  a->start();  // at 110: due at 210
  clock.advance(50);
  a->setInterval(100);  // the same interval restarts too: due at 260
  clock.advance(100);
  a->setInterval(30);
  clock.advance(70);
  EXPECT_EQ(log, (Log{"A@260", "A@290", "A@320"}));
  EXPECT_EQ(a->interval(), 30);
}

TEST_F(ManualClockTest, TicksMayStopStartOrRetimeTimersCountingFromThatTick) {
  std::unique_ptr<Timer> a, b;
  b = logged("B", 40, [&] { b->setInterval(250); });
  a = logged("A", 25, [&] {
    a->stop();
    b->start();
  });
  a->start();
  clock.advance(600);
  EXPECT_EQ(log, (Log{"A@25", "B@65", "B@315", "B@565"}));
  EXPECT_FALSE(a->isActive());
}

TEST_F(ManualClockTest, TimerDestroyedInsideATickNeverTicksAgain) {
  auto b = logged("B", 100);
  std::unique_ptr<Timer> a;
  a = logged("A", 100, [&] { b.reset(); });
  a->start();
  b->start();  // due at the same time as A: A, started first, ticks first
  clock.advance(300);
  EXPECT_EQ(log, (Log{"A@100", "A@200", "A@300"}));
  EXPECT_EQ(clock.activeCount(), 1);

  int ticks = 0;
  a->onTick([&ticks, &a] {
    ++ticks;
    a.reset();  // its own tick; last statement: the tick's storage goes with the timer
  });
  clock.advance(300);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(clock.activeCount(), 0);
}

TEST_F(ManualClockTest, RunUntilIdleFollowsAChainOfTimersToItsEndOrItsLimit) {
  EXPECT_EQ(clock.runUntilIdle(5000), 0);  // nothing running: no time spent
  std::unique_ptr<Timer> second, first;
  second = logged("second", 2000, [&] { second->stop(); });
  first = logged("first", 250, [&] {
    if (log.size() == 3) {
      first->stop();
      second->setEnabled(true);
    }
  });
  first->start();
  EXPECT_EQ(clock.runUntilIdle(100000), 2750);
  EXPECT_EQ(log, (Log{"first@250", "first@500", "first@750", "second@2750"}));
  EXPECT_EQ(clock.now(), 2750);
  first->setEnabled(true);
  EXPECT_EQ(clock.runUntilIdle(1050), 1000);
  EXPECT_EQ(log.size(), 8u);
  first->setEnabled(false);
  EXPECT_EQ(clock.activeCount(), 0);
}

TEST(ManualClockLifetime, TimersMayOutliveTheirClock) {
  std::unique_ptr<Timer> t;
  {
    ManualClock clock;
    t = clock.createTimer();
    t->start();
  }
  t->setInterval(20);
  t->start();
  t->stop();
  EXPECT_FALSE(t->isActive());
}

}  // namespace
}  // namespace sumdart
