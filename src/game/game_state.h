#pragma once
// The whole state of the game screen: its fields and a record of every control
// the game reads or changes. Handlers and timer ticks change it; the window draws it.
#include <array>
#include <cstdint>
#include <string>

#include "game/board.h"
#include "state/control.h"
#include "judge/judge.h"

namespace sumdart {

inline constexpr const char* kIllegalMove = "You made an illegal move. You have lost your turn.";
inline constexpr const char* kReminder = "Don't forget,    you must     finish with    a double!  ";
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
  Ctl Label2;                  // banner
  Ctl Label9;                  // title
  std::array<Ctl, 3> Label3;   // Exit, New Game, Throw Dice
  Ctl Label14;                 // Cheat Chart
  std::array<Ctl, 4> Label4;   // dice
  Ctl Image2;                  // logo picture, stretched to its box
  Ctl Label11;                 // finish-with-a-double reminder
  std::array<Ctl, 7> Label5;   // 0 heading, 1..4 names, 5 hidden "5000", 6 computer notice
  std::array<Ctl, 5> Label6;   // 1..4 score panels
  std::array<Ctl, 4> Label12;  // clocks
  Ctl Label13;                 // "Seconds Remaining"
  Ctl Label10;                 // illegal-move message
  std::array<Ctl, board::kLabels> Label1;  // board numbers

  GameState();
};

// Client area of the game window, in twips.
inline constexpr double kGameWidth = 12000;
inline constexpr double kGameHeight = 9000;

}  // namespace sumdart
