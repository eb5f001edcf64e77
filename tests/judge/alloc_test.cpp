// Counts the allocations of this test binary, to show that a judgement makes none.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>

#include "judge/judge.h"

namespace {
std::atomic<long> allocations{0};
}  // namespace

// The other forms of new (array, nothrow) reach this one.
void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

TEST(judge, AJudgementAllocatesNothing) {
  auto judge = std::make_unique<sumdart::NumberJudge>();
  const long before = allocations.load();
  for (int i = 0; i < 1296; i += 7) judge->judge(i / 216 + 1, i / 36 % 6 + 1, i / 6 % 6 + 1, i % 6 + 1);
  judge->clearStores();
  EXPECT_EQ(allocations.load() - before, 0);
  auto probe = std::make_unique<int>(1);  // the counter does see allocations
  EXPECT_EQ(allocations.load() - before, 1);
}
