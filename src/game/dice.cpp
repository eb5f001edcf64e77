// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/dice.h"

#include "state/numbers.h"
#include "state/texts.h"

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

void describeDice(DiceFaces& faces, std::int16_t diceShown, bool thrown) {
  for (std::size_t d = 0; d < 4; ++d) {
    Ctl& die = faces[d];
    const std::string number = std::to_string(d + 1);
    die.spokenName = die.caption.empty() || !thrown ? fill(translate("Dice", "Die %1: not thrown"), {number})
                     : static_cast<int>(d) < diceShown  ? fill(translate("Dice", "Die %1: %2"), {number, die.caption})
                                                        : fill(translate("Dice", "Die %1: rolling"), {number});
  }
}

std::string diceSpoken(const Dice& dice) {
  return fill(translate("Dice", "Dice: %1, %2, %3, %4."),
              {decimalText(dice[0]), decimalText(dice[1]), decimalText(dice[2]), decimalText(dice[3])});
}

}  // namespace sumdart
