// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/computer_player.h"

#include "game/board.h"

namespace sumdart {

namespace {
bool mayPlay(const AllowedNumbers& allowed, int cell) {
  const int v = board::value(cell);
  return v >= 0 && v <= 100 && allowed[static_cast<std::size_t>(v)] == 1;
}

// The highest number it may play, the outer cells first on equal values.
int greedy(const AllowedNumbers& allowed, int top, int previous) {
  int best = 0, choice = previous;
  for (int cell = top; cell >= 0; --cell) {
    if (mayPlay(allowed, cell) && board::value(cell) > best) {
      best = board::value(cell);
      choice = cell;
    }
  }
  return choice;
}
}  // namespace

int ComputerPlayer::choose(AllowedNumbers& allowed, int target, Random& random, DayClock& day, int& delay) {
  if (target < 101) {
    for (int i = 1; i <= 100; ++i)
      if (i > target || i == target - 1 || (i == target && target % 2 != 0)) allowed[static_cast<std::size_t>(i)] = 0;
  }
  random.randomize(day.secondsSinceMidnight());
  delay = thinkingTime(random.rnd());

  const int style = level_ == 2 ? 2 * random.below(2) + 1 : level_;
  // Near the end it keeps to the centre, the 50s, the singles and the doubles.
  const int top = target <= 42 ? 44 : 84;
  bool any = false;
  for (int cell = 0; cell <= top && !any; ++cell) any = mayPlay(allowed, cell);

  if (style == 3) {
    choice_ = greedy(allowed, top, choice_);
  } else if (any) {
    do {
      random.randomize(day.secondsSinceMidnight());
      choice_ = random.below(top + 1);
    } while (!mayPlay(allowed, choice_));
  }
  return choice_;
}

}  // namespace sumdart
