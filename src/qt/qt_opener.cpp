// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/qt_opener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace sumdart {

DocumentOpener defaultDocumentOpener() {
  return [](const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile()) return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
  };
}

}  // namespace sumdart
