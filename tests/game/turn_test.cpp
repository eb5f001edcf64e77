// Turns at one screen: a whole game, the scoring and bust rule, illegal moves,
// the sounds of each move, the refused board clicks and the order of play.
#include "game_fixture.h"

namespace sumdart::testing_game {
namespace {

const Rgb kBlueText = rgb(128, 128, 255);
const Rgb kRed = rgb(255, 0, 0);
const Rgb kGreen = rgb(0, 255, 0);
const Rgb kWhite = rgb(255, 255, 255);

using TurnTest = GameTest;

// ---------------------------------------------------------------------------
// A whole two-player game.

struct Move {
  const char* who;      // the mover
  int dice[4];
  int label;            // board label clicked
  const char* banner;   // banner right after the click
  int blue, red;        // remaining targets after the click
  const char* sound;    // the move's sound
};

TEST_F(TurnTest, WholeTwoPlayerGameFrom501ToAFinishOnADouble) {
  open({.players = 2, .target = 501});
  std::vector<std::pair<std::int64_t, std::string>> banners;
  game->changed = [&] {
    if (banners.empty() || banners.back().second != st().Label2.caption)
      banners.emplace_back(clock.now(), st().Label2.caption);
  };

  const Move moves[] = {
      {"Blue", {5, 5, 4, 1}, 0, "100 points scored", 401, 501, "scifi020"},
      {"Red", {5, 4, 4, 1}, 65, "80 points scored", 401, 421, "scifi011"},
      {"Blue", {5, 5, 4, 1}, 0, "100 points scored", 301, 421, "scifi020"},
      {"Red", {1, 1, 1, 1}, 0, "Red to Play", 301, 421, "ricochet"},  // 100 cannot be made: illegal
      {"Blue", {5, 5, 4, 1}, 0, "100 points scored", 201, 421, "scifi020"},
      {"Red", {1, 1, 1, 1}, 6, "1 point scored", 201, 420, "divboard"},
      {"Blue", {5, 5, 4, 1}, 0, "100 points scored", 101, 420, "scifi020"},
      {"Red", {5, 4, 3, 1}, 45, "60 points scored", 101, 360, "botrockt"},
      {"Blue", {6, 6, 2, 3}, 54, "51 points scored", 50, 360, "scifi003"},
      {"Red", {5, 5, 2, 1}, 1, "50 points scored", 50, 310, "scifi003"},
      {"Blue", {5, 5, 2, 1}, 2, "0 points scored", 50, 310, "scifi003"},  // an inner 50 is no double: bust
      {"Red", {5, 5, 4, 1}, 0, "100 points scored", 50, 210, "scifi020"},
      {"Blue", {5, 2, 1, 1}, 11, "10 points scored", 40, 210, "scrape"},
      {"Red", {5, 5, 4, 1}, 0, "100 points scored", 40, 110, "scifi020"},
      {"Blue", {5, 4, 2, 1}, 25, "GAME OVER!!!", 0, 110, "archer"},  // double 20 finishes
  };
  const int last = static_cast<int>(std::size(moves)) - 1;

  for (int i = 0; i <= last; ++i) {
    const Move& mv = moves[i];
    SCOPED_TRACE(::testing::Message() << "move " << i << " by " << mv.who);
    ASSERT_EQ(st().Label2.caption, std::string(mv.who) + " to Play");
    const std::size_t before = sound.played.size();
    ASSERT_NO_FATAL_FAILURE(throwDice(mv.dice[0], mv.dice[1], mv.dice[2], mv.dice[3]));
    click(mv.label);
    EXPECT_EQ(st().turncounter, i);
    EXPECT_EQ(st().Label2.caption, mv.banner);
    EXPECT_EQ(m.bluescore, mv.blue);
    EXPECT_EQ(m.redscore, mv.red);
    EXPECT_EQ(panel(1).caption, decimalText(mv.blue));
    EXPECT_EQ(panel(2).caption, decimalText(mv.red));
    EXPECT_EQ(soundsSince(before), (std::vector<std::string>{wav("cupdice"), wav(mv.sound)}));
    if (i < last) {
      ASSERT_NO_FATAL_FAILURE(handOver());
      EXPECT_EQ(st().gameover, 0);
      EXPECT_TRUE(st().Label3[2].enabled);
      EXPECT_FALSE(die(0).enabled);
    }
  }

  // The finish.
  const std::int64_t t0 = clock.now();
  const std::size_t atFinish = sound.played.size();
  EXPECT_EQ(st().gameover, 1);
  EXPECT_FALSE(st().Label3[2].enabled) << "Throw Dice stays disabled";
  for (int d = 0; d < 4; ++d) EXPECT_EQ(die(d).caption, decimalText(moves[last].dice[d])) << "the dice stay";

  clock.advance(1999);
  EXPECT_EQ(st().Label2.caption, "GAME OVER!!!");
  clock.advance(2002);  // t0 + 4001
  EXPECT_EQ(st().Label2.caption, "BLUE HAS WON!");
  EXPECT_EQ(st().turncounter, last);
  EXPECT_FALSE(timer(1).isActive()) << "the chain of turns has ended";

  std::int64_t firstWin = -1;
  for (const auto& [at, text] : banners)
    if (text == "BLUE HAS WON!") {
      firstWin = at;
      break;
    }
  EXPECT_GE(firstWin, t0 + 2000) << "the winner is named about two seconds after the end";
  EXPECT_LE(firstWin, t0 + 4000);

  // The banner flashes white and Blue's colour.
  clock.advance(99);  // off the ticks
  Rgb previous = st().Label2.fore;
  for (int k = 0; k < 8; ++k) {
    clock.advance(250);
    const Rgb now = st().Label2.fore;
    EXPECT_TRUE(now == kWhite || now == kBlueText) << now;
    EXPECT_NE(now, previous) << "flash " << k;
    previous = now;
  }

  // Three arrows, then silence.
  EXPECT_EQ(count(wav("arrow")), 3);
  EXPECT_EQ(m.soundon, 0);
  game->label14Click();
  click(0);
  game->label3Click(2);
  clock.advance(60000);
  EXPECT_EQ(soundsSince(atFinish), (std::vector<std::string>{wav("arrow"), wav("arrow"), wav("arrow")}));
  EXPECT_EQ(st().Label2.caption, "BLUE HAS WON!");
  EXPECT_EQ(host.chartOpens, 1);
}

TEST_F(TurnTest, SoloGameFinishNamesBlue) {
  open({.players = 1, .target = 40});
  ASSERT_NO_FATAL_FAILURE(throwDice(5, 4, 2, 1));
  click(25);
  EXPECT_EQ(st().Label2.caption, "GAME OVER!!!");
  EXPECT_EQ(st().gameover, 1);
  clock.advance(4001);
  EXPECT_EQ(st().Label2.caption, "BLUE HAS WON!");
}

TEST_F(TurnTest, RedFinishingIsNamedTheWinner) {
  open({.players = 2, .target = 501});
  setScore(2, 40);
  ASSERT_NO_FATAL_FAILURE(turn(1, 1, 1, 1, 6));  // Blue takes 1
  ASSERT_NO_FATAL_FAILURE(throwDice(5, 4, 2, 1));
  click(25);
  EXPECT_EQ(st().gameover, 2);
  EXPECT_EQ(st().Label2.caption, "GAME OVER!!!");
  clock.advance(4001);
  EXPECT_EQ(st().Label2.caption, "RED HAS WON!");
  EXPECT_EQ(st().gameover, 2);
}

// ---------------------------------------------------------------------------
// Scoring, the finishing rule and the bust rule (Blue to move in each case).

struct BustCase {
  const char* name;
  int remaining;
  int dice[4];
  int label;
  bool finishes;
  bool busts;
  int scored;  // shown in the banner when the game goes on
};

void PrintTo(const BustCase& c, std::ostream* os) { *os << c.name; }

class BustTest : public GameTest, public ::testing::WithParamInterface<BustCase> {};

TEST_P(BustTest, ScoreOrBust) {
  const BustCase c = GetParam();
  open({.players = 2, .target = 501});
  setScore(1, c.remaining);
  ASSERT_NO_FATAL_FAILURE(throwDice(c.dice[0], c.dice[1], c.dice[2], c.dice[3]));
  const int value = std::stoi(boardLabel(c.label).caption);
  ASSERT_TRUE(st().isAllowed(value)) << "the throw must make " << value;

  click(c.label);
  EXPECT_EQ(st().turncounter, 0);
  EXPECT_EQ(st().clickedlabel, c.label);
  EXPECT_EQ(st().isdouble, (c.label == 0 || (c.label >= 25 && c.label <= 44)) ? 1 : 0);
  EXPECT_TRUE(timer(9).isActive()) << "a legal number flashes, even when it scores nothing";
  EXPECT_FALSE(st().Label10.visible);
  if (c.finishes) {
    EXPECT_EQ(m.bluescore, 0);
    EXPECT_EQ(panel(1).caption, "0");
    EXPECT_EQ(st().gameover, 1);
    EXPECT_EQ(st().Label2.caption, "GAME OVER!!!");
    EXPECT_FALSE(timer(10).isActive());
  } else if (c.busts) {
    EXPECT_EQ(m.bluescore, c.remaining) << "a bust leaves the target";
    EXPECT_EQ(panel(1).caption, decimalText(c.remaining));
    EXPECT_EQ(st().Label2.caption, "0 points scored");
    EXPECT_TRUE(timer(10).isActive()) << "the doubles ring flashes";
    EXPECT_FALSE(timer(2).isActive()) << "nothing was scored";
    EXPECT_EQ(st().gameover, 0);
  } else {
    EXPECT_EQ(m.bluescore, c.remaining - c.scored);
    EXPECT_EQ(panel(1).caption, decimalText(c.remaining - c.scored));
    EXPECT_EQ(st().Label2.caption, decimalText(c.scored) + (c.scored == 1 ? " point scored" : " points scored"));
    EXPECT_FALSE(timer(10).isActive());
    EXPECT_EQ(st().gameover, 0);
  }
  EXPECT_EQ(m.redscore, 501) << "only the mover's target changes";
  EXPECT_EQ(panel(2).caption, "501");
}

INSTANTIATE_TEST_SUITE_P(
    Rules, BustTest,
    ::testing::Values(BustCase{"Remaining40Double20Finishes", 40, {5, 4, 2, 1}, 25, true, false, 0},
                      BustCase{"Remaining40Quadruple10Busts", 40, {5, 4, 2, 1}, 71, false, true, 0},
                      BustCase{"Remaining2Single1Busts", 2, {1, 1, 1, 1}, 6, false, true, 0},
                      BustCase{"Remaining2Double1Finishes", 2, {1, 1, 1, 1}, 26, true, false, 0},
                      BustCase{"Remaining100CentreFinishes", 100, {5, 5, 4, 1}, 0, true, false, 0},
                      BustCase{"Remaining50Inner50Label1Busts", 50, {5, 5, 2, 1}, 1, false, true, 0},
                      BustCase{"Remaining50Inner50Label2Busts", 50, {5, 5, 2, 1}, 2, false, true, 0},
                      BustCase{"Remaining50Inner50Label3Busts", 50, {5, 5, 2, 1}, 3, false, true, 0},
                      BustCase{"Remaining50Inner50Label4Busts", 50, {5, 5, 2, 1}, 4, false, true, 0},
                      BustCase{"Remaining30Double16Busts", 30, {4, 4, 2, 1}, 38, false, true, 0},
                      BustCase{"Remaining30FortyBusts", 30, {5, 4, 2, 1}, 25, false, true, 0},
                      BustCase{"Remaining30Treble20Busts", 30, {5, 4, 3, 1}, 45, false, true, 0},
                      BustCase{"Remaining30Double15Finishes", 30, {5, 3, 2, 1}, 32, true, false, 0},
                      BustCase{"Remaining20Single20Busts", 20, {5, 4, 1, 1}, 5, false, true, 0},
                      BustCase{"Remaining21TwentyLeavesOneBusts", 21, {5, 4, 1, 1}, 5, false, true, 0},
                      BustCase{"Remaining22TwentyLeavesTwo", 22, {5, 4, 1, 1}, 5, false, false, 20},
                      BustCase{"Remaining501OnePoint", 501, {1, 1, 1, 1}, 6, false, false, 1},
                      BustCase{"Remaining100InnerFiftyScores", 100, {5, 5, 2, 1}, 3, false, false, 50}),
    [](const ::testing::TestParamInfo<BustCase>& info) { return std::string(info.param.name); });

TEST_F(TurnTest, FiftyOrMoreFlashesTheTitle) {
  open();
  ASSERT_NO_FATAL_FAILURE(throwDice(5, 5, 2, 1));
  click(1);
  EXPECT_TRUE(timer(2).isActive());
  ASSERT_NO_FATAL_FAILURE(handOver());
  ASSERT_NO_FATAL_FAILURE(throwDice(5, 4, 2, 1));
  clock.advance(1000);  // the title flash has ended
  ASSERT_FALSE(timer(2).isActive());
  click(25);  // 40
  EXPECT_FALSE(timer(2).isActive());
}

// ---------------------------------------------------------------------------
// An illegal move.

TEST_F(TurnTest, IllegalClickLosesTheTurn) {
  open({.players = 2, .timeallowed = 300});
  ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));
  ASSERT_FALSE(st().isAllowed(100));
  ASSERT_TRUE(timer(7).isActive()) << "Blue's clock runs";
  const std::size_t before = sound.played.size();

  click(0);
  EXPECT_EQ(st().turncounter, 0);
  for (int slot = 0; slot < 4; ++slot) EXPECT_FALSE(clockLabel(slot).visible) << "clock " << slot;
  EXPECT_FALSE(st().Label13.visible);
  EXPECT_TRUE(st().Label10.visible);
  EXPECT_EQ(st().Label10.caption, "You made an illegal move. You have lost your turn.");
  EXPECT_EQ(m.bluescore, 501);
  EXPECT_EQ(panel(1).caption, "501");
  EXPECT_EQ(st().Label2.caption, "Blue to Play") << "the banner keeps its text";
  EXPECT_EQ(soundsSince(before), std::vector<std::string>{wav("ricochet")});
  EXPECT_FALSE(timer(7).isActive()) << "the clock stops";
  EXPECT_TRUE(timer(1).isActive());
  EXPECT_FALSE(timer(9).isActive()) << "an illegal number does not flash";
  EXPECT_FALSE(timer(10).isActive());
  EXPECT_FALSE(st().Label3[2].enabled) << "no throw until the hand-over";
  EXPECT_EQ(st().gameover, 0);

  clock.advance(1999);
  EXPECT_TRUE(st().Label10.visible);
  clock.advance(1);
  EXPECT_FALSE(st().Label10.visible);
  EXPECT_TRUE(clockLabel(0).visible);
  EXPECT_TRUE(clockLabel(1).visible);
  EXPECT_FALSE(clockLabel(2).visible);
  EXPECT_FALSE(clockLabel(3).visible);
  EXPECT_TRUE(st().Label13.visible);
  EXPECT_EQ(st().Label2.caption, "Red to Play");
  EXPECT_TRUE(st().Label3[2].enabled);
  EXPECT_FALSE(die(0).enabled);
  EXPECT_EQ(clockLabel(0).caption, "300") << "Blue clicked at once";
}

TEST_F(TurnTest, IllegalClickWithoutClocksKeepsThemHidden) {
  open({.players = 2});
  ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));
  click(65);  // 80
  EXPECT_TRUE(st().Label10.visible);
  ASSERT_NO_FATAL_FAILURE(handOver());
  EXPECT_FALSE(st().Label10.visible);
  for (int slot = 0; slot < 4; ++slot) EXPECT_FALSE(clockLabel(slot).visible);
  EXPECT_FALSE(st().Label13.visible);
}

TEST_F(TurnTest, AnyButtonHidesTheIllegalMoveMessage) {
  open();
  ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));
  click(0);
  ASSERT_TRUE(st().Label10.visible);
  game->label3Click(1);
  EXPECT_FALSE(st().Label10.visible);
}

// ---------------------------------------------------------------------------
// Sounds.

struct SoundCase {
  int label;
  int dice[4];
  const char* sound;
};

void PrintTo(const SoundCase& c, std::ostream* os) { *os << "label " << c.label << " -> " << c.sound; }

class ScoreSoundTest : public GameTest, public ::testing::WithParamInterface<SoundCase> {};

TEST_P(ScoreSoundTest, SoundByValue) {
  const SoundCase c = GetParam();
  open();
  ASSERT_NO_FATAL_FAILURE(throwDice(c.dice[0], c.dice[1], c.dice[2], c.dice[3]));
  const int value = std::stoi(boardLabel(c.label).caption);
  ASSERT_TRUE(st().isAllowed(value)) << value;
  const std::size_t before = sound.played.size();
  click(c.label);
  EXPECT_EQ(soundsSince(before), std::vector<std::string>{wav(c.sound)}) << "value " << value;
  EXPECT_EQ(st().Label2.caption, decimalText(value) + " points scored");
  EXPECT_EQ(timer(2).isActive(), value >= 50) << "value " << value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, ScoreSoundTest,
    ::testing::Values(SoundCase{22, {3, 3, 1, 1}, "divboard"},   // 9
                      SoundCase{11, {5, 2, 1, 1}, "scrape"},     // 10
                      SoundCase{16, {5, 4, 1, 1}, "scrape"},     // 19
                      SoundCase{5, {5, 4, 1, 1}, "golfswng"},    // 20
                      SoundCase{32, {5, 3, 2, 1}, "scifi002"},   // 30
                      SoundCase{49, {6, 6, 3, 1}, "scifi002"},   // 39
                      SoundCase{25, {5, 4, 2, 1}, "archer"},     // 40
                      SoundCase{58, {6, 4, 2, 1}, "archer"},     // 48
                      SoundCase{1, {5, 5, 2, 1}, "scifi003"},    // 50
                      SoundCase{56, {6, 6, 3, 3}, "scifi003"},   // 57
                      SoundCase{45, {5, 4, 3, 1}, "botrockt"},   // 60
                      SoundCase{76, {6, 6, 2, 4}, "botrockt"},   // 76
                      SoundCase{65, {5, 4, 4, 1}, "scifi011"},   // 80
                      SoundCase{0, {5, 5, 4, 1}, "scifi020"}));  // 100

TEST_F(TurnTest, ThrowPlaysTheDiceCup) {
  open();
  throwOnly(2, 3, 4, 5);
  EXPECT_EQ(sound.played, std::vector<std::string>{wav("cupdice")});
}

TEST_F(TurnTest, ButtonsClickAndCallTheScreensAround) {
  open();
  game->label14Click();
  EXPECT_EQ(host.chartOpens, 1);
  EXPECT_EQ(sound.played, std::vector<std::string>{wav("click1")});

  game->label3Click(1);
  EXPECT_EQ(host.newGames, 1);
  EXPECT_EQ(host.chartCloses, 1);
  EXPECT_EQ(sound.played.back(), wav("click1"));

  game->label3Click(0);
  EXPECT_EQ(host.exits, 1);
  EXPECT_EQ(host.chartCloses, 2);
  EXPECT_EQ(sound.played.back(), wav("click1"));
  EXPECT_EQ(sound.played.size(), 3u);
}

TEST_F(TurnTest, NoSoundAtAllWithSoundOff) {
  open({.players = 2, .timeallowed = 5, .soundon = 0});
  ASSERT_NO_FATAL_FAILURE(turn(5, 5, 4, 1, 0));        // Blue 100
  ASSERT_NO_FATAL_FAILURE(turn(1, 1, 1, 1, 0));        // Red illegal
  ASSERT_NO_FATAL_FAILURE(turn(5, 5, 2, 1, 2));        // Blue 50
  ASSERT_NO_FATAL_FAILURE(throwDice(5, 4, 2, 1));      // Red's clock runs out
  ASSERT_NO_FATAL_FAILURE(runOutOfTime());
  clock.advance(2000);
  setScore(1, 40);
  ASSERT_NO_FATAL_FAILURE(throwDice(5, 4, 2, 1));
  click(71);  // bust
  ASSERT_NO_FATAL_FAILURE(handOver());
  ASSERT_NO_FATAL_FAILURE(throwDice(5, 4, 2, 1));
  click(25);  // Blue finishes
  clock.advance(10000);
  game->label14Click();
  game->label3Click(1);
  game->label3Click(0);
  EXPECT_EQ(st().gameover, 1);
  EXPECT_TRUE(sound.played.empty()) << sound.played.front();
  EXPECT_FALSE(timer(13).isActive());
}

// ---------------------------------------------------------------------------
// The throw.

TEST_F(TurnTest, EachThrowReseedsOnceFromTheTimeOfDay) {
  open();
  day.seconds = 45296;
  throwOnly(1, 2, 3, 4);
  EXPECT_EQ(random.seeds, std::vector<double>{45296});
  ASSERT_NO_FATAL_FAILURE(reveal());
  click(6);
  ASSERT_NO_FATAL_FAILURE(handOver());
  day.seconds = 45299;
  throwOnly(6, 5, 4, 3);
  EXPECT_EQ(random.seeds, (std::vector<double>{45296, 45299}));
  ASSERT_NO_FATAL_FAILURE(reveal());
  EXPECT_EQ(random.seeds.size(), 2u) << "the animation does not reseed";
}

TEST_F(TurnTest, ThrowDrawsEachDieAsTheLastOfItsRepetitions) {
  open();
  // Die 0: 3 repetitions 2, 5, 4 -> 4; die 1: none, never thrown -> 1;
  // die 2: 1 repetition -> 6; die 3: 2 repetitions 1, 3 -> 3.
  random.push({0.035, 1.5 / 6, 4.5 / 6, 3.5 / 6, 0.0, 0.015, 5.5 / 6, 0.025, 0.5 / 6, 2.5 / 6});
  game->label3Click(2);
  EXPECT_TRUE(random.queue.empty());
  EXPECT_EQ(st().dice[0], 4);
  EXPECT_EQ(st().dice[1], 1);
  EXPECT_EQ(st().dice[2], 6);
  EXPECT_EQ(st().dice[3], 3);
  ASSERT_NO_FATAL_FAILURE(reveal());
  EXPECT_EQ(die(0).caption, "4");
  EXPECT_EQ(die(1).caption, "1");
  EXPECT_EQ(die(2).caption, "6");
  EXPECT_EQ(die(3).caption, "3");
  click(6);
  ASSERT_NO_FATAL_FAILURE(handOver());

  // No repetition keeps the die of the previous throw.
  random.push({0.0, 0.0, 0.0, 0.0});
  game->label3Click(2);
  EXPECT_EQ(st().dice[0], 4);
  EXPECT_EQ(st().dice[1], 1);
  EXPECT_EQ(st().dice[2], 6);
  EXPECT_EQ(st().dice[3], 3);
}

TEST_F(TurnTest, ThrowDisablesItselfClearsTheDiceAndGreysTheBoard) {
  open();
  ASSERT_NO_FATAL_FAILURE(throwDice(5, 5, 4, 1));
  click(0);
  clock.advance(2000);
  ASSERT_EQ(boardLabel(0).fore, kWhite) << "the clicked number ends its flash white";
  throwOnly(1, 2, 3, 4);
  EXPECT_FALSE(st().Label3[2].enabled);
  for (int i = 0; i < 85; ++i) EXPECT_EQ(boardLabel(i).fore, rgb(224, 224, 224)) << "label " << i;
  for (int d = 0; d < 4; ++d) EXPECT_EQ(die(d).caption, "") << "die " << d;
  EXPECT_EQ(st().diceshown, 0);
  EXPECT_TRUE(timer(5).isActive());
  EXPECT_TRUE(timer(8).isActive());
  EXPECT_TRUE(st().isAllowed(10)) << "1+2+3+4";
  EXPECT_FALSE(st().isAllowed(100));
}

// ---------------------------------------------------------------------------
// Refused board clicks: each does nothing at all.

TEST_F(TurnTest, BoardClickBeforeTheFirstThrowDoesNothing) {
  open();
  const Snapshot before = snapshot();
  click(5);
  click(0);
  EXPECT_EQ(snapshot(), before);
}

TEST_F(TurnTest, BoardClickWhileTheDiceRollDoesNothing) {
  for (int soundon : {1, 0}) {
    SCOPED_TRACE(::testing::Message() << "soundon " << soundon);
    open({.players = 2, .soundon = soundon});
    throwOnly(5, 5, 4, 1);
    const Snapshot before = snapshot();
    click(0);
    EXPECT_EQ(snapshot(), before) << "at once";
    // Flickering: the dice are lit but not all settled.
    clock.advance(soundon ? 1300 : 150);
    ASSERT_TRUE(die(0).enabled);
    ASSERT_TRUE(timer(5).isActive());
    click(0);
    EXPECT_EQ(snapshot().turncounter, before.turncounter);
    EXPECT_EQ(m.bluescore, 501);
    // Three dice settled, the fourth still rolling.
    clock.advance(soundon ? 700 : 650);
    ASSERT_EQ(st().diceshown, 3);
    const Snapshot rolling = snapshot();
    click(0);
    EXPECT_EQ(snapshot(), rolling);
    ASSERT_NO_FATAL_FAILURE(reveal());
    click(0);
    EXPECT_EQ(m.bluescore, 401) << "accepted once revealed";
    clock.advance(10000);
  }
}

TEST_F(TurnTest, BoardClickDuringTheHandOverDoesNothing) {
  open();
  // After an illegal move the dice stay lit: only the pending hand-over keeps the board shut.
  ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));
  click(0);
  ASSERT_TRUE(die(0).enabled);
  clock.advance(1000);
  Snapshot before = snapshot();
  click(6);  // a legal 1
  EXPECT_EQ(snapshot(), before);
  clock.advance(999);
  before = snapshot();
  click(6);
  EXPECT_EQ(snapshot(), before);
  clock.advance(1);
  EXPECT_EQ(st().Label2.caption, "Red to Play");
}

TEST_F(TurnTest, BoardClickOnANewThrowBeforeTheHandOverDoesNothing) {
  open({.players = 2, .soundon = 0});
  ASSERT_NO_FATAL_FAILURE(throwDice(5, 5, 4, 1));
  click(0);
  ASSERT_TRUE(st().Label3[2].enabled) << "Throw Dice is enabled again at once";
  ASSERT_NO_FATAL_FAILURE(throwDice(5, 5, 4, 1));  // revealed 1.05 s later, hand-over still pending
  ASSERT_TRUE(timer(1).isActive());
  const Snapshot before = snapshot();
  click(0);
  EXPECT_EQ(snapshot(), before);
  EXPECT_EQ(m.bluescore, 401);
  EXPECT_EQ(m.redscore, 501);
}

TEST_F(TurnTest, BoardClickWhileTheComputerThinksDoesNothing) {
  open({.players = 2, .soundon = 0, .computerlevel = 1});
  ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));
  click(6);
  random.pushThrow(5, 5, 4, 1);  // the computer's throw, made by the hand-over
  ASSERT_NO_FATAL_FAILURE(handOver());
  EXPECT_EQ(st().Label2.caption, "Red to Play");
  ASSERT_TRUE(timer(5).isActive()) << "the hand-over threw for the computer";
  ASSERT_NO_FATAL_FAILURE(reveal());
  ASSERT_TRUE(timer(6).isActive()) << "the computer is thinking";
  ASSERT_TRUE(die(0).enabled);
  const Snapshot before = snapshot();
  click(0);
  EXPECT_EQ(snapshot(), before);
  EXPECT_EQ(m.redscore, 501);
  // The computer then moves by itself.
  for (int i = 0; i < 100 && st().turncounter == 0; ++i) clock.advance(500);
  EXPECT_EQ(st().turncounter, 1);
  EXPECT_LT(m.redscore, 501);
}

TEST_F(TurnTest, BoardClickAndThrowAfterTheGameEndedDoNothing) {
  open({.players = 2, .target = 40});
  ASSERT_NO_FATAL_FAILURE(throwDice(5, 4, 2, 1));
  click(25);
  ASSERT_EQ(st().gameover, 1);
  clock.advance(5000);
  ASSERT_FALSE(timer(1).isActive());
  ASSERT_TRUE(die(0).enabled) << "the dice stay as they were";
  ASSERT_EQ(m.soundon, 0);
  m.soundon = 1;  // even with sound back on, nothing answers
  const Snapshot before = snapshot();
  const std::size_t seeds = random.seeds.size();
  click(25);
  click(5);
  EXPECT_EQ(snapshot(), before);
  game->label3Click(2);
  EXPECT_EQ(random.seeds.size(), seeds) << "no throw after the end";
  EXPECT_FALSE(timer(5).isActive());
  EXPECT_FALSE(timer(8).isActive());
  EXPECT_EQ(sound.played.size(), before.soundsPlayed);
  EXPECT_EQ(st().turncounter, before.turncounter);
}

// ---------------------------------------------------------------------------
// Order of play.

struct TurnColours {
  const char* name;
  Rgb text;
  Rgb face;
  Rgb digit;
};

void expectColoursOf(const Glim1State& s, const TurnColours& c) {
  EXPECT_EQ(s.Label2.caption, std::string(c.name) + " to Play");
  EXPECT_EQ(s.Label2.fore, c.text);
  for (int b = 0; b < 3; ++b) EXPECT_EQ(s.Label3[static_cast<std::size_t>(b)].fore, c.text) << "button " << b;
  EXPECT_EQ(s.Label14.fore, c.text);
  for (int d = 0; d < 4; ++d) EXPECT_EQ(s.Label4[static_cast<std::size_t>(d)].back, c.face) << "die " << d;
  EXPECT_EQ(s.Label5[0].fore, c.text);
  EXPECT_EQ(s.Label5[5].fore, c.text);
  EXPECT_EQ(s.Label13.fore, c.text);
}

TEST_F(TurnTest, ThreePlayersPlayBlueRedGreenBlue) {
  open({.players = 3});
  const TurnColours blue{"Blue", kBlueText, rgb(0, 0, 255), kWhite};
  const TurnColours red{"Red", kRed, kRed, kWhite};
  const TurnColours green{"Green", kGreen, kGreen, rgb(0, 0, 0)};
  const TurnColours order[] = {blue, red, green, blue, red, green, blue};

  EXPECT_EQ(st().Label2.caption, "Blue to Play");
  for (int i = 0; i + 1 < static_cast<int>(std::size(order)); ++i) {
    SCOPED_TRACE(::testing::Message() << "turn " << i << " of " << order[i].name);
    ASSERT_EQ(st().Label2.caption, std::string(order[i].name) + " to Play");
    throwOnly(1, 1, 1, 1);
    for (int d = 0; d < 4; ++d) {
      EXPECT_EQ(die(d).back, order[i].face) << "die " << d;
      EXPECT_EQ(die(d).fore, order[i].digit) << "die " << d;
    }
    ASSERT_NO_FATAL_FAILURE(reveal());
    click(6);  // 1 point
    EXPECT_EQ(st().turncounter, i);
    EXPECT_EQ(st().Label2.caption, "1 point scored");
    ASSERT_NO_FATAL_FAILURE(handOver());
    expectColoursOf(st(), order[i + 1]);
  }
  EXPECT_EQ(m.bluescore, 499);
  EXPECT_EQ(m.redscore, 499);
  EXPECT_EQ(m.greenscore, 499);
  EXPECT_EQ(m.yellowscore, 501) << "Yellow is not playing";
  EXPECT_EQ(panel(1).caption, "499");
  EXPECT_EQ(panel(2).caption, "499");
  EXPECT_EQ(panel(3).caption, "499");
}

TEST_F(TurnTest, FourPlayersYellowMovesLastAndCanWin) {
  open({.players = 4});
  setScore(4, 40);
  const char* names[] = {"Blue", "Red", "Green"};
  for (const char* name : names) {
    ASSERT_EQ(st().Label2.caption, std::string(name) + " to Play");
    ASSERT_NO_FATAL_FAILURE(turn(1, 1, 1, 1, 6));
  }
  expectColoursOf(st(), {"Yellow", rgb(255, 255, 0), rgb(255, 255, 0), rgb(0, 0, 0)});
  throwOnly(5, 4, 2, 1);
  for (int d = 0; d < 4; ++d) EXPECT_EQ(die(d).fore, rgb(0, 0, 0)) << "black digits on yellow";
  ASSERT_NO_FATAL_FAILURE(reveal());
  click(25);
  EXPECT_EQ(m.yellowscore, 0);
  EXPECT_EQ(panel(4).caption, "0");
  EXPECT_EQ(st().gameover, 4);
  clock.advance(4100);
  EXPECT_EQ(st().Label2.caption, "YELLOW HAS WON!");
  // The banner flashes white and yellow.
  const Rgb a = st().Label2.fore;
  clock.advance(250);
  const Rgb b = st().Label2.fore;
  EXPECT_TRUE((a == kWhite && b == rgb(255, 255, 0)) || (b == kWhite && a == rgb(255, 255, 0))) << a << " " << b;
}

TEST_F(TurnTest, GreenCanWin) {
  open({.players = 3});
  setScore(3, 2);
  ASSERT_NO_FATAL_FAILURE(turn(1, 1, 1, 1, 6));
  ASSERT_NO_FATAL_FAILURE(turn(1, 1, 1, 1, 6));
  ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));
  click(26);  // double 1
  EXPECT_EQ(st().gameover, 3);
  clock.advance(4001);
  EXPECT_EQ(st().Label2.caption, "GREEN HAS WON!");
}

TEST_F(TurnTest, ButtonsClearTheJudgesStoresButNotEntryZero) {
  open();
  ASSERT_NO_FATAL_FAILURE(throwDice(5, 5, 4, 1));
  ASSERT_TRUE(st().isAllowed(100));
  st().allowed[0] = 7;
  game->label14Click();
  EXPECT_TRUE(st().isAllowed(100)) << "Cheat Chart is no Label3 button";
  game->label3Click(1);
  EXPECT_EQ(st().countAllowed(), 0);
  EXPECT_EQ(st().allowed[0], 7);
  EXPECT_EQ(st().paircount, 0);
  EXPECT_EQ(st().triplecount, 0);
  EXPECT_EQ(st().resultcount, 0);
  for (int d = 0; d < 4; ++d) EXPECT_EQ(die(d).caption, "") << "die " << d;
}

TEST_F(TurnTest, SoloPlayerAlwaysMovesAgain) {
  open({.players = 1});
  for (int i = 0; i < 3; ++i) {
    ASSERT_NO_FATAL_FAILURE(turn(1, 1, 1, 1, 6));
    EXPECT_EQ(st().Label2.caption, "Blue to Play");
    EXPECT_EQ(st().turncounter, i);
  }
  EXPECT_EQ(m.bluescore, 498);
}

TEST_F(TurnTest, PlayerWithADisabledPanelIsSkipped) {
  open({.players = 3});
  panel(2).enabled = false;  // Red's time has run out
  ASSERT_NO_FATAL_FAILURE(turn(1, 1, 1, 1, 6));
  EXPECT_EQ(st().Label2.caption, "Green to Play");
  EXPECT_EQ(st().turncounter, 1) << "one extra step for the player skipped";
  ASSERT_NO_FATAL_FAILURE(turn(1, 1, 1, 1, 6));
  EXPECT_EQ(st().Label2.caption, "Blue to Play");
  EXPECT_EQ(st().turncounter, 2);
  ASSERT_NO_FATAL_FAILURE(turn(1, 1, 1, 1, 6));
  EXPECT_EQ(st().Label2.caption, "Green to Play");
  EXPECT_EQ(st().turncounter, 4);
  EXPECT_EQ(m.bluescore, 499);
  EXPECT_EQ(m.redscore, 501);
  EXPECT_EQ(m.greenscore, 500);
}

TEST_F(TurnTest, PlayerWhoseClockRanOutIsNeverAskedAgain) {
  open({.players = 3, .timeallowed = 5, .soundon = 0});
  ASSERT_NO_FATAL_FAILURE(turn(1, 1, 1, 1, 6));  // Blue
  ASSERT_EQ(st().Label2.caption, "Red to Play");
  ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));
  ASSERT_NO_FATAL_FAILURE(runOutOfTime());
  EXPECT_FALSE(panel(2).enabled);
  EXPECT_EQ(panel(2).caption, "501") << "the score stays on the panel";
  ASSERT_NO_FATAL_FAILURE(handOver());
  EXPECT_EQ(st().Label2.caption, "Green to Play");
  for (int round = 0; round < 2; ++round) {
    ASSERT_NO_FATAL_FAILURE(turn(1, 1, 1, 1, 6));  // Green
    EXPECT_EQ(st().Label2.caption, "Blue to Play");
    ASSERT_NO_FATAL_FAILURE(turn(1, 1, 1, 1, 6));  // Blue
    EXPECT_EQ(st().Label2.caption, "Green to Play");
  }
  EXPECT_EQ(st().gameover, 0);
}

// The turn counter is 16-bit: a game that goes on and on must keep its order of play.
TEST_F(TurnTest, TurnCounterNearTheSixteenBitLimitKeepsTheOrderOfPlay) {
  open({.players = 3, .soundon = 0});
  st().turncounter = 29998;  // (29998 + 1) mod 3: Green to move
  int mover = 2;
  const char* names[] = {"Blue", "Red", "Green"};
  int scores[3] = {501, 501, 501};
  for (int i = 0; i < 12; ++i) {
    SCOPED_TRACE(::testing::Message() << "move " << i << " by " << names[mover]);
    ASSERT_EQ(game->playerToMove(), mover);
    ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));
    click(6);
    --scores[mover];
    EXPECT_GE(st().turncounter, 1);
    EXPECT_LE(st().turncounter, 32767);
    for (int n = 1; n <= 3; ++n) EXPECT_EQ(m.score(n), scores[n - 1]) << names[n - 1];
    ASSERT_NO_FATAL_FAILURE(handOver());
    mover = (mover + 1) % 3;
    EXPECT_EQ(st().Label2.caption, std::string(names[mover]) + " to Play");
    EXPECT_GE(st().turncounter, 1);
  }
}

TEST_F(TurnTest, TurnCounterNearTheLimitStillGivesTheComputerRed) {
  open({.players = 2, .soundon = 0, .computerlevel = 3});
  st().turncounter = 29997;  // Blue to move
  for (int round = 0; round < 4; ++round) {
    SCOPED_TRACE(::testing::Message() << "round " << round);
    ASSERT_EQ(st().Label2.caption, "Blue to Play");
    ASSERT_EQ(game->playerToMove(), 0);
    ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));
    click(6);
    const int redBefore = m.redscore;
    random.pushThrow(1, 1, 1, 1);  // the computer's throw
    ASSERT_NO_FATAL_FAILURE(handOver());
    ASSERT_EQ(st().Label2.caption, "Red to Play");
    ASSERT_TRUE(timer(5).isActive()) << "the hand-over throws for the computer";
    const std::int16_t counter = st().turncounter;
    for (int i = 0; i < 200 && st().turncounter == counter; ++i) clock.advance(100);
    ASSERT_NE(st().turncounter, counter) << "the computer moved";
    EXPECT_LT(m.redscore, redBefore);
    EXPECT_GE(st().turncounter, 1);
    ASSERT_NO_FATAL_FAILURE(handOver());
  }
}

}  // namespace
}  // namespace sumdart::testing_game
