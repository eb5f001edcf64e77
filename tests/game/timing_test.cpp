// The timed events of a turn: the dice reveal, the clocks, and the flashes that
// mark a move. Virtual time only.
#include "game_fixture.h"

namespace sumdart::testing_game {
namespace {

using TimingTest = GameTest;

// A throw reseeds once from the time of day. Then the dice flicker every 5 ms
// and settle one by one, 250 ms apart. Sound on gives the dice cup time to
// rattle; sound off is quicker.
TEST_F(TimingTest, DiceAreDrawnThenFlickerAndSettleOneByOne) {
  const struct { int soundOn, flickerStart, firstSettle; } rows[] = {{1, 1200, 1500}, {0, 100, 300}};
  for (const auto& r : rows) {
    SCOPED_TRACE(::testing::Message() << "soundOn " << r.soundOn);
    open({.players = 2, .soundOn = r.soundOn});
    clock.advance(12345);  // the player takes a while before throwing
    day.seconds = 45296;
    random.seeds.clear();
    throwOnly(4, 1, 6, 3);
    const std::int64_t t0 = clock.now();
    const auto at = [&](std::int64_t ms) { clock.advance(t0 + ms - clock.now()); return faces(); };
    const int f = r.flickerStart;
    EXPECT_EQ(at(f - 1), "");
    EXPECT_EQ(at(f).size(), 4u) << "all four flicker";
    for (int d = 0; d < 4; ++d) random.push(0.99);
    EXPECT_EQ(at(f + 5), "6666") << "and flicker again 5 ms later";
    for (int d = 0; d < 4; ++d) {
      const int settle = r.firstSettle + 250 * d;
      at(settle - 1);
      expectNothingFrom([&] { click(6); });  // the board is shut until the last die settles
      at(settle + 20);  // four flickers later the settled dice still show their throw
      EXPECT_EQ(faces().substr(0, d + 1), std::string("4163").substr(0, d + 1));
    }
    EXPECT_EQ(random.seeds, std::vector<double>{45296}) << "one reseed, none in the animation";
    EXPECT_EQ(game->pending(), std::vector<std::string>{}) << "no clocks, no computer";
  }
}

// Each flash after a move: ten ticks alternating two colours, then it stops,
// and the next move's flash runs the same.
TEST_F(TimingTest, FlashesAfterAMove) {
  const struct {
    const char* timer;
    int target, dice[4], label, firstTick, period;
    std::function<bool(bool odd)> shows;  // the flash's colours on an odd or even tick
  } rows[] = {
      {"cellFlash", 501, {5, 2, 1, 1}, 11, 200, 200,  // the clicked number
       [this](bool odd) { return cell(11).fore == (odd ? kBlack : kWhite) && cell(12).fore == kGrey; }},
      {"titleFlash", 501, {5, 4, 3, 1}, 45, 250, 250,  // the title, for 50 or more
       [this](bool odd) { return rec().gameTitle.fore == (odd ? kYellow : kTitle); }},
      {"doublesFlash", 40, {5, 4, 2, 1}, 71, 1, 250,  // the doubles ring and the reminder, on a bust
       [this](bool odd) {
         return rec().doubleReminder.fore == (odd ? kBlack : kYellow) && cell(25).fore == (odd ? kRed : kGrey) &&
                cell(44).fore == cell(25).fore && cell(45).fore == kGrey && cell(0).fore == kGrey;
       }},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.timer);
    open({.target = r.target});
    for (const char* player : {"Blue", "Red"}) {
      SCOPED_TRACE(player);
      ASSERT_NO_FATAL_FAILURE(throwDice(r.dice[0], r.dice[1], r.dice[2], r.dice[3]));
      click(r.label);
      clock.advance(r.firstTick);
      for (int k = 1; k <= 10; ++k, clock.advance(r.period)) {
        EXPECT_TRUE(r.shows(k % 2 == 1)) << "tick " << k;
        EXPECT_EQ(pending(r.timer), k < 10) << "tick " << k;
      }
      clock.advance(5000);
      EXPECT_TRUE(r.shows(false)) << "after the flash";
    }
  }
}

}  // namespace
}  // namespace sumdart::testing_game
