// The shared state's player arithmetic.
#include <gtest/gtest.h>

#include "state/module1.h"

namespace sumdart {
namespace {

struct SlotCase {
  int count;
  int players;
  int slot;
};

void PrintTo(const SlotCase& c, std::ostream* os) { *os << c.count << " of " << c.players << " -> " << c.slot; }

class SlotForTest : public ::testing::TestWithParam<SlotCase> {};

TEST_P(SlotForTest, IsAlwaysARealSlot) {
  const auto& c = GetParam();
  EXPECT_EQ(slotFor(c.count, c.players), c.slot) << c.count << " mod " << c.players;
}

INSTANTIATE_TEST_SUITE_P(Table, SlotForTest,
                         ::testing::Values(SlotCase{0, 1, 0}, SlotCase{5, 1, 0}, SlotCase{0, 2, 0}, SlotCase{1, 2, 1},
                                           SlotCase{2, 2, 0}, SlotCase{7, 3, 1}, SlotCase{0, 4, 0}, SlotCase{3, 4, 3},
                                           SlotCase{4, 4, 0}, SlotCase{9, 4, 1},
                                           // counts below zero (a damaged saved game) still give a real slot
                                           SlotCase{-1, 1, 0}, SlotCase{-1, 2, 1}, SlotCase{-1, 3, 2},
                                           SlotCase{-1, 4, 3}, SlotCase{-5, 4, 3}, SlotCase{-32768, 3, 1},
                                           // no players: slot 0 rather than a division by zero
                                           SlotCase{3, 0, 0}, SlotCase{3, -2, 0}));

TEST(SlotFor, FirstMoverAfterTurnCounterMinusOneIsBlue) {
  for (int n = 1; n <= 4; ++n) EXPECT_EQ(slotFor(-1 + 1, n), 0) << n << " players";
}

TEST(SlotFor, PlayersTakeTurnsInOrder) {
  for (int n = 1; n <= 4; ++n)
    for (int turn = 0; turn < 12; ++turn) EXPECT_EQ(slotFor(turn + 1, n), (turn + 1) % n);
}

TEST(Module1, ScoreNamesEachPlayersTarget) {
  Module1 m;
  m.setAllScores(301);
  EXPECT_EQ(m.bluescore, 301);
  EXPECT_EQ(m.yellowscore, 301);
  m.score(1) = 11;
  m.score(2) = 22;
  m.score(3) = 33;
  m.score(4) = 44;
  EXPECT_EQ(m.bluescore, 11);
  EXPECT_EQ(m.redscore, 22);
  EXPECT_EQ(m.greenscore, 33);
  EXPECT_EQ(m.yellowscore, 44);
  const Module1& cm = m;
  EXPECT_EQ(cm.score(3), 33);
}

TEST(Module1, PlayerTableOrder) {
  ASSERT_EQ(kPlayers.size(), 4u);
  EXPECT_EQ(kPlayers[0].name, "Blue");
  EXPECT_EQ(kPlayers[1].name, "Red");
  EXPECT_EQ(kPlayers[2].name, "Green");
  EXPECT_EQ(kPlayers[3].name, "Yellow");
}

}  // namespace
}  // namespace sumdart
