// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/game_records.h"

#include "state/game_settings.h"
#include "state/numbers.h"
#include "state/texts.h"

namespace sumdart {

GameRecords::GameRecords() {
  using namespace colours;
  // The banner ends where the title begins: a text too long for the space
  // ("YELLOW HAS WON!") is drawn condensed rather than run under the title.
  banner = textLabel(translate("GameScreen", "Blue to Play"), 4440, 0, 9000 - 4440, 660, blueText, arial(27.75), Align::Left);
  gameTitle = textLabel("Sumdart", 9000, 0, 2835, 660, title, arial(27.75));
  gameTitle.autosize = true;
  makeButtons();

  logo = textLabel("", 9960, 960, 1500, 2085, black, arial(12));  // shows the logo picture
  logo.spokenName = translate("GameScreen", "The Sumdart logo");
  doubleReminder = textLabel(translate("GameScreen", kReminder), 120, 6240, 2655, 1935, yellow, arial(20.25));
  targetHeading = textLabel(translate("GameScreen", "Target Score"), 9960, 4740, 1950, 360, blueText, arial(15.75));
  targetHeading.autosize = true;
  targetHeading.visible = false;
  hiddenNumber = textLabel(decimalText(kHiddenNumber), 10575, 5100, 720, 360, blueText, arial(15.75));
  hiddenNumber.visible = false;
  computerNotice = textLabel(translate("GameScreen", "The computer is playing as red."), 9000, 7080, 2850, 1200, yellow, arial(14.25));
  computerNotice.visible = false;
  makePlayers();
  secondsHeading = textLabel(translate("GameScreen", "Seconds Remaining"), 2760, 8280, 1560, 600, blueText, arial(12));
  secondsHeading.visible = false;
  illegalMoveNotice = textLabel(translate("GameScreen", kIllegalMove), 1830, 8460, 7560, 360, white, arial(14.25));
  illegalMoveNotice.visible = false;
  makeBoard();
}

void GameRecords::makeButtons() {
  using namespace colours;
  throwButton = button(translate("GameScreen", "Throw Dice"), 120, 120, 2295, 495, blueText, black, tahoma(15.75));
  newGameButton = button(translate("GameScreen", "New Game"), 9480, 8400, 2415, 495, blueText, black, tahoma(15.75));
  exitButton = button(translate("GameScreen", "Exit"), 60, 8400, 1695, 495, blueText, black, tahoma(15.75));
  cheatChartButton = button(translate("GameScreen", "Cheat Chart"), 360, 1920, 1815, 375, blueText, black, tahoma(11.25));
  const double diceAt[4][2] = {{720, 720}, {1320, 720}, {720, 1320}, {1320, 1320}};
  for (std::size_t d = 0; d < 4; ++d) {
    dice[d] = button("", diceAt[d][0], diceAt[d][1], 495, 495, black, lightBlue, arial(20.25));
    dice[d].enabled = false;
  }
}

// The name, score panel and clock of each player, Blue's name and panel shown.
void GameRecords::makePlayers() {
  using namespace colours;
  const double nameBox[4][3] = {{9360, 5640, 1080}, {9360, 6240, 1080}, {9240, 6840, 1200}, {9120, 7440, 1320}};
  const double panelTop[4] = {5580, 6180, 6780, 7380};
  for (std::size_t slot = 0; slot < 4; ++slot) {
    const PlayerInfo& p = kPlayers[slot];
    playerNames[slot] = textLabel(translate("Players", p.name), nameBox[slot][0], nameBox[slot][1], nameBox[slot][2], 360,
                                  slot == 0 ? blueText : p.panelBack, arial(15.75), Align::Right);
    playerNames[slot].visible = slot == 0;
    scorePanels[slot] = button("", 10560, panelTop[slot], 1335, 495, p.panelText, p.panelBack, arial(20.25));
    scorePanels[slot].visible = slot == 0;
    clocks[slot] = button("2000", 4320 + 1080.0 * static_cast<double>(slot), 8400, 975, 375, p.panelText, p.panelBack,
                          arial(14.25));
    clocks[slot].visible = false;
  }
}

// Cells 1..84 start as hidden copies of the centre; the game screen places them.
void GameRecords::makeBoard() {
  boardCells[0] = textLabel("100", 5760, 4320, 495, 480, colours::boardGrey, arial(15.75));
  boardCells[0].wrap = false;
  for (std::size_t i = 1; i < boardCells.size(); ++i) {
    boardCells[i] = boardCells[0];
    boardCells[i].caption.clear();
    boardCells[i].visible = false;
  }
}

}  // namespace sumdart
