// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The values every screen shares, and the fixed table of the four player
// slots. One GameSettings lives for the whole run.
#include <array>
#include <cstdint>
#include <string_view>

#include "state/colour.h"
#include "state/texts.h"

namespace sumdart {

struct GameSettings {
  std::int16_t soundOn = 1;      // 1: sounds are played
  std::int16_t hideDesktop = 1;  // 1: the backdrop is shown behind the game

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

}  // namespace sumdart
