// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The computer playing Red: the cell it chooses from the numbers the throw
// makes, its thinking time, and its turns on the game screen.
#include <set>

#include "game/board.h"
#include "game/computer_player.h"
#include "game_fixture.h"
#include "judge/judge.h"

namespace sumdart::testing_game {
namespace {

AllowedNumbers allowedFor(int a, int b, int c, int d) {
  NumberJudge j;
  j.judge(a, b, c, d);
  return j.allowed;
}

// Its own bust rule: it never plays above the target or to leave 1, and never
// tries to finish an odd target; an even one it may try on any cell.
bool itMayPlay(int target, int cell) {
  const int v = board::value(cell);
  return v <= target && v != target - 1 && !(v == target && target % 2 != 0);
}

TEST(ComputerPlayer, TheHardestLevelTakesTheHighestNumberItMay) {
  const struct { const char* name; int target, dice[4], cell; } rows[] = {
      {"finishes on double 20", 40, {5, 4, 2, 1}, 25},
      // 40 would leave 1; treble 13 lies outside the cells searched at 42 or less.
      {"never leaves one", 41, {6, 6, 4, 1}, 36},
      {"searches the whole board above 42", 150, {5, 4, 2, 2}, 65},
      {"never tries to finish an odd target", 57, {6, 6, 3, 3}, 47},
      {"takes the outermost cell of the best value", 501, {3, 2, 1, 1}, 75},
      {"finishes on the centre 100", 100, {5, 5, 4, 1}, 0},
      {"tries a 50 of the inner ring at 50, and busts", 50, {5, 5, 2, 1}, 4},
      {"with nothing it may play, keeps its last choice", 1, {3, 2, 1, 1}, 4},
  };
  MixingRandom random;
  FixedDayClock day;
  ComputerPlayer computer(3);
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    AllowedNumbers allowed = allowedFor(r.dice[0], r.dice[1], r.dice[2], r.dice[3]);
    int delay = 0;
    EXPECT_EQ(computer.choose(allowed, r.target, random, day, delay), r.cell);
    EXPECT_GE(delay, 1000);
    EXPECT_LT(delay, 6000);
  }
}

// The easier levels draw: every choice is one it may play (within the inner
// rings at 42 or less), and over many turns they vary; level 2 sometimes plays
// the best number and sometimes not.
TEST(ComputerPlayer, TheEasierLevelsDrawAmongTheNumbersTheyMay) {
  const struct { int level, target, dice[4], top; } rows[] = {
      {1, 501, {3, 2, 1, 1}, 84}, {1, 42, {3, 2, 1, 1}, 44}, {2, 501, {3, 2, 1, 1}, 84}, {2, 6, {3, 2, 1, 1}, 44}};
  for (const auto& r : rows) {
    SCOPED_TRACE(::testing::Message() << "level " << r.level << ", target " << r.target);
    MixingRandom random;
    FixedDayClock day;
    ComputerPlayer computer(r.level);
    std::set<int> chosen;
    for (int turn = 0; turn < 200; ++turn) {
      day.seconds = turn;
      AllowedNumbers allowed = allowedFor(r.dice[0], r.dice[1], r.dice[2], r.dice[3]);
      const AllowedNumbers made = allowed;
      int delay = 0;
      const int cell = computer.choose(allowed, r.target, random, day, delay);
      ASSERT_LE(cell, r.top);
      ASSERT_EQ(made[static_cast<std::size_t>(board::value(cell))], 1) << "the dice make it";
      ASSERT_TRUE(itMayPlay(r.target, cell)) << cell;
      ASSERT_GE(delay, 1000 * (4 - r.level));
      ASSERT_LT(delay, 6000 * (4 - r.level));
      chosen.insert(cell);
    }
    EXPECT_GT(chosen.size(), 3u);
    if (r.level == 2 && r.target == 501) {
      EXPECT_TRUE(chosen.count(75)) << "the best number, half the time";
    }
  }
}

// On the screen: the hand-over throws for Red, Red's clock runs while it
// thinks, the board is shut to clicks, a screen reader hears its choice, and
// it plays to its own target, not Blue's, down to the finish.
using ComputerOnScreen = GameTest;

TEST_F(ComputerOnScreen, PlaysTurnAfterTurnOnTheClock) {
  SavedGame g = savedGame(2, {501, 40, 501, 501}, 29997, 300, {300, 300, 2000, 2000});
  g.computerLevel = 3;
  restart(g);
  std::int64_t thought = 0;
  for (int round = 0; round < 4; ++round) {
    SCOPED_TRACE(::testing::Message() << "round " << round);
    ASSERT_EQ(banner(), "Blue to Play");
    ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));
    EXPECT_FALSE(pending("computerThink")) << "the computer thinks only on Red's turn";
    click(6);
    random.pushThrow(3, 2, 1, 1);
    ASSERT_NO_FATAL_FAILURE(handOver());
    ASSERT_EQ(banner(), "Red to Play");
    ASSERT_NO_FATAL_FAILURE(reveal());
    ASSERT_TRUE(pending("computerThink"));
    expectNothingFrom([&] { click(75); });
    heard();
    const int before = match().turnCounter();
    const std::int64_t start = clock.now();
    while (match().turnCounter() == before && clock.now() < start + 20000) clock.advance(1);
    EXPECT_GE(clock.now() - start, 1000);
    EXPECT_LE(clock.now() - start, 6001);
    thought += clock.now() - start;
    EXPECT_EQ(heard(), round < 3 ? "The computer chose 12, double 6. 12 points scored."
                                 : "The computer chose 4, double 2. 4 points scored. GAME OVER!!!");
    ASSERT_NO_FATAL_FAILURE(handOver());
  }
  EXPECT_EQ(clockLabel(0).caption, "300") << "Blue clicked at once each time";
  const int red = std::stoi(clockLabel(1).caption);  // Red's clock ran while it thought, a second a tick
  EXPECT_LE(red, 300 - thought / 1000 + 4);
  EXPECT_GE(red, 300 - thought / 1000 - 4);
  EXPECT_EQ(scores(2), (std::vector<std::string>{"497", "0"}));
}

}  // namespace
}  // namespace sumdart::testing_game
