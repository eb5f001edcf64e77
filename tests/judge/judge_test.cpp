#include "judge/judge.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "state/numbers.h"

namespace {

using sumdart::NumberJudge;
using Throw = std::array<int, 4>;

std::vector<int> allowedOf(const NumberJudge& j) {
  std::vector<int> out;
  for (int n = 1; n <= 100; ++n)
    if (j.isAllowed(n)) out.push_back(n);
  return out;
}

std::vector<int> judged(const Throw& t) {
  auto j = std::make_unique<NumberJudge>();
  j->judge(t[0], t[1], t[2], t[3]);
  return allowedOf(*j);
}

Throw throwNumber(int i) { return {i / 216 + 1, i / 36 % 6 + 1, i / 6 % 6 + 1, i % 6 + 1}; }

bool has(const std::vector<int>& v, int n) { return std::binary_search(v.begin(), v.end(), n); }

TEST(judge, KnownThrows) {
  struct Example {
    Throw dice;
    int count;  // -1: not checked
    std::vector<int> allows;
  };
  const std::vector<Example> examples = {
      {{1, 1, 1, 1}, 4, {1, 2, 3, 4}},
      {{6, 4, 3, 1}, 57, {40, 14, 72, 96, 6}},
      {{1, 1, 5, 6}, -1, {8}},   // 6 ÷ (1 + 1) + 5
      {{2, 5, 5, 5}, -1, {62}},  // 62.5 goes to the even 62
      {{2, 3, 5, 6}, -1, {38}},  // 37.5 goes to the even 38
      {{1, 4, 4, 6}, -1, {17}},  // 16.67
      {{6, 6, 6, 6}, 21, {1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 13, 24, 30, 35, 36, 37, 42, 48, 66, 72, 78}},
      {{5, 5, 5, 5}, -1, {100}},
      {{3, 4, 5, 6}, 69, {}},
  };
  for (const Example& e : examples) {
    SCOPED_TRACE(::testing::Message() << e.dice[0] << e.dice[1] << e.dice[2] << e.dice[3]);
    const std::vector<int> got = judged(e.dice);
    if (e.count == static_cast<int>(e.allows.size())) {
      EXPECT_EQ(got, e.allows);  // exactly these
    } else if (e.count >= 0) {
      EXPECT_EQ(static_cast<int>(got.size()), e.count);
    }
    for (int n : e.allows) EXPECT_TRUE(has(got, n)) << n;
  }
  EXPECT_FALSE(has(judged({6, 6, 6, 6}), 100));
}

// One judge takes every throw in turn, so each judgement follows another; it must
// give what a fresh judge gives for the same dice in sorted order.
TEST(judge, OrderOfDiceAndPreviousThrowsDoNotMatterAndCountsRangeFrom4To69) {
  auto reused = std::make_unique<NumberJudge>();
  std::size_t fewest = 100, most = 0;
  for (int i = 0; i < 1296; ++i) {
    Throw t = throwNumber(i);
    reused->judge(t[0], t[1], t[2], t[3]);
    const std::vector<int> got = allowedOf(*reused);
    std::sort(t.begin(), t.end());
    ASSERT_EQ(got, judged(t)) << i;
    fewest = std::min(fewest, got.size());
    most = std::max(most, got.size());
  }
  EXPECT_EQ(fewest, 4u);
  EXPECT_EQ(most, 69u);
}

// After a judgement resultlist holds the chain shape's final values and
// triplelist the two-pairs shape's, in the order of the loops.
TEST(judge, ListsHoldTheFinalValuesInLoopOrder) {
  auto j = std::make_unique<NumberJudge>();
  j->judge(6, 4, 3, 1);
  // ((6 ∘ 4) ∘ 3) ∘ 1, first operator × throughout, then 24 × 3 = 72 with 1.
  EXPECT_EQ((std::vector<double>(j->resultlist.begin(), j->resultlist.begin() + 6)),
            (std::vector<double>{72, 73, 71, -71, 72, 1.0 / 72}));
  // (6 × 4) ∘ (3 × 1).
  EXPECT_EQ((std::vector<double>(j->triplelist.begin(), j->triplelist.begin() + 6)),
            (std::vector<double>{72, 27, 21, -21, 8, 0.125}));
  j->allowednumbers();
  EXPECT_EQ(j->triplecount, 108);
  EXPECT_TRUE(std::all_of(j->triplelist.begin() + 108, j->triplelist.end(), [](double v) { return v == 1000; }));
  for (int i = 0; i < 1296; ++i) {
    const Throw t = throwNumber(i);
    j->judge(t[0], t[1], t[2], t[3]);
    ASSERT_LE(j->resultcount, 2592);  // fewer when a division by 0 was skipped
    ASSERT_EQ(j->triplecount, 1728);
    EXPECT_TRUE(std::all_of(j->resultlist.begin() + j->resultcount, j->resultlist.end(),
                            [](double v) { return v == 1000; }));
    EXPECT_EQ(j->triplelist[1728], 0);
    // No final value that passes the filter rounds past 100.
    const auto past100 = [](double v) { return v > 0 && v < 101 && sumdart::roundHalfEven(v) > 100; };
    EXPECT_TRUE(std::none_of(j->resultlist.begin(), j->resultlist.end(), past100));
    EXPECT_TRUE(std::none_of(j->triplelist.begin(), j->triplelist.end(), past100));
  }
}

TEST(judge, CombinationStepSkipsADivisionBy0) {
  auto j = std::make_unique<NumberJudge>();
  j->pairlist.fill(1000);
  j->firstnumber = 0;
  j->secondnumber = 0;
  j->allowedalg();
  j->firstnumber = 2;
  j->secondnumber = 8;
  j->allowedalg();
  EXPECT_EQ(j->pairlist, (std::array<double, 13>{0, 0, 0, 0, 1000, 1000, 16, 10, -6, 6, 0.25, 4, 1000}));
  EXPECT_EQ(j->paircount, 12);
}

TEST(judge, ClearStoresEmptiesEverythingButEntry0) {
  auto j = std::make_unique<NumberJudge>();
  j->judge(6, 4, 3, 1);
  j->allowed[0] = 7;
  j->clearStores();
  EXPECT_EQ(j->allowed[0], 7);
  EXPECT_EQ(j->countAllowed(), 0);
  EXPECT_EQ(j->paircount + j->triplecount + j->resultcount, 0);
  const auto zero = [](double v) { return v == 0; };
  EXPECT_TRUE(std::all_of(j->pairlist.begin(), j->pairlist.end(), zero));
  EXPECT_TRUE(std::all_of(j->triplelist.begin(), j->triplelist.end(), zero));
  EXPECT_TRUE(std::all_of(j->resultlist.begin(), j->resultlist.end(), zero));
}

}  // namespace
