// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opens a document with the desktop's application for it. Screens receive the
// opener as a function, so tests can put their own in its place.
#include <QString>
#include <functional>

namespace sumdart {

// Returns whether the document was handed over to be opened.
using DocumentOpener = std::function<bool(const QString& path)>;

// Refuses a path that is not an existing file (the desktop would report success
// for it anyway), else asks QDesktopServices to open it; does not wait.
DocumentOpener defaultDocumentOpener();

}  // namespace sumdart
