// The program's timers on a real event loop. Nothing sleeps: the tests run the
// event loop until a condition holds, with a deadline.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>

#include "platform/qt_timer.h"
#include "qt_app_env.h"

namespace sumdart {
namespace {

using test::runFor;
using test::runUntil;

TEST(QtTimer, NewTimerIsStoppedUntilStarted) {
  auto t = QtTimerFactory().createQtTimer();
  EXPECT_EQ(t->interval(), 0);
  t->setInterval(-5);
  EXPECT_EQ(t->interval(), 0);
  t->setInterval(250);
  EXPECT_EQ(t->interval(), 250);
  EXPECT_FALSE(t->isActive());
  EXPECT_EQ(t->remainingTime(), -1);
}

TEST(QtTimer, StartAndANewIntervalRestartTheCountdownOfARunningTimer) {
  auto t = QtTimerFactory().createQtTimer();
  t->setInterval(10000);
  t->start();
  runFor(80);
  int before = t->remainingTime();
  EXPECT_LE(before, 9930);
  t->start();
  EXPECT_GE(t->remainingTime(), before + 50);
  runFor(80);
  before = t->remainingTime();
  t->setInterval(10000);  // the same interval restarts too
  EXPECT_GE(t->remainingTime(), before + 50);
  t->setInterval(20000);
  EXPECT_GT(t->remainingTime(), 19900);
  EXPECT_TRUE(t->isActive());
}

// The first tick restarts its timer, the second gives it a long interval; given a
// short one again, the third stops it.
TEST(QtTimer, TickMayRestartRetimeOrStopItsOwnTimer) {
  auto t = QtTimerFactory().createQtTimer();
  int ticks = 0;
  t->onTick([&] {
    if (++ticks == 1) {
      t->stop();
      t->start();
    }
    if (ticks == 2) t->setInterval(100000);
    if (ticks == 3) t->stop();
  });
  t->setInterval(1);
  t->start();
  ASSERT_TRUE(runUntil([&] { return ticks == 2; }));
  EXPECT_TRUE(t->isActive());
  EXPECT_GT(t->remainingTime(), 99000);
  runFor(30);
  EXPECT_EQ(ticks, 2);
  t->setInterval(1);
  ASSERT_TRUE(runUntil([&] { return ticks == 3; }));
  runFor(30);
  EXPECT_EQ(ticks, 3);
  EXPECT_FALSE(t->isActive());
}

TEST(QtTimer, TimerDestroyedInsideATickNeverTicksAgain) {
  QtTimerFactory factory;
  std::unique_ptr<Timer> own = factory.createTimer(), victim = factory.createTimer(), killer = factory.createTimer();
  int ownTicks = 0, victimTicks = 0;
  own->onTick([&ownTicks, &own] {
    ++ownTicks;
    own.reset();  // last statement: the tick's own storage goes with the timer
  });
  victim->onTick([&] { ++victimTicks; });
  killer->onTick([&] {
    victim.reset();
    killer->stop();
  });
  victim->setInterval(40);
  for (Timer* t : {own.get(), victim.get(), killer.get()}) t->start();
  ASSERT_TRUE(runUntil([&] { return !own && !victim; }));
  {
    auto running = factory.createTimer();  // destroyed while running
    running->onTick([&] { ++victimTicks; });
    running->start();
  }
  runFor(80);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(ownTicks, 1);
  EXPECT_EQ(victimTicks, 0);
}

TEST(QtTimer, TicksNeverEarly) {
  auto t = QtTimerFactory().createTimer();
  QElapsedTimer clock;
  qint64 at = -1;
  t->onTick([&] {
    at = clock.elapsed();
    t->stop();
  });
  t->setInterval(60);
  clock.start();
  t->start();
  ASSERT_TRUE(runUntil([&] { return at >= 0; }));
  EXPECT_GE(at, 59);  // a coarse timer may tick up to 5 % early; a precise one never does
}

}  // namespace
}  // namespace sumdart
