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

// The game's die: Int(Rnd * 6) + 1, drawn Int(Rnd * 100) times, the last one kept.
int throwDie(Random& r) {
  const int reps = static_cast<int>(r.rnd() * 100);
  int face = 0;
  for (int i = 0; i < reps; ++i) face = static_cast<int>(r.rnd() * 6) + 1;
  return face;
}

TEST(MixingRandom, SameSeedGivesTheSameSequence) {
  MixingRandom a(42), b(42);
  EXPECT_EQ(draws(a, 20), draws(b, 20));
  MixingRandom c(43);
  EXPECT_NE(draws(a, 20), draws(c, 20));
}

TEST(MixingRandom, ReseedingWithTheSameSeedDoesNotRepeatTheDraws) {
  MixingRandom r;
  r.randomize(36000.0);
  const auto first = draws(r, 8);
  r.randomize(36000.0);
  const auto second = draws(r, 8);
  EXPECT_NE(first, second);
  // Reseeding right after reseeding (no draw between) must not repeat either.
  r.randomize(100.0);
  const auto third = draws(r, 8);
  r.randomize(100.0);
  r.randomize(100.0);
  EXPECT_NE(third, draws(r, 8));
}

TEST(MixingRandom, ReseedingIsDeterministic) {
  MixingRandom a, b;
  for (double seed : {0.0, 1.0, 43210.5, -7.0}) {
    a.randomize(seed);
    b.randomize(seed);
    EXPECT_EQ(draws(a, 5), draws(b, 5)) << "seed " << seed;
  }
}

TEST(MixingRandom, DifferentSeedsGiveDifferentDraws) {
  MixingRandom a, b;
  a.randomize(1000.0);
  b.randomize(1001.0);
  EXPECT_NE(draws(a, 8), draws(b, 8));
}

TEST(MixingRandom, RndIsInTheHalfOpenUnitInterval) {
  MixingRandom r(7);
  double lo = 1.0, hi = 0.0;
  for (int i = 0; i < 200000; ++i) {
    if (i % 1000 == 0) r.randomize(i);
    const double v = r.rnd();
    ASSERT_GE(v, 0.0);
    ASSERT_LT(v, 1.0);
    lo = std::min(lo, v);
    hi = std::max(hi, v);
  }
  EXPECT_LT(lo, 0.001);
  EXPECT_GT(hi, 0.999);
}

TEST(MixingRandom, DieFacesAreEvenlySpread) {
  MixingRandom r;
  r.randomize(12345.0);
  constexpr int kDraws = 60000;
  std::array<int, 7> count{};
  for (int i = 0; i < kDraws; ++i) {
    const int face = static_cast<int>(r.rnd() * 6) + 1;
    ASSERT_GE(face, 1);
    ASSERT_LE(face, 6);
    ++count[face];
  }
  // Chi-square with 5 degrees of freedom; 20.5 is the 0.1 % tail.
  double chi2 = 0;
  const double expected = kDraws / 6.0;
  for (int f = 1; f <= 6; ++f) chi2 += (count[f] - expected) * (count[f] - expected) / expected;
  EXPECT_LT(chi2, 20.5);
}

TEST(MixingRandom, ReseededDiceStayEvenlySpread) {
  // A reseed with the same second before every throw, as in quick play.
  MixingRandom r;
  std::array<int, 7> count{};
  constexpr int kThrows = 30000;
  int thrown = 0;
  for (int i = 0; i < kThrows; ++i) {
    r.randomize(40000.0);
    const int face = throwDie(r);
    if (face == 0) continue;  // Int(Rnd * 100) = 0: no draw, as in the game
    ++count[face];
    ++thrown;
  }
  double chi2 = 0;
  const double expected = thrown / 6.0;
  for (int f = 1; f <= 6; ++f) chi2 += (count[f] - expected) * (count[f] - expected) / expected;
  EXPECT_LT(chi2, 20.5);
}

TEST(MixingRandom, BelowStaysInRange) {
  MixingRandom r(3);
  std::array<int, 5> seen{};
  for (int i = 0; i < 5000; ++i) {
    const int v = r.below(5);
    ASSERT_GE(v, 0);
    ASSERT_LT(v, 5);
    ++seen[v];
  }
  for (int c : seen) EXPECT_GT(c, 0);
}

TEST(ScriptedRandom, PushDieGivesThatFace) {
  for (int face = 1; face <= 6; ++face) {
    ScriptedRandom r;
    r.pushDie(face);
    EXPECT_EQ(throwDie(r), face);
    EXPECT_EQ(r.drawn, 2);
    EXPECT_TRUE(r.queue.empty());
  }
}

TEST(ScriptedRandom, PushThrowGivesTheFourFacesInOrder) {
  ScriptedRandom r;
  r.pushThrow(6, 1, 3, 5);
  const std::array<int, 4> got{throwDie(r), throwDie(r), throwDie(r), throwDie(r)};
  EXPECT_EQ(got, (std::array<int, 4>{6, 1, 3, 5}));
}

TEST(ScriptedRandom, QueuedValuesFirstThenAFixedSequenceInRange) {
  ScriptedRandom r;
  r.push({0.25, 0.75});
  r.push(0.5);
  EXPECT_EQ(r.rnd(), 0.25);
  EXPECT_EQ(r.rnd(), 0.75);
  EXPECT_EQ(r.rnd(), 0.5);
  ScriptedRandom other;
  for (int i = 0; i < 1000; ++i) {
    const double v = r.rnd();
    ASSERT_GE(v, 0.0);
    ASSERT_LT(v, 1.0);
    EXPECT_EQ(v, other.rnd());
  }
  EXPECT_EQ(r.drawn, 1003);
}

TEST(ScriptedRandom, RecordsEveryReseed) {
  ScriptedRandom r;
  r.randomize(10.0);
  r.randomize(10.0);
  r.randomize(86399.5);
  EXPECT_EQ(r.seeds, (std::vector<double>{10.0, 10.0, 86399.5}));
}

}  // namespace
}  // namespace sumdart
