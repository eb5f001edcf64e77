// The timed events of a turn: the dice reveal, the clocks, and the flashes that
// mark a move. Virtual time only.
#include <functional>

#include "game_fixture.h"

namespace sumdart::testing_game {
namespace {

using TimingTest = GameTest;

TEST_F(TimingTest, DiceFlickerThenSettleOneByOne) {
  // Sound on gives the dice cup time to rattle; sound off is quicker.
  const struct {
    int soundon;
    std::int64_t flickerStart, settles[4];
  } rows[] = {{1, 1200, {1500, 1750, 2000, 2250}}, {0, 100, {300, 550, 800, 1050}}};
  for (const auto& r : rows) {
    SCOPED_TRACE(::testing::Message() << "soundon " << r.soundon);
    open({.players = 2, .soundon = r.soundon});
    clock.advance(12345);  // the player takes a while before throwing
    const std::int64_t t0 = clock.now();
    std::vector<std::int64_t> settled;
    std::int64_t flickerStart = -1, flickerStop = -1;
    std::string firstFaces, badFace;
    int flickerTicks = 0;
    game->changed = [&] {
      const std::int64_t at = clock.now() - t0;
      if (flickerStart < 0 && die(3).enabled) {
        flickerStart = at;
        for (int d = 0; d < 4; ++d) firstFaces += die(d).caption;
      }
      while (static_cast<int>(settled.size()) < st().diceshown) settled.push_back(at);
      for (int d = 0; d < 4; ++d) {
        const std::string& face = die(d).caption;
        if (d < st().diceshown ? face != decimalText(st().dice[static_cast<std::size_t>(d)])
                               : (face.size() != 1 || face[0] < '1' || face[0] > '6'))
          badFace = "die " + std::to_string(d) + " at " + std::to_string(at) + ": '" + face + "'";
      }
      flickerTicks += st().diceshown < 4;
      if (flickerStop < 0 && settled.size() == 4 && !timer(8).isActive()) flickerStop = at;
    };
    throwOnly(3, 1, 6, 2);
    random.push({0.0, 0.999999, 0.5, 1.5 / 6});  // the first flicker: the edges of the range
    clock.advance(5000);
    EXPECT_EQ(flickerStart, r.flickerStart);
    EXPECT_EQ(firstFaces, "1642");
    EXPECT_EQ(settled, (std::vector<std::int64_t>(std::begin(r.settles), std::end(r.settles))));
    EXPECT_GE(flickerStop, r.settles[3]) << "the flicker stops on its first tick after the last settle";
    EXPECT_LE(flickerStop, r.settles[3] + 5);
    EXPECT_GT(flickerTicks, 100) << "the dice flicker every 5 ms";
    EXPECT_EQ(badFace, "");
    EXPECT_EQ(die(0).caption + die(1).caption + die(2).caption + die(3).caption, "3162");
    for (int t : {5, 6, 7, 8}) EXPECT_FALSE(timer(t).isActive()) << "Timer" << t << ": no clocks, no computer";
  }
}

TEST_F(TimingTest, ClockRunsOnlyDuringTheMove) {
  open({.players = 2, .timeallowed = 300});
  for (int round = 1; round <= 2; ++round) {
    clock.advance(5000);  // before Throw Dice: not counted
    throwOnly(1, 1, 1, 1);
    EXPECT_FALSE(timer(7).isActive()) << "not during the animation";
    ASSERT_NO_FATAL_FAILURE(reveal());
    clock.advance(10000);  // Blue thinks
    click(6);
    EXPECT_FALSE(timer(7).isActive());
    EXPECT_EQ(clockLabel(0).caption, decimalText(300 - 10 * round));
    ASSERT_NO_FATAL_FAILURE(handOver());
    ASSERT_NO_FATAL_FAILURE(turn(1, 1, 1, 1, 6));  // Red clicks at once
    EXPECT_EQ(clockLabel(1).caption, "300");
  }
}

TEST_F(TimingTest, ClockRunningOutDropsThePlayerWithAGong) {
  open({.players = 2, .timeallowed = 5});
  throwOnly(1, 1, 1, 1);
  for (int i = 0; i < 5000 && timer(5).isActive(); ++i) clock.advance(1);  // the last die has just settled
  const std::size_t before = sound.played.size();
  clock.advance(4999);
  EXPECT_EQ(clockLabel(0).caption, "1");
  EXPECT_TRUE(panel(1).enabled);
  clock.advance(1);
  EXPECT_EQ(clockLabel(0).caption, "0");
  EXPECT_FALSE(panel(1).enabled);
  EXPECT_EQ(soundsSince(before), std::vector<std::string>{wav("gong")});
  EXPECT_FALSE(timer(7).isActive());
  EXPECT_EQ(st().turncounter, -1) << "no move was made";
  ASSERT_NO_FATAL_FAILURE(handOver());
  EXPECT_EQ(banner(), "Red to Play");
  EXPECT_EQ(m.bluescore, 501);
}

// Each flash after a move: ten ticks alternating two colours, then it stops.
TEST_F(TimingTest, FlashesAfterAMove) {
  const struct {
    const char* name;
    int timerNo, remaining, dice[4], label, firstTick, period;
    std::int16_t Glim1State::*count;
    std::function<bool(bool odd)> shows;  // the flash's colours on an odd or even tick
  } rows[] = {
      {"clicked number", 9, 501, {5, 2, 1, 1}, 11, 200, 200, &Glim1State::clickflashcount,
       [this](bool odd) { return boardLabel(11).fore == (odd ? kBlack : kWhite) && boardLabel(12).fore == kGrey; }},
      {"title", 2, 501, {5, 4, 3, 1}, 45, 250, 250, &Glim1State::titleflashcount,
       [this](bool odd) { return st().Label9.fore == (odd ? kYellow : kTitle); }},
      {"doubles ring and reminder", 10, 40, {5, 4, 2, 1}, 71, 1, 250, &Glim1State::doubleflashcount,
       [this](bool odd) {
         bool ok = st().Label11.fore == (odd ? kBlack : kYellow) && boardLabel(5).fore == kGrey &&
                   boardLabel(45).fore == kGrey;
         for (int i = 25; i <= 44; ++i) ok = ok && boardLabel(i).fore == (odd ? kRed : kGrey);
         return ok;
       }},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    open();
    setScore(1, r.remaining);
    ASSERT_NO_FATAL_FAILURE(throwDice(r.dice[0], r.dice[1], r.dice[2], r.dice[3]));
    click(r.label);
    ASSERT_TRUE(timer(r.timerNo).isActive());
    EXPECT_EQ(timer(r.timerNo).interval(), r.firstTick);
    clock.advance(r.firstTick);
    for (int k = 1; k <= 10; ++k) {
      EXPECT_TRUE(r.shows(k % 2 == 1)) << "tick " << k;
      EXPECT_EQ(timer(r.timerNo).isActive(), k < 10) << "tick " << k;
      if (k < 10) clock.advance(r.period);
    }
    clock.advance(5000);
    EXPECT_TRUE(r.shows(false)) << "after the flash";
    EXPECT_EQ(timer(r.timerNo).interval(), r.firstTick) << "the next flash starts as this one did";
    EXPECT_EQ(st().*r.count, 0);
  }
}

}  // namespace
}  // namespace sumdart::testing_game
