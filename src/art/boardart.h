// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the Sumdart board and the small props (dice, darts, tokens, lettering)
// that the pictures share.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QString>

#include <array>

namespace sumdart::assetgen {

// Dartboard order of the twenty sectors, clockwise from the top.
inline constexpr std::array<int, 20> kSectorValues{20, 1,  18, 4,  13, 6,  10, 15, 2,  17,
                                                   3,  19, 7,  16, 8,  11, 14, 9,  12, 5};

// Radii of the full-size board, in pixels. The numbers sit at 0 (100), 60 (the
// four 50s), 100 (singles), 140 (doubles), 180 (trebles) and 220 (quadruples);
// every edge lies half-way between two of them.
inline constexpr double kBullEdge = 30.0;
inline constexpr double kFiftyEdge = 80.0;
inline constexpr double kSinglesEdge = 120.0;
inline constexpr double kDoublesEdge = 160.0;
inline constexpr double kTreblesEdge = 200.0;
inline constexpr double kQuadsEdge = 240.0;
inline constexpr double kRimEdge = 252.0;   // the black number rim ends here
inline constexpr double kBezelEdge = 258.0; // the metal band round the board

// Where the board of the game screen sits inside its 800 x 600 picture.
inline constexpr double kGameBoardX = 400.5;
inline constexpr double kGameBoardY = 304.0;

struct BoardLook {
  bool shadow = true;            // soft shadow on the background, down and right
  bool spotlightDoubles = false; // dim everything but the doubles and the bull
};

// Paints the board with its centre at `centre`, every radius times `scale`,
// both in the image's device-independent pixels: on an image with a device
// pixel ratio the board is drawn finer, not larger. Antialiased by
// supersampling; pixels outside the bezel keep their colour except where the
// shadow darkens them.
void paintBoard(QImage& image, QPointF centre, double scale, const BoardLook& look);

// Angle of sector j's middle, degrees clockwise from straight up.
inline double sectorAngle(int j) { return 18.0 * j; }

// A point at radius r and angle a (degrees clockwise from up) round `centre`.
QPointF polar(QPointF centre, double r, double angleDeg);

// ---- Props ------------------------------------------------------------------

QFont arialBold(double pixelSize);

// A die with rounded corners and pips, turned by angleDeg round its centre.
void drawDie(QPainter& p, QPointF centre, double size, double angleDeg, int value,
             QColor face, QColor pip);

// A dart whose point is at `tip`, `length` long, pointing in direction
// angleDeg: 0 points right, angles turn clockwise on screen as QPainter does.
void drawDart(QPainter& p, QPointF tip, double angleDeg, double length, QColor flight);

// A player's token (a pawn) standing with its base centre at `base`.
void drawToken(QPainter& p, QPointF base, double height, QColor colour);

// Text with a dark outline, centred on `centre`; drawn smaller, when it is
// wider than `maxWidth` (when given), to just that width: a translation may be
// longer than the English.
void drawOutlinedText(QPainter& p, QPointF centre, const QString& text, const QFont& font,
                      QColor fill, QColor outline, double outlineWidth, double maxWidth = 0);

// A vertical gradient filling the whole image, with a thin frame (2
// device-independent pixels wide, like every other line drawn by QPainter).
void fillPanel(QImage& image, QColor top, QColor bottom, QColor frame);

}  // namespace sumdart::assetgen
