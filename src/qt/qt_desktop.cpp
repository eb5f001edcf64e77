// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/qt_desktop.h"

#include "state/texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QSaveFile>
#include <QScreen>
#include <cmath>

#include "qt/paths.h"
#include "qt/twips.h"
#include "art/art.h"

namespace sumdart {

namespace {
QSize screenPixels() {
  const QScreen* s = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen()
                                                                                  : nullptr;
  return s ? s->geometry().size() : QSize(800, 600);
}
}  // namespace

QtDesktop::QtDesktop(QStringList searchDirs, DocumentOpener opener)
    : searchDirs_(std::move(searchDirs)), opener_(std::move(opener)) {}

QStringList QtDesktop::dirs() const { return searchDirs_.isEmpty() ? defaultSearchDirs() : searchDirs_; }

double QtDesktop::screenWidthTwips() { return pxToTwips(screenPixels().width()); }
double QtDesktop::screenHeightTwips() { return pxToTwips(screenPixels().height()); }

QPixmap QtDesktop::picture(const std::string& name) {
  if (const auto it = pictures_.find(name); it != pictures_.end()) return it->second;
  const QString path = resolveAsset(QString::fromStdString(name), dirs());
  QImage image;
  if (!path.isEmpty()) image = QImageReader(path).read();
  // A picture that does not load is looked for again next time: it may be put back.
  if (image.isNull()) return {};
  return pictures_[name] = QPixmap::fromImage(image);
}

QPixmap QtDesktop::picture(const std::string& name, double zoom, double ratio) {
  const QPixmap base = picture(name);  // whether the picture is there at all is the file's to say
  const double scale = zoom * ratio;
  // The files are English: a picture with words in it is drawn again in the
  // player's language, also at its own size.
  const bool translated = !language().empty() && assetgen::programPictureHasWords(name);
  if (base.isNull() || (std::abs(scale - 1.0) < 1e-9 && !translated)) return base;
  auto& [madeFor, pix] = scaled_[name];
  if (madeFor == scale && !pix.isNull()) return pix;
  QImage image = assetgen::drawProgramPicture(name, scale);
  if (image.isNull()) {
    const QSize size(static_cast<int>(std::ceil(base.width() * scale)), static_cast<int>(std::ceil(base.height() * scale)));
    image = base.toImage().scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  pix = QPixmap::fromImage(image);
  pix.setDevicePixelRatio(ratio);
  madeFor = scale;
  return pix;
}

bool QtDesktop::pictureLoads(const std::string& name) { return !picture(name).isNull(); }

std::string QtDesktop::searchedFolders() { return dirs().join(QStringLiteral(", ")).toStdString(); }

bool QtDesktop::openDocument(const std::string& name) {
  const QString path = resolveAsset(QString::fromStdString(name), dirs());
  return !path.isEmpty() && opener_ && opener_(path);
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    if (error) *error = QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
    return false;
  }
  // Qt 6.4 commits a file even after a failed write: check every step, and
  // cancel so that the old file stays.
  if (file.write(bytes) != bytes.size() || !file.flush()) {
    if (error) *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    file.cancelWriting();
    file.commit();  // removes the temporary file
    return false;
  }
  if (!file.commit()) {
    if (error) *error = QStringLiteral("cannot save %1: %2").arg(path, file.errorString());
    return false;
  }
  return true;
}

bool QtSaveFile::write(const std::string& contents) {
  return writeFileAtomically(QDir::current().filePath(fileName_), QByteArray::fromStdString(contents));
}

std::optional<std::string> QtSaveFile::read() {
  QFile file(QDir::current().filePath(fileName_));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  // A saved game is about a hundred bytes; the start of a larger file is enough
  // to find it damaged.
  const QByteArray bytes = file.read(4096);
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  return bytes.toStdString();
}

}  // namespace sumdart
