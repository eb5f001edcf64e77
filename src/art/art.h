// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's pictures drawn while it runs, at the scale it shows them, with
// the same code that draws the files beside it.
#pragma once

#include <QImage>

#include <string>

namespace sumdart::assetgen {

// The program's picture of that name ("Images\\target2.bmp", with the backslash
// as the game names it; a forward slash also accepted) drawn at `scale` times
// its size, with that device pixel ratio; a null image for a name it does not
// draw. Names are matched without regard to case. A scale that is not a
// positive finite number also gives a null image. The lettering needs a
// QGuiApplication.
QImage drawProgramPicture(const std::string& name, double scale);

// Whether that picture has words in it, which a translation changes.
bool programPictureHasWords(const std::string& name);

}  // namespace sumdart::assetgen
