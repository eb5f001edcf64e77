// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/qt_timer.h"

#include <QTimer>
#include <algorithm>

namespace sumdart {

namespace {
// Qt runs a 0 ms timer on every turn of the event loop; see wallClockInterval.
int qtInterval(int ms) { return wallClockInterval(ms); }
}  // namespace

QtTimer::QtTimer() : timer_(new QTimer) {
  timer_->setSingleShot(false);
  timer_->setTimerType(Qt::PreciseTimer);
  timer_->setInterval(qtInterval(interval_));
  QObject::connect(timer_, &QTimer::timeout, [this] {
    // The tick may destroy this timer: hold only a copy of the flag that says so.
    const std::shared_ptr<bool> alive = alive_;
    ++ticking_;
    fire();
    if (*alive) --ticking_;
  });
}

QtTimer::~QtTimer() {
  *alive_ = false;
  timer_->stop();
  QObject::disconnect(timer_, nullptr, nullptr, nullptr);
  // Destroyed from inside its own tick: the QTimer is still delivering its
  // timeout, so it is deleted once control is back in the event loop.
  if (ticking_ > 0)
    timer_->deleteLater();
  else
    delete timer_;
}

void QtTimer::setInterval(int ms) {
  interval_ = std::max(ms, 0);
  timer_->setInterval(qtInterval(interval_));
  if (timer_->isActive()) timer_->start();
}

void QtTimer::start() { timer_->start(qtInterval(interval_)); }

void QtTimer::stop() { timer_->stop(); }

bool QtTimer::isActive() const { return timer_->isActive(); }

int QtTimer::remainingTime() const { return timer_->remainingTime(); }

std::unique_ptr<Timer> QtTimerFactory::createTimer() { return createQtTimer(); }

std::unique_ptr<QtTimer> QtTimerFactory::createQtTimer() { return std::make_unique<QtTimer>(); }

}  // namespace sumdart
