// The game screen as it opens: the board numbers, their rings and places, the
// controls shown and hidden, the timers, clocks, a restored game and the
// computer's first thinking time.
#include <cmath>
#include <set>

#include "game/board.h"
#include "game_fixture.h"

namespace sumdart::testing_game {
namespace {

constexpr int kSectors[20] = {20, 1, 18, 4, 13, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11, 14, 9, 12, 5};

// The value each board label must show, worked out from the dartboard order.
std::vector<std::string> expectedCaptions() {
  std::vector<std::string> v{"100", "50", "50", "50", "50"};
  for (int ring = 0; ring < 4; ++ring)
    for (int sector : kSectors) v.push_back(std::to_string(sector * (ring + 1)));
  return v;
}

using OpeningTest = GameTest;

TEST_F(OpeningTest, BoardCaptionsInIndexOrder) {
  open();
  const auto want = expectedCaptions();
  ASSERT_EQ(want.size(), 85u);
  for (int i = 0; i < 85; ++i) EXPECT_EQ(boardLabel(i).caption, want[static_cast<std::size_t>(i)]) << "label " << i;

  const std::vector<std::string> head{"100", "50", "50", "50", "50", "20", "1", "18", "4"};
  for (std::size_t i = 0; i < head.size(); ++i) EXPECT_EQ(boardLabel(static_cast<int>(i)).caption, head[i]);
  EXPECT_EQ(boardLabel(82).caption, "36");
  EXPECT_EQ(boardLabel(83).caption, "48");
  EXPECT_EQ(boardLabel(84).caption, "20");
  // Examples: top of each ring is sector 20, 3 o'clock is sector 6.
  EXPECT_EQ(boardLabel(5).caption, "20");
  EXPECT_EQ(boardLabel(25).caption, "40");
  EXPECT_EQ(boardLabel(45).caption, "60");
  EXPECT_EQ(boardLabel(65).caption, "80");
  for (int ring = 0; ring < 4; ++ring) EXPECT_EQ(boardLabel(10 + 20 * ring).caption, std::to_string(6 * (ring + 1)));
}

TEST_F(OpeningTest, BoardShowsExactlyFiftyOneValues) {
  open();
  std::set<int> values;
  for (int i = 0; i < 85; ++i) values.insert(std::stoi(boardLabel(i).caption));
  const std::set<int> want{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17,
                           18, 19, 20, 21, 22, 24, 26, 27, 28, 30, 32, 33, 34, 36, 38, 39, 40,
                           42, 44, 45, 48, 50, 51, 52, 54, 56, 57, 60, 64, 68, 72, 76, 80, 100};
  EXPECT_EQ(want.size(), 51u);
  EXPECT_EQ(values, want);
  EXPECT_EQ(values.count(23), 0u);
  EXPECT_EQ(values.count(25), 0u);
}

TEST_F(OpeningTest, FortyIsOnLabelsTwentyFiveAndSeventyOneOnly) {
  open();
  std::vector<int> at;
  for (int i = 0; i < 85; ++i)
    if (boardLabel(i).caption == "40") at.push_back(i);
  EXPECT_EQ(at, (std::vector<int>{25, 71}));
}

TEST_F(OpeningTest, DoublesAreTheCentreAndTheSecondRingOnly) {
  open();
  for (int i = 0; i < 85; ++i) {
    const bool want = i == 0 || (i >= 25 && i <= 44);
    EXPECT_EQ(board::isDouble(i), want) << "label " << i;
  }
  // The second ring holds twice the values of the first.
  for (int j = 0; j < 20; ++j)
    EXPECT_EQ(std::stoi(boardLabel(25 + j).caption), 2 * std::stoi(boardLabel(5 + j).caption)) << "sector " << j;
}

TEST_F(OpeningTest, CentreOfTheBoard) {
  open();
  EXPECT_FLOAT_EQ(st().centrex, 6007.5f);
  EXPECT_FLOAT_EQ(st().centrey, 4560.0f);
  EXPECT_DOUBLE_EQ(st().ringunit, 600.0);
}

struct PlaceCase {
  int label;
  double left;
  double top;
};

void PrintTo(const PlaceCase& c, std::ostream* os) { *os << "label " << c.label; }

class BoardPlaceTest : public GameTest, public ::testing::WithParamInterface<PlaceCase> {};

TEST_P(BoardPlaceTest, LabelSitsAtItsRingAndAngle) {
  open();
  const PlaceCase c = GetParam();
  EXPECT_NEAR(boardLabel(c.label).left, c.left, 0.1) << "label " << c.label;
  EXPECT_NEAR(boardLabel(c.label).top, c.top, 0.1) << "label " << c.label;
}

INSTANTIATE_TEST_SUITE_P(Examples, BoardPlaceTest,
                         ::testing::Values(PlaceCase{1, 6396.4, 3683.6}, PlaceCase{5, 5760, 2820},
                                           PlaceCase{10, 7260, 4320}, PlaceCase{15, 5760, 5820},
                                           PlaceCase{65, 5760, 1020}, PlaceCase{80, 2460, 4320},
                                           PlaceCase{84, 4740.2, 1181.5}));

TEST_F(OpeningTest, EveryLabelOnItsRingAndAngle) {
  open();
  const double pi = 3.1415926535;
  for (int i = 1; i < 85; ++i) {
    double angle = 0;
    double ring = 0;
    if (i <= 4) {
      angle = 45.0 + 90.0 * (i - 1);
      ring = 1.5;
    } else {
      angle = 18.0 * ((i - 5) % 20);
      ring = 2.5 + (i - 5) / 20;
    }
    const double a = angle * pi / 180.0;
    EXPECT_NEAR(boardLabel(i).left, 5760 + 600 * ring * std::sin(a), 0.1) << "label " << i;
    EXPECT_NEAR(boardLabel(i).top, 4320 - 600 * ring * std::cos(a), 0.1) << "label " << i;
    EXPECT_DOUBLE_EQ(boardLabel(i).width, 495);
    EXPECT_DOUBLE_EQ(boardLabel(i).height, 480);
  }
}

TEST_F(OpeningTest, CentreLabelSizesItselfAndKeepsItsCorner) {
  open();
  EXPECT_TRUE(boardLabel(0).autosize);
  EXPECT_DOUBLE_EQ(boardLabel(0).left, 5760);
  EXPECT_DOUBLE_EQ(boardLabel(0).top, 4320);
}

TEST_F(OpeningTest, AllBoardLabelsVisibleAndGrey) {
  open();
  for (int i = 0; i < 85; ++i) {
    EXPECT_TRUE(boardLabel(i).visible) << "label " << i;
    EXPECT_EQ(boardLabel(i).fore, rgb(224, 224, 224)) << "label " << i;
  }
}

TEST_F(OpeningTest, ControlsShownAndHidden) {
  open();
  EXPECT_FALSE(st().Label5[0].visible) << "Target Score heading";
  EXPECT_FALSE(st().Label5[5].visible);
  EXPECT_EQ(st().Label5[5].caption, "5000");
  EXPECT_FALSE(st().Label5[6].visible) << "computer notice";
  for (int slot = 0; slot < 4; ++slot) EXPECT_FALSE(clockLabel(slot).visible) << "clock " << slot;
  EXPECT_FALSE(st().Label13.visible);
  EXPECT_FALSE(st().Label10.visible);
  for (int d = 0; d < 4; ++d) {
    EXPECT_FALSE(die(d).enabled) << "die " << d;
    EXPECT_EQ(die(d).caption, "") << "die " << d;
  }
  EXPECT_TRUE(st().Label3[2].enabled) << "Throw Dice";
  EXPECT_TRUE(st().Label11.visible);
  EXPECT_EQ(st().Label2.caption, "Blue to Play");
  EXPECT_EQ(st().Label2.fore, rgb(128, 128, 255));
  EXPECT_EQ(st().Label9.caption, "Sumdart");
  EXPECT_EQ(st().Label9.fore, rgb(192, 0, 192));
}

struct Box {
  const char* name;
  const Ctl* ctl;
  double left, top, width, height;
  Rgb fore;
};

TEST_F(OpeningTest, ControlsSitInTheirBoxesWithTheirColours) {
  open({.players = 4});
  const Rgb blueText = rgb(128, 128, 255);
  auto& s = st();
  const Box boxes[] = {
      {"Label2", &s.Label2, 4440, 0, 3180, 660, blueText},
      {"Label9", &s.Label9, 9000, 0, 2835, 660, rgb(192, 0, 192)},
      {"Throw Dice", &s.Label3[2], 120, 120, 2295, 495, blueText},
      {"New Game", &s.Label3[1], 9480, 8400, 2415, 495, blueText},
      {"Exit", &s.Label3[0], 60, 8400, 1695, 495, blueText},
      {"Cheat Chart", &s.Label14, 360, 1920, 1815, 375, blueText},
      {"die 0", &s.Label4[0], 720, 720, 495, 495, rgb(0, 0, 0)},
      {"die 1", &s.Label4[1], 1320, 720, 495, 495, rgb(0, 0, 0)},
      {"die 2", &s.Label4[2], 720, 1320, 495, 495, rgb(0, 0, 0)},
      {"die 3", &s.Label4[3], 1320, 1320, 495, 495, rgb(0, 0, 0)},
      {"Label11", &s.Label11, 120, 6240, 2655, 1935, rgb(255, 255, 0)},
      {"Label5(0)", &s.Label5[0], 9960, 4740, 1950, 360, blueText},
      {"Blue", &s.Label5[1], 9360, 5640, 1080, 360, blueText},
      {"Red", &s.Label5[2], 9360, 6240, 1080, 360, rgb(255, 0, 0)},
      {"Green", &s.Label5[3], 9240, 6840, 1200, 360, rgb(0, 255, 0)},
      {"Yellow", &s.Label5[4], 9120, 7440, 1320, 360, rgb(255, 255, 0)},
      {"Label5(5)", &s.Label5[5], 10575, 5100, 720, 360, blueText},
      {"Label5(6)", &s.Label5[6], 9000, 7080, 2850, 1200, rgb(255, 255, 0)},
      {"panel 1", &s.Label6[1], 10560, 5580, 1335, 495, rgb(255, 255, 255)},
      {"panel 2", &s.Label6[2], 10560, 6180, 1335, 495, rgb(255, 255, 255)},
      {"panel 3", &s.Label6[3], 10560, 6780, 1335, 495, rgb(0, 0, 0)},
      {"panel 4", &s.Label6[4], 10560, 7380, 1335, 495, rgb(0, 0, 0)},
      {"clock 0", &s.Label12[0], 4320, 8400, 975, 375, rgb(255, 255, 255)},
      {"clock 1", &s.Label12[1], 5400, 8400, 975, 375, rgb(255, 255, 255)},
      {"clock 2", &s.Label12[2], 6480, 8400, 975, 375, rgb(0, 0, 0)},
      {"clock 3", &s.Label12[3], 7560, 8400, 975, 375, rgb(0, 0, 0)},
      {"Label13", &s.Label13, 2760, 8280, 1560, 600, blueText},
      {"Label10", &s.Label10, 1830, 8460, 7560, 360, rgb(255, 255, 255)},
      {"Label1(0)", &s.Label1[0], 5760, 4320, 495, 480, rgb(224, 224, 224)},
  };
  for (const Box& b : boxes) {
    SCOPED_TRACE(b.name);
    EXPECT_DOUBLE_EQ(b.ctl->left, b.left);
    EXPECT_DOUBLE_EQ(b.ctl->top, b.top);
    EXPECT_DOUBLE_EQ(b.ctl->width, b.width);
    EXPECT_DOUBLE_EQ(b.ctl->height, b.height);
    EXPECT_EQ(b.ctl->fore, b.fore);
  }
  const Rgb panelBack[] = {rgb(0, 0, 255), rgb(255, 0, 0), rgb(0, 255, 0), rgb(255, 255, 0)};
  for (int n = 1; n <= 4; ++n) {
    EXPECT_EQ(panel(n).back, panelBack[n - 1]) << "panel " << n;
    EXPECT_EQ(clockLabel(n - 1).back, panelBack[n - 1]) << "clock " << n - 1;
  }
  for (int d = 0; d < 4; ++d) EXPECT_EQ(die(d).back, rgb(0, 0, 255)) << "die " << d;
  EXPECT_EQ(s.Label10.caption, "You made an illegal move. You have lost your turn.");
  EXPECT_EQ(s.Label5[6].caption, "The computer is playing as red.");
  EXPECT_EQ(s.Label11.caption, "Don't forget,    you must     finish with    a double!  ");
  EXPECT_EQ(s.Label3[0].caption, "Exit");
  EXPECT_EQ(s.Label3[1].caption, "New Game");
  EXPECT_EQ(s.Label3[2].caption, "Throw Dice");
  EXPECT_EQ(s.Label14.caption, "Cheat Chart");
}

TEST_F(OpeningTest, NewGameStartsWithEveryTimerStopped) {
  open();
  for (int t = 1; t <= 13; ++t) EXPECT_FALSE(timer(t).isActive()) << "Timer" << t;
  EXPECT_EQ(st().turncounter, -1);
  EXPECT_EQ(st().gameover, 0);
  EXPECT_EQ(st().bannerflashcount, 0);
  EXPECT_EQ(game->playerToMove(), 0);
  // Nothing happens on its own: a minute later Blue is still to play.
  clock.advance(60000);
  EXPECT_EQ(st().Label2.caption, "Blue to Play");
  EXPECT_TRUE(sound.played.empty());
}

TEST_F(OpeningTest, WithoutClocksNoClockIsShown) {
  open({.players = 4});
  for (int slot = 0; slot < 4; ++slot) EXPECT_FALSE(clockLabel(slot).visible);
  EXPECT_FALSE(st().Label13.visible);
}

TEST_F(OpeningTest, ClocksOfThePlayersInTheGameShowTheTimeAllowed) {
  open({.players = 3, .timeallowed = 300});
  for (int slot = 0; slot < 3; ++slot) {
    EXPECT_TRUE(clockLabel(slot).visible) << "clock " << slot;
    EXPECT_EQ(clockLabel(slot).caption, "300") << "clock " << slot;
  }
  EXPECT_FALSE(clockLabel(3).visible) << "Yellow is not playing";
  EXPECT_TRUE(st().Label13.visible);
  EXPECT_EQ(st().Label13.caption, "Seconds Remaining");
  EXPECT_FALSE(timer(7).isActive()) << "no clock runs before the first throw";
}

TEST_F(OpeningTest, RestoredGameHandsOverAtOnceToTheSavedPlayer) {
  m.restartgame = 1;
  m.savedturn = 4;  // three players: (4 + 1) mod 3 = Green to move
  m.savedscores = {0, 301, 250, 400, 501};
  m.savedclocks = {0, 2000, 2000, 2000, 2000};
  open({.players = 3});
  for (int n = 1; n <= 3; ++n) EXPECT_EQ(panel(n).caption, decimalText(m.savedscores[static_cast<std::size_t>(n)]));

  EXPECT_EQ(st().turncounter, 4);
  EXPECT_TRUE(timer(1).isActive());
  EXPECT_EQ(timer(1).interval(), 1);
  EXPECT_EQ(m.bluescore, 301);
  EXPECT_EQ(m.redscore, 250);
  EXPECT_EQ(m.greenscore, 400);

  clock.advance(1);
  EXPECT_EQ(st().Label2.caption, "Green to Play");
  EXPECT_EQ(st().Label2.fore, rgb(0, 255, 0));
  EXPECT_EQ(st().turncounter, 4);
  EXPECT_FALSE(timer(1).isActive());
  EXPECT_EQ(timer(1).interval(), 2000) << "later hand-overs wait two seconds";
  EXPECT_EQ(game->playerToMove(), 2);
}

TEST_F(OpeningTest, RestoredGameShowsTheSavedScoresOnThePanels) {
  m.restartgame = 1;
  m.savedturn = 1;
  m.savedscores = {0, 123, 45, 501, 501};
  m.savedclocks = {0, 2000, 2000, 2000, 2000};
  m.numberofplayers = 2;
  create();
  game->load();
  EXPECT_EQ(panel(1).caption, "123");
  EXPECT_EQ(panel(2).caption, "45");
}

TEST_F(OpeningTest, RestoredGameAgainstTheComputerThrowsForRedAtOnce) {
  m.restartgame = 1;
  m.savedturn = 0;  // (0 + 1) mod 2: Red, the computer, to move
  m.savedscores = {0, 401, 401, 501, 501};
  m.savedclocks = {0, 2000, 2000, 2000, 2000};
  random.pushThrow(5, 5, 4, 1);
  open({.players = 2, .computerlevel = 2});
  clock.advance(1);
  EXPECT_EQ(st().Label2.caption, "Red to Play");
  EXPECT_TRUE(timer(5).isActive()) << "the computer's dice are rolling";
  EXPECT_FALSE(st().Label3[2].enabled);
  EXPECT_EQ(sound.played, std::vector<std::string>{wav("cupdice")});
}

struct ThinkCase {
  int level;
  int timeallowed;
  double firstRnd;
  int interval;
};

void PrintTo(const ThinkCase& c, std::ostream* os) {
  *os << "level " << c.level << ", time " << c.timeallowed << ", rnd " << c.firstRnd;
}

class ComputerThinkingTimeTest : public GameTest, public ::testing::WithParamInterface<ThinkCase> {};

TEST_P(ComputerThinkingTimeTest, Timer6IntervalFromTheFirstDraw) {
  const ThinkCase c = GetParam();
  random.push(c.firstRnd);
  open({.players = 2, .timeallowed = c.timeallowed, .computerlevel = c.level});
  EXPECT_EQ(timer(6).interval(), c.interval);
  EXPECT_FALSE(timer(6).isActive());
}

INSTANTIATE_TEST_SUITE_P(Levels, ComputerThinkingTimeTest,
                         ::testing::Values(ThinkCase{1, 300, 0.5, 10500}, ThinkCase{2, 300, 0.5, 7000},
                                           ThinkCase{3, 300, 0.5, 3500}, ThinkCase{1, 300, 0.0, 3000},
                                           ThinkCase{1, 300, 0.99999, 17997}, ThinkCase{3, 300, 0.99999, 5999},
                                           ThinkCase{2, 60, 0.25, 4500},
                                           // Without clocks the design interval stays.
                                           ThinkCase{1, 0, 0.5, 1000}, ThinkCase{3, 0, 0.5, 1000}));

}  // namespace
}  // namespace sumdart::testing_game
