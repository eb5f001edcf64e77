// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Gives a full-size window the game window's fixed size (kGameWidth x kGameHeight
// twips, state/game_size.h) and centres it on its screen; on a smaller screen
// the top-left corner lies off the screen.
#include <QPoint>
#include <QSize>

class QWidget;

namespace sumdart {

// Top-left corner in twips that centres a window on a screen:
// Left = screen width / 2 - window width / 2, Top likewise. A half twip goes to
// the even neighbour.
QPoint fitPosition(QSize screenTwips, QSize windowTwips);

// Size of the primary screen in twips; QSize() (invalid) when there is none.
QSize screenSizeTwips();

// Shows the busy pointer, fixes the window's size, centres it on its screen and
// restores the pointer. Ignores every failure: without a screen the position stays.
void fitform(QWidget* window);

}  // namespace sumdart
