// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/board_cursor.h"

#include "game/board.h"

namespace sumdart {

void BoardCursor::set(int index, bool keepAngle) {
  picked_ = index;
  if (!keepAngle && board::ringOf(index) > 0) angle_ = board::angleDegrees(index);
}

std::optional<int> BoardCursor::type(int digit) {
  if (refused_) typed_.clear();
  refused_ = false;
  if (typed_.empty()) typedFrom_ = picked_;
  typed_ += static_cast<char>('0' + digit);
  const std::vector<int> cells = board::cellsShowing(std::stoi(typed_));
  if (cells.empty()) {
    refused_ = true;
    return std::nullopt;
  }
  std::size_t next = 0;
  for (std::size_t k = 0; k < cells.size(); ++k)
    if (cells[k] == typedFrom_) next = (k + 1) % cells.size();
  set(cells[next], false);
  return picked_;
}

int BoardCursor::move(Arrow a) {
  switch (a) {
    case Arrow::Left: set(board::roundRing(picked_, -1), false); break;
    case Arrow::Right: set(board::roundRing(picked_, 1), false); break;
    case Arrow::Up: set(board::acrossRings(picked_, 1, angle_), true); break;
    case Arrow::Down: set(board::acrossRings(picked_, -1, angle_), true); break;
  }
  return picked_;
}

}  // namespace sumdart
