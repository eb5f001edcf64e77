// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finds the program's pictures, sounds and documents from the names the screens
// use ("wav\\click1.wav", "Images\\target2.bmp", "images\\start.jpg"): backslashes
// are separators, and a name matches a file or folder whatever its case, so
// "Images" and "images" are one folder.
#include <QString>
#include <QStringList>

namespace sumdart {

// Absolute path of the existing file `name` names under the first of `searchDirs`
// that holds it, or an empty string. Each part of the name is matched exactly
// first, else case-insensitively against the folder's listing. Names that could
// leave the folder (absolute paths, drive letters, "..") find nothing.
QString resolveAsset(const QString& name, const QStringList& searchDirs);

// The current folder first, then the folder that holds the program, then
// PREFIX/share/sumdart beside an installed PREFIX/bin where that folder exists.
// A folder is listed once, however many of these it is.
QStringList defaultSearchDirs();
// The same for a program in `appDir` (none when empty), for a program that has
// no application object.
QStringList searchDirsBeside(const QString& appDir);

// resolveAsset with the default folders.
QString resolveAsset(const QString& name);

}  // namespace sumdart
