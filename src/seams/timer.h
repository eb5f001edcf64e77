// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A timer as the screens use it: an interval in milliseconds, started and stopped,
// calling its tick while it runs. Starting a timer (also one that is running)
// starts its countdown afresh; giving a running timer a new interval does too.
// A tick may change the interval or stop its own timer.
#include <functional>
#include <memory>

namespace sumdart {

class Timer {
 public:
  virtual ~Timer() = default;
  virtual void setInterval(int ms) = 0;
  virtual int interval() const = 0;
  virtual void start() = 0;
  virtual void stop() = 0;
  virtual bool isActive() const = 0;

  void setEnabled(bool on) { on ? start() : stop(); }
  void onTick(std::function<void()> tick) { tick_ = std::move(tick); }

 protected:
  void fire() {
    if (tick_) tick_();
  }

 private:
  std::function<void()> tick_;
};

// The interval a timer on a real clock waits, for one the screens set to `ms`.
// A step faster than 30 a second (the dice flicker every 5 ms) shows nothing
// more to the eye than 30 faces a second do, while each step costs a wake-up
// and a drawing: it ticks every 33 ms instead. 1 ms means "at once" and stays,
// and every timer waits at least a millisecond, as the tests' virtual clock does.
inline constexpr int kFrameMs = 33;
constexpr int wallClockInterval(int ms) { return ms > 1 && ms < kFrameMs ? kFrameMs : (ms < 1 ? 1 : ms); }

class TimerFactory {
 public:
  virtual ~TimerFactory() = default;
  virtual std::unique_ptr<Timer> createTimer() = 0;
};

}  // namespace sumdart
