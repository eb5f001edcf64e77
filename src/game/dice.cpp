#include "game/dice.h"

#include "state/numbers.h"

namespace sumdart {

void drawThrow(Random& random, DayClock& clock, Dice& dice) {
  random.randomize(clock.secondsSinceMidnight());
  for (std::size_t d = 0; d < 4; ++d) {
    const int n = random.below(100);
    for (int i = 0; i < n; ++i) dice[d] = static_cast<std::int16_t>(random.below(6) + 1);
    if (dice[d] == 0) dice[d] = 1;
  }
}

void startReveal(Timer& settle, Timer& roll, bool soundOn, std::int16_t& diceShown) {
  settle.setInterval(soundOn ? 1500 : 300);
  roll.setInterval(soundOn ? 1200 : 100);
  diceShown = 0;
  settle.start();
  roll.start();
}

void rollStep(Timer& roll, Random& random, DiceFaces& faces, std::int16_t diceShown) {
  roll.setInterval(5);
  for (int j = diceShown; j <= 3; ++j) {
    Ctl& die = faces[static_cast<std::size_t>(j)];
    die.enabled = true;
    die.caption = decimalText(random.below(6) + 1);
  }
  if (diceShown >= 4) roll.stop();
}

bool settleStep(Timer& settle, DiceFaces& faces, const Dice& dice, std::int16_t& diceShown) {
  settle.setInterval(250);
  if (diceShown >= 0 && diceShown <= 3) {
    const auto d = static_cast<std::size_t>(diceShown);
    faces[d].enabled = true;
    faces[d].caption = decimalText(dice[d]);
    ++diceShown;
  }
  return diceShown >= 4;
}

void describeDice(DiceFaces& faces, std::int16_t diceShown) {
  for (std::size_t d = 0; d < 4; ++d) {
    Ctl& die = faces[d];
    const std::string state = die.caption.empty()                      ? "not thrown"
                              : static_cast<int>(d) < diceShown ? die.caption
                                                                       : "rolling";
    die.spokenName = "Die " + std::to_string(d + 1) + ": " + state;
  }
}

}  // namespace sumdart
