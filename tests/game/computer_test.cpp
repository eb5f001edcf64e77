// The computer playing Red: its throw at the hand-over, its thinking time, the
// numbers it rules out and the label it clicks.
#include "game_fixture.h"

namespace sumdart::testing_game {
namespace {

class ComputerTest : public GameTest {
 protected:
  // Blue takes a point; the hand-over then throws the scripted dice for the computer.
  void blueMovesThenComputerThrows(int a, int b, int c, int d) {
    ASSERT_EQ(st().Label2.caption, "Blue to Play");
    ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));
    EXPECT_FALSE(timer(6).isActive()) << "the computer thinks only on Red's turn";
    click(6);
    random.pushThrow(a, b, c, d);
    ASSERT_NO_FATAL_FAILURE(handOver());
    ASSERT_EQ(st().Label2.caption, "Red to Play");
    ASSERT_TRUE(timer(5).isActive()) << "the hand-over threw for the computer";
    ASSERT_NO_FATAL_FAILURE(reveal());
    ASSERT_TRUE(timer(6).isActive()) << "the computer is thinking";
  }

  // Lets the computer think and click; returns the virtual time it took.
  std::int64_t computerMoves() {
    const std::int16_t before = st().turncounter;
    const std::int64_t start = clock.now();
    for (int i = 0; i < 20000 && st().turncounter == before; ++i) clock.advance(1);
    EXPECT_NE(st().turncounter, before) << "the computer never clicked";
    EXPECT_FALSE(timer(6).isActive());
    EXPECT_FALSE(timer(12).isActive());
    return clock.now() - start;
  }
};

TEST_F(ComputerTest, GreedyFinishesOnDoubleTwenty) {
  open({.players = 2, .soundon = 0, .computerlevel = 3});
  setScore(2, 40);
  ASSERT_NO_FATAL_FAILURE(blueMovesThenComputerThrows(5, 4, 2, 1));
  ASSERT_TRUE(st().isAllowed(40));
  computerMoves();
  EXPECT_EQ(st().computerchoice, 25);
  EXPECT_EQ(m.redscore, 0);
  EXPECT_EQ(st().gameover, 2);
  clock.advance(4001);
  EXPECT_EQ(st().Label2.caption, "RED HAS WON!");
}

TEST_F(ComputerTest, GreedyNeverLeavesOneNorTriesAnOddFinish) {
  open({.players = 2, .soundon = 0, .computerlevel = 3});
  setScore(2, 41);
  ASSERT_NO_FATAL_FAILURE(blueMovesThenComputerThrows(6, 6, 4, 1));
  ASSERT_TRUE(st().isAllowed(41));
  ASSERT_TRUE(st().isAllowed(40));
  ASSERT_TRUE(st().isAllowed(38));
  computerMoves();
  // 41 (odd) and 40 (would leave 1) are ruled out; 39 is a treble, outside the
  // centre, singles and doubles searched at 42 or less: double 19 it is.
  EXPECT_EQ(st().computerchoice, 36);
  EXPECT_EQ(m.redscore, 3);
  EXPECT_EQ(st().Label2.caption, "38 points scored");
}

TEST_F(ComputerTest, GreedySearchesTheWholeBoardAboveFortyTwo) {
  open({.players = 2, .soundon = 0, .computerlevel = 3});
  setScore(2, 150);
  ASSERT_NO_FATAL_FAILURE(blueMovesThenComputerThrows(5, 4, 2, 2));
  ASSERT_TRUE(st().isAllowed(80));
  ASSERT_FALSE(st().isAllowed(100));
  computerMoves();
  EXPECT_EQ(st().computerchoice, 65) << "quadruple 20";
  EXPECT_EQ(m.redscore, 70);
}

TEST_F(ComputerTest, GreedyTakesTheHighestLabelOfTheBestValue) {
  open({.players = 2, .soundon = 0, .computerlevel = 3});
  ASSERT_NO_FATAL_FAILURE(blueMovesThenComputerThrows(3, 2, 1, 1));
  ASSERT_TRUE(st().isAllowed(12));
  for (int v = 13; v <= 100; ++v) ASSERT_FALSE(st().isAllowed(v)) << v;
  computerMoves();
  EXPECT_EQ(st().computerchoice, 75) << "quadruple 3 before treble 4, double 6 and single 12";
  EXPECT_EQ(m.redscore, 489);
}

TEST_F(ComputerTest, RandomStyleDrawsLabelsUntilOneCanBePlayed) {
  open({.players = 2, .soundon = 0, .computerlevel = 1});
  ASSERT_NO_FATAL_FAILURE(blueMovesThenComputerThrows(3, 2, 1, 1));
  const std::size_t seeds = random.seeds.size();
  // Thinking time, then label 83 (48: cannot be made), then label 75 (12).
  random.push({0.5, 83.5 / 85, 75.5 / 85});
  computerMoves();
  EXPECT_TRUE(random.queue.empty());
  EXPECT_EQ(st().computerchoice, 75);
  EXPECT_EQ(m.redscore, 489);
  EXPECT_EQ(random.seeds.size(), seeds + 3) << "a reseed before the thinking time and before every draw";
  EXPECT_EQ(timer(6).interval(), 10500) << "the next thinking time";
}

TEST_F(ComputerTest, RandomStyleStaysInTheInnerRingsAtFortyTwoOrLess) {
  open({.players = 2, .soundon = 0, .computerlevel = 1});
  setScore(2, 42);
  ASSERT_NO_FATAL_FAILURE(blueMovesThenComputerThrows(3, 2, 1, 1));
  // Int(0.99 * 45) = 44: double 5 (10); over 85 labels it would have been label 84.
  random.push({0.5, 0.99});
  computerMoves();
  EXPECT_EQ(st().computerchoice, 44);
  EXPECT_EQ(m.redscore, 32);
}

struct StyleCase {
  double coin;
  int choice;
};

void PrintTo(const StyleCase& c, std::ostream* os) { *os << "coin " << c.coin << " -> label " << c.choice; }

class LevelTwoTest : public ComputerTest, public ::testing::WithParamInterface<StyleCase> {};

TEST_P(LevelTwoTest, CoinChoosesGreedyOrRandom) {
  open({.players = 2, .soundon = 0, .computerlevel = 2});
  ASSERT_NO_FATAL_FAILURE(blueMovesThenComputerThrows(3, 2, 1, 1));
  // Thinking time, the coin, and one label draw for the random style (single 1).
  random.push({0.5, GetParam().coin, 6.5 / 85});
  computerMoves();
  EXPECT_EQ(st().computerchoice, GetParam().choice);
  EXPECT_EQ(timer(6).interval(), 7000);
}

INSTANTIATE_TEST_SUITE_P(Coin, LevelTwoTest,
                         ::testing::Values(StyleCase{0.75, 75},  // greedy
                                           StyleCase{0.25, 6}));  // random

TEST_F(ComputerTest, ComputersClockRunsWhileItThinks) {
  random.push(0.5);  // first thinking time: (2500 + 1000) x 1 ms
  open({.players = 2, .timeallowed = 300, .soundon = 0, .computerlevel = 3});
  ASSERT_EQ(timer(6).interval(), 3500);
  ASSERT_NO_FATAL_FAILURE(blueMovesThenComputerThrows(3, 2, 1, 1));
  const std::int64_t took = computerMoves();
  EXPECT_GE(took, 3490);
  EXPECT_LE(took, 3502);
  EXPECT_EQ(clockLabel(1).caption, "297");
  EXPECT_EQ(clockLabel(0).caption, "300");
}

TEST_F(ComputerTest, ComputerPlaysTurnAfterTurn) {
  open({.players = 2, .soundon = 0, .computerlevel = 3});
  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE(::testing::Message() << "round " << round);
    ASSERT_NO_FATAL_FAILURE(blueMovesThenComputerThrows(3, 2, 1, 1));
    computerMoves();
    ASSERT_NO_FATAL_FAILURE(handOver());
    EXPECT_EQ(st().Label2.caption, "Blue to Play");
  }
  EXPECT_EQ(m.redscore, 501 - 3 * 12);
  EXPECT_EQ(m.bluescore, 501 - 3);
  EXPECT_EQ(st().turncounter, 5);
}

}  // namespace
}  // namespace sumdart::testing_game
