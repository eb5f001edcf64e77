// The timed events of a turn: the dice reveal, the clocks, and the flashes that
// mark a move. Virtual time only.
#include "game_fixture.h"

namespace sumdart::testing_game {
namespace {

using TimingTest = GameTest;

// A throw reseeds once from the time of day and draws each die Int(Rnd x 100) times,
// keeping the last draw. Then the dice flicker every 5 ms and settle one by one,
// 250 ms apart. Sound on gives the dice cup time to rattle; sound off is quicker.
TEST_F(TimingTest, DiceAreDrawnThenFlickerAndSettleOneByOne) {
  const struct { int soundOn, flickerStart, firstSettle; } rows[] = {{1, 1200, 1500}, {0, 100, 300}};
  for (const auto& r : rows) {
    SCOPED_TRACE(::testing::Message() << "soundOn " << r.soundOn);
    open({.players = 2, .soundOn = r.soundOn});
    clock.advance(12345);  // the player takes a while before throwing
    day.seconds = 45296;
    random.seeds.clear();
    // Die 0: 3 repetitions 2, 5, 4 -> 4; die 1: none, never thrown -> 1; die 2: 1 repetition -> 6;
    // die 3: 2 repetitions 1, 3 -> 3. Then two flickers, the first at the edges of the range.
    random.queue = {0.035, 1.5 / 6, 4.5 / 6, 3.5 / 6, 0.0, 0.015, 5.5 / 6, 0.025, 0.5 / 6, 2.5 / 6,
                    0.0,   0.999999, 0.5, 1.5 / 6, 0.5, 0.5, 0.5, 0.5};
    game->throwDice();
    const std::int64_t t0 = clock.now();
    const auto at = [&](std::int64_t ms) { clock.advance(t0 + ms - clock.now()); return faces(); };
    const int f = r.flickerStart;
    EXPECT_EQ((std::vector<std::string>{at(f - 1), at(f), at(f + 4), at(f + 5)}),
              (std::vector<std::string>{"", "1642", "1642", "4444"}));
    for (int d = 0; d < 4; ++d) {
      const int settle = r.firstSettle + 250 * d;
      at(settle - 1);
      EXPECT_EQ(st().diceShown, d) << "die " << d;
      expectNothingFrom([&] { click(6); });  // the board is shut until the last die settles
      at(settle + 20);  // four flickers later the settled dice still show their throw
      EXPECT_EQ(faces().substr(0, d + 1), std::string("4163").substr(0, d + 1));
    }
    EXPECT_EQ(random.seeds, std::vector<double>{45296}) << "one reseed, none in the animation";
    EXPECT_EQ(activeTimers(), "") << "no clocks, no computer";
  }
}

// Each flash after a move: ten ticks alternating two colours, then it stops, its
// count back to 0 and its first delay restored, so the next flash runs the same.
TEST_F(TimingTest, FlashesAfterAMove) {
  const struct {
    Timer& (*flash)(GameScreen&);
    int remaining, dice[4], label, firstTick, period;
    std::int16_t GameState::*count;
    std::function<bool(bool odd)> shows;  // the flash's colours on an odd or even tick
  } rows[] = {
      {[](GameScreen& g) -> Timer& { return g.cellFlash; }, 501, {5, 2, 1, 1}, 11, 200, 200, &GameState::clickFlashCount,  // the clicked number
       [this](bool odd) { return boardLabel(11).fore == (odd ? kBlack : kWhite) && boardLabel(12).fore == kGrey; }},
      {[](GameScreen& g) -> Timer& { return g.titleFlash; }, 501, {5, 4, 3, 1}, 45, 250, 250, &GameState::titleFlashCount,  // the title, for 50 or more
       [this](bool odd) { return st().gameTitle.fore == (odd ? kYellow : kTitle); }},
      {[](GameScreen& g) -> Timer& { return g.doublesFlash; }, 40, {5, 4, 2, 1}, 71, 1, 250, &GameState::doubleFlashCount,  // the doubles ring and the reminder, on a bust
       [this](bool odd) {
         return st().doubleReminder.fore == (odd ? kBlack : kYellow) && boardLabel(25).fore == (odd ? kRed : kGrey) &&
                boardLabel(44).fore == boardLabel(25).fore && boardLabel(45).fore == kGrey;
       }},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(::testing::Message() << "first tick " << r.firstTick);
    open();
    setScore(1, r.remaining);
    ASSERT_NO_FATAL_FAILURE(throwDice(r.dice[0], r.dice[1], r.dice[2], r.dice[3]));
    click(r.label);
    clock.advance(r.firstTick);
    for (int k = 1; k <= 10; ++k, clock.advance(r.period))
      EXPECT_TRUE(r.shows(k % 2 == 1) && r.flash(*game).isActive() == (k < 10)) << "tick " << k;
    clock.advance(5000);
    EXPECT_TRUE(r.shows(false)) << "after the flash";
    EXPECT_EQ(r.flash(*game).interval(), r.firstTick);
    EXPECT_EQ(st().*r.count, 0);
  }
}

}  // namespace
}  // namespace sumdart::testing_game
