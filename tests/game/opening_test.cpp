// The game screen as it opens: the board numbers, their rings and places, the
// controls shown and hidden, the timers, clocks, a restored game and the
// computer's first thinking time.
#include "game/board.h"
#include "game_fixture.h"

namespace sumdart::testing_game {
namespace {

using OpeningTest = GameTest;

TEST_F(OpeningTest, BoardNumbersDoublesAndPlaces) {
  open();
  // Dartboard order clockwise from the top; rings of singles, doubles, trebles, quadruples.
  const int sectors[20] = {20, 1, 18, 4, 13, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11, 14, 9, 12, 5};
  std::vector<std::string> want{"100", "50", "50", "50", "50"};
  for (int ring = 1; ring <= 4; ++ring)
    for (int s : sectors) want.push_back(std::to_string(s * ring));
  for (int i = 0; i < 85; ++i) {
    SCOPED_TRACE(::testing::Message() << "label " << i);
    EXPECT_EQ(boardLabel(i).caption, want[static_cast<std::size_t>(i)]);
    EXPECT_EQ(board::isDouble(i), i == 0 || (i >= 25 && i <= 44));
    EXPECT_TRUE(boardLabel(i).visible);
    EXPECT_EQ(boardLabel(i).fore, kGrey);
    EXPECT_DOUBLE_EQ(boardLabel(i).width, 495);
    EXPECT_DOUBLE_EQ(boardLabel(i).height, 480);
  }
  // Corners of labels on each ring: the centre label's corner (5760, 4320) moved
  // 600 twips per ring unit (1.5 for the 50s, 2.5..5.5 for the rings of twenty).
  const struct {
    int label;
    double left, top;
  } places[] = {{0, 5760, 4320},  {1, 6396.4, 3683.6}, {3, 5123.6, 4956.4}, {5, 5760, 2820},
                {10, 7260, 4320}, {15, 5760, 5820},    {30, 7860, 4320},    {45, 5760, 1620},
                {65, 5760, 1020}, {80, 2460, 4320},    {84, 4740.2, 1181.5}};
  for (const auto& p : places) {
    EXPECT_NEAR(boardLabel(p.label).left, p.left, 0.1) << "label " << p.label;
    EXPECT_NEAR(boardLabel(p.label).top, p.top, 0.1) << "label " << p.label;
  }
  EXPECT_TRUE(boardLabel(0).autosize) << "the centre sizes itself, keeping its corner";
}

TEST_F(OpeningTest, ControlsTimersAndBannerAtTheStart) {
  open({.players = 4});
  EXPECT_FALSE(st().Label5[0].visible);
  EXPECT_FALSE(st().Label5[5].visible);
  EXPECT_FALSE(st().Label5[6].visible) << "computer notice";
  EXPECT_FALSE(st().Label10.visible);
  EXPECT_TRUE(st().Label11.visible);
  EXPECT_TRUE(st().Label3[2].enabled) << "Throw Dice";
  for (int d = 0; d < 4; ++d) EXPECT_FALSE(die(d).enabled || !die(d).caption.empty()) << "die " << d;
  const Rgb panelBack[] = {kBlue, kRed, kGreen, kYellow};
  for (int n = 1; n <= 4; ++n) {
    EXPECT_EQ(panel(n).back, panelBack[n - 1]) << "panel " << n;
    EXPECT_EQ(clockLabel(n - 1).back, panelBack[n - 1]) << "clock " << n - 1;
  }
  EXPECT_EQ(banner(), "Blue to Play");
  EXPECT_EQ(st().Label2.fore, kBlueText);
  EXPECT_EQ(st().Label9.fore, kTitle);
  for (int t = 1; t <= 13; ++t) EXPECT_FALSE(timer(t).isActive()) << "Timer" << t;
  EXPECT_EQ(st().turncounter, -1);
  EXPECT_EQ(game->playerToMove(), 0);
  clock.advance(60000);  // nothing happens on its own
  EXPECT_EQ(banner(), "Blue to Play");
  EXPECT_TRUE(sound.played.empty());
}

TEST_F(OpeningTest, ClocksShownOnlyForThePlayersAndOnlyWithTimeAllowed) {
  for (int time : {0, 300}) {
    SCOPED_TRACE(::testing::Message() << "time " << time);
    open({.players = 3, .timeallowed = time});
    for (int slot = 0; slot < 4; ++slot) {
      EXPECT_EQ(clockLabel(slot).visible, time != 0 && slot < 3) << "clock " << slot;
      EXPECT_TRUE(!clockLabel(slot).visible || clockLabel(slot).caption == "300") << "clock " << slot;
    }
    EXPECT_EQ(st().Label13.visible, time != 0);
    EXPECT_FALSE(timer(7).isActive()) << "no clock runs before the first throw";
  }
}

TEST_F(OpeningTest, RestoredGameHandsOverAtOnceToTheSavedPlayer) {
  m.restartgame = 1;
  m.savedturn = 4;  // three players: (4 + 1) mod 3 = Green to move
  m.savedscores = {0, 301, 250, 400, 501};
  m.savedclocks = {0, 120, 0, 90, 2000};
  open({.players = 3, .timeallowed = 300});
  EXPECT_EQ(m.redscore, 250);
  for (int n = 1; n <= 3; ++n) EXPECT_EQ(panel(n).caption, decimalText(m.score(n)));
  EXPECT_EQ(clockLabel(0).caption, "120");
  EXPECT_EQ(clockLabel(2).caption, "90");
  EXPECT_FALSE(panel(2).enabled) << "Red's clock had run out";
  EXPECT_TRUE(panel(3).enabled);
  EXPECT_TRUE(timer(1).isActive());
  EXPECT_EQ(timer(1).interval(), 1);

  clock.advance(1);
  EXPECT_EQ(banner(), "Green to Play");
  EXPECT_EQ(st().Label2.fore, kGreen);
  EXPECT_EQ(st().turncounter, 4);
  EXPECT_FALSE(timer(1).isActive());
  EXPECT_EQ(timer(1).interval(), 2000) << "later hand-overs wait two seconds";
}

TEST_F(OpeningTest, ComputerThinkingTimeFromTheFirstDraw) {
  const struct {
    int level, time;
    double rnd;
    int interval;
  } rows[] = {{1, 300, 0.5, 10500}, {2, 300, 0.5, 7000},    {3, 300, 0.5, 3500},
              {1, 300, 0.0, 3000},  {3, 60, 0.99999, 5999}, {3, 0, 0.5, 1000}};  // no clocks: 1000 stays
  for (const auto& r : rows) {
    random.push(r.rnd);
    open({.players = 2, .timeallowed = r.time, .computerlevel = r.level});
    EXPECT_EQ(timer(6).interval(), r.interval) << "level " << r.level << ", time " << r.time << ", rnd " << r.rnd;
    EXPECT_FALSE(timer(6).isActive());
    random.queue.clear();
  }
}

}  // namespace
}  // namespace sumdart::testing_game
