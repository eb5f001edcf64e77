// The end of a game: by a finish or by the clocks; the winner's banner, the
// flashing banner, the arrows and the silence after.
#include <climits>

#include "game_fixture.h"

namespace sumdart::testing_game {
namespace {

const Rgb kBlack = rgb(0, 0, 0);
const Rgb kWhite = rgb(255, 255, 255);
const Rgb kBlueText = rgb(128, 128, 255);
const Rgb kRed = rgb(255, 0, 0);

class EndTest : public GameTest {
 protected:
  // Records every change of the banner's text, with its colour at that moment.
  struct BannerChange {
    std::int64_t at;
    std::string text;
    Rgb fore;
  };
  void watchBanner() {
    game->changed = [this] {
      if (banner.empty() || banner.back().text != st().Label2.caption)
        banner.push_back({clock.now(), st().Label2.caption, st().Label2.fore});
    };
  }
  const BannerChange* firstBanner(const std::string& text) const {
    for (const auto& b : banner)
      if (b.text == text) return &b;
    return nullptr;
  }

  std::vector<BannerChange> banner;
};

TEST_F(EndTest, BothClocksOutWithEqualTargetsIsADraw) {
  open({.players = 2, .timeallowed = 5});
  watchBanner();
  ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));
  ASSERT_NO_FATAL_FAILURE(runOutOfTime());
  ASSERT_NO_FATAL_FAILURE(handOver());
  ASSERT_EQ(st().Label2.caption, "Red to Play");
  ASSERT_EQ(st().gameover, 0);
  ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));
  ASSERT_NO_FATAL_FAILURE(runOutOfTime());
  EXPECT_EQ(count(wav("gong")), 2);

  clock.advance(2000);
  EXPECT_EQ(st().Label2.caption, "GAME OVER!!!");
  EXPECT_EQ(st().gameover, 5);
  const BannerChange* over = firstBanner("GAME OVER!!!");
  ASSERT_NE(over, nullptr);
  EXPECT_FALSE(timer(1).isActive());
  EXPECT_TRUE(timer(3).isActive());
  EXPECT_TRUE(timer(11).isActive());
  EXPECT_TRUE(timer(13).isActive());

  clock.advance(2001);
  EXPECT_EQ(st().Label2.caption, "IT'S A DRAW!");
  EXPECT_EQ(st().gameover, 5);
  const BannerChange* draw = firstBanner("IT'S A DRAW!");
  ASSERT_NE(draw, nullptr);
  EXPECT_EQ(draw->at, over->at + 2000);
  EXPECT_EQ(draw->fore, kBlack);
  clock.advance(20000);
  EXPECT_EQ(st().Label2.caption, "IT'S A DRAW!");
  EXPECT_EQ(st().Label2.fore, kWhite) << "a draw flashes to white and stays white";
  EXPECT_EQ(count(wav("arrow")), 3);
  EXPECT_EQ(m.soundon, 0);
}

TEST_F(EndTest, BothClocksOutLowerTargetWins) {
  open({.players = 2, .timeallowed = 5});
  watchBanner();
  ASSERT_NO_FATAL_FAILURE(turn(1, 1, 1, 1, 6));  // Blue 500
  ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));
  ASSERT_NO_FATAL_FAILURE(runOutOfTime());  // Red
  ASSERT_NO_FATAL_FAILURE(handOver());
  ASSERT_EQ(st().Label2.caption, "Blue to Play");
  ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));
  ASSERT_NO_FATAL_FAILURE(runOutOfTime());  // Blue
  clock.advance(2000);
  EXPECT_EQ(st().Label2.caption, "GAME OVER!!!");
  clock.advance(2001);
  EXPECT_EQ(st().Label2.caption, "BLUE HAS WON!");
  EXPECT_EQ(st().gameover, 1);
}

TEST_F(EndTest, SurvivorPlaysOnAloneAndCanStillFinish) {
  open({.players = 2, .timeallowed = 5, .soundon = 0});
  setScore(2, 42);
  ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));
  ASSERT_NO_FATAL_FAILURE(runOutOfTime());  // Blue
  ASSERT_NO_FATAL_FAILURE(handOver());
  for (int i = 0; i < 2; ++i) {
    ASSERT_EQ(st().Label2.caption, "Red to Play");
    ASSERT_NO_FATAL_FAILURE(turn(1, 1, 1, 1, 6));
  }
  ASSERT_EQ(st().Label2.caption, "Red to Play");
  ASSERT_NO_FATAL_FAILURE(throwDice(5, 4, 2, 1));
  click(25);
  EXPECT_EQ(m.redscore, 0);
  EXPECT_EQ(st().gameover, 2);
  clock.advance(4001);
  EXPECT_EQ(st().Label2.caption, "RED HAS WON!");
}

TEST_F(EndTest, ThreePlayersAllOutRedWithTheLowestTargetWins) {
  open({.players = 3, .timeallowed = 5});
  watchBanner();
  ASSERT_NO_FATAL_FAILURE(turn(1, 1, 1, 1, 6));  // Blue 500
  ASSERT_NO_FATAL_FAILURE(turn(5, 5, 4, 1, 0));  // Red 401
  ASSERT_NO_FATAL_FAILURE(turn(5, 5, 2, 1, 1));  // Green 451
  ASSERT_EQ(st().Label2.caption, "Blue to Play");
  for (const char* next : {"Red to Play", "Green to Play"}) {
    ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));
    ASSERT_NO_FATAL_FAILURE(runOutOfTime());
    ASSERT_NO_FATAL_FAILURE(handOver());
    ASSERT_EQ(st().Label2.caption, next);
    ASSERT_EQ(st().gameover, 0);
  }
  ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));
  ASSERT_NO_FATAL_FAILURE(runOutOfTime());  // Green, the last one with time
  clock.advance(2000);
  EXPECT_EQ(st().Label2.caption, "GAME OVER!!!");
  EXPECT_EQ(st().gameover, 5);
  clock.advance(2001);
  EXPECT_EQ(st().Label2.caption, "RED HAS WON!");
  EXPECT_EQ(st().gameover, 2);
  const BannerChange* won = firstBanner("RED HAS WON!");
  ASSERT_NE(won, nullptr);
  EXPECT_EQ(won->fore, kRed);
  EXPECT_EQ(m.bluescore, 500);
  EXPECT_EQ(m.redscore, 401);
  EXPECT_EQ(m.greenscore, 451);
}

TEST_F(EndTest, SoloPlayerOutOfTime) {
  open({.players = 1, .timeallowed = 5});
  watchBanner();
  ASSERT_NO_FATAL_FAILURE(throwDice(1, 1, 1, 1));
  ASSERT_NO_FATAL_FAILURE(runOutOfTime());
  clock.advance(2000);
  EXPECT_EQ(st().Label2.caption, "OUT OF TIME!");
  EXPECT_EQ(st().Label2.fore, kBlueText);
  EXPECT_EQ(st().gameover, 1);
  EXPECT_FALSE(timer(1).isActive());
  EXPECT_FALSE(timer(11).isActive()) << "no winner is named";
  EXPECT_TRUE(timer(3).isActive());
  EXPECT_TRUE(timer(13).isActive());

  clock.advance(60000);
  EXPECT_EQ(st().Label2.caption, "OUT OF TIME!");
  for (const auto& b : banner) EXPECT_EQ(b.text.find("WON"), std::string::npos) << b.text;
  EXPECT_EQ(firstBanner("GAME OVER!!!"), nullptr);
  EXPECT_EQ(count(wav("arrow")), 3);
  EXPECT_EQ(m.soundon, 0);
  // The banner flashes white and Blue's colour.
  const Rgb a = st().Label2.fore;
  clock.advance(250);
  const Rgb b = st().Label2.fore;
  EXPECT_NE(a, b);
  EXPECT_TRUE((a == kWhite && b == kBlueText) || (a == kBlueText && b == kWhite)) << a << " " << b;
}

TEST_F(EndTest, GameOverStopsThrowDiceAndKeepsTheDice) {
  open({.players = 2, .target = 40});
  ASSERT_NO_FATAL_FAILURE(throwDice(5, 4, 2, 1));
  click(25);
  EXPECT_EQ(st().Label2.caption, "GAME OVER!!!");
  EXPECT_EQ(st().gameover, 1);
  EXPECT_FALSE(st().Label3[2].enabled);
  EXPECT_TRUE(die(0).enabled);
  EXPECT_TRUE(timer(3).isActive());
  EXPECT_TRUE(timer(11).isActive());
  EXPECT_TRUE(timer(13).isActive());
  clock.advance(10000);
  EXPECT_FALSE(st().Label3[2].enabled);
  EXPECT_EQ(st().gameover, 1);
  EXPECT_EQ(st().Label2.caption, "BLUE HAS WON!");
  EXPECT_EQ(die(2).caption, "2");
}

TEST_F(EndTest, ArrowsAreThreeThenSoundIsOff) {
  open({.players = 2, .target = 40});
  ASSERT_NO_FATAL_FAILURE(throwDice(5, 4, 2, 1));
  const std::size_t before = sound.played.size();
  click(25);
  EXPECT_EQ(soundsSince(before), std::vector<std::string>{wav("archer")});
  clock.advance(1);
  EXPECT_EQ(count(wav("arrow")), 1) << "the first arrow at once";
  clock.advance(1200);
  EXPECT_EQ(count(wav("arrow")), 2);
  clock.advance(10000);
  EXPECT_EQ(count(wav("arrow")), 3);
  EXPECT_EQ(m.soundon, 0);
  EXPECT_FALSE(timer(13).isActive());
  EXPECT_EQ(st().arrowcount, 0);
  game->label14Click();
  game->label3Click(1);
  EXPECT_EQ(soundsSince(before),
            (std::vector<std::string>{wav("archer"), wav("arrow"), wav("arrow"), wav("arrow")}));
}

// However long the end screen stays open, the flash count neither overflows nor
// loses its rhythm, and the game stays silent.
TEST_F(EndTest, BannerFlashCountNeverOverflows) {
  open({.players = 2, .target = 40});
  ASSERT_NO_FATAL_FAILURE(throwDice(5, 4, 2, 1));
  click(25);
  clock.advance(5000);
  ASSERT_EQ(st().Label2.caption, "BLUE HAS WON!");

  int lowest = INT_MAX;
  int highest = INT_MIN;
  int changes = 0;
  int rhythmBreaks = 0;
  int previous = st().bannerflashcount;
  game->changed = [&] {
    const int now = st().bannerflashcount;
    if (now == previous) return;
    ++changes;
    lowest = std::min(lowest, now);
    highest = std::max(highest, now);
    if ((now - previous) % 2 == 0) ++rhythmBreaks;  // parity must alternate tick by tick
    previous = now;
  };
  clock.advance(3LL * 3600 * 1000);  // three hours of virtual time
  game->changed = nullptr;

  EXPECT_GE(changes, 3 * 3600 * 4 - 1) << "Timer3 ticks every 250 ms for good";
  EXPECT_GT(lowest, 15) << "once past 15 the count stays past 15";
  EXPECT_LT(highest, 1000) << "the count stays small";
  EXPECT_EQ(rhythmBreaks, 0);
  EXPECT_EQ(m.soundon, 0);
  EXPECT_TRUE(timer(3).isActive());

  // The banner still alternates white and Blue's colour with the count's parity.
  clock.advance(100);
  for (int k = 0; k < 6; ++k) {
    const int n = st().bannerflashcount;
    EXPECT_GT(n, 0);
    EXPECT_EQ(st().Label2.fore, n % 2 == 1 ? kWhite : kBlueText) << "count " << n;
    clock.advance(250);
    EXPECT_NE(st().bannerflashcount % 2, n % 2);
  }
  EXPECT_EQ(st().Label2.caption, "BLUE HAS WON!");
  EXPECT_EQ(count(wav("arrow")), 3);
}

TEST_F(EndTest, NewGameAndExitStillWorkAfterTheEnd) {
  open({.players = 2, .target = 40});
  ASSERT_NO_FATAL_FAILURE(throwDice(5, 4, 2, 1));
  click(25);
  clock.advance(10000);
  game->label3Click(1);
  game->label3Click(0);
  EXPECT_EQ(host.newGames, 1);
  EXPECT_EQ(host.exits, 1);
}

}  // namespace
}  // namespace sumdart::testing_game
