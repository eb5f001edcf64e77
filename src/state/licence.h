// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What --version says after the program's name and version: the copyright and
// the licence, as GNU programs say them.

namespace sumdart {

inline constexpr const char* kLicenceNotice =
    "Copyright (C) 2026 Sumdart developers.\n"
    "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

}  // namespace sumdart
