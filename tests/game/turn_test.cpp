// Turns at one screen: a whole game, the scoring and bust rule, illegal moves,
// the sounds of each move, the refused board clicks and the order of play.
#include "game_fixture.h"

namespace sumdart::testing_game {
namespace {

using TurnTest = GameTest;

TEST_F(TurnTest, WholeTwoPlayerGameFrom501ToAFinishOnADouble) {
  open({.players = 2, .target = 501});
  const struct {
    int dice[4];
    int label;           // board label clicked
    const char* banner;  // banner right after the click
    int blue, red;       // remaining targets after the click
    const char* sound;   // the move's sound
  } moves[] = {
      {{5, 5, 4, 1}, 0, "100 points scored", 401, 501, "scifi020"},
      {{5, 4, 4, 1}, 65, "80 points scored", 401, 421, "scifi011"},
      {{5, 5, 4, 1}, 0, "100 points scored", 301, 421, "scifi020"},
      {{1, 1, 1, 1}, 0, "Red to Play", 301, 421, "ricochet"},  // 100 cannot be made: illegal
      {{5, 5, 4, 1}, 0, "100 points scored", 201, 421, "scifi020"},
      {{1, 1, 1, 1}, 6, "1 point scored", 201, 420, "divboard"},
      {{5, 5, 4, 1}, 0, "100 points scored", 101, 420, "scifi020"},
      {{5, 4, 3, 1}, 45, "60 points scored", 101, 360, "botrockt"},
      {{6, 6, 2, 3}, 54, "51 points scored", 50, 360, "scifi003"},
      {{5, 5, 2, 1}, 1, "50 points scored", 50, 310, "scifi003"},
      {{5, 5, 2, 1}, 2, "0 points scored", 50, 310, "scifi003"},  // an inner 50 is no double: bust
      {{5, 5, 4, 1}, 0, "100 points scored", 50, 210, "scifi020"},
      {{5, 2, 1, 1}, 11, "10 points scored", 40, 210, "scrape"},
      {{5, 5, 4, 1}, 0, "100 points scored", 40, 110, "scifi020"},
      {{5, 4, 2, 1}, 25, "GAME OVER!!!", 0, 110, "archer"},  // double 20 finishes
  };
  const int last = static_cast<int>(std::size(moves)) - 1;
  for (int i = 0; i <= last; ++i) {
    const auto& mv = moves[i];
    SCOPED_TRACE(::testing::Message() << "move " << i);
    ASSERT_EQ(banner(), std::string(i % 2 == 0 ? "Blue" : "Red") + " to Play");
    const std::size_t before = sound.played.size();
    ASSERT_NO_FATAL_FAILURE(throwDice(mv.dice[0], mv.dice[1], mv.dice[2], mv.dice[3]));
    click(mv.label);
    EXPECT_EQ(st().turncounter, i);
    EXPECT_EQ(banner(), mv.banner);
    EXPECT_EQ(scores(2), (std::vector<int>{mv.blue, mv.red}));
    EXPECT_EQ(soundsSince(before), (std::vector<std::string>{wav("cupdice"), wav(mv.sound)}));
    if (i < last) {
      ASSERT_NO_FATAL_FAILURE(handOver());
      EXPECT_EQ(st().gameover, 0);
      EXPECT_TRUE(st().Label3[2].enabled);
      EXPECT_FALSE(die(0).enabled);
    }
  }
  EXPECT_EQ(st().gameover, 1);
  EXPECT_FALSE(st().Label3[2].enabled) << "Throw Dice stays disabled";
  EXPECT_EQ(die(2).caption, "2") << "the dice stay";
  clock.advance(1999);
  EXPECT_EQ(banner(), "GAME OVER!!!");
  clock.advance(2002);
  EXPECT_EQ(banner(), "BLUE HAS WON!");
  EXPECT_EQ(st().turncounter, last);
  EXPECT_FALSE(timer(1).isActive()) << "the chain of turns has ended";
}

// Every player can finish and is named; the winner's banner flashes white and their colour.
TEST_F(TurnTest, EachPlayerCanWin) {
  const char* wins[] = {"BLUE HAS WON!", "RED HAS WON!", "GREEN HAS WON!", "YELLOW HAS WON!"};
  const Rgb colour[] = {kBlueText, kRed, kGreen, kYellow};
  for (int winner = 1; winner <= 4; ++winner) {
    SCOPED_TRACE(wins[winner - 1]);
    open({.players = 4, .soundon = 0});
    setScore(winner, 40);
    for (int n = 1; n < winner; ++n) ASSERT_NO_FATAL_FAILURE(turn(1, 1, 1, 1, 6));
    ASSERT_NO_FATAL_FAILURE(throwDice(5, 4, 2, 1));
    click(25);
    EXPECT_EQ(m.score(winner), 0);
    EXPECT_EQ(st().gameover, winner);
    clock.advance(4100);
    EXPECT_EQ(banner(), wins[winner - 1]);
    const Rgb a = st().Label2.fore;
    clock.advance(250);
    const Rgb b = st().Label2.fore;
    EXPECT_TRUE((a == kWhite && b == colour[winner - 1]) || (b == kWhite && a == colour[winner - 1])) << a << " " << b;
  }
}

// Blue to move in each row; `after` is Blue's target after the click (unchanged: a bust).
TEST_F(TurnTest, ScoreFinishOrBust) {
  const struct {
    int remaining, dice[4], label, after;
  } rows[] = {
      {40, {5, 4, 2, 1}, 25, 0},    // double 20 finishes
      {40, {5, 4, 2, 1}, 71, 40},   // quadruple 10: no double
      {20, {5, 4, 1, 1}, 5, 20},    // single 20: no double
      {50, {5, 5, 2, 1}, 4, 50},    // an inner 50 is no double
      {2, {1, 1, 1, 1}, 6, 2},      // would leave 1
      {21, {5, 4, 1, 1}, 5, 21},    // would leave 1
      {2, {1, 1, 1, 1}, 26, 0},     // double 1 finishes
      {100, {5, 5, 4, 1}, 0, 0},    // the centre is a double
      {30, {4, 4, 2, 1}, 38, 30},   // 32 is more than is left
      {30, {5, 3, 2, 1}, 32, 0},    // double 15 finishes
      {22, {5, 4, 1, 1}, 5, 2},     // leaves 2
      {501, {1, 1, 1, 1}, 6, 500},  // one point
      {100, {5, 5, 2, 1}, 3, 50},   // an inner 50 scores
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(::testing::Message() << "remaining " << r.remaining << ", label " << r.label);
    open({.players = 2, .target = 501});
    setScore(1, r.remaining);
    ASSERT_NO_FATAL_FAILURE(throwDice(r.dice[0], r.dice[1], r.dice[2], r.dice[3]));
    click(r.label);
    const int scored = r.remaining - r.after;
    const bool bust = scored == 0;
    EXPECT_EQ(scores(2), (std::vector<int>{r.after, 501})) << "only the mover's target changes";
    EXPECT_EQ(st().gameover, r.after == 0 ? 1 : 0);
    EXPECT_EQ(banner(),
              r.after == 0 ? "GAME OVER!!!" : decimalText(scored) + (scored == 1 ? " point scored" : " points scored"));
    EXPECT_EQ(timer(10).isActive(), bust) << "the doubles ring flashes on a bust";
    EXPECT_EQ(timer(2).isActive(), scored >= 50) << "the title flashes for 50 or more";
    EXPECT_TRUE(timer(9).isActive()) << "a legal number flashes, even when it scores nothing";
    EXPECT_EQ(st().clickedlabel, r.label);
    EXPECT_FALSE(st().Label10.visible);
  }
}

TEST_F(TurnTest, SoundAndTitleFlashByValue) {
  const struct {
    int label, dice[4];
    const char* sound;
  } rows[] = {{22, {3, 3, 1, 1}, "divboard"}, {11, {5, 2, 1, 1}, "scrape"},    // 9, 10
              {16, {5, 4, 1, 1}, "scrape"},   {5, {5, 4, 1, 1}, "golfswng"},   // 19, 20
              {32, {5, 3, 2, 1}, "scifi002"}, {49, {6, 6, 3, 1}, "scifi002"},  // 30, 39
              {25, {5, 4, 2, 1}, "archer"},   {58, {6, 4, 2, 1}, "archer"},    // 40, 48
              {1, {5, 5, 2, 1}, "scifi003"},  {56, {6, 6, 3, 3}, "scifi003"},  // 50, 57
              {45, {5, 4, 3, 1}, "botrockt"}, {76, {6, 6, 2, 4}, "botrockt"},  // 60, 76
              {65, {5, 4, 4, 1}, "scifi011"}, {0, {5, 5, 4, 1}, "scifi020"}};  // 80, 100
  for (const auto& r : rows) {
    open();
    ASSERT_NO_FATAL_FAILURE(throwDice(r.dice[0], r.dice[1], r.dice[2], r.dice[3]));
    const int value = std::stoi(boardLabel(r.label).caption);
    SCOPED_TRACE(::testing::Message() << "value " << value);
    const std::size_t before = sound.played.size();
    click(r.label);
    EXPECT_EQ(soundsSince(before), std::vector<std::string>{wav(r.sound)});
    EXPECT_EQ(timer(2).isActive(), value >= 50) << "the title flashes for 50 or more";
  }
}

TEST_F(TurnTest, IllegalClickLosesTheTurn) {
  for (int time : {300, 0}) {
    SCOPED_TRACE(::testing::Message() << "time " << time);
    open({.players = 2, .timeallowed = time});
    ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));
    EXPECT_EQ(timer(7).isActive(), time != 0);
    const std::size_t before = sound.played.size();
    click(0);  // 100 cannot be made
    EXPECT_EQ(st().turncounter, 0);
    for (int slot = 0; slot < 4; ++slot) EXPECT_FALSE(clockLabel(slot).visible) << "clock " << slot;
    EXPECT_FALSE(st().Label13.visible);
    EXPECT_TRUE(st().Label10.visible);
    EXPECT_EQ(st().Label10.caption, "You made an illegal move. You have lost your turn.");
    EXPECT_EQ(m.bluescore, 501);
    EXPECT_EQ(banner(), "Blue to Play");
    EXPECT_EQ(soundsSince(before), std::vector<std::string>{wav("ricochet")});
    EXPECT_FALSE(timer(7).isActive() || timer(9).isActive() || timer(10).isActive());
    EXPECT_FALSE(st().Label3[2].enabled) << "no throw until the hand-over";
    // The dice stay lit: only the pending hand-over keeps the board shut.
    clock.advance(1999);
    const std::string shut = snapshot();
    click(6);  // a legal 1
    EXPECT_EQ(snapshot(), shut);
    EXPECT_TRUE(st().Label10.visible);
    clock.advance(1);
    EXPECT_FALSE(st().Label10.visible);
    for (int slot = 0; slot < 4; ++slot) EXPECT_EQ(clockLabel(slot).visible, time != 0 && slot < 2) << slot;
    EXPECT_EQ(st().Label13.visible, time != 0);
    EXPECT_EQ(banner(), "Red to Play");
    EXPECT_TRUE(st().Label3[2].enabled);
    EXPECT_FALSE(die(0).enabled);
    EXPECT_EQ(clockLabel(0).caption, time != 0 ? "300" : "2000") << "Blue clicked at once; no clocks, no count";
  }
  // A button hides the message too.
  ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));
  click(0);
  game->label3Click(1);
  EXPECT_FALSE(st().Label10.visible);
}

TEST_F(TurnTest, ButtonsClickAndCallTheScreensAround) {
  open();
  game->label14Click();
  game->label3Click(1);
  game->label3Click(0);
  EXPECT_EQ((std::vector<int>{host.chartOpens, host.newGames, host.exits, host.chartCloses}),
            (std::vector<int>{1, 1, 1, 2}));
  EXPECT_EQ(sound.played, std::vector<std::string>(3, wav("click1")));
}

TEST_F(TurnTest, NoSoundAtAllWithSoundOff) {
  open({.players = 2, .timeallowed = 5, .soundon = 0});
  ASSERT_NO_FATAL_FAILURE(turn(5, 5, 4, 1, 0));    // Blue 100
  ASSERT_NO_FATAL_FAILURE(turn(1, 1, 1, 1, 0));    // Red illegal
  ASSERT_NO_FATAL_FAILURE(throwDice(5, 4, 2, 1));  // Blue's clock runs out
  ASSERT_NO_FATAL_FAILURE(runOutOfTime());
  clock.advance(2000);
  setScore(2, 40);
  ASSERT_NO_FATAL_FAILURE(turn(5, 4, 2, 1, 71));  // Red busts
  ASSERT_NO_FATAL_FAILURE(throwDice(5, 4, 2, 1));
  click(25);  // Red finishes
  clock.advance(10000);
  game->label14Click();
  game->label3Click(1);
  game->label3Click(0);
  EXPECT_EQ(st().gameover, 2);
  EXPECT_TRUE(sound.played.empty()) << sound.played.front();
  EXPECT_FALSE(timer(13).isActive());
}

TEST_F(TurnTest, ThrowDrawsEachDieGreysTheBoardAndClearsTheStores) {
  open();
  day.seconds = 45296;
  // Die 0: 3 repetitions 2, 5, 4 -> 4; die 1: none, never thrown -> 1;
  // die 2: 1 repetition -> 6; die 3: 2 repetitions 1, 3 -> 3.
  random.push({0.035, 1.5 / 6, 4.5 / 6, 3.5 / 6, 0.0, 0.015, 5.5 / 6, 0.025, 0.5 / 6, 2.5 / 6});
  game->label3Click(2);
  EXPECT_TRUE(random.queue.empty());
  ASSERT_NO_FATAL_FAILURE(reveal());
  EXPECT_EQ(die(0).caption + die(1).caption + die(2).caption + die(3).caption, "4163");
  EXPECT_EQ(random.seeds, std::vector<double>{45296}) << "one reseed from the time of day, none in the animation";
  click(6);  // 1
  clock.advance(2000);
  ASSERT_EQ(boardLabel(6).fore, kWhite) << "the clicked number ends its flash white";
  throwOnly(1, 2, 3, 4);
  EXPECT_FALSE(st().Label3[2].enabled);
  for (int i = 0; i < 85; ++i) EXPECT_EQ(boardLabel(i).fore, kGrey) << "label " << i;
  EXPECT_TRUE(st().isAllowed(10) && !st().isAllowed(100));
  ASSERT_NO_FATAL_FAILURE(reveal());
  // Exit, New Game and Throw Dice clear the dice and the judge's stores, but not entry 0.
  st().allowed[0] = 7;
  game->label14Click();
  EXPECT_TRUE(st().isAllowed(10)) << "Cheat Chart is no Label3 button";
  game->label3Click(1);
  EXPECT_EQ(st().countAllowed(), 0);
  EXPECT_EQ(st().allowed[0], 7);
  EXPECT_EQ(st().paircount + st().triplecount + st().resultcount, 0);
  EXPECT_EQ(die(0).caption, "");
}

// ---------------------------------------------------------------------------
// Refused board clicks: each does nothing at all.

TEST_F(TurnTest, BoardClickBeforeTheFirstThrowOrOffTheBoardDoesNothing) {
  open();
  const std::string before = snapshot();
  for (int i : {5, 0, -1, 85}) click(i);
  EXPECT_EQ(snapshot(), before);
  ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));
  const std::string open = snapshot();
  for (int i : {-1, 85}) click(i);
  EXPECT_EQ(snapshot(), open);
}

TEST_F(TurnTest, BoardClickWhileTheDiceRollDoesNothing) {
  open({.players = 2, .soundon = 0});
  throwOnly(5, 5, 4, 1);
  const std::string before = snapshot();
  click(0);
  EXPECT_EQ(snapshot(), before) << "at once";
  clock.advance(800);  // three dice settled, the fourth still rolling
  ASSERT_EQ(st().diceshown, 3);
  const std::string rolling = snapshot();
  click(0);
  EXPECT_EQ(snapshot(), rolling);
  ASSERT_NO_FATAL_FAILURE(reveal());
  click(0);
  EXPECT_EQ(m.bluescore, 401) << "accepted once revealed";
}

TEST_F(TurnTest, BoardClickOnANewThrowBeforeTheHandOverDoesNothing) {
  open({.players = 2, .soundon = 0});
  ASSERT_NO_FATAL_FAILURE(throwDice(5, 5, 4, 1));
  click(0);
  ASSERT_TRUE(st().Label3[2].enabled) << "Throw Dice is enabled again at once";
  ASSERT_NO_FATAL_FAILURE(throwDice(5, 5, 4, 1));  // revealed 1.05 s later, hand-over still pending
  const std::string before = snapshot();
  click(0);
  EXPECT_EQ(snapshot(), before);
}

TEST_F(TurnTest, BoardClickWhileTheComputerThinksDoesNothing) {
  open({.players = 2, .soundon = 0, .computerlevel = 1});
  ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));
  click(6);
  random.pushThrow(5, 5, 4, 1);  // the computer's throw, made by the hand-over
  ASSERT_NO_FATAL_FAILURE(handOver());
  ASSERT_NO_FATAL_FAILURE(reveal());
  ASSERT_TRUE(timer(6).isActive()) << "the computer is thinking";
  const std::string before = snapshot();
  click(0);
  EXPECT_EQ(snapshot(), before);
}

TEST_F(TurnTest, BoardClickAndThrowAfterTheGameEndedDoNothing) {
  open({.players = 2, .target = 40});
  ASSERT_NO_FATAL_FAILURE(throwDice(5, 4, 2, 1));
  click(25);
  clock.advance(5000);
  ASSERT_TRUE(die(0).enabled) << "the dice stay as they were";
  m.soundon = 1;  // even with sound back on, nothing answers
  const std::string before = snapshot();
  const std::size_t seeds = random.seeds.size();
  click(25);
  click(5);
  game->label3Click(2);
  EXPECT_EQ(snapshot(), before);
  EXPECT_EQ(random.seeds.size(), seeds) << "no throw after the end";
}

// ---------------------------------------------------------------------------
// Order of play.

TEST_F(TurnTest, ThreePlayersPlayInTurnWithTheirColours) {
  open({.players = 3});
  const struct {
    const char* name;
    Rgb text, face, digit;
  } order[] = {{"Blue", kBlueText, kBlue, kWhite}, {"Red", kRed, kRed, kWhite}, {"Green", kGreen, kGreen, kBlack}};
  for (int i = 0; i < 7; ++i) {
    const auto& c = order[i % 3];
    SCOPED_TRACE(::testing::Message() << "turn " << i << " of " << c.name);
    ASSERT_EQ(banner(), std::string(c.name) + " to Play");
    EXPECT_EQ(st().Label2.fore, c.text);
    for (const Ctl* t : {&st().Label3[0], &st().Label3[1], &st().Label3[2], &st().Label14, &st().Label5[0],
                         &st().Label5[5], &st().Label13})
      EXPECT_EQ(t->fore, c.text);
    throwOnly(1, 1, 1, 1);
    for (int d = 0; d < 4; ++d) EXPECT_TRUE(die(d).back == c.face && die(d).fore == c.digit) << "die " << d;
    ASSERT_NO_FATAL_FAILURE(reveal());
    click(6);  // 1 point
    EXPECT_EQ(st().turncounter, i);
    ASSERT_NO_FATAL_FAILURE(handOver());
  }
  EXPECT_EQ(scores(4), (std::vector<int>{498, 499, 499, 501})) << "Yellow is not playing";
}

TEST_F(TurnTest, SoloPlayerAlwaysMovesAgain) {
  open({.players = 1});
  for (int i = 0; i < 3; ++i) {
    ASSERT_NO_FATAL_FAILURE(turn(1, 1, 1, 1, 6));
    EXPECT_EQ(banner(), "Blue to Play");
    EXPECT_EQ(st().turncounter, i);
  }
  EXPECT_EQ(m.bluescore, 498);
}

TEST_F(TurnTest, PlayerWhoseClockRanOutIsSkippedForGood) {
  open({.players = 3, .timeallowed = 5, .soundon = 0});
  ASSERT_NO_FATAL_FAILURE(turn(1, 1, 1, 1, 6));  // Blue
  ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));
  ASSERT_NO_FATAL_FAILURE(runOutOfTime());  // Red
  EXPECT_FALSE(panel(2).enabled);
  EXPECT_EQ(panel(2).caption, "501") << "the score stays on the panel";
  ASSERT_NO_FATAL_FAILURE(handOver());
  const int counters[] = {1, 2, 4, 5, 7};  // one extra step for each skip of Red
  for (int i = 0; i < 5; ++i) {
    ASSERT_EQ(st().turncounter, counters[i]);
    ASSERT_EQ(banner(), i % 2 == 0 ? "Green to Play" : "Blue to Play");
    ASSERT_NO_FATAL_FAILURE(turn(1, 1, 1, 1, 6));
  }
  EXPECT_EQ(scores(3), (std::vector<int>{498, 501, 498}));
  EXPECT_EQ(st().gameover, 0);
}

// The turn counter is 16-bit: a game that goes on and on must keep its order of play.
TEST_F(TurnTest, TurnCounterNearTheSixteenBitLimitKeepsTheOrderOfPlay) {
  open({.players = 3, .soundon = 0});
  st().turncounter = 29998;  // (29998 + 1) mod 3: Green to move
  const char* names[] = {"Blue", "Red", "Green"};
  std::vector<int> want(3, 501);
  for (int i = 0, mover = 2; i < 12; ++i, mover = (mover + 1) % 3) {
    SCOPED_TRACE(::testing::Message() << "move " << i << " by " << names[mover]);
    ASSERT_EQ(game->playerToMove(), mover);
    ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));
    click(6);
    --want[static_cast<std::size_t>(mover)];
    EXPECT_GE(st().turncounter, 1);
    EXPECT_EQ(scores(3), want);
    ASSERT_NO_FATAL_FAILURE(handOver());
    EXPECT_EQ(banner(), std::string(names[(mover + 1) % 3]) + " to Play");
  }
}

}  // namespace
}  // namespace sumdart::testing_game
