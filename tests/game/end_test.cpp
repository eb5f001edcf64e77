// The end of a game: by a finish or by the clocks; the winner's banner, the
// flashing banner, the arrows and the silence after.
#include <climits>
#include <map>
#include <utility>

#include "game_fixture.h"

namespace sumdart::testing_game {
namespace {

class EndTest : public GameTest {
 protected:
  // Records when each banner text first appears, with its colour then.
  void watchBanner() {
    game->changed = [this] { seen.try_emplace(banner(), clock.now(), st().Label2.fore); };
  }
  // The player to move lets the clock run out; the hand-over follows.
  void timeOut() {
    ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));
    ASSERT_NO_FATAL_FAILURE(runOutOfTime());
    clock.advance(2000);
  }
  // Blue finishes on double 20 from 40.
  void blueFinishes() {
    open({.players = 2, .target = 40});
    ASSERT_NO_FATAL_FAILURE(throwDice(5, 4, 2, 1));
    click(25);
  }
  std::map<std::string, std::pair<std::int64_t, Rgb>> seen;
};

TEST_F(EndTest, BothClocksOutWithEqualTargetsIsADraw) {
  open({.players = 2, .timeallowed = 5});
  watchBanner();
  ASSERT_NO_FATAL_FAILURE(timeOut());
  ASSERT_EQ(banner(), "Red to Play");
  ASSERT_NO_FATAL_FAILURE(timeOut());
  EXPECT_EQ(count(wav("gong")), 2);
  EXPECT_EQ(banner(), "GAME OVER!!!");
  EXPECT_EQ(st().gameover, 5);
  EXPECT_FALSE(timer(1).isActive());
  for (int t : {3, 11, 13}) EXPECT_TRUE(timer(t).isActive()) << "Timer" << t;
  clock.advance(2001);
  EXPECT_EQ(banner(), "IT'S A DRAW!");
  EXPECT_EQ(st().gameover, 5);
  ASSERT_EQ(seen.count("IT'S A DRAW!"), 1u);
  EXPECT_EQ(seen["IT'S A DRAW!"].first, seen["GAME OVER!!!"].first + 2000);
  EXPECT_EQ(seen["IT'S A DRAW!"].second, kBlack);
  clock.advance(20000);
  EXPECT_EQ(banner(), "IT'S A DRAW!");
  EXPECT_EQ(st().Label2.fore, kWhite) << "a draw flashes to white and stays white";
  EXPECT_EQ(count(wav("arrow")), 3);
}

TEST_F(EndTest, ThreePlayersAllOutTheLowestTargetWins) {
  open({.players = 3, .timeallowed = 5});
  watchBanner();
  ASSERT_NO_FATAL_FAILURE(turn(1, 1, 1, 1, 6));  // Blue 500
  ASSERT_NO_FATAL_FAILURE(turn(5, 5, 4, 1, 0));  // Red 401
  ASSERT_NO_FATAL_FAILURE(turn(5, 5, 2, 1, 1));  // Green 451
  for (const char* next : {"Red to Play", "Green to Play", "GAME OVER!!!"}) {
    ASSERT_NO_FATAL_FAILURE(timeOut());
    ASSERT_EQ(banner(), next);
  }
  EXPECT_EQ(st().gameover, 5);
  clock.advance(2001);
  EXPECT_EQ(banner(), "RED HAS WON!");
  EXPECT_EQ(st().gameover, 2);
  EXPECT_EQ(seen["RED HAS WON!"].second, kRed);
  EXPECT_EQ(scores(3), (std::vector<int>{500, 401, 451}));
}

TEST_F(EndTest, SoloPlayerOutOfTime) {
  open({.players = 1, .timeallowed = 5});
  watchBanner();
  ASSERT_NO_FATAL_FAILURE(timeOut());
  EXPECT_EQ(banner(), "OUT OF TIME!");
  EXPECT_EQ(st().Label2.fore, kBlueText);
  EXPECT_EQ(st().gameover, 1);
  EXPECT_FALSE(timer(1).isActive());
  EXPECT_FALSE(timer(11).isActive()) << "no winner is named";
  EXPECT_TRUE(timer(3).isActive());
  EXPECT_TRUE(timer(13).isActive());
  clock.advance(60000);
  EXPECT_EQ(banner(), "OUT OF TIME!");
  EXPECT_EQ(seen.size(), 2u) << "only \"Blue to Play\" and \"OUT OF TIME!\": no winner, no GAME OVER";
  EXPECT_EQ(count(wav("arrow")), 3);
  const Rgb a = st().Label2.fore;
  clock.advance(250);
  const Rgb b = st().Label2.fore;
  EXPECT_TRUE((a == kWhite && b == kBlueText) || (a == kBlueText && b == kWhite)) << a << " " << b;
}

TEST_F(EndTest, ThreeArrowsThenSilence) {
  ASSERT_NO_FATAL_FAILURE(blueFinishes());
  const std::size_t atFinish = sound.played.size();
  clock.advance(1);
  EXPECT_EQ(count(wav("arrow")), 1) << "the first arrow at once";
  clock.advance(1199);
  EXPECT_EQ(count(wav("arrow")), 1);
  clock.advance(1);
  EXPECT_EQ(count(wav("arrow")), 2);
  for (int i = 0; i < 5000 && count(wav("arrow")) < 3; ++i) clock.advance(1);
  EXPECT_EQ(m.soundon, 0) << "silent from the third arrow on";
  EXPECT_FALSE(timer(13).isActive());
  EXPECT_EQ(st().arrowcount, 0);
  game->label14Click();
  game->label3Click(1);
  game->label3Click(0);
  clock.advance(10000);
  EXPECT_EQ(soundsSince(atFinish), std::vector<std::string>(3, wav("arrow")));
  EXPECT_EQ(host.newGames + host.exits, 2) << "New Game and Exit still work";
}

// However long the end screen stays open, the flash count neither overflows nor
// loses its rhythm, and the game stays silent.
TEST_F(EndTest, BannerFlashCountNeverOverflows) {
  ASSERT_NO_FATAL_FAILURE(blueFinishes());
  clock.advance(5000);
  ASSERT_EQ(banner(), "BLUE HAS WON!");
  int lowest = INT_MAX, highest = INT_MIN, changes = 0, rhythmBreaks = 0, wrongColours = 0;
  int previous = st().bannerflashcount;
  game->changed = [&] {
    const int now = st().bannerflashcount;
    if (now == previous) return;
    ++changes;
    lowest = std::min(lowest, now);
    highest = std::max(highest, now);
    rhythmBreaks += (now - previous) % 2 == 0;  // parity must alternate tick by tick
    wrongColours += st().Label2.fore != (now % 2 == 1 ? kWhite : kBlueText);
    previous = now;
  };
  clock.advance(3LL * 3600 * 1000);  // three hours of virtual time
  EXPECT_GE(changes, 3 * 3600 * 4 - 1) << "the banner flashes every 250 ms for good";
  EXPECT_GT(lowest, 15) << "once past 15 the count stays past 15";
  EXPECT_LT(highest, 1000) << "the count stays small";
  EXPECT_EQ(rhythmBreaks, 0);
  EXPECT_EQ(wrongColours, 0) << "white on odd counts, Blue's colour on even ones";
  EXPECT_EQ(banner(), "BLUE HAS WON!");
  EXPECT_EQ(count(wav("arrow")), 3);
}

}  // namespace
}  // namespace sumdart::testing_game
