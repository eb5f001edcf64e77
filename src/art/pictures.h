// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's pictures, drawn in code. The asset generator writes them at their
// own size; the game can draw them again finer when it is zoomed.
#pragma once

#include <QImage>

#include <array>

namespace sumdart::assetgen {

// The five pictures the game shows take a `scale` (more than 0): the same
// picture drawn on ceil(width * scale) x ceil(height * scale) pixels, with that
// device pixel ratio, so its layout (in device-independent pixels) is the
// 1x picture's whatever the scale. At 1 they are exactly the files written,
// when no translation is installed: the words in them are translated with
// QCoreApplication::translate.

// The game screen's background: 800 x 600, the board round (400.5, 304).
QImage boardPicture(double scale = 1.0);
// The logo beside the board and on the set-up screens: 100 x 139.
QImage logoPicture(double scale = 1.0);
// The title screen's picture: 320 x 240.
QImage titlePicture(double scale = 1.0);
// Rules page 1: the four players' tokens, dice and a clock: 200 x 262.
QImage startPicture(double scale = 1.0);
// Rules page 3: a small board with the doubles picked out: 286 x 280.
QImage doublesPicture(double scale = 1.0);

// The printable rules' board, for print at about 16 cm: every number, the
// doubles ringed and each ring labelled: 1240 x 880.
QImage rulesBoardPicture();
// The printable rules' throw: four dice in a row: 460 x 120.
QImage throwPicture(const std::array<int, 4>& dice);
// The application icon, size x size with a transparent background.
QImage iconPicture(int size);

}  // namespace sumdart::assetgen
