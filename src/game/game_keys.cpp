// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The game screen by keyboard, and what a screen reader hears of it.
#include "game/game_screen.h"
#include "state/numbers.h"

namespace sumdart {

// Keys wait, as clicks on a disabled control would, while a turn is handed
// over, the dice settle, the computer plays or the game is over.
bool GameScreen::takesKeys() const {
  return !handOver_.isActive() && !diceSettle_.isActive() && !computerThink_.isActive() && !computerClick_.isActive() &&
         !ended();
}

// The board waits for a number: the same test a click on it passes.
bool GameScreen::waitingForNumber() const { return takesKeys() && diceOut_; }

// The board's one Tab stop and the focus follow the cursor.
void GameScreen::showPick(int was) {
  r_.boardCells[static_cast<std::size_t>(was)].tabStop = false;
  r_.boardCells[static_cast<std::size_t>(cursor_.picked())].tabStop = true;
  form.focus = arrayName("boardCells", cursor_.picked());
}

bool GameScreen::typeDigit(int digit) {
  const int was = cursor_.picked();
  const std::optional<int> cell = cursor_.type(digit);
  if (!cell) {
    form.say(fill(translate("GameScreen", "%1 is not on the board."), {cursor_.typed()}));
    typingPause_.stop();
    return true;
  }
  typingPause_.start();
  showPick(was);
  return true;
}

void GameScreen::onTypingPause() {
  cursor_.endNumber();
  typingPause_.stop();
}

bool GameScreen::tellsOnly(const KeyPress& k) const { return k.code == KeyPress::Character && (k.ch == 's' || k.ch == 'S'); }

// "Blue 465, Red 501." and with the clocks on "Blue 465, 120 seconds left; ...".
std::string GameScreen::scoresSpoken() const {
  std::string said;
  const int n = match_.players();
  for (int i = 1; i <= n; ++i) {
    const int slot = i - 1;
    const std::string name = translate("Players", kPlayers[static_cast<std::size_t>(slot)].name);
    const std::string target = decimalText(match_.target(slot));
    const int seconds = match_.secondsLeft(slot);
    const bool clocks = match_.timeAllowed() != 0;
    std::string one = !clocks                    ? fill(translate("GameScreen", "%1 %2"), {name, target})
                      : !match_.outOfTime(slot) ? fill(translate("GameScreen", "%1 %2, %n second(s) left", nullptr, seconds), {name, target})
                                                : fill(translate("GameScreen", "%1 %2, out of time"), {name, target});
    said += (i == 1 ? "" : clocks ? "; " : ", ") + one;
  }
  return said + ".";
}

bool GameScreen::keyPressed(const KeyPress& k, const std::string& focused) {
  // The scores are told at any time, also while the turn is handed over or the game is over.
  if (tellsOnly(k)) {
    form.say(scoresSpoken());
    return true;
  }
  if (!takesKeys()) return false;
  if (k.code == KeyPress::Character) {
    const char c = k.ch;
    if (c == 't' || c == 'T') {
      if (!mayThrow_) return false;
      throwDice();
      return true;
    }
    if (c == 'c' || c == 'C') {
      openCheatChart();
      return true;
    }
    if (c >= '0' && c <= '9' && waitingForNumber()) return typeDigit(c - '0');
    return false;
  }
  // The arrows move over the board while it has the focus.
  if (focused != arrayName("boardCells", cursor_.picked()) || !waitingForNumber()) return false;
  using Arrow = BoardCursor::Arrow;
  std::optional<Arrow> arrow;
  if (k.code == KeyPress::Left) arrow = Arrow::Left;
  if (k.code == KeyPress::Right) arrow = Arrow::Right;
  if (k.code == KeyPress::Up) arrow = Arrow::Up;
  if (k.code == KeyPress::Down) arrow = Arrow::Down;
  if (!arrow) return false;
  const int was = cursor_.picked();
  cursor_.move(*arrow);
  showPick(was);
  return true;
}

void GameScreen::describe() {
  describeDice(r_.dice, diceShown_, diceThrown_);
  for (std::size_t slot = 0; slot < 4; ++slot) {
    Ctl& panel = r_.scorePanels[slot];
    const std::string name = translate("Players", kPlayers[slot].name);
    panel.spokenName = fill(match_.outOfTime(static_cast<int>(slot)) ? translate("GameScreen", "%1: %2, out of time")
                                                                     : translate("GameScreen", "%1: %2"),
                            {name, panel.caption});
    Ctl& clock = r_.clocks[slot];
    const int seconds = match_.secondsLeft(static_cast<int>(slot));
    clock.spokenName = fill(translate("GameScreen", "%1: %n second(s) left", nullptr, seconds), {name});
  }
  r_.banner.spokenName = r_.banner.caption == moveCaption_ ? moveSpoken_ : std::string();
}

}  // namespace sumdart
