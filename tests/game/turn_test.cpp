// Turns at one screen: the scoring and bust rule, the sound of each
// move, illegal and refused board clicks, the buttons and the order of play.
#include "game_fixture.h"

namespace sumdart::testing_game {
namespace {

using TurnTest = GameTest;

// Blue to move with `remaining` left; `after` is Blue's target after the click
// (unchanged: a bust). The sound goes by the number's value, bust or not.
TEST_F(TurnTest, ScoreFinishOrBustWithTheSoundOfTheValue) {
  const struct { int remaining, dice[4], label, after; const char* sound; } rows[] = {
      {20, {5, 4, 1, 1}, 5, 20, "golfswng"},   // single 20: no double
      {2, {1, 1, 1, 1}, 6, 2, "divboard"},     // would leave 1
      {2, {1, 1, 1, 1}, 26, 0, "divboard"},    // double 1 finishes
      {100, {5, 5, 4, 1}, 0, 0, "scifi020"},   // the centre is a double
      {29, {5, 3, 2, 1}, 32, 29, "scifi002"},  // 30 is more than is left
      {22, {5, 4, 1, 1}, 5, 2, "golfswng"},    // leaves 2
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
    EXPECT_EQ(pending("doublesFlash"), scored == 0) << "the doubles ring flashes on a bust";
    EXPECT_EQ(pending("titleFlash"), scored >= 50) << "the title flashes for 50 or more";
    clock.advance(200);
    EXPECT_EQ(cell(r.label).fore, kBlack) << "the number flashes, even scoring nothing";
  }
}

TEST_F(TurnTest, IllegalClickLosesTheTurnAndExitSavesOnlyFromTheSecondClick) {
  for (int time : {300, 0}) {
    SCOPED_TRACE(::testing::Message() << "time " << time);
    open({.players = 2, .timeAllowed = time});
    const auto clocksShown = [&] {
      EXPECT_FALSE(clockLabel(2).visible) << "Green does not play";
      return std::vector<bool>{clockLabel(0).visible, clockLabel(1).visible, rec().secondsHeading.visible};
    };
    const std::vector<bool> shown(3, time != 0), hidden(3, false);
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
    EXPECT_EQ(clockLabel(0).caption, time != 0 ? "300" : "2000") << "Blue clicked at once; no clocks, no count";
  }
  // Exit saves an unfinished game once it has seen two clicks, not before. The buttons click.
  game->exitGame();
  ASSERT_NO_FATAL_FAILURE(turn(1, 1, 1, 1, 0));
  game->openCheatChart();
  game->newGame();
  game->exitGame();
  EXPECT_EQ(saveFile.writes, 1);
  EXPECT_EQ((std::vector<int>{host.chartOpens, host.newGames, host.exits, host.chartCloses}),
            (std::vector<int>{1, 1, 2, 3}));
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
  const Rgb a = rec().banner.fore;  // the banner flashes white and Yellow's colour
  clock.advance(250);
  std::vector<Rgb> seen{a, rec().banner.fore};
  if (seen[0] == kYellow) std::swap(seen[0], seen[1]);
  EXPECT_EQ(seen, (std::vector<Rgb>{kWhite, kYellow}));
}

}  // namespace
}  // namespace sumdart::testing_game
