// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Layouts give positions and sizes in twips; Qt works in logical pixels. This is
// the one place that converts: 15 twips to a logical pixel (1440 per inch at 96
// dpi), times the zoom, which makes every window, font and picture larger or
// smaller alike.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>
#include <limits>

#include "state/numbers.h"
#include "state/units.h"

namespace sumdart {

// The zoom in effect: 1 draws the layouts at their own size.
inline double& zoomFactor() {
  static double zoom = 1.0;
  return zoom;
}

// Nearest logical pixel; an exact half goes to the even neighbour. Values beyond
// the range of int are clamped and NaN gives 0, so the conversion never traps.
inline int twipsToPx(double twips) {
  if (std::isnan(twips)) return 0;
  const double px = roundHalfEven(twips * zoomFactor() / kTwipsPerPixel);
  if (px <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  if (px >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return static_cast<int>(px);
}

// Logical pixels to twips (exact).
inline double pxToTwips(double px) { return px * kTwipsPerPixel / zoomFactor(); }

// Left, Top, Width, Height in twips to a rectangle in logical pixels. Each value is
// converted on its own, so a control keeps the size its layout gives it.
inline QRect twipsRect(double left, double top, double width, double height) {
  return QRect(twipsToPx(left), twipsToPx(top), twipsToPx(width), twipsToPx(height));
}

inline QSize twipsSize(double width, double height) { return QSize(twipsToPx(width), twipsToPx(height)); }

inline QPoint twipsPoint(double left, double top) { return QPoint(twipsToPx(left), twipsToPx(top)); }

}  // namespace sumdart
