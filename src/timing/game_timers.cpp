// The game screen's timed events: the dice reveal, the turn hand-over, the
// clocks, the computer's move and the flashes that mark moves and the end.
#include "game/dice.h"
#include "game/game_screen.h"
#include "seams/random.h"
#include "state/numbers.h"

namespace sumdart {

namespace {

// Text colour of the winner's banner, or nothing for any other value of gameOver.
const Rgb* winnerColour(int gameOver) {
  static constexpr Rgb colours[5] = {colours::blueText, colours::blueText, colours::lightRed, colours::lightGreen,
                                     colours::yellow};
  if (gameOver < 1 || gameOver > 4) return nullptr;
  return &colours[gameOver];
}
}  // namespace

void GameScreen::colourFor(int slot) {
  const PlayerInfo& p = kPlayers[static_cast<std::size_t>(slot)];
  for (Ctl* b : {&st.exitButton, &st.newGameButton, &st.throwButton}) b->fore = p.turnColour;
  st.cheatChartButton.fore = p.turnColour;
  for (Ctl& die : st.dice) die.back = p.diceFace;
  st.targetHeading.fore = p.turnColour;
  st.hiddenNumber.fore = p.turnColour;
  st.secondsHeading.fore = p.turnColour;
  st.banner.fore = p.turnColour;
}

void GameScreen::onHandOver() {
  handOver.setInterval(2000);
  const bool playing = st.gameOver == 0;
  checkEndOfGame();
  if (st.gameOver > 0) {
    // The game ended as a clock ran out ("GAME OVER!!!", "OUT OF TIME!"); a
    // game that was over already has been heard to end.
    if (playing) form.say(st.banner.caption);
    return;
  }

  // Next player after the one who moved last who still has time. The end-of-game
  // check guarantees one exists; the bound keeps a damaged state from hanging.
  const int n = m_.numberOfPlayers < 1 ? 1 : m_.numberOfPlayers;
  --st.turnCounter;
  int p = 0;
  for (int tries = 0; tries <= n; ++tries) {
    advanceTurn();
    p = slotFor(st.turnCounter + 1, n);
    if (p < 4 && st.scorePanels[static_cast<std::size_t>(p + 1)].enabled) break;
  }
  if (p > 3) p = 0;

  colourFor(p);
  st.banner.caption = translate("GameScreen", kPlayers[static_cast<std::size_t>(p)].toPlay);
  form.say(st.banner.caption);

  if (p == 1 && st.turnCounter % 2 == 0 && m_.computerLevel != 0) throwDice();

  if (m_.timeAllowed != 0) {
    for (int slot = 0; slot < m_.numberOfPlayers && slot < 4; ++slot) st.clocks[static_cast<std::size_t>(slot)].visible = true;
    st.secondsHeading.visible = true;
  }
  st.illegalMoveNotice.visible = false;
  handOver.stop();
  // A player's turn begins at Throw Dice.
  if (st.throwButton.enabled) form.focus = "throwButton";
}

void GameScreen::onDiceRoll() { rollStep(diceRoll, s_.random, st.dice, st.diceShown); }

void GameScreen::onDiceSettle() {
  if (settleStep(diceSettle, st.dice, st.judge.dice, st.diceShown)) {
    form.say(diceSpoken(st.judge.dice));
    if (st.turnCounter % 2 == 0 && m_.computerLevel != 0) computerThink.start();
    if (m_.timeAllowed != 0) clockTick.start();
    diceSettle.stop();
  }
}

void GameScreen::onClockTick() {
  if (st.gameOver >= 1) return;
  const int p = playerToMove();
  if (p < 0 || p > 3) return;
  const int left = st.secondsLeft[static_cast<std::size_t>(p)] - 1;
  st.showSeconds(static_cast<std::size_t>(p), left);
  // A reading below zero (from a damaged saved game) runs out like zero, so the
  // clock can never count on for ever.
  if (left <= 0) {
    st.scorePanels[static_cast<std::size_t>(p + 1)].enabled = false;
    form.say(fill(translate("GameScreen", "%1 has run out of time."), {translate("Players", kPlayers[static_cast<std::size_t>(p)].name)}));
    play("wav\\gong.wav");
    clockTick.stop();
    handOver.start();
  }
}

bool GameScreen::computerCanPlay(int index) const {
  const Ctl& c = st.boardCells[static_cast<std::size_t>(index)];
  const int v = board::value(index);
  return c.visible && v >= 0 && v <= 100 && st.judge.allowed[static_cast<std::size_t>(v)] == 1;
}

void GameScreen::onComputerThink() {
  const int red = m_.redScore;
  if (red < 101) {
    for (int i = 1; i <= 100; ++i) {
      if (i > red || i == red - 1 || (i == red && red % 2 != 0)) st.judge.allowed[static_cast<std::size_t>(i)] = 0;
    }
  }

  s_.random.randomize(s_.dayClock.secondsSinceMidnight());
  computerThink.setInterval(computerInterval(s_.random.rnd()));

  int style = m_.computerLevel;
  if (style == 2) style = 2 * s_.random.below(2) + 1;
  const int top = red <= 42 ? 44 : 84;

  bool any = false;
  for (int idx = 0; idx <= top && !any; ++idx) any = computerCanPlay(idx);

  if (style == 3) {
    int best = 0;
    for (int idx = top; idx >= 0; --idx) {
      if (!computerCanPlay(idx)) continue;
      const int v = board::value(idx);
      if (v > best) {
        best = v;
        st.computerChoice = static_cast<std::int16_t>(idx);
      }
    }
  } else if (any) {
    // Draw labels until one can be played; when none can, the previous choice stands,
    // as in the greedy style, instead of drawing for ever.
    do {
      s_.random.randomize(s_.dayClock.secondsSinceMidnight());
      st.computerChoice = static_cast<std::int16_t>(s_.random.below(top + 1));
    } while (!computerCanPlay(st.computerChoice));
  }

  computerThink.stop();
  computerClick.start();
}

void GameScreen::onComputerClick() {
  boardCellClicked(st.computerChoice);
  computerClick.stop();
}

void GameScreen::onWinnerBanner() {
  int best = m_.score(1);
  int winner = 1;
  const int n = m_.numberOfPlayers > 4 ? 4 : m_.numberOfPlayers;
  for (int i = 1; i <= n; ++i) {
    const int v = m_.score(i);
    if (v < best) {
      best = v;
      winner = i;
    }
  }
  st.gameOver = static_cast<std::int16_t>(winner);
  for (int i = 1; i <= n; ++i) {
    if (m_.score(i) == best && i != winner) st.gameOver = 5;
  }
  static constexpr const char* kWinText[6] = {
      "", TRANSLATABLE("GameScreen", "BLUE HAS WON!"), TRANSLATABLE("GameScreen", "RED HAS WON!"),
      TRANSLATABLE("GameScreen", "GREEN HAS WON!"), TRANSLATABLE("GameScreen", "YELLOW HAS WON!"),
      TRANSLATABLE("GameScreen", "IT'S A DRAW!")};
  st.banner.fore = st.gameOver == 5 ? colours::black : *winnerColour(st.gameOver);
  st.banner.caption = st.gameOver == 0 ? std::string() : translate("GameScreen", kWinText[st.gameOver]);
  // The banner names the winner again after a second "GAME OVER!!!"; it is heard once.
  if (!winnerSaid_) form.say(st.banner.caption);
  winnerSaid_ = true;
  winnerBanner.stop();
}

void GameScreen::onBannerFlash() {
  // Only the parity and "above 15" matter; the count is held at 16..17 from then
  // on so it can never overflow however long the end screen stays open.
  ++st.bannerFlashCount;
  if (st.bannerFlashCount > 17) st.bannerFlashCount = static_cast<std::int16_t>(st.bannerFlashCount - 2);
  if (st.bannerFlashCount % 2 == 1) {
    st.banner.fore = colours::white;
    if (st.bannerFlashCount > 15) m_.soundOn = 0;
  } else if (const Rgb* c = winnerColour(st.gameOver)) {
    st.banner.fore = *c;
  }
}

void GameScreen::onArrowSounds() {
  arrowSounds.setInterval(1200);
  ++st.arrowCount;
  s_.sound.playSoundFile("wav\\arrow.wav");
  if (st.arrowCount >= 3) {
    arrowSounds.stop();
    m_.soundOn = 0;
    st.arrowCount = 0;
  }
}

void GameScreen::onCellFlash() {
  ++st.clickFlashCount;
  Ctl& label = st.boardCells[static_cast<std::size_t>(st.clickedCell)];
  label.fore = st.clickFlashCount % 2 == 1 ? colours::black : colours::white;
  if (st.clickFlashCount >= 10) {
    st.clickFlashCount = 0;
    cellFlash.stop();
  }
}

void GameScreen::onTitleFlash() {
  ++st.titleFlashCount;
  st.gameTitle.fore = st.titleFlashCount % 2 == 1 ? colours::yellow : colours::title;
  if (st.titleFlashCount >= 10) {
    st.titleFlashCount = 0;
    titleFlash.stop();
  }
}

void GameScreen::onDoublesFlash() {
  doublesFlash.setInterval(250);
  ++st.doubleFlashCount;
  const bool odd = st.doubleFlashCount % 2 == 1;
  st.doubleReminder.fore = odd ? colours::black : colours::yellow;
  for (std::size_t i = 25; i <= 44; ++i) st.boardCells[i].fore = odd ? colours::lightRed : colours::boardGrey;
  if (st.doubleFlashCount >= 10) {
    st.doubleFlashCount = 0;
    doublesFlash.stop();
    doublesFlash.setInterval(1);
  }
}

}  // namespace sumdart
