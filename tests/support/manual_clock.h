// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Virtual time for tests: timers created here tick only when the clock
// is advanced, in time order, one tick at a time, each re-armed from the virtual
// time of its own tick. A whole game runs in virtual time, exactly and fast.
#include <cstdint>
#include <memory>
#include <vector>

#include "seams/timer.h"

namespace sumdart {

class ManualClock : public TimerFactory {
 public:
  ~ManualClock() override;  // the timers that outlive it stop reaching it

  std::unique_ptr<Timer> createTimer() override;

  // Fires every tick due up to now + ms, then sets now to that time.
  void advance(std::int64_t ms);

  std::int64_t now() const { return now_; }
  // Number of timers running now.
  int activeCount() const;

 private:
  class ManualTimer;  // a nested class, so it reaches the clock's private members
  void arm(ManualTimer* t);
  ManualTimer* nextDue(std::int64_t limit) const;

  std::vector<ManualTimer*> timers_;
  std::int64_t now_ = 0;
  std::uint64_t armSeq_ = 0;
};

}  // namespace sumdart
