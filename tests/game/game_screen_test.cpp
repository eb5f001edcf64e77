// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The game screen as a player sees it: the board as it opens, a move's score,
// sound and flashes, illegal and refused clicks, the order of play in each
// player's colours, and the end of the game by a finish or by the clocks.
#include "game_fixture.h"

namespace sumdart::testing_game {
namespace {

using TurnTest = GameTest;
using EndTest = GameTest;

// Blue to move with `remaining` left; `after` is Blue's target after the click
// (unchanged: a bust). The sound goes by the number's value, bust or not.
TEST_F(TurnTest, ScoreFinishOrBustWithTheSoundOfTheValue) {
  const struct { int remaining, dice[4], label, after; const char* sound; } rows[] = {
      {20, {5, 4, 1, 1}, 5, 20, "golfswng"},   // a bust: single 20 is no double
      {100, {5, 5, 4, 1}, 0, 0, "scifi020"},   // the centre is a double
      {100, {5, 5, 2, 1}, 3, 50, "scifi003"},  // an inner 50 scores 50: the title flashes
      // The tops of the sound bands: 9, 19, 39, 48, 57, 76.
      {501, {3, 3, 1, 1}, 22, 492, "divboard"}, {501, {5, 4, 1, 1}, 16, 482, "scrape"},
      {501, {6, 6, 3, 1}, 49, 462, "scifi002"}, {501, {6, 4, 2, 1}, 58, 453, "archer"},
      {501, {6, 6, 3, 3}, 56, 444, "scifi003"}, {501, {6, 6, 2, 4}, 76, 425, "botrockt"},
      // The bottoms of the bands: 10, 40, 60; 80 has a sound of its own.
      {501, {5, 2, 1, 1}, 11, 491, "scrape"}, {501, {5, 4, 2, 1}, 25, 461, "archer"},
      {501, {5, 4, 3, 1}, 45, 441, "botrockt"}, {501, {5, 4, 4, 1}, 65, 421, "scifi011"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(::testing::Message() << "remaining " << r.remaining << ", label " << r.label);
    open({.players = 2, .target = r.remaining});
    ASSERT_NO_FATAL_FAILURE(throwDice(r.dice[0], r.dice[1], r.dice[2], r.dice[3]));
    const std::size_t before = sound.played.size();
    click(r.label);
    const int scored = r.remaining - r.after;
    EXPECT_EQ(soundsSince(before), Sounds{wav(r.sound)});
    EXPECT_EQ(scores(2), (std::vector<std::string>{decimalText(r.after), decimalText(r.remaining)}));
    EXPECT_EQ(banner(), r.after == 0 ? "GAME OVER!!!" : decimalText(scored) + " points scored");
    // The flashes: the doubles ring (not the centre) and the reminder on a bust
    // from 1 ms, the number clicked from 200 ms, the title for 50 or more from
    // 250 ms; ten ticks each, then all is as before.
    clock.advance(1);
    EXPECT_EQ(cell(44).fore, scored == 0 ? kRed : kGrey) << "the doubles ring flashes on a bust";
    EXPECT_EQ(rec().doubleReminder.fore, scored == 0 ? kBlack : kYellow);
    EXPECT_NE(cell(0).fore, kRed) << "the centre is no part of the ring";
    clock.advance(199);
    EXPECT_EQ(cell(r.label).fore, kBlack) << "the number flashes, even scoring nothing";
    clock.advance(50);
    EXPECT_EQ(rec().gameTitle.fore, scored >= 50 ? kYellow : kTitle) << "the title flashes for 50 or more";
    clock.advance(5000);
    EXPECT_EQ(cell(44).fore, kGrey);
    EXPECT_EQ(rec().gameTitle.fore, kTitle);
    EXPECT_EQ(rec().doubleReminder.fore, kYellow);
    for (const char* flash : {"doublesFlash", "cellFlash", "titleFlash"}) EXPECT_FALSE(pending(flash)) << flash;
  }
}

TEST_F(TurnTest, IllegalClickLosesTheTurnAndExitSavesOnlyFromTheSecondClick) {
  {
    open({.players = 2, .timeAllowed = 300});
    const auto clocksShown = [&] {
      EXPECT_FALSE(clockLabel(2).visible) << "Green does not play";
      return std::vector<bool>{clockLabel(0).visible, clockLabel(1).visible, rec().secondsHeading.visible};
    };
    const std::vector<bool> shown(3, true), hidden(3, false);
    EXPECT_EQ(clocksShown(), shown);
    expectNothingFrom([&] { for (int i : {5, 0, -1, 85}) click(i); });  // before the throw, and off the board
    clock.advance(60000);  // before the throw no clock runs
    ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));
    const std::size_t before = sound.played.size();
    click(0);  // 100 cannot be made
    EXPECT_EQ(soundsSince(before), Sounds{wav("ricochet")});
    EXPECT_TRUE(rec().illegalMoveNotice.visible);
    EXPECT_EQ(clocksShown(), hidden) << "the message takes the clocks' place";
    EXPECT_EQ(scores(2), (std::vector<std::string>{"501", "501"}));
    EXPECT_EQ(banner(), "Blue to Play");
    EXPECT_EQ(game->pending(), std::vector<std::string>{"handOver"}) << "no clock, no flash";
    EXPECT_FALSE(rec().throwButton.enabled);
    clock.advance(1999);  // the dice stay lit: only the pending hand-over keeps the board shut
    expectNothingFrom([&] { click(6); });  // a legal 1
    clock.advance(1);
    EXPECT_EQ(clocksShown(), shown) << "shown again with the next player's turn";
    EXPECT_EQ(banner(), "Red to Play");
    EXPECT_FALSE(rec().illegalMoveNotice.visible);
    EXPECT_TRUE(rec().throwButton.enabled);
    EXPECT_FALSE(die(0).enabled);
    EXPECT_EQ(clockLabel(0).caption, "300") << "Blue clicked at once";
  }
  // Exit saves an unfinished game once it has seen two clicks, not before. The buttons click.
  game->exitGame();
  ASSERT_NO_FATAL_FAILURE(turn(1, 1, 1, 1, 0));
  game->openCheatChart();
  game->newGame();
  game->exitGame();
  EXPECT_EQ(saveFile.writes, 1);
  EXPECT_EQ(count(wav("click1")), 4);
}

// Order of play, across the point where the 16-bit turn counter is wound back,
// until Yellow finishes.
TEST_F(TurnTest, FourPlayersPlayInTurnWithTheirColoursUntilYellowWins) {
  restart(savedGame(4, {42, 42, 42, 42}, 29995));  // (29995 + 1) mod 4 = 0: Blue to move
  const struct { const char* name; Rgb text, face, digit; } order[] = {
      {"Blue", kBlueText, kBlue, kWhite}, {"Red", kRed, kRed, kWhite},
      {"Green", kGreen, kGreen, kBlack}, {"Yellow", kYellow, kYellow, kBlack}};
  for (int i = 0; i < 12; ++i) {
    const auto& c = order[i % 4];
    SCOPED_TRACE(::testing::Message() << "move " << i << " by " << c.name);
    ASSERT_EQ(banner(), std::string(c.name) + " to Play");
    for (const Ctl* t : {&rec().banner, &rec().exitButton, &rec().throwButton, &rec().cheatChartButton, &rec().secondsHeading})
      EXPECT_EQ(t->fore, c.text);
    throwOnly(i < 11 ? 1 : 5, i < 11 ? 1 : 4, i < 11 ? 1 : 2, 1);
    for (int d = 0; d < 4; ++d) {
      EXPECT_EQ(die(d).back, c.face) << "die " << d;
      EXPECT_EQ(die(d).fore, c.digit) << "die " << d;
    }
    ASSERT_NO_FATAL_FAILURE(reveal());
    click(i < 11 ? 6 : 25);  // 1 point; Yellow's last move double 20
    EXPECT_GE(match().turnCounter(), 1);
    if (i < 11) handOver();
  }
  EXPECT_EQ(scores(4), (std::vector<std::string>{"39", "39", "39", "0"}));
  clock.advance(4100);
  EXPECT_EQ(banner(), "YELLOW HAS WON!");
}

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

// After Blue's finish: three arrows 1.2 s apart, then silence though the
// player's sound setting stays on; the board, Throw Dice and T are dead; a
// finished game is not saved.
TEST_F(EndTest, AfterAFinish) {
  open({.players = 2, .target = 40});
  ASSERT_NO_FATAL_FAILURE(throwDice(5, 4, 2, 1));
  click(25);
  clock.advance(1200);
  EXPECT_EQ(count(wav("arrow")), 1) << "the first arrow at once, the second 1.2 s later";
  clock.advance(10000);
  EXPECT_EQ(count(wav("arrow")), 3);
  ASSERT_TRUE(die(0).enabled) << "the dice stay as they were";
  expectNothingFrom([&] { click(25); click(5); game->throwDice(); EXPECT_FALSE(game->keyPressed({KeyPress::Character, 't'}, "throwButton")); });
  game->openCheatChart();
  EXPECT_EQ(count(wav("click1")), 0) << "the finished game stays quiet";
  EXPECT_EQ(m.soundOn, 1) << "the player's sound setting is left as it was, for the next screens";
  game->exitGame();
  EXPECT_EQ(saveFile.writes, 0) << "a finished game is not saved";
}

}  // namespace
}  // namespace sumdart::testing_game
