// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The number conversions every screen shares.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "state/numbers.h"

namespace sumdart {
namespace {

// A half goes to the even neighbour; toInt16 rounds so, then clamps. (How
// numbers are read from text is the set-up boxes' tests' part.)
TEST(Numbers, RoundedHalfToEvenAndReadFromText) {
  // 0.49999999999999994 is the largest double below a half; 2^52 + 1 is odd and has no fraction.
  const std::pair<double, double> cases[] = {{2.5, 2}, {3.5, 4}, {0.5, 0}, {-2.5, -2}, {-3.5, -4}, {2.4999, 2}, {2.5001, 3},
      {-2.5001, -3}, {0.49999999999999994, 0}, {4503599627370497.0, 4503599627370497.0}, {-INFINITY, -INFINITY}};
  for (auto [in, out] : cases) EXPECT_EQ(roundHalfEven(in), out) << in;
  const std::pair<double, int> int16[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {32767.5, 32767}, {1e9, 32767},
      {-32768.5, -32768}, {-32769, -32768}, {INFINITY, 32767}, {-INFINITY, -32768}, {NAN, 0}};
  for (auto [in, out] : int16) EXPECT_EQ(toInt16(in), out) << in;
}

}  // namespace
}  // namespace sumdart
