// The seams without Qt: the virtual clock the game's tests run on (ticks in time
// order, one at a time, each timer re-armed from the virtual time of its own
// tick), and the program's random generator.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "support/manual_clock.h"
#include "seams/random.h"

namespace sumdart {
namespace {

// Equal times tick in the order the timers were armed; advance stops exactly at
// its target and never goes back; a new interval restarts a running countdown;
// a stopped timer is not counted as running.
TEST(ManualClock, TicksInTimeOrderAndRestartsCountdowns) {
  ManualClock clock;
  std::string log;
  const std::unique_ptr<Timer> t[3] = {clock.createTimer(), clock.createTimer(), clock.createTimer()};
  for (int i = 0; i < 3; ++i) t[i]->onTick([&, i] { log += char('A' + i) + std::to_string(clock.now()) + " "; });
  t[0]->setInterval(300), t[1]->setInterval(200), t[2]->setInterval(500);
  for (int i : {2, 0, 1}) t[i]->start();
  clock.advance(600);
  EXPECT_EQ(log, "B200 A300 B400 C500 A600 B600 ");
  t[2]->stop();
  EXPECT_EQ(clock.activeCount(), 2);
  t[0]->setInterval(100);  // at 600: due at 700
  for (int ms : {99, 1, -5}) clock.advance(ms);
  EXPECT_EQ(clock.now(), 700);
  EXPECT_EQ(log, "B200 A300 B400 C500 A600 B600 A700 ");
}

// A seed gives the same draws every time; a reseed mixes the seed into the state,
// so the same seed again (two throws in the same second) does not repeat them.
// below(6) is even (chi-square, 5 degrees of freedom, below 20.5 but for one time
// in a thousand).
TEST(MixingRandom, RepeatableReseedsNeverRepeatAndDiceAreEven) {
  const auto draws = [](Random& r) { return std::vector<double>{r.rnd(), r.rnd(), r.rnd(), r.rnd()}; };
  MixingRandom a(42), b(42);
  EXPECT_EQ(draws(a), draws(b));
  a.randomize(36000.0);
  const std::vector<double> reseeded = draws(a);
  a.randomize(36000.0);
  EXPECT_NE(draws(a), reseeded);
  std::array<int, 6> count{};
  for (int i = 0; i < 60000; ++i) ++count.at(static_cast<std::size_t>(a.below(6)));  // at() throws when out of range
  double chi2 = 0;
  for (int n : count) chi2 += (n - 10000.0) * (n - 10000.0) / 10000.0;
  EXPECT_LT(chi2, 20.5);
}

}  // namespace
}  // namespace sumdart
