// The end of a game: by a finish or by the clocks; the winner's banner, the
// flashing banner, the arrows and the silence after.
#include "game_fixture.h"

namespace sumdart::testing_game {
namespace {

using EndTest = GameTest;

// When every clock has run out, GAME OVER; two seconds later the lowest target
// wins, or equal lowest targets draw. A player alone is just out of time, and no
// winner is named. Without sound: no gong, no arrows.
TEST_F(EndTest, AllClocksOut) {
  const struct {
    int players, soundOn;
    std::vector<std::array<int, 5>> moves;  // dice and label of each turn before the clocks run out
    const char* result;                     // with its colour, two seconds after GAME OVER
    Rgb colour, flash;                      // and the colour it flashes in with white
  } rows[] = {
      {2, 1, {}, "IT'S A DRAW!", kBlack, kWhite},
      {3, 1, {{1, 1, 1, 1, 6}, {5, 5, 4, 1, 0}, {5, 5, 2, 1, 1}}, "RED HAS WON!", kRed, kRed},          // 500, 401, 451
      {3, 0, {{1, 1, 1, 1, 6}, {5, 5, 2, 1, 1}, {5, 5, 4, 1, 0}}, "GREEN HAS WON!", kGreen, kGreen},    // 500, 451, 401
      {1, 1, {{1, 1, 1, 1, 6}, {1, 1, 1, 1, 6}}, "OUT OF TIME!", kBlueText, kBlueText},                // Blue moves again
  };
  const char* names[] = {"Blue", "Red", "Green"};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.result);
    open({.players = r.players, .timeAllowed = 5, .soundOn = r.soundOn});
    sound.played.clear();
    for (const auto& mv : r.moves) ASSERT_NO_FATAL_FAILURE(turn(mv[0], mv[1], mv[2], mv[3], mv[4]));
    const char* over = r.players > 1 ? "GAME OVER!!!" : "OUT OF TIME!";
    for (int n = 1; n <= r.players; ++n) {
      ASSERT_EQ(banner(), std::string(names[n - 1]) + " to Play");
      ASSERT_NO_FATAL_FAILURE(timeOut());
    }
    EXPECT_EQ(match().outcome(), Outcome::OutOfTime);
    // No more turns; the banner flashes, a winner is named (not when alone), the arrows fly with sound on.
    std::vector<std::string> timers{"bannerFlash"};
    if (r.players > 1) timers.push_back("winnerBanner");
    if (r.soundOn) timers.push_back("arrowSounds");
    EXPECT_EQ(game->pending(), timers);
    clock.advance(1999);
    EXPECT_EQ(banner(), over);
    clock.advance(1);
    EXPECT_EQ(banner(), r.result);
    EXPECT_EQ(rec().banner.fore, r.colour);
    clock.advance(20000);
    EXPECT_EQ(banner(), r.result);
    EXPECT_EQ(rec().banner.fore, r.flash) << "a draw flashes to white and stays white";
    clock.advance(250);
    EXPECT_EQ(rec().banner.fore, kWhite);
    EXPECT_EQ(count(wav("gong")), r.soundOn * r.players);
    EXPECT_EQ(count(wav("arrow")), r.soundOn * 3);
    EXPECT_TRUE(r.soundOn || sound.played.empty()) << "sound off: nothing at all";
  }
}

// Four players on the clock: those out of time are skipped, the one left alone
// plays on, and a finish still ends the game with its winner.
TEST_F(EndTest, PlayersOutOfTimeAreSkippedUntilTheLastOneFinishes) {
  open({.players = 4, .target = 200, .timeAllowed = 5});
  const struct { const char* player; int dice[4], label, after; } steps[] = {
      {"Blue", {1, 1, 1, 1}, 6, 199}, {"Red", {}, -1, 200},  {"Green", {}, -1, 200},
      {"Yellow", {5, 5, 4, 1}, 0, 100}, {"Blue", {}, -1, 199},
      {"Yellow", {5, 5, 2, 1}, 1, 50},  {"Yellow", {5, 5, 2, 1}, 2, 50},  // a 50 is no double: a bust
      {"Yellow", {5, 2, 1, 1}, 11, 40}, {"Yellow", {5, 4, 2, 1}, 25, 0},  // double 20 finishes
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.player);
    ASSERT_EQ(banner(), std::string(s.player) + " to Play");
    const int slot = match().toMove();
    if (s.label < 0) {
      ASSERT_NO_FATAL_FAILURE(timeOut());
    } else if (s.after > 0) {
      ASSERT_NO_FATAL_FAILURE(turn(s.dice[0], s.dice[1], s.dice[2], s.dice[3], s.label));
    } else {
      ASSERT_NO_FATAL_FAILURE(throwDice(s.dice[0], s.dice[1], s.dice[2], s.dice[3]));
      click(s.label);
    }
    EXPECT_EQ(panel(slot).caption, decimalText(s.after));
  }
  clock.advance(4100);
  EXPECT_EQ(banner(), "YELLOW HAS WON!");
}

// After Blue's finish: three arrows 1.2 s apart, then silence; the board and
// Throw Dice are dead; the banner flashes for hours without its count overflowing.
TEST_F(EndTest, AfterAFinish) {
  open({.players = 2, .target = 40});
  ASSERT_NO_FATAL_FAILURE(throwDice(5, 4, 2, 1));
  click(25);
  clock.advance(1200);
  EXPECT_EQ(count(wav("arrow")), 1) << "the first arrow at once, the second 1.2 s later";
  clock.advance(1);
  EXPECT_EQ(count(wav("arrow")), 2);
  for (int i = 0; i < 5000 && count(wav("arrow")) < 3; ++i) clock.advance(1);
  EXPECT_FALSE(pending("arrowSounds"));
  clock.advance(5000);
  EXPECT_EQ(count(wav("arrow")), 3);
  ASSERT_TRUE(die(0).enabled) << "the dice stay as they were";
  expectNothingFrom([&] { click(25); click(5); game->throwDice(); });
  game->openCheatChart();
  EXPECT_EQ(count(wav("click1")), 0) << "the finished game stays quiet";
  EXPECT_EQ(m.soundOn, 1) << "the player's sound setting is left as it was, for the next screens";
  int bad = 0;
  Rgb last = rec().banner.fore;
  for (int i = 0; i < 3 * 3600 * 4; ++i) {  // three hours, one flash every 250 ms
    clock.advance(250);
    bad += rec().banner.fore == last || (rec().banner.fore != kWhite && rec().banner.fore != kBlueText);
    last = rec().banner.fore;
  }
  EXPECT_EQ(bad, 0) << "white, then Blue's colour, for ever";
  EXPECT_EQ(banner(), "BLUE HAS WON!");
  game->exitGame();
  EXPECT_EQ(saveFile.writes, 0) << "a finished game is not saved";
}

}  // namespace
}  // namespace sumdart::testing_game
