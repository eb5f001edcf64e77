#include "judge/judge.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

// Counts the allocations of this test binary, to show that a judgement makes none.
// The other forms of new (array, nothrow) reach this one.
static std::atomic<long> allocations{0};
void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using sumdart::NumberJudge;
using Throw = std::array<int, 4>;

std::vector<int> allowedOf(const NumberJudge& j) {
  std::vector<int> out;
  for (int n = 0; n <= 101; ++n)
    if (j.isAllowed(n)) out.push_back(n);
  return out;
}

std::vector<int> judged(const Throw& t) {
  auto j = std::make_unique<NumberJudge>();
  j->judge(t[0], t[1], t[2], t[3]);
  return allowedOf(*j);
}

TEST(judge, KnownThrows) {
  struct Example {
    Throw dice;
    int count;  // -1: not checked
    std::vector<int> allows;  // all of them when count is their number
  };
  const Example examples[] = {
      {{1, 1, 1, 1}, 4, {1, 2, 3, 4}},
      {{6, 4, 3, 1}, 57, {6, 14, 40, 72, 96}},
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
    if (e.count >= 0) { EXPECT_EQ(static_cast<int>(got.size()), e.count); }
    for (int n : e.allows) EXPECT_TRUE(std::binary_search(got.begin(), got.end(), n)) << n;
  }
}

// One judge takes every throw in turn, so each judgement follows another; it must
// give what a fresh judge gives for the same dice in sorted order, and leave its
// lists as the enumeration fills them.
TEST(judge, OrderOfDiceAndPreviousThrowsDoNotMatterAndCountsRangeFrom4To69) {
  auto reused = std::make_unique<NumberJudge>();
  std::size_t fewest = 100, most = 0;
  for (int i = 0; i < 1296; ++i) {
    Throw t{i / 216 + 1, i / 36 % 6 + 1, i / 6 % 6 + 1, i % 6 + 1};
    reused->judge(t[0], t[1], t[2], t[3]);
    const std::vector<int> got = allowedOf(*reused);
    std::sort(t.begin(), t.end());
    ASSERT_EQ(got, judged(t)) << i;
    EXPECT_EQ(reused->countAllowed(), static_cast<int>(got.size()));
    fewest = std::min(fewest, got.size());
    most = std::max(most, got.size());
    ASSERT_EQ(reused->triplecount, 1728);
    EXPECT_EQ(reused->triplelist[1728], 0);  // the two-pairs shape leaves 0 in unused slots
    EXPECT_TRUE(std::all_of(reused->resultlist.begin() + reused->resultcount, reused->resultlist.end(),
                            [](double v) { return v == 1000; }));
  }
  EXPECT_EQ(fewest, 4u);
  EXPECT_EQ(most, 69u);
}

TEST(judge, AJudgementAllocatesNothing) {
  auto judge = std::make_unique<NumberJudge>();
  const long before = allocations.load();
  for (int i = 0; i < 1296; i += 7) judge->judge(i / 216 + 1, i / 36 % 6 + 1, i / 6 % 6 + 1, i % 6 + 1);
  judge->clearStores();
  EXPECT_EQ(allocations.load() - before, 0);
  auto probe = std::make_unique<int>(1);  // the counter does see allocations
  EXPECT_EQ(allocations.load() - before, 1);
}

TEST(judge, CombinationStepSkipsADivisionBy0) {
  auto j = std::make_unique<NumberJudge>();
  j->pairlist.fill(1000);
  j->firstnumber = j->secondnumber = 0;
  j->allowedalg();  // both quotients skipped: their slots keep what they held
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
  EXPECT_EQ(j->countAllowed() + j->paircount + j->triplecount + j->resultcount, 0);
  const auto zero = [](double v) { return v == 0; };
  EXPECT_TRUE(std::all_of(j->pairlist.begin(), j->pairlist.end(), zero) &&
              std::all_of(j->triplelist.begin(), j->triplelist.end(), zero) &&
              std::all_of(j->resultlist.begin(), j->resultlist.end(), zero));
}

}  // namespace
