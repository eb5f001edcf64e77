// The seams without Qt: the virtual clock the game's tests run on (ticks in time
// order, one at a time, each timer re-armed from the virtual time of its own
// tick) and the program's random generator.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "seams/manual_clock.h"
#include "seams/random.h"

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
  auto a = logged("A", 300), b = logged("B", 200), c = logged("C", 500), idle = logged("idle", 100);
  for (Timer* t : {c.get(), a.get(), b.get()}) t->start();
  clock.advance(1000);
  // At 600 A (re-armed at 300) ticks before B (re-armed at 400); at 1000 C
  // (re-armed at 500) before B (re-armed at 800).
  EXPECT_EQ(log, (Log{"B@200", "A@300", "B@400", "C@500", "A@600", "B@600", "B@800", "A@900", "C@1000", "B@1000"}));
  EXPECT_EQ(clock.ticksFired(), 10);
  EXPECT_EQ(clock.activeCount(), 3);  // not the idle one, never started
}

// Advance stops exactly at its target and never goes back; start() and a new
// interval (even the same one) restart a running timer's countdown.
TEST_F(ManualClockTest, AdvanceAndRestartingTheCountdown) {
  auto a = logged("A", 0);  // a zero interval waits a millisecond
  a->start();
  clock.advance(2);
  a->setInterval(100);  // at 2: due at 102
  for (int ms : {99, 1, -5}) clock.advance(ms);  // 101: not yet; 102: the tick; then time never goes back
  EXPECT_EQ(clock.now(), 102);
  clock.advance(50);
  a->start();  // at 152: due at 252
  clock.advance(50);
  a->setInterval(100);  // at 202: due at 302
  clock.advance(100);
  a->setInterval(30);
  clock.advance(70);
  EXPECT_EQ(log, (Log{"A@1", "A@2", "A@102", "A@302", "A@332", "A@362"}));
}

// A tick may stop, start or retime timers, counting from that tick; runUntilIdle
// follows such a chain to its end or to its limit and returns the time it spent.
TEST_F(ManualClockTest, TicksMayStopStartOrRetimeTimersAndRunUntilIdleFollowsThem) {
  EXPECT_EQ(clock.runUntilIdle(5000), 0);  // nothing running: no time spent
  std::unique_ptr<Timer> second, first;
  second = logged("second", 40, [&] { second->setInterval(250); });
  first = logged("first", 25, [&] { first->stop(), second->start(); });
  first->start();
  clock.advance(600);
  EXPECT_EQ(log, (Log{"first@25", "second@65", "second@315", "second@565"}));
  second->onTick([&] { second->stop(); });
  EXPECT_EQ(clock.runUntilIdle(100000), 215);  // from 600 to 815
  first->onTick([] {});
  first->setEnabled(true);
  EXPECT_EQ(clock.runUntilIdle(1010), 1000);  // ticks every 25 up to the limit
}

std::vector<double> draws(Random& r, int n) {
  std::vector<double> out;
  for (int i = 0; i < n; ++i) out.push_back(r.rnd());
  return out;
}

// The game's die: Int(Rnd * 6) + 1, drawn Int(Rnd * 100) times, the last one kept
// (0 when there was no draw).
int throwDie(Random& r) {
  int face = 0;
  for (int reps = static_cast<int>(r.rnd() * 100); reps > 0; --reps) face = static_cast<int>(r.rnd() * 6) + 1;
  return face;
}

// A seed gives the same draws every time; a reseed mixes the seed into the state,
// so the same seed again (two throws in the same second) does not repeat them.
TEST(MixingRandom, SeedsAreRepeatableAndReseedsNeverRepeatTheDraws) {
  MixingRandom a(42), b(42), c(43);
  const auto first = draws(a, 20);
  EXPECT_EQ(first, draws(b, 20));
  EXPECT_NE(first, draws(c, 20));
  a.randomize(36000.0);
  b.randomize(36000.0);
  const auto reseeded = draws(a, 8);
  EXPECT_EQ(reseeded, draws(b, 8));
  a.randomize(36000.0);
  EXPECT_NE(draws(a, 8), reseeded);
}

// Chi-square of die faces 1..6 against an even spread, 5 degrees of freedom:
// below 20.5 but for one time in a thousand.
double chiSquare(const std::array<int, 7>& count) {
  double total = 0, chi2 = 0;
  for (int f = 1; f <= 6; ++f) total += count[f];
  for (int f = 1; f <= 6; ++f) chi2 += (count[f] - total / 6) * (count[f] - total / 6) / (total / 6);
  return chi2;
}

// Draws lie in [0, 1); dice drawn plainly, through below(), and after a reseed with
// the same second before every throw (as in quick play) are all even.
TEST(MixingRandom, DrawsLieInTheHalfOpenUnitIntervalAndDiceAreEven) {
  MixingRandom r(7);
  std::array<int, 7> faces{}, below{}, reseeded{};
  for (int i = 0; i < 60000; ++i) {
    const double v = r.rnd();
    ASSERT_TRUE(v >= 0.0 && v < 1.0) << v;
    ++faces.at(static_cast<std::size_t>(v * 6) + 1);
    ++below.at(static_cast<std::size_t>(r.below(6) + 1));  // at() throws when out of range
    r.randomize(40000.0);
    ++reseeded.at(static_cast<std::size_t>(throwDie(r)));
  }
  for (const auto& count : {faces, below, reseeded}) EXPECT_LT(chiSquare(count), 20.5);
}

}  // namespace
}  // namespace sumdart
