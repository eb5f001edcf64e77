// The timed events of a turn: the dice reveal, the clocks, and the flashes that
// mark a move. Virtual time only.
#include "game_fixture.h"

namespace sumdart::testing_game {
namespace {

const Rgb kBlack = rgb(0, 0, 0);
const Rgb kWhite = rgb(255, 255, 255);
const Rgb kGrey = rgb(224, 224, 224);
const Rgb kYellow = rgb(255, 255, 0);
const Rgb kRed = rgb(255, 0, 0);
const Rgb kTitle = rgb(192, 0, 192);

// ---------------------------------------------------------------------------
// The dice reveal.

struct RevealCase {
  int soundon;
  std::int64_t flickerStart;
  std::int64_t settles[4];
};

void PrintTo(const RevealCase& c, std::ostream* os) { *os << "soundon " << c.soundon; }

class RevealTest : public GameTest, public ::testing::WithParamInterface<RevealCase> {};

TEST_P(RevealTest, DiceSettleOneByOne) {
  const RevealCase c = GetParam();
  open({.players = 2, .soundon = c.soundon});
  clock.advance(12345);  // the player takes a while before throwing
  const std::int64_t t0 = clock.now();

  std::vector<std::int64_t> settled;
  std::int64_t flickerStart = -1;
  std::int64_t flickerStop = -1;
  int flickerTicks = 0;
  std::vector<std::string> badFaces;
  std::vector<std::string> settledChanged;
  game->changed = [&] {
    const std::int64_t at = clock.now() - t0;
    if (flickerStart < 0 && die(3).enabled) flickerStart = at;
    while (static_cast<int>(settled.size()) < st().diceshown) settled.push_back(at);
    for (int d = 0; d < 4; ++d) {
      const std::string& face = die(d).caption;
      if (d < st().diceshown) {
        if (face != decimalText(st().dice[static_cast<std::size_t>(d)]))
          settledChanged.push_back("die " + std::to_string(d) + " at " + std::to_string(at) + ": " + face);
      } else if (!face.empty()) {
        ++flickerTicks;
        if (face.size() != 1 || face[0] < '1' || face[0] > '6') badFaces.push_back(face);
      }
    }
    if (flickerStop < 0 && settled.size() == 4 && !timer(8).isActive()) flickerStop = at;
  };

  throwOnly(3, 1, 6, 2);
  EXPECT_TRUE(timer(5).isActive());
  EXPECT_TRUE(timer(8).isActive());
  EXPECT_EQ(timer(5).interval(), c.soundon ? 1500 : 300);
  EXPECT_EQ(timer(8).interval(), c.soundon ? 1200 : 100);
  clock.advance(5000);

  EXPECT_EQ(flickerStart, c.flickerStart);
  EXPECT_EQ(settled, (std::vector<std::int64_t>{c.settles[0], c.settles[1], c.settles[2], c.settles[3]}));
  EXPECT_GE(flickerStop, c.settles[3]) << "Timer8 stops on its first tick after the last settle";
  EXPECT_LE(flickerStop, c.settles[3] + 5);
  EXPECT_FALSE(timer(5).isActive());
  EXPECT_FALSE(timer(8).isActive());
  EXPECT_GT(flickerTicks, 100) << "the dice flicker every 5 ms";
  EXPECT_TRUE(badFaces.empty()) << badFaces.front();
  EXPECT_TRUE(settledChanged.empty()) << settledChanged.front();
  EXPECT_EQ(die(0).caption, "3");
  EXPECT_EQ(die(1).caption, "1");
  EXPECT_EQ(die(2).caption, "6");
  EXPECT_EQ(die(3).caption, "2");
  for (int d = 0; d < 4; ++d) EXPECT_TRUE(die(d).enabled);
  EXPECT_EQ(st().diceshown, 4);
  EXPECT_FALSE(timer(7).isActive()) << "no clocks in this game";
  EXPECT_FALSE(timer(6).isActive()) << "no computer in this game";
}

INSTANTIATE_TEST_SUITE_P(Sound, RevealTest,
                         ::testing::Values(RevealCase{1, 1200, {1500, 1750, 2000, 2250}},
                                           RevealCase{0, 100, {300, 550, 800, 1050}}));

TEST_F(GameTest, NothingIsShownBeforeTheFlickerStarts) {
  open();
  throwOnly(4, 4, 4, 4);
  clock.advance(1199);
  for (int d = 0; d < 4; ++d) {
    EXPECT_FALSE(die(d).enabled) << "die " << d;
    EXPECT_EQ(die(d).caption, "") << "die " << d;
  }
  clock.advance(1);
  for (int d = 0; d < 4; ++d) EXPECT_TRUE(die(d).enabled) << "die " << d;
  EXPECT_EQ(timer(8).interval(), 5);
}

TEST_F(GameTest, FlickerDrawsFacesAtTheEdgesOfTheRange) {
  open({.players = 2, .soundon = 0});
  throwOnly(2, 2, 2, 2);
  random.push({0.0, 0.999999, 0.5, 1.5 / 6});  // the first flicker tick
  clock.advance(100);
  EXPECT_EQ(die(0).caption, "1");
  EXPECT_EQ(die(1).caption, "6");
  EXPECT_EQ(die(2).caption, "4");
  EXPECT_EQ(die(3).caption, "2");
  ASSERT_NO_FATAL_FAILURE(reveal());
  for (int d = 0; d < 4; ++d) EXPECT_EQ(die(d).caption, "2");
}

// ---------------------------------------------------------------------------
// The clocks run only while the mover may click.

TEST_F(GameTest, ClockRunsOnlyDuringTheMove) {
  open({.players = 2, .timeallowed = 300});
  for (int round = 1; round <= 3; ++round) {
    SCOPED_TRACE(::testing::Message() << "round " << round);
    clock.advance(5000);  // before Throw Dice: not counted
    throwOnly(1, 1, 1, 1);
    EXPECT_FALSE(timer(7).isActive()) << "not during the animation";
    ASSERT_NO_FATAL_FAILURE(reveal());
    EXPECT_TRUE(timer(7).isActive());
    clock.advance(10000);  // Blue thinks
    click(6);
    EXPECT_FALSE(timer(7).isActive());
    EXPECT_EQ(clockLabel(0).caption, decimalText(300 - 10 * round));
    ASSERT_NO_FATAL_FAILURE(handOver());
    ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));  // Red clicks at once
    click(6);
    ASSERT_NO_FATAL_FAILURE(handOver());
    EXPECT_EQ(clockLabel(1).caption, "300");
  }
  EXPECT_EQ(clockLabel(0).caption, "270");
}

TEST_F(GameTest, ClockRunningOutDropsThePlayerWithAGong) {
  open({.players = 2, .timeallowed = 5});
  throwOnly(1, 1, 1, 1);
  for (int i = 0; i < 5000 && timer(5).isActive(); ++i) clock.advance(1);  // the last die has just settled
  EXPECT_TRUE(timer(7).isActive());
  const std::size_t before = sound.played.size();
  clock.advance(4999);
  EXPECT_EQ(clockLabel(0).caption, "1");
  EXPECT_TRUE(panel(1).enabled);
  clock.advance(1);
  EXPECT_EQ(clockLabel(0).caption, "0");
  EXPECT_FALSE(panel(1).enabled);
  EXPECT_EQ(soundsSince(before), std::vector<std::string>{wav("gong")});
  EXPECT_FALSE(timer(7).isActive());
  EXPECT_TRUE(timer(1).isActive());
  EXPECT_EQ(st().turncounter, -1) << "no move was made";
  ASSERT_NO_FATAL_FAILURE(handOver());
  EXPECT_EQ(st().Label2.caption, "Red to Play");
  EXPECT_EQ(m.bluescore, 501);
}

// ---------------------------------------------------------------------------
// Flashes after a move.

TEST_F(GameTest, ClickedNumberFlashesTenTimesEndingWhite) {
  open();
  ASSERT_NO_FATAL_FAILURE(throwDice(5, 2, 1, 1));
  click(11);  // 10
  EXPECT_EQ(st().clickedlabel, 11);
  ASSERT_TRUE(timer(9).isActive());
  EXPECT_EQ(timer(9).interval(), 200);
  clock.advance(199);
  EXPECT_EQ(boardLabel(11).fore, kGrey);
  clock.advance(1);
  for (int k = 1; k <= 10; ++k) {
    EXPECT_EQ(boardLabel(11).fore, k % 2 == 1 ? kBlack : kWhite) << "tick " << k;
    EXPECT_EQ(timer(9).isActive(), k < 10) << "tick " << k;
    EXPECT_EQ(boardLabel(12).fore, kGrey) << "only the clicked label flashes";
    if (k < 10) clock.advance(200);
  }
  EXPECT_EQ(st().clickflashcount, 0);
  clock.advance(5000);
  EXPECT_EQ(boardLabel(11).fore, kWhite);
}

TEST_F(GameTest, BigScoreFlashesTheTitleTenTimes) {
  open();
  ASSERT_NO_FATAL_FAILURE(throwDice(5, 4, 3, 1));
  click(45);  // 60
  ASSERT_TRUE(timer(2).isActive());
  EXPECT_EQ(timer(2).interval(), 250);
  clock.advance(249);
  EXPECT_EQ(st().Label9.fore, kTitle);
  clock.advance(1);
  for (int k = 1; k <= 10; ++k) {
    EXPECT_EQ(st().Label9.fore, k % 2 == 1 ? kYellow : kTitle) << "tick " << k;
    EXPECT_EQ(timer(2).isActive(), k < 10) << "tick " << k;
    if (k < 10) clock.advance(250);
  }
  EXPECT_EQ(st().titleflashcount, 0);
  EXPECT_EQ(st().Label9.fore, kTitle);
}

TEST_F(GameTest, BustFlashesTheDoublesRingAndTheReminder) {
  open();
  setScore(1, 40);
  ASSERT_NO_FATAL_FAILURE(throwDice(5, 4, 2, 1));
  click(71);  // 40, not a double
  ASSERT_TRUE(timer(10).isActive());
  EXPECT_EQ(timer(10).interval(), 1);
  clock.advance(1);
  for (int k = 1; k <= 10; ++k) {
    const bool odd = k % 2 == 1;
    EXPECT_EQ(st().Label11.fore, odd ? kBlack : kYellow) << "tick " << k;
    for (int i = 25; i <= 44; ++i) EXPECT_EQ(boardLabel(i).fore, odd ? kRed : kGrey) << "tick " << k << " label " << i;
    EXPECT_EQ(boardLabel(5).fore, kGrey) << "the singles ring stays";
    EXPECT_EQ(timer(10).isActive(), k < 10) << "tick " << k;
    if (k < 10) {
      EXPECT_EQ(timer(10).interval(), 250);
      clock.advance(250);
    }
  }
  EXPECT_EQ(timer(10).interval(), 1) << "the next run starts at once";
  EXPECT_EQ(st().doubleflashcount, 0);
  EXPECT_EQ(st().Label11.fore, kYellow);

  // The next bust flashes again, 1 ms after the click.
  ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));  // Red: an illegal 100, no flash
  click(0);
  EXPECT_FALSE(timer(10).isActive());
  ASSERT_NO_FATAL_FAILURE(handOver());
  ASSERT_NO_FATAL_FAILURE(throwDice(5, 4, 2, 1));
  click(71);
  clock.advance(1);
  EXPECT_EQ(st().Label11.fore, kBlack);
  EXPECT_EQ(boardLabel(30).fore, kRed);
}

}  // namespace
}  // namespace sumdart::testing_game
