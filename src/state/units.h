// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Layouts give positions and sizes in twips, 1440 to an inch: 15 to a logical
// pixel at 96 dpi. qt/twips.h converts with it; the pictures drawn in code
// size themselves by it. Plain C++.

namespace sumdart {

inline constexpr int kTwipsPerPixel = 15;

}  // namespace sumdart
