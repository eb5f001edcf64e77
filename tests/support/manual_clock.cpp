// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/manual_clock.h"

#include <algorithm>

namespace sumdart {

class ManualClock::ManualTimer : public Timer {
 public:
  explicit ManualTimer(ManualClock* clock) : clock_(clock) {}
  ~ManualTimer() override { if (clock_) std::erase(clock_->timers_, this); }

  void setInterval(int ms) override {
    interval_ = ms < 0 ? 0 : ms;
    if (active_ && clock_) clock_->arm(this);
  }
  int interval() const override { return interval_; }
  void start() override {
    active_ = true;
    if (clock_) clock_->arm(this);
  }
  void stop() override { active_ = false; }
  bool isActive() const override { return active_; }
  using Timer::fire;

  ManualClock* clock_;
  int interval_ = 0;
  bool active_ = false;
  std::int64_t due_ = 0;
  std::uint64_t seq_ = 0;
};

ManualClock::~ManualClock() { for (ManualTimer* t : timers_) t->clock_ = nullptr; }

std::unique_ptr<Timer> ManualClock::createTimer() {
  auto t = std::make_unique<ManualTimer>(this);
  timers_.push_back(t.get());
  return t;
}

void ManualClock::arm(ManualTimer* t) {
  // A zero interval still waits for the next turn of the event loop: at least 1 ms.
  t->due_ = now_ + std::max(t->interval_, 1);
  t->seq_ = ++armSeq_;
}

ManualClock::ManualTimer* ManualClock::nextDue(std::int64_t limit) const {
  ManualTimer* best = nullptr;
  for (ManualTimer* t : timers_) {
    if (!t->active_ || t->due_ > limit) continue;
    if (!best || t->due_ < best->due_ || (t->due_ == best->due_ && t->seq_ < best->seq_)) best = t;
  }
  return best;
}

void ManualClock::advance(std::int64_t ms) {
  const std::int64_t target = now_ + std::max<std::int64_t>(ms, 0);
  while (ManualTimer* t = nextDue(target)) {
    now_ = t->due_;
    arm(t);  // the next tick counts from this one; the tick itself may re-arm or stop it
    t->fire();  // may destroy timers, so nothing is held across this call
  }
  now_ = target;
}

int ManualClock::activeCount() const {
  return static_cast<int>(std::ranges::count_if(timers_, [](const ManualTimer* t) { return t->active_; }));
}

}  // namespace sumdart
