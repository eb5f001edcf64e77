// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's random generator.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "seams/random.h"

namespace sumdart {
namespace {

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
