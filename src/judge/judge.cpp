// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "judge/judge.h"

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "state/numbers.h"

namespace sumdart {

namespace {

// Marks an empty slot of pairList, resultList and (in the chain shape) tripleList.
// Dice of 1..6 never produce a real value this large.
constexpr double kEmpty = 1000.0;

// A ready-made run of empty slots, copied over the unused tail of a list: a
// block copy is several times faster than storing the slots one by one.
constexpr std::array<double, 4001> kEmptySlots = [] {
  std::array<double, 4001> slots{};
  slots.fill(kEmpty);
  return slots;
}();

// Sets slots from..N-1 of a list to `empty` (kEmpty or 0).
template <std::size_t N>
void emptyFrom(std::array<double, N>& list, int from, double empty) {
  const auto first = static_cast<std::size_t>(from);
  if (first >= N) return;
  if (empty == 0) {
    std::memset(list.data() + first, 0, (N - first) * sizeof(double));
  } else {
    std::memcpy(list.data() + first, kEmptySlots.data(), (N - first) * sizeof(double));
  }
}

// The combination step: the six results of x and y into slot[0..5]. A division
// by 0 is skipped, and its slot gets `held4` or `held5`, what it held before.
// Both quotients are worked out and the one whose divisor is 0 (an infinity or
// NaN) is dropped, so the step has no branch.
inline void combine(double x, double y, double* slot, double held4, double held5) {
  const double xy = x / y;
  const double yx = y / x;
  slot[0] = x * y;
  slot[1] = x + y;
  slot[2] = x - y;
  slot[3] = y - x;
  slot[4] = y != 0 ? xy : held4;
  slot[5] = x != 0 ? yx : held5;
}

// One list being filled by an enumeration. The enumerations empty a list and
// then write each slot at most once before emptying it again, so a skipped
// division's slot always holds the empty value: the step writes that value
// instead of reading the slot back, and only the tail the enumeration left
// unwritten has to be emptied at the end.
struct Filling {
  double* slots;
  double empty;
  int count = 0;
  void step(double x, double y) {
    combine(x, y, slots + count, empty, empty);
    count += 6;
  }
};

// roundHalfEven, looked up. A value v in (0, 101) lies in the half-unit
// [k/2, (k+1)/2) with k the whole part of 2v (0..201): either it is k/2 exactly,
// or it is strictly inside, where rounding gives one whole number throughout.
// Entry 2k + 1 holds roundHalfEven's answer for the first case and entry 2k for
// the second, worked out once rather than some four thousand times a throw.
// Built on first use, so a judgement made during start-up finds it ready.
const std::array<std::uint8_t, 404>& nearestTable() {
  static const std::array<std::uint8_t, 404> table = [] {
    std::array<std::uint8_t, 404> nearest{};
    for (std::size_t k = 0; k < 202; ++k) {
      const double low = static_cast<double>(k) / 2;
      nearest[2 * k + 1] = static_cast<std::uint8_t>(roundHalfEven(low));
      nearest[2 * k] = static_cast<std::uint8_t>(roundHalfEven(low + 0.25));
    }
    return nearest;
  }();
  return table;
}

// Collects the whole numbers the final values of one enumeration round to, and
// sets them in `allowed` at the end.
class Marks {
 public:
  // A final value v counts when 0 < v < 101, for its nearest whole number with
  // an exact half going to the even neighbour (2.5 -> 2, 37.5 -> 38). Values up
  // to one half give 0, an entry nothing reads.
  void mark(double v) {
    if (v > 0 && v < 101) {
      const double twice = v + v;  // exact
      const int k = static_cast<int>(twice);
      hit_[nearest_[static_cast<std::size_t>(2 * k + (twice == k ? 1 : 0))]] = true;
    }
  }
  // Sets allowed[n] = 1 for every n hit; entries not hit keep their value.
  void writeTo(std::array<double, 101>& allowed) const {
    // Four dice of 1..6 never make a value in (100.5, 101), which would round to 101.
    assert(!hit_[101]);
    for (std::size_t n = 0; n <= 100; ++n) {
      if (hit_[n]) allowed[n] = 1;
    }
  }

 private:
  const std::array<std::uint8_t, 404>& nearest_ = nearestTable();
  std::array<bool, 102> hit_{};
};

}  // namespace

// The two enumerations run the combination step with operands and counters in
// local variables and store them in the fields at the end, and empty only the
// parts of the lists they leave unwritten (see Filling): the fields end exactly
// as if every step and every emptying of a whole list had gone through them, at
// a fraction of the memory traffic.

void NumberJudge::judgeChainShapes() {
  for (std::size_t n = 1; n <= 100; ++n) allowed[n] = 0;
  for (std::size_t i = 0; i < 4; ++i) diceCopy[i] = dice[i];
  double d[4];
  for (std::size_t i = 0; i < 4; ++i) d[i] = diceCopy[i];

  Filling pairs{pairList.data(), kEmpty};
  Filling triples{tripleList.data(), kEmpty};
  Filling results{resultList.data(), kEmpty};
  double x = firstNumber;
  double y = secondNumber;
  // For each a the die at (a + 3) mod 4 comes last; each pair of the other three
  // is combined first once (b), then the third of them joins.
  for (int a = 0; a < 4; ++a) {
    triples.count = 0;
    for (int b = 0; b < 3; ++b) {
      pairs.count = 0;
      x = d[(a + b) % 4];
      y = d[(a + (b + 1) % 3) % 4];
      pairs.step(x, y);
      for (int j = 0; j < pairs.count; ++j) {
        if (pairList[static_cast<std::size_t>(j)] < kEmpty) {
          x = pairList[static_cast<std::size_t>(j)];
          y = d[(a + (b + 2) % 3) % 4];
          triples.step(x, y);
        }
      }
    }
    for (int j = 0; j < triples.count; ++j) {
      if (tripleList[static_cast<std::size_t>(j)] < kEmpty) {
        x = tripleList[static_cast<std::size_t>(j)];
        y = d[(a + 3) % 4];
        results.step(x, y);
      }
    }
  }
  emptyFrom(pairList, pairs.count, kEmpty);
  emptyFrom(tripleList, triples.count, kEmpty);
  emptyFrom(resultList, results.count, kEmpty);
  firstNumber = x;
  secondNumber = y;
  pairCount = static_cast<std::int16_t>(pairs.count);
  tripleCount = static_cast<std::int16_t>(triples.count);
  resultCount = static_cast<std::int16_t>(results.count);

  Marks marks;
  for (int i = 0; i < results.count; ++i) marks.mark(resultList[static_cast<std::size_t>(i)]);
  marks.writeTo(allowed);
}

void NumberJudge::judgePairShapes() {
  for (std::size_t i = 0; i < 4; ++i) diceCopy[i] = dice[i];
  double d[4];
  for (std::size_t i = 0; i < 4; ++i) d[i] = diceCopy[i];

  Filling pairs{pairList.data(), kEmpty};
  // Here empty slots of tripleList hold 0, which the final filter (above 0) skips.
  Filling triples{tripleList.data(), 0.0};
  double x = firstNumber;
  double y = secondNumber;
  // k = 0 pairs {i, i+1} with {i+2, i+3}; k = 1 pairs {i, i+2} with {i+1, i+3}.
  // Over i = 0..3 each split into two pairs appears with each pair on both sides.
  for (int k = 0; k < 2; ++k) {
    for (int i = 0; i < 4; ++i) {
      pairs.count = 0;
      x = d[i];
      y = d[(i + 1 + k) % 4];
      pairs.step(x, y);
      x = d[(i + 2 - k) % 4];
      y = d[(i + 3) % 4];
      pairs.step(x, y);
      for (std::size_t j = 0; j < 6; ++j) {
        for (std::size_t m = 0; m < 6; ++m) {
          if (pairList[j] < kEmpty && pairList[m + 6] < kEmpty) {
            x = pairList[j];
            y = pairList[m + 6];
            triples.step(x, y);
          }
        }
      }
    }
  }
  emptyFrom(pairList, pairs.count, kEmpty);
  emptyFrom(tripleList, triples.count, 0.0);
  firstNumber = x;
  secondNumber = y;
  pairCount = static_cast<std::int16_t>(pairs.count);
  tripleCount = static_cast<std::int16_t>(triples.count);

  Marks marks;
  for (int i = 0; i < triples.count; ++i) marks.mark(tripleList[static_cast<std::size_t>(i)]);
  marks.writeTo(allowed);
}

void NumberJudge::clearStores() {
  pairCount = 0;
  tripleCount = 0;
  resultCount = 0;
  for (std::size_t n = 1; n <= 100; ++n) allowed[n] = 0;
  pairList.fill(0);
  tripleList.fill(0);
  resultList.fill(0);
}

void NumberJudge::judge(int d0, int d1, int d2, int d3) {
  dice[0] = static_cast<std::int16_t>(d0);
  dice[1] = static_cast<std::int16_t>(d1);
  dice[2] = static_cast<std::int16_t>(d2);
  dice[3] = static_cast<std::int16_t>(d3);
  judgeChainShapes();
  judgePairShapes();
}

int NumberJudge::countAllowed() const {
  int count = 0;
  for (std::size_t n = 1; n <= 100; ++n) count += allowed[n] != 0 ? 1 : 0;
  return count;
}

}  // namespace sumdart
