// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer opponent: how long it thinks and which board cell it clicks,
// from the judge's table of the numbers the throw makes.
#include <array>

#include "seams/random.h"
#include "seams/seams.h"

namespace sumdart {

using AllowedNumbers = std::array<double, 101>;  // as the judge marks them, entry 0 unused

class ComputerPlayer {
 public:
  explicit ComputerPlayer(int level) : level_(level) {}

  // Milliseconds it thinks before choosing, for a draw r in [0, 1): longer at
  // the easier levels.
  int thinkingTime(double r) const { return (static_cast<int>(r * 5000) + 1000) * (4 - level_); }

  // Takes off `allowed` the numbers that would bust a target of `target` by the
  // rule it believes in (above the target, leaving 1, or reaching zero on an
  // odd target), then picks a cell. Level 3 takes the highest number it may;
  // level 1 draws cells until one it may play; level 2 plays either way, half
  // the time each. When no cell is left, the previous choice stands. Returns
  // the chosen cell index; `delay` becomes the next thinking time.
  //
  // Its rule differs from the game's on purpose: with an even target it may
  // still try to finish on a number that is not a double, and busts.
  int choose(AllowedNumbers& allowed, int target, Random& random, DayClock& day, int& delay);

 private:
  int level_;
  int choice_ = 0;  // the last cell chosen: the centre before the first
};

}  // namespace sumdart
