// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's timers: each one is backed by a repeating, precise QTimer on the
// user-interface thread; an animation step ticks at most 30 times a second.
#include <memory>

#include "seams/timer.h"

class QTimer;

namespace sumdart {

class QtTimer : public Timer {
 public:
  QtTimer();
  ~QtTimer() override;
  QtTimer(const QtTimer&) = delete;
  QtTimer& operator=(const QtTimer&) = delete;

  // A new interval on a running timer starts its countdown afresh.
  void setInterval(int ms) override;
  int interval() const override { return interval_; }
  // Starts the countdown afresh, also when the timer is running.
  void start() override;
  void stop() override;
  bool isActive() const override;

  // Milliseconds until the next tick; -1 when stopped.
  int remainingTime() const;

 private:
  QTimer* timer_;
  int interval_ = 0;
  int ticking_ = 0;  // > 0 while this timer's tick runs
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

class QtTimerFactory : public TimerFactory {
 public:
  std::unique_ptr<Timer> createTimer() override;
  std::unique_ptr<QtTimer> createQtTimer();
};

}  // namespace sumdart
