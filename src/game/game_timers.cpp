// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The game screen's timed chain: the dice reveal, the turn hand-over, the
// clocks, the computer's move and the flashes that mark moves and the end.
#include "game/game_screen.h"
#include "seams/random.h"
#include "state/numbers.h"

namespace sumdart {

void GameScreen::colourFor(int slot) {
  turnSlot_ = slot;
  const PlayerInfo& p = kPlayers[static_cast<std::size_t>(slot)];
  for (Ctl* c : {&r_.exitButton, &r_.newGameButton, &r_.throwButton, &r_.cheatChartButton, &r_.targetHeading,
                 &r_.hiddenNumber, &r_.secondsHeading, &r_.banner})
    c->fore = p.turnColour;
  for (Ctl& die : r_.dice) die.back = p.diceFace;
}

void GameScreen::onHandOver() {
  handOver_.setInterval(2000);
  const bool playing = !ended();
  checkEndOfGame();
  if (ended()) {
    // The game ended as a clock ran out ("GAME OVER!!!", "OUT OF TIME!"); a
    // game that was over already has been heard to end.
    if (playing) form.say(r_.banner.caption);
    return;
  }
  const int p = match_.handOver();
  colourFor(p);
  r_.banner.caption = translate("GameScreen", kPlayers[static_cast<std::size_t>(p)].toPlay);
  form.say(r_.banner.caption);

  if (p == 1 && match_.computerToMove()) throwDice();
  if (match_.timeAllowed() != 0) {
    for (int slot = 0; slot < match_.players(); ++slot) r_.clocks[static_cast<std::size_t>(slot)].visible = true;
    r_.secondsHeading.visible = true;
  }
  r_.illegalMoveNotice.visible = false;
  handOver_.stop();
  // A player's turn begins at Throw Dice.
  if (mayThrow_) form.focus = "throwButton";
}

void GameScreen::onDiceRoll() { rollStep(diceRoll_, s_.random, r_.dice, diceShown_); }

void GameScreen::onDiceSettle() {
  if (!settleStep(diceSettle_, r_.dice, judge_.dice, diceShown_)) return;
  diceOut_ = true;
  form.say(diceSpoken(judge_.dice));
  if (match_.computerToMove()) computerThink_.start();
  if (match_.timeAllowed() != 0) clockTick_.start();
  diceSettle_.stop();
}

void GameScreen::onClockTick() {
  if (!match_.tick()) {
    drawScores();
    return;
  }
  drawScores();
  const int p = match_.toMove();
  form.say(fill(translate("GameScreen", "%1 has run out of time."), {translate("Players", kPlayers[static_cast<std::size_t>(p)].name)}));
  play(Sound::outOfTime);
  clockTick_.stop();
  handOver_.start();
}

void GameScreen::onComputerThink() {
  int delay = 0;
  computerChoice_ = computer_.choose(judge_.allowed, match_.target(1), s_.random, s_.dayClock, delay);
  computerThink_.setInterval(delay);
  computerThink_.stop();
  computerClick_.start();
}

void GameScreen::onComputerClick() {
  boardCellClicked(computerChoice_);
  computerClick_.stop();
}

void GameScreen::onWinnerBanner() {
  static constexpr const char* kWinText[4] = {
      TRANSLATABLE("GameScreen", "BLUE HAS WON!"), TRANSLATABLE("GameScreen", "RED HAS WON!"),
      TRANSLATABLE("GameScreen", "GREEN HAS WON!"), TRANSLATABLE("GameScreen", "YELLOW HAS WON!")};
  flashSlot_ = match_.leader();
  if (flashSlot_) {
    r_.banner.fore = kPlayers[static_cast<std::size_t>(*flashSlot_)].turnColour;
    r_.banner.caption = translate("GameScreen", kWinText[*flashSlot_]);
  } else {
    r_.banner.fore = colours::black;
    r_.banner.caption = translate("GameScreen", "IT'S A DRAW!");
  }
  // The banner names the winner again after a second "GAME OVER!!!"; it is heard once.
  if (!winnerSaid_) form.say(r_.banner.caption);
  winnerSaid_ = true;
  winnerBanner_.stop();
}

void GameScreen::onBannerFlash() {
  // Only the parity and "above 15" matter; the count is held at 16..17 from then
  // on so it can never overflow however long the end screen stays open.
  ++bannerFlashCount_;
  if (bannerFlashCount_ > 17) bannerFlashCount_ -= 2;
  if (bannerFlashCount_ % 2 == 1) {
    r_.banner.fore = colours::white;
    if (bannerFlashCount_ > 15) quiet_ = true;
  } else if (flashSlot_) {
    r_.banner.fore = kPlayers[static_cast<std::size_t>(*flashSlot_)].turnColour;
  }
}

void GameScreen::onArrowSounds() {
  arrowSounds_.setInterval(1200);
  ++arrowCount_;
  s_.sound.playSoundFile(fileName(Sound::gameOver));
  if (arrowCount_ >= 3) {
    arrowSounds_.stop();
    quiet_ = true;
    arrowCount_ = 0;
  }
}

void GameScreen::onCellFlash() {
  ++clickFlashCount_;
  r_.boardCells[static_cast<std::size_t>(clickedCell_)].fore = clickFlashCount_ % 2 == 1 ? colours::black : colours::white;
  if (clickFlashCount_ >= 10) {
    clickFlashCount_ = 0;
    cellFlash_.stop();
  }
}

void GameScreen::onTitleFlash() {
  ++titleFlashCount_;
  r_.gameTitle.fore = titleFlashCount_ % 2 == 1 ? colours::yellow : colours::title;
  if (titleFlashCount_ >= 10) {
    titleFlashCount_ = 0;
    titleFlash_.stop();
  }
}

void GameScreen::onDoublesFlash() {
  doublesFlash_.setInterval(250);
  ++doubleFlashCount_;
  const bool odd = doubleFlashCount_ % 2 == 1;
  r_.doubleReminder.fore = odd ? colours::black : colours::yellow;
  const int first = board::firstOf(board::kDoubles);
  for (int cell = first; cell < first + board::sizeOf(board::kDoubles); ++cell)
    r_.boardCells[static_cast<std::size_t>(cell)].fore = odd ? colours::lightRed : colours::boardGrey;
  if (doubleFlashCount_ >= 10) {
    doubleFlashCount_ = 0;
    doublesFlash_.stop();
    doublesFlash_.setInterval(1);
  }
}

}  // namespace sumdart
