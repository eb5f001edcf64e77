// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The order Tab moves the keyboard focus through a screen's controls, for
// every window that draws a Form: the desktop's and the browser's. Plain C++.
#include <cstddef>
#include <vector>

#include "state/form.h"

namespace sumdart {

// Whether Tab can ever reach the control: every kind but a label or a panel,
// and a label that can be clicked (while its record lets Tab stop at it).
bool takesFocus(const FormCtl& fc);

// The controls Tab can reach, as indices into form.controls: those the screen
// lists in its tabOrder first, then the others in reading order, by rows from
// the top and each row from the left. A control whose top lies above the
// middle of a row's first control is in that row.
std::vector<std::size_t> tabChain(const Form& form);

}  // namespace sumdart
