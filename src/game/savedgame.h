// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The saved game, lastgame.inf: fifteen lines of decimal whole numbers, each
// ended by CR LF, in this order: players, computer level, turn counter, the
// hidden "5000", the four remaining targets, the time allowed, the four clocks,
// sound on, backdrop on.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "state/game_settings.h"

namespace sumdart {

struct SavedGame {
  std::int16_t numberOfPlayers = 2;
  std::int16_t computerLevel = 0;
  std::int16_t turnCounter = 1;
  std::int16_t hidden = 5000;  // written and read, never used
  std::array<std::int16_t, 4> scores{501, 501, 501, 501};
  std::int16_t timeAllowed = 0;
  std::array<std::int16_t, 4> clocks{2000, 2000, 2000, 2000};
  std::int16_t soundOn = 1;
  std::int16_t hideDesktop = 1;

  friend bool operator==(const SavedGame&, const SavedGame&) = default;
};

// The file's text.
std::string formatSavedGame(const SavedGame& g);

// Reads a saved game all or nothing: the first fifteen lines must each hold one
// whole number (LF or CR LF, blanks round it allowed), every value in the range
// the game itself writes. Anything else gives nothing.
std::optional<SavedGame> parseSavedGame(std::string_view text);

// The settings a restarted game brings back for every screen: sound and backdrop.
void restoreSavedGame(const SavedGame& g, GameSettings& m);

}  // namespace sumdart
