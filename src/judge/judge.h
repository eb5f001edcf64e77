// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The number judge: once per throw, marks in `allowed` every whole number 1..100
// that the four dice can make with + - x / and any bracketing, a value that is not
// whole counting for its nearest whole number (an exact half to the even one).
// Plain C++, fixed storage: a judgement allocates nothing.
#include <array>
#include <cstdint>

namespace sumdart {

struct NumberJudge {
  std::array<std::int16_t, 5> dice{};      // the throw, 0..3 used
  std::array<std::int16_t, 5> diceCopy{};  // working copy, 0..3 used
  std::array<double, 101> allowed{};       // allowed[n] != 0: n can be made (entry 0 unused)

  double firstNumber = 0;
  double secondNumber = 0;
  std::array<double, 13> pairList{};
  std::int16_t pairCount = 0;
  std::array<double, 1729> tripleList{};
  std::int16_t tripleCount = 0;
  std::array<double, 4001> resultList{};
  std::int16_t resultCount = 0;

  // Chain shape ((p o q) o r) o s; clears allowed[1..100] first.
  void judgeChainShapes();
  // Two-pairs shape (p o q) o (r o t); adds to allowed.
  void judgePairShapes();

  // What the game's buttons do before a throw: counters to 0, stores and
  // allowed[1..100] cleared (entry 0 untouched).
  void clearStores();
  // Convenience: set dice, then judgeChainShapes and judgePairShapes.
  void judge(int d0, int d1, int d2, int d3);
  // How many of 1..100 are marked.
  int countAllowed() const;
  bool isAllowed(int n) const { return n >= 1 && n <= 100 && allowed[static_cast<std::size_t>(n)] != 0; }
};

}  // namespace sumdart
