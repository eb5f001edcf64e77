// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The records of the game screen's controls: where each is, how it looks at
// the start, and what it is called.
#include <array>
#include <cstdint>
#include <string>

#include "game/board.h"
#include "state/control.h"
#include "state/game_size.h"
#include "state/texts.h"

namespace sumdart {

inline constexpr const char* kIllegalMove = TRANSLATABLE("GameScreen", "You made an illegal move. You have lost your turn.");
inline constexpr const char* kReminder = TRANSLATABLE("GameScreen", "Don't forget,    you must     finish with    a double!  ");

// Every control of the game screen. The game screen draws the game into them;
// no rule reads them back.
struct GameRecords {
  Ctl banner;                    // whose turn it is, what a move scored, the winner
  Ctl gameTitle;                 // "Sumdart", flashing after 50 or more
  Ctl throwButton, newGameButton, exitButton, cheatChartButton;
  std::array<Ctl, 4> dice;
  Ctl logo;                      // the logo picture, stretched to its box
  Ctl doubleReminder;            // finish with a double; flashes on a bust
  Ctl targetHeading;             // "Target Score", never shown
  std::array<Ctl, 4> playerNames;  // by slot 0 Blue .. 3 Yellow, beside the panels
  // A hidden "5000": the saved game keeps its number on its fourth line.
  static constexpr std::int16_t kHiddenNumber = 5000;
  Ctl hiddenNumber;
  Ctl computerNotice;            // which level the computer plays at
  std::array<Ctl, 4> scorePanels;  // remaining targets by slot
  std::array<Ctl, 4> clocks;     // seconds left by slot
  Ctl secondsHeading;            // "Seconds Remaining"
  Ctl illegalMoveNotice;
  std::array<Ctl, board::kLabels> boardCells;  // the board's numbers; see board.h for the order

  GameRecords();

 private:
  void makeButtons();
  void makePlayers();
  void makeBoard();
};

}  // namespace sumdart
