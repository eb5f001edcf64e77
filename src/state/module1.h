#pragma once
// The program-wide values every screen shares, and the fixed table of the four
// player slots. One Module1 lives for the whole run; screens read and write it directly.
#include <array>
#include <cstdint>
#include <string_view>

#include "state/colour.h"

namespace sumdart {

struct Module1 {
  std::int16_t numberofplayers = 2;  // 1..4; players 1..numberofplayers take part
  std::int16_t soundon = 1;          // 1: sounds are played
  std::int16_t computerlevel = 0;    // 0 none, 1..3 the computer plays Red
  std::int16_t timeallowed = 0;      // 0 no clocks, else seconds on every clock
  std::int16_t hidedesktop = 1;      // 1: the backdrop is shown behind the game
  std::int16_t restartgame = 0;      // 1 only while a saved game is being opened

  std::int16_t bluescore = 501;
  std::int16_t redscore = 501;
  std::int16_t greenscore = 501;
  std::int16_t yellowscore = 501;

  // Saved-game buffer, indexes 1..4 used.
  std::array<std::int16_t, 5> savedscores{};
  std::array<std::int16_t, 5> savedclocks{};
  std::int16_t savedturn = 0;

  // Remaining target of player n (1 Blue .. 4 Yellow).
  std::int16_t& score(int n);
  std::int16_t score(int n) const;
  void setAllScores(std::int16_t target);

  friend bool operator==(const Module1&, const Module1&) = default;
};

// One row of the player table. Slot = player number - 1.
struct PlayerInfo {
  std::string_view name;      // "Blue", "Red", ...
  Rgb panelBack;              // Label6(n) and Label12(n-1) background
  Rgb panelText;              // Label6(n) and Label12(n-1) text
  Rgb turnColour;             // banner, buttons and captions on this player's turn
  Rgb diceFace;               // Label4 background on this player's turn
  Rgb diceDigit;              // Label4 text
};

inline constexpr std::array<PlayerInfo, 4> kPlayers{{
    {"Blue", colours::lightBlue, colours::white, colours::blueText, colours::lightBlue, colours::white},
    {"Red", colours::lightRed, colours::white, colours::lightRed, colours::lightRed, colours::white},
    {"Green", colours::lightGreen, colours::black, colours::lightGreen, colours::lightGreen, colours::black},
    {"Yellow", colours::yellow, colours::black, colours::yellow, colours::yellow, colours::black},
}};

// Player slot (0-based) for a turn counter: slot of the player to move is
// slotFor(turncounter + 1), of the one who moved last slotFor(turncounter).
// Always 0..numberofplayers-1, also for a count below zero.
int slotFor(int count, int numberofplayers);

}  // namespace sumdart
