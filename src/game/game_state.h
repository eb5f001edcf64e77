#pragma once
// The whole state of the game screen: its fields and a record of every control
// the game reads or changes. Handlers and timer ticks change it; the window draws it.
#include <array>
#include <cstdint>
#include <string>

#include "game/board.h"
#include "state/control.h"
#include "judge/judge.h"
#include "state/texts.h"

namespace sumdart {

inline constexpr const char* kIllegalMove = TRANSLATABLE("GameScreen", "You made an illegal move. You have lost your turn.");
inline constexpr const char* kReminder = TRANSLATABLE("GameScreen", "Don't forget,    you must     finish with    a double!  ");
inline constexpr const char* kBoardPicture = "Images\\target2.bmp";
inline constexpr const char* kLogoPicture = "Images\\logo2.jpg";

struct GameState {
  // The judge of the current throw: its dice, the numbers they make (allowed)
  // and its working lists.
  NumberJudge judge;

  // Fields of the game in progress.
  std::int16_t turnCounter = -1;
  std::int16_t gameOver = 0;
  std::int16_t diceShown = 0;
  std::int16_t clickedCell = 0;
  std::int16_t lastWasDouble = 0;
  std::int16_t computerChoice = 0;
  double ringUnit = 600;
  float centreX = 0;
  float centreY = 0;

  // Tick counters of the flashes.
  std::int16_t bannerFlashCount = 0;
  std::int16_t arrowCount = 0;
  std::int16_t titleFlashCount = 0;
  std::int16_t clickFlashCount = 0;
  std::int16_t doubleFlashCount = 0;

  // Controls.
  Ctl banner;                    // whose turn it is, what a move scored, the winner
  Ctl gameTitle;                 // "Sumdart", flashing after 50 or more
  Ctl throwButton, newGameButton, exitButton, cheatChartButton;
  std::array<Ctl, 4> dice;
  Ctl logo;                      // the logo picture, stretched to its box
  Ctl doubleReminder;            // finish with a double; flashes on a bust
  Ctl targetHeading;             // "Target Score", never shown
  std::array<Ctl, 5> playerNames;  // by player number 1..4 (entry 0 unused), beside the panels
  // A hidden "5000": the saved game keeps its number on its fourth line.
  static constexpr std::int16_t kHiddenNumber = 5000;
  Ctl hiddenNumber;
  Ctl computerNotice;            // which level the computer plays at
  std::array<Ctl, 5> scorePanels;  // remaining targets by player number 1..4 (entry 0 unused);
                                   // a panel disabled is a player out of time
  std::array<Ctl, 4> clocks;     // seconds left, by player slot 0..3, as secondsLeft holds them
  Ctl secondsHeading;            // "Seconds Remaining"
  Ctl illegalMoveNotice;
  std::array<Ctl, board::kLabels> boardCells;  // the board's numbers; see board.h for the order

  // Seconds left on each player's clock, by slot 0..3; never shown alone, always
  // through showSeconds().
  std::array<std::int16_t, 4> secondsLeft{2000, 2000, 2000, 2000};
  void showSeconds(std::size_t slot, int seconds);

  GameState();
};

// Client area of the game window, in twips.
inline constexpr double kGameWidth = 12000;
inline constexpr double kGameHeight = 9000;

}  // namespace sumdart
