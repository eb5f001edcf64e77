// The game screen by keyboard, and what a screen reader hears of it.
#include "game/dice.h"
#include "game/game_screen.h"

namespace sumdart {

// Keys wait, as clicks on a disabled control would, while a turn is handed
// over, the dice settle, the computer plays or the game is over.
bool GameScreen::takesKeys() const {
  return !handOver.isActive() && !diceSettle.isActive() && !computerThink.isActive() && !computerClick.isActive() &&
         st.gameOver == 0;
}

// The board waits for a number: the same test a click on it passes.
bool GameScreen::waitingForNumber() const { return takesKeys() && st.dice[0].enabled; }

// Moving across the rings keeps the angle, so Down and then Up comes back to
// the same cell even through the centre.
void GameScreen::pick(int index, bool keepAngle) {
  st.boardCells[static_cast<std::size_t>(picked_)].tabStop = false;
  picked_ = index;
  st.boardCells[static_cast<std::size_t>(picked_)].tabStop = true;
  if (!keepAngle && board::ringOf(index) > 0) pickedAngle_ = board::angleDegrees(index);
  form.focus = arrayName("boardCells", index);
}

// Digits less than a second apart form one number. A number no cell shows is
// said to be off the board, and the pick stays where it was; the next digit
// starts a new number. Typing the number of the cell picked before the digits
// began moves on to the next cell showing it.
bool GameScreen::typeDigit(int digit) {
  if (typed_.empty()) typedFrom_ = picked_;
  typed_ += static_cast<char>('0' + digit);
  const std::vector<int> cells = board::cellsShowing(std::stoi(typed_));
  if (cells.empty()) {
    form.say(fill(translate("GameScreen", "%1 is not on the board."), {typed_}));
    typed_.clear();
    typingPause.stop();
    return true;
  }
  typingPause.start();
  std::size_t next = 0;
  for (std::size_t k = 0; k < cells.size(); ++k)
    if (cells[k] == typedFrom_) next = (k + 1) % cells.size();
  pick(cells[next]);
  return true;
}

void GameScreen::onTypingPause() {
  typed_.clear();
  typingPause.stop();
}

bool GameScreen::tellsOnly(const KeyPress& k) const { return k.code == KeyPress::Character && (k.ch == 's' || k.ch == 'S'); }

// "Blue 465, Red 501." and with the clocks on "Blue 465, 120 seconds left; ...".
std::string GameScreen::scoresSpoken() const {
  std::string said;
  const int n = m_.numberOfPlayers < 1 ? 1 : m_.numberOfPlayers > 4 ? 4 : m_.numberOfPlayers;
  for (int i = 1; i <= n; ++i) {
    const Ctl& panel = st.scorePanels[static_cast<std::size_t>(i)];
    const std::string name = translate("Players", kPlayers[static_cast<std::size_t>(i - 1)].name);
    const std::string seconds = st.clocks[static_cast<std::size_t>(i - 1)].caption;
    std::string one = m_.timeAllowed == 0 ? fill(translate("GameScreen", "%1 %2"), {name, panel.caption})
                      : panel.enabled     ? fill(translate("GameScreen", "%1 %2, %3 seconds left"), {name, panel.caption, seconds})
                                          : fill(translate("GameScreen", "%1 %2, out of time"), {name, panel.caption});
    said += (i == 1 ? "" : m_.timeAllowed == 0 ? ", " : "; ") + one;
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
      if (!st.throwButton.enabled || !st.throwButton.visible) return false;
      throwDice();
      return true;
    }
    if (c == 'c' || c == 'C') {
      if (!st.cheatChartButton.enabled || !st.cheatChartButton.visible) return false;
      openCheatChart();
      return true;
    }
    if (c >= '0' && c <= '9' && waitingForNumber()) return typeDigit(c - '0');
    return false;
  }
  // The arrows move over the board while it has the focus.
  if (focused != arrayName("boardCells", picked_) || !waitingForNumber()) return false;
  switch (k.code) {
    case KeyPress::Left: pick(board::roundRing(picked_, -1)); return true;
    case KeyPress::Right: pick(board::roundRing(picked_, 1)); return true;
    case KeyPress::Up: pick(board::acrossRings(picked_, 1, pickedAngle_), true); return true;
    case KeyPress::Down: pick(board::acrossRings(picked_, -1, pickedAngle_), true); return true;
    default: return false;
  }
}

void GameScreen::describe() {
  describeDice(st.dice, st.diceShown);
  for (std::size_t n = 1; n <= 4; ++n) {
    Ctl& panel = st.scorePanels[n];
    const std::string name = translate("Players", kPlayers[n - 1].name);
    panel.spokenName = fill(panel.enabled ? translate("GameScreen", "%1: %2") : translate("GameScreen", "%1: %2, out of time"),
                            {name, panel.caption});
    Ctl& clock = st.clocks[n - 1];
    clock.spokenName = fill(translate("GameScreen", "%1: %2 seconds left"), {name, clock.caption});
  }
  st.banner.spokenName = st.banner.caption == moveCaption_ ? moveSpoken_ : std::string();
}

}  // namespace sumdart
