// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop on Qt: the primary screen's size, the program's pictures (loaded
// once and kept), and documents opened with the desktop's own application.
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>

#include "qt/qt_opener.h"
#include "seams/seams.h"

namespace sumdart {

class QtDesktop : public Desktop {
 public:
  // Looks files up in `searchDirs`, or in the default folders when it is empty.
  explicit QtDesktop(QStringList searchDirs = {}, DocumentOpener opener = defaultDocumentOpener());

  double screenWidthTwips() override;
  double screenHeightTwips() override;
  bool pictureLoads(const std::string& name) override;
  std::string searchedFolders() override;
  bool openDocument(const std::string& name) override;

  // The picture, or a null pixmap when it does not load.
  QPixmap picture(const std::string& name);
  // The picture shown `zoom` times its size on a screen of device pixel ratio
  // `ratio`: made at that size (the program's own pictures are drawn again,
  // others resampled), with that ratio, so it is drawn sharp. Null when the
  // picture does not load.
  QPixmap picture(const std::string& name, double zoom, double ratio);

 private:
  QStringList dirs() const;

  QStringList searchDirs_;
  DocumentOpener opener_;
  std::map<std::string, QPixmap> pictures_;
  std::map<std::string, std::pair<double, QPixmap>> scaled_;  // the last size asked for, by name
};

// lastgame.inf in the folder that is current when it is read or written.
class QtSaveFile : public SaveFile {
 public:
  explicit QtSaveFile(QString fileName = QStringLiteral("lastgame.inf")) : fileName_(std::move(fileName)) {}
  bool write(const std::string& contents) override;
  std::optional<std::string> read() override;

 private:
  QString fileName_;
};

// Writes `bytes` to `path` through a temporary file that replaces it only once
// every byte is written and flushed; otherwise `path` stays as it was.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

}  // namespace sumdart
