// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board by keyboard: the picked cell, the digits typed to pick a number,
// and the arrows that move round and across the rings.
#include <optional>
#include <string>

namespace sumdart {

class BoardCursor {
 public:
  enum class Arrow { Left, Right, Up, Down };

  int picked() const { return picked_; }
  // A digit typed. Digits less than a second apart form one number (the caller
  // ends it with endNumber()). Returns the cell now picked, or nothing when the
  // number typed names no board cell: the pick then stays and the next digit
  // starts a new number. Typing the number of the cell picked before the digits
  // began moves on to the next cell showing it.
  std::optional<int> type(int digit);
  // The number typed so far, or the one just refused.
  const std::string& typed() const { return typed_; }
  void endNumber() { typed_.clear(); }
  // Left and Right go round the ring; Up and Down go out and in, keeping the
  // angle, so Down then Up comes back to the same cell even through the centre.
  int move(Arrow a);

 private:
  void set(int index, bool keepAngle);

  int picked_ = 0;
  std::string typed_;
  bool refused_ = false;
  int typedFrom_ = 0;
  double angle_ = 0;
};

}  // namespace sumdart
