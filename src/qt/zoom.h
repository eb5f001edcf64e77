// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The zoom of the windows, for projectors and small screens: the factor chosen
// (on the command line for one run, or with Ctrl+Plus, Ctrl+Minus and Ctrl+0,
// which are remembered between runs), capped by the largest factor at which
// every window fits the screen.
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

namespace sumdart {

// Largest factor, in whole hundredths, at which the largest windows fit an area
// of `available` logical pixels: the game (800 x 600 at zoom 1, no title bar)
// and a rules page (800 x 600 under a title bar `titleBar` pixels high).
double fitZoom(QSize available, int titleBar);

// The command line's "--zoom" value: a factor from 0.5 to 4, or 0 for "fit";
// nothing for anything else.
std::optional<double> parseZoom(const QString& text);

class ZoomControl {
 public:
  static constexpr double kMin = 0.5, kMax = 4.0, kStep = 0.25;
  static constexpr double kFit = 0;  // a choice: as large as fits

  // Reads the remembered choice from `settingsFile` (by default the user's
  // configuration folder); a missing, damaged or odd value gives 1.
  explicit ZoomControl(QString settingsFile = {});

  // The command line's choice, for this run only.
  void chooseForThisRun(double factor);
  // The keys: +1 a step larger, -1 a step smaller, 0 back to 1; remembered.
  void step(int direction);
  // The screen's free area, and the height of a title bar as far as one has been seen.
  void setScreen(QSize available, int titleBar);
  int titleBar() const { return titleBar_; }

  double chosen() const { return chosen_; }
  // The factor in effect: the one chosen, or less when a window would not fit.
  double effective() const;

  // Runs whenever the factor in effect changes.
  std::function<void()> changed;

 private:
  void update();

  QString settingsFile_;
  double chosen_ = 1.0;
  QSize available_;
  int titleBar_ = 0;
  double effective_ = 1.0;
};

}  // namespace sumdart
