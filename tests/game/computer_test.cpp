// The computer playing Red: its throw at the hand-over, its thinking time, the
// numbers it rules out and the label it clicks.
#include "game_fixture.h"

namespace sumdart::testing_game {
namespace {

class ComputerTest : public GameTest {
 protected:
  // Blue takes a point; the hand-over then throws the scripted dice for the computer.
  void blueMovesThenComputerThrows(int a, int b, int c, int d) {
    ASSERT_EQ(banner(), "Blue to Play");
    ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));
    EXPECT_FALSE(game->computerThink.isActive()) << "the computer thinks only on Red's turn";
    click(6);
    random.pushThrow(a, b, c, d);
    ASSERT_NO_FATAL_FAILURE(handOver());
    ASSERT_EQ(banner(), "Red to Play");
    ASSERT_NO_FATAL_FAILURE(reveal());  // of the throw the hand-over made for the computer
    ASSERT_TRUE(game->computerThink.isActive()) << "the computer is thinking";
  }

  // Lets the computer think and click; returns the virtual time it took.
  std::int64_t computerMoves() {
    const std::int64_t start = clock.now();
    const int before = st().turnCounter;
    while (st().turnCounter == before && clock.now() < start + 20000) clock.advance(1);
    EXPECT_FALSE(game->computerThink.isActive() || game->computerClick.isActive() || clock.now() == start + 20000) << "no click";
    return clock.now() - start;
  }
};

TEST_F(ComputerTest, ChoosesTheLabelItClicks) {
  const struct {
    const char* name;
    int level, red, dice[4];
    std::vector<double> draws;  // thinking time, then the level-2 coin, then label draws
    int choice, redAfter;
  } rows[] = {
      {"greedy finishes on double 20", 3, 40, {5, 4, 2, 1}, {}, 25, 0},
      // 40 would leave 1; treble 13 is outside the centre, singles and doubles
      // searched at 42 or less: double 19 it is.
      {"greedy never leaves one", 3, 41, {6, 6, 4, 1}, {}, 36, 3},
      {"greedy searches the whole board above 42", 3, 150, {5, 4, 2, 2}, {}, 65, 70},
      // 57 (odd, no double finishes it) and 56 are ruled out; 55 is not on the board.
      {"greedy never tries to finish an odd target", 3, 57, {6, 6, 3, 3}, {}, 47, 3},
      {"greedy takes the highest label of the best value", 3, 501, {3, 2, 1, 1}, {}, 75, 489},
      {"random draws until a label can be played", 1, 501, {3, 2, 1, 1}, {0.5, 83.5 / 85, 75.5 / 85}, 75, 489},
      {"random stays in the inner rings at 42 or less", 1, 42, {3, 2, 1, 1}, {0.5, 0.99}, 44, 32},
      {"level 2, coin says greedy", 2, 501, {3, 2, 1, 1}, {0.5, 0.75}, 75, 489},
      {"level 2, coin says random", 2, 501, {3, 2, 1, 1}, {0.5, 0.25, 6.5 / 85}, 6, 500},
      {"greedy finishes on the centre 100", 3, 100, {5, 5, 4, 1}, {}, 0, 0},
      {"random finishes on the centre 100", 1, 100, {5, 5, 4, 1}, {0.5, 0.5 / 85}, 0, 0},
      {"level 2, random: 5 would leave 1, double 3 finishes", 2, 6, {3, 2, 1, 1}, {0.5, 0.25, 24.5 / 45, 35.5 / 45}, 35, 0},
      // 50 is even, so the computer tries it; a 50 is no double: a bust.
      {"greedy busts at 50 on a 50", 3, 50, {5, 5, 2, 1}, {}, 4, 50},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    open({.players = 2, .soundOn = 0, .computerLevel = r.level});
    setScore(2, r.red);
    ASSERT_NO_FATAL_FAILURE(blueMovesThenComputerThrows(r.dice[0], r.dice[1], r.dice[2], r.dice[3]));
    random.queue.insert(random.queue.end(), r.draws.begin(), r.draws.end());
    computerMoves();
    EXPECT_TRUE(random.queue.empty());
    EXPECT_EQ(st().computerChoice, r.choice);
    game->describe();
    EXPECT_EQ(st().banner.spokenName.rfind("The computer chose " + board::cellName(r.choice) + ". ", 0), 0u);
    EXPECT_EQ(m.redScore, r.redAfter);
    EXPECT_EQ(st().gameOver, r.redAfter == 0 ? 2 : 0);
    EXPECT_TRUE(r.draws.empty() || game->computerThink.interval() == 3500 * (4 - r.level)) << "next thinking time";
  }
}

// Red's clock runs while the computer thinks, and the board is shut to clicks. The turn
// counter is wound back before it overflows; Red must still be the computer's.
TEST_F(ComputerTest, PlaysTurnAfterTurnOnTheClockAcrossTheTurnCounterLimit) {
  random.push(0.5);  // first thinking time: (2500 + 1000) x 1 ms
  open({.players = 2, .timeAllowed = 300, .soundOn = 0, .computerLevel = 3});
  st().turnCounter = 29997;  // Blue to move
  for (int round = 0; round < 4; ++round) {
    SCOPED_TRACE(::testing::Message() << "round " << round);
    ASSERT_NO_FATAL_FAILURE(blueMovesThenComputerThrows(3, 2, 1, 1));
    expectNothingFrom([&] { click(75); });
    const std::int64_t took = computerMoves();
    EXPECT_TRUE(round > 0 || (took >= 3490 && took <= 3502)) << took;
    EXPECT_TRUE(round > 0 || clockLabel(1).caption == "297") << clockLabel(1).caption;
    ASSERT_NO_FATAL_FAILURE(handOver());
  }
  EXPECT_EQ(clockLabel(0).caption, "300");
  EXPECT_EQ(scores(2), (std::vector<int>{501 - 4, 501 - 4 * 12}));
}

}  // namespace
}  // namespace sumdart::testing_game
