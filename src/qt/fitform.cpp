// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/fitform.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "qt/twips.h"
#include "state/game_size.h"
#include "state/numbers.h"

namespace sumdart {

namespace {

// The size every full-size window is given, in twips.
constexpr QSize kFitTwips(static_cast<int>(kGameWidth), static_cast<int>(kGameHeight));

int centred(int screen, int window) {
  // screen / 2 - window / 2 can end in a half twip.
  return static_cast<int>(roundHalfEven(screen / 2.0 - window / 2.0));
}

// The busy pointer for as long as the window is being fitted.
class BusyPointer {
 public:
  BusyPointer() : on_(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
    if (on_) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  }
  ~BusyPointer() {
    if (on_) QGuiApplication::restoreOverrideCursor();
  }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

 private:
  bool on_;
};

}  // namespace

QPoint fitPosition(QSize screenTwips, QSize windowTwips) {
  return QPoint(centred(screenTwips.width(), windowTwips.width()), centred(screenTwips.height(), windowTwips.height()));
}

QSize screenSizeTwips() {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return {};
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  const QSize px = screen->geometry().size();
  return QSize(static_cast<int>(pxToTwips(px.width())), static_cast<int>(pxToTwips(px.height())));
}

void fitform(QWidget* window) {
  if (!window) return;
  try {
    BusyPointer busy;
    const QSize size = twipsSize(kFitTwips.width(), kFitTwips.height());
    window->setFixedSize(size);

    const QScreen* screen = window->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;  // nowhere to centre on: the position stays
    const QRect area = screen->geometry();
    const QPoint twips = fitPosition(QSize(static_cast<int>(pxToTwips(area.width())), static_cast<int>(pxToTwips(area.height()))),
                                     kFitTwips);
    window->move(area.topLeft() + QPoint(twipsToPx(twips.x()), twipsToPx(twips.y())));
  } catch (...) {
    // Fitting a window never reports a failure; the window keeps what it had.
  }
}

}  // namespace sumdart
