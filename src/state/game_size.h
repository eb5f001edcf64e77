// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game window's client area, in twips: the largest window the program
// shows (the game screen, the rules pages, the backdrop's test for a wide
// screen), 800 x 600 logical pixels at zoom 1. The board picture is drawn to
// fill it. Plain C++.

namespace sumdart {

inline constexpr double kGameWidth = 12000;
inline constexpr double kGameHeight = 9000;

}  // namespace sumdart
