// The program's timers on a real event loop. Nothing sleeps: the tests run the
// event loop until a condition holds, with a deadline.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>

#include "platform/qt_timer.h"
#include "qt_app_env.h"

namespace sumdart {
namespace {

using test::runFor;
using test::runUntil;

class QtTimerTest : public ::testing::Test {
 protected:
  QtTimerFactory factory;
};

TEST_F(QtTimerTest, FactoryMakesStoppedTimers) {
  std::unique_ptr<Timer> t = factory.createTimer();
  ASSERT_NE(t, nullptr);
  EXPECT_NE(dynamic_cast<QtTimer*>(t.get()), nullptr);
  EXPECT_FALSE(t->isActive());
  EXPECT_EQ(t->interval(), 0);
  t->setInterval(250);
  EXPECT_EQ(t->interval(), 250);
  EXPECT_FALSE(t->isActive());
  t->setInterval(-5);
  EXPECT_EQ(t->interval(), 0);
}

TEST_F(QtTimerTest, TicksAgainAndAgainUntilStopped) {
  auto t = factory.createTimer();
  int ticks = 0;
  t->onTick([&] { ++ticks; });
  t->setInterval(2);
  t->start();
  EXPECT_TRUE(t->isActive());
  ASSERT_TRUE(runUntil([&] { return ticks >= 3; }));
  EXPECT_TRUE(t->isActive());
  t->stop();
  EXPECT_FALSE(t->isActive());
  const int stoppedAt = ticks;
  runFor(30);
  EXPECT_EQ(ticks, stoppedAt);
}

TEST_F(QtTimerTest, StartOnARunningTimerRestartsTheCountdown) {
  auto t = factory.createQtTimer();
  t->setInterval(10000);
  t->start();
  EXPECT_GT(t->remainingTime(), 9900);
  runFor(80);
  const int before = t->remainingTime();
  EXPECT_LE(before, 9930);
  t->start();
  const int after = t->remainingTime();
  EXPECT_GE(after, before + 50);
  EXPECT_LE(after, 10000);
  EXPECT_TRUE(t->isActive());
  EXPECT_EQ(t->interval(), 10000);
}

TEST_F(QtTimerTest, NewIntervalOnARunningTimerRestartsTheCountdown) {
  auto t = factory.createQtTimer();
  t->setInterval(10000);
  t->start();
  runFor(80);
  const int before = t->remainingTime();
  t->setInterval(10000);  // the same interval restarts too
  EXPECT_GE(t->remainingTime(), before + 50);
  t->setInterval(20000);
  EXPECT_GT(t->remainingTime(), 19900);
  EXPECT_EQ(t->interval(), 20000);
  EXPECT_TRUE(t->isActive());
}

TEST_F(QtTimerTest, NewIntervalOnAStoppedTimerDoesNotStartIt) {
  auto t = factory.createQtTimer();
  t->setInterval(5);
  EXPECT_FALSE(t->isActive());
  EXPECT_EQ(t->remainingTime(), -1);
}

TEST_F(QtTimerTest, TickMayStopItsOwnTimer) {
  auto t = factory.createTimer();
  int ticks = 0;
  t->onTick([&] {
    if (++ticks == 3) t->stop();
  });
  t->setInterval(1);
  t->start();
  ASSERT_TRUE(runUntil([&] { return ticks >= 3; }));
  EXPECT_FALSE(t->isActive());
  runFor(30);
  EXPECT_EQ(ticks, 3);
}

TEST_F(QtTimerTest, TickMayChangeItsOwnInterval) {
  auto t = factory.createQtTimer();
  int ticks = 0;
  t->onTick([&] {
    ++ticks;
    t->setInterval(100000);
  });
  t->setInterval(1);
  t->start();
  ASSERT_TRUE(runUntil([&] { return ticks >= 1; }));
  EXPECT_TRUE(t->isActive());
  EXPECT_EQ(t->interval(), 100000);
  EXPECT_GT(t->remainingTime(), 99000);
  runFor(30);
  EXPECT_EQ(ticks, 1);
}

TEST_F(QtTimerTest, TickMayStartItsOwnTimerAfresh) {
  // Restarting inside the tick is what Timer1-style hand-overs do.
  auto t = factory.createQtTimer();
  int ticks = 0;
  t->onTick([&] {
    ++ticks;
    t->stop();
    t->start();
  });
  t->setInterval(1);
  t->start();
  ASSERT_TRUE(runUntil([&] { return ticks >= 3; }));
  EXPECT_TRUE(t->isActive());
}

TEST_F(QtTimerTest, TimerMayBeDestroyedInsideItsOwnTick) {
  std::unique_ptr<Timer> t = factory.createTimer();
  int ticks = 0;
  t->onTick([&ticks, &t] {
    ++ticks;
    t.reset();  // last statement: the tick's own storage goes with the timer
  });
  t->setInterval(1);
  t->start();
  ASSERT_TRUE(runUntil([&] { return t == nullptr; }));
  runFor(20);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(ticks, 1);
}

TEST_F(QtTimerTest, TimerDestroyedInsideAnotherTimersTickNeverTicks) {
  auto victim = factory.createTimer();
  int victimTicks = 0;
  victim->onTick([&] { ++victimTicks; });
  victim->setInterval(40);
  auto killer = factory.createTimer();
  killer->onTick([&] {
    victim.reset();
    killer->stop();
  });
  killer->setInterval(1);
  victim->start();
  killer->start();
  ASSERT_TRUE(runUntil([&] { return victim == nullptr; }));
  runFor(80);
  EXPECT_EQ(victimTicks, 0);
}

TEST_F(QtTimerTest, DestroyingARunningTimerEndsItsTicks) {
  int ticks = 0;
  {
    auto t = factory.createTimer();
    t->onTick([&] { ++ticks; });
    t->setInterval(1);
    t->start();
  }
  runFor(20);
  EXPECT_EQ(ticks, 0);
}

TEST_F(QtTimerTest, TicksOfTwoTimersComeInTimeOrder) {
  auto slow = factory.createTimer();
  auto fast = factory.createTimer();
  std::vector<char> order;
  slow->onTick([&] {
    order.push_back('s');
    slow->stop();
  });
  fast->onTick([&] {
    order.push_back('f');
    fast->stop();
  });
  slow->setInterval(60);
  fast->setInterval(5);
  slow->start();
  fast->start();
  ASSERT_TRUE(runUntil([&] { return order.size() == 2; }));
  EXPECT_EQ(order, (std::vector<char>{'f', 's'}));
}

TEST_F(QtTimerTest, SetEnabledStartsAndStops) {
  auto t = factory.createTimer();
  t->setInterval(1000);
  t->setEnabled(true);
  EXPECT_TRUE(t->isActive());
  t->setEnabled(false);
  EXPECT_FALSE(t->isActive());
}

TEST_F(QtTimerTest, TickTimingIsRoughlyTheInterval) {
  auto t = factory.createTimer();
  QElapsedTimer clock;
  qint64 at = -1;
  t->onTick([&] {
    at = clock.elapsed();
    t->stop();
  });
  t->setInterval(40);
  clock.start();
  t->start();
  ASSERT_TRUE(runUntil([&] { return at >= 0; }));
  EXPECT_GE(at, 39);  // a precise timer never ticks early
}

}  // namespace
}  // namespace sumdart
