#pragma once
// The program-wide values every screen shares, and the fixed table of the four
// player slots. One GameSettings lives for the whole run; screens read and write it directly.
#include <array>

#include "state/texts.h"
#include <cstdint>
#include <string_view>

#include "state/colour.h"
#include "state/texts.h"

namespace sumdart {

struct GameSettings {
  std::int16_t numberOfPlayers = 2;  // 1..4; players 1..numberOfPlayers take part
  std::int16_t soundOn = 1;          // 1: sounds are played
  std::int16_t computerLevel = 0;    // 0 none, 1..3 the computer plays Red
  std::int16_t timeAllowed = 0;      // 0 no clocks, else seconds on every clock
  std::int16_t hideDesktop = 1;      // 1: the backdrop is shown behind the game
  std::int16_t restartGame = 0;      // 1 only while a saved game is being opened

  std::int16_t blueScore = 501;
  std::int16_t redScore = 501;
  std::int16_t greenScore = 501;
  std::int16_t yellowScore = 501;

  // Saved-game buffer, indexes 1..4 used.
  std::array<std::int16_t, 5> savedScores{};
  std::array<std::int16_t, 5> savedClocks{};
  std::int16_t savedTurn = 0;

  // Remaining target of player n (1 Blue .. 4 Yellow).
  std::int16_t& score(int n);
  std::int16_t score(int n) const;
  void setAllScores(std::int16_t target);

  friend bool operator==(const GameSettings&, const GameSettings&) = default;
};

// One row of the player table. Slot = player number - 1.
struct PlayerInfo {
  const char* name;           // "Blue", "Red", ... (translated with the context "Players")
  const char* toPlay;         // the banner on this player's turn, "Blue to Play" (context "GameScreen")
  Rgb panelBack;              // score panel and clock background
  Rgb panelText;              // score panel and clock text
  Rgb turnColour;             // banner, buttons and captions on this player's turn
  Rgb diceFace;               // dice background on this player's turn
  Rgb diceDigit;              // dice text
};

inline constexpr std::array<PlayerInfo, 4> kPlayers{{
    {TRANSLATABLE("Players", "Blue"), TRANSLATABLE("GameScreen", "Blue to Play"), colours::lightBlue, colours::white, colours::blueText, colours::lightBlue, colours::white},
    {TRANSLATABLE("Players", "Red"), TRANSLATABLE("GameScreen", "Red to Play"), colours::lightRed, colours::white, colours::lightRed, colours::lightRed, colours::white},
    {TRANSLATABLE("Players", "Green"), TRANSLATABLE("GameScreen", "Green to Play"), colours::lightGreen, colours::black, colours::lightGreen, colours::lightGreen, colours::black},
    {TRANSLATABLE("Players", "Yellow"), TRANSLATABLE("GameScreen", "Yellow to Play"), colours::yellow, colours::black, colours::yellow, colours::yellow, colours::black},
}};

// Player slot (0-based) for a turn counter: slot of the player to move is
// slotFor(turnCounter + 1), of the one who moved last slotFor(turnCounter).
// Always 0..numberOfPlayers-1, also for a count below zero.
int slotFor(int count, int numberOfPlayers);

}  // namespace sumdart
