// The random sources: the program's generator and the scripted test double.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "platform/random.h"

namespace sumdart {
namespace {

std::vector<double> draws(Random& r, int n) {
  std::vector<double> out;
  for (int i = 0; i < n; ++i) out.push_back(r.rnd());
  return out;
}

// The game's die: Int(Rnd * 6) + 1, drawn Int(Rnd * 100) times, the last one kept
// (0 when there was no draw).
int throwDie(Random& r) {
  const int reps = static_cast<int>(r.rnd() * 100);
  int face = 0;
  for (int i = 0; i < reps; ++i) face = static_cast<int>(r.rnd() * 6) + 1;
  return face;
}

// Chi-square of die faces 1..6 against an even spread, 5 degrees of freedom:
// below 20.5 but for one time in a thousand.
double chiSquare(const std::array<int, 7>& count) {
  double total = 0, chi2 = 0;
  for (int f = 1; f <= 6; ++f) total += count[f];
  for (int f = 1; f <= 6; ++f) chi2 += (count[f] - total / 6) * (count[f] - total / 6) / (total / 6);
  return chi2;
}

TEST(MixingRandom, SeedsAreRepeatableAndReseedsNeverRepeatTheDraws) {
  MixingRandom a(42), b(42), c(43);
  const auto first = draws(a, 20);
  EXPECT_EQ(first, draws(b, 20));
  EXPECT_NE(first, draws(c, 20));
  a.randomize(36000.0);
  b.randomize(36000.0);
  const auto reseeded = draws(a, 8);
  EXPECT_EQ(reseeded, draws(b, 8));  // the same state and seed: the same draws
  a.randomize(36000.0);
  b.randomize(36001.0);
  const auto again = draws(a, 8);
  EXPECT_NE(again, reseeded);  // the same seed a second later does not repeat them
  EXPECT_NE(again, draws(b, 8));
  // Nor right after reseeding, with no draw between.
  a.randomize(100.0);
  const auto third = draws(a, 8);
  a.randomize(100.0);
  a.randomize(100.0);
  EXPECT_NE(third, draws(a, 8));
}

TEST(MixingRandom, DrawsCoverTheHalfOpenUnitIntervalAndDiceAreEven) {
  MixingRandom r(7);
  double lo = 1.0, hi = 0.0;
  for (int i = 0; i < 200000; ++i) {
    if (i % 1000 == 0) r.randomize(i);
    const double v = r.rnd();
    ASSERT_TRUE(v >= 0.0 && v < 1.0) << v;
    lo = std::min(lo, v);
    hi = std::max(hi, v);
  }
  EXPECT_LT(lo, 0.001);
  EXPECT_GT(hi, 0.999);
  std::array<int, 7> faces{}, reseeded{}, below{};
  for (int i = 0; i < 60000; ++i) ++faces.at(static_cast<std::size_t>(r.rnd() * 6) + 1);
  // A reseed with the same second before every throw, as in quick play.
  for (int i = 0; i < 30000; ++i) {
    r.randomize(40000.0);
    ++reseeded.at(static_cast<std::size_t>(throwDie(r)));
  }
  for (int i = 0; i < 6000; ++i) ++below.at(static_cast<std::size_t>(r.below(6) + 1));  // throws when out of range
  EXPECT_LT(chiSquare(faces), 20.5);
  EXPECT_LT(chiSquare(reseeded), 20.5);
  EXPECT_LT(chiSquare(below), 20.5);
  EXPECT_EQ(below[0], 0);
}

TEST(ScriptedRandom, QueuedValuesAndDiceFirstThenAFixedSequence) {
  ScriptedRandom r;
  r.push({0.25, 0.75});
  r.push(0.5);
  r.pushThrow(6, 1, 3, 5);
  EXPECT_EQ(draws(r, 3), (std::vector<double>{0.25, 0.75, 0.5}));
  const std::array<int, 4> got{throwDie(r), throwDie(r), throwDie(r), throwDie(r)};
  EXPECT_EQ(got, (std::array<int, 4>{6, 1, 3, 5}));
  EXPECT_EQ(r.drawn, 11);
  for (int face = 1; face <= 6; ++face) {
    r.pushDie(face);
    EXPECT_EQ(throwDie(r), face);
  }
  EXPECT_TRUE(r.queue.empty());
  ScriptedRandom other;
  for (int i = 0; i < 1000; ++i) {
    const double v = r.rnd();
    ASSERT_TRUE(v >= 0.0 && v < 1.0) << v;
    EXPECT_EQ(v, other.rnd());
  }
  r.randomize(10.0);
  r.randomize(10.0);
  EXPECT_EQ(r.seeds, (std::vector<double>{10.0, 10.0}));
}

}  // namespace
}  // namespace sumdart
