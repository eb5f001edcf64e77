// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The rules without a screen: what a move does, whose turn it is, the clocks
// and the end. (The saved file, written and read back, is the screens' tests' part.)
#include <gtest/gtest.h>

#include "game/match.h"
#include "game_fixture.h"

namespace sumdart {
namespace {

using testing_game::savedGame;

TEST(Match, AMoveScoresBustsFinishesOrIsIllegal) {
  const struct { int target, value; bool isDouble, allowed; MoveResult result; int after; } rows[] = {
      {22, 20, false, true, MoveResult::Scored, 2},
      {20, 20, false, true, MoveResult::Bust, 20},     // zero, but not on a double
      {20, 20, true, true, MoveResult::Finished, 0},
      {100, 100, true, true, MoveResult::Finished, 0},
      {2, 1, false, true, MoveResult::Bust, 2},        // would leave 1
      {3, 1, false, true, MoveResult::Scored, 2},
      {29, 30, true, true, MoveResult::Bust, 29},      // more than is left
      {50, 50, false, true, MoveResult::Bust, 50},     // a 50 of the inner ring is no double
      {501, 100, true, false, MoveResult::Illegal, 501},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(::testing::Message() << r.value << " off " << r.target);
    Match g(NewGame{2, r.target, 0, 0});
    EXPECT_EQ(g.play(r.value, r.isDouble, r.allowed), r.result);
    EXPECT_EQ(g.target(0), r.after);
    EXPECT_EQ(g.target(1), r.target) << "only the mover's target changes";
    EXPECT_EQ(g.toMove(), 1) << "the turn passes whatever the move did";
    EXPECT_EQ(g.checkEnd(), r.after == 0 ? Outcome::Won : Outcome::Playing);
  }
}

// Players out of time are skipped; the counter is wound back long before it
// overflows 16 bits, and the order of play never changes for it.
TEST(Match, TurnsGoRoundThePlayersWithTime) {
  Match g(savedGame(4, {501, 501, 501, 501}, 3, 5, {0, 5, 0, 5}));  // Blue and Green out of time
  std::string order;
  for (int i = 0; i < 6; ++i) {
    ASSERT_EQ(g.checkEnd(), Outcome::Playing);
    order += std::to_string(g.handOver());
    g.play(1, false, true);
  }
  EXPECT_EQ(order, "131313");

  for (int players = 1; players <= 4; ++players) {
    Match w(savedGame(players, {501, 501, 501, 501}, 29990, 0));
    for (int i = 0; i < 40; ++i) {
      const int expected = (w.lastMover() + 1) % players;
      ASSERT_EQ(w.handOver(), expected) << players << " players, move " << i;
      w.play(1, false, true);
      ASSERT_GE(w.turnCounter(), 1);
      ASSERT_LT(w.turnCounter(), Match::kTurnWrapAt);
    }
  }
}

TEST(Match, ClocksRunOutAndTheGameEnds) {
  Match g(NewGame{2, 501, 2, 0});
  EXPECT_FALSE(g.tick());
  EXPECT_EQ(g.secondsLeft(0), 1);
  EXPECT_TRUE(g.tick()) << "Blue's last second";
  EXPECT_TRUE(g.outOfTime(0));
  EXPECT_EQ(g.secondsLeft(1), 2) << "only the player to move loses time";
  EXPECT_EQ(g.checkEnd(), Outcome::Playing);
  EXPECT_EQ(g.handOver(), 1);
  g.tick();
  EXPECT_TRUE(g.tick());
  EXPECT_EQ(g.checkEnd(), Outcome::OutOfTime);
  EXPECT_FALSE(g.tick()) << "an ended game's clocks stand still";

  Match damaged(savedGame(1, {501, 501, 501, 501}, 1, 5, {-7, 5, 5, 5}));
  EXPECT_EQ(damaged.checkEnd(), Outcome::OutOfTime) << "a clock below 1 in the file is out of time";

  const struct { int players; std::array<std::int16_t, 4> targets; int leader; } rows[] = {
      {2, {501, 501, 7, 7}, -1}, {3, {500, 401, 451, 1}, 1}, {3, {500, 451, 401, 1}, 2}, {1, {9, 1, 1, 1}, 0}};
  for (const auto& r : rows) {
    const std::optional<int> leader = Match(savedGame(r.players, r.targets, 1)).leader();
    EXPECT_EQ(leader.value_or(-1), r.leader) << "lowest target among those playing; a tie is a draw";
  }
}

}  // namespace
}  // namespace sumdart
