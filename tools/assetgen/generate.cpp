// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes every picture, sound, the icons and the rules document into one folder.
#include "assetgen.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <QTranslator>

namespace sumdart::assetgen {
namespace {

QByteArray encode(const QImage& image, const char* format, int quality) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  if (quality > 0) writer.setQuality(quality);
  if (!writer.write(image)) return {};
  return bytes;
}

}  // namespace

bool writeFile(const QString& path, const QByteArray& bytes, QString* error) {
  if (bytes.isEmpty()) {
    if (error) *error = QStringLiteral("nothing to write for %1").arg(path);
    return false;
  }
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
    if (error) *error = QStringLiteral("cannot create the folder of %1").arg(path);
    return false;
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    if (error) *error = QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
    return false;
  }
  // A short write or a failed flush must not leave a truncated file behind.
  if (file.write(bytes) != bytes.size() || !file.flush()) {
    file.cancelWriting();
    if (error) *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return false;
  }
  if (!file.commit()) {
    if (error) *error = QStringLiteral("cannot save %1: %2").arg(path, file.errorString());
    return false;
  }
  return true;
}

namespace {

constexpr int kJpegQuality = 92;
constexpr int kPrintJpegQuality = 88;

// A catalogue name ("wav\\click1.wav") as a path relative to the output folder.
QString relativePath(const char* name) { return QString::fromLatin1(name).replace(QLatin1Char('\\'), QLatin1Char('/')); }

QImage drawn(Picture picture) {
  if (picture == Picture::icon) return iconPicture(256);
  if (picture == Picture::smallIcon) return iconPicture(48);
  return screenPicture(picture, 1.0);
}

// A picture in the format its name ends with: .jpg as JPEG, .png (the icons,
// with their transparency) as PNG, anything else as BMP.
QByteArray pictureFile(Picture picture) {
  const QString name = relativePath(fileName(picture));
  if (name.endsWith(QLatin1String(".jpg"))) return encode(drawn(picture), "jpg", kJpegQuality);
  if (name.endsWith(QLatin1String(".png"))) return encode(drawn(picture), "png", 0);
  return encode(drawn(picture), "bmp", 0);
}

}  // namespace

QImage screenPicture(Picture picture, double scale) {
  switch (picture) {
    case Picture::board: return boardPicture(scale);
    case Picture::logo: return logoPicture(scale);
    case Picture::title: return titlePicture(scale);
    case Picture::rulesStart: return startPicture(scale);
    case Picture::rulesBoard: return doublesPicture(scale);
    case Picture::icon:
    case Picture::smallIcon: break;
  }
  return {};
}

QStringList outputFiles() {
  QStringList files;
  for (const Picture picture : kAllPictures) files << relativePath(fileName(picture));
  for (const Sound sound : kAllSounds) files << relativePath(fileName(sound));
  for (const Document document : kAllDocuments) files << relativePath(fileName(document));
  return files;
}

bool generateAll(const QString& folder, QString* error) {
  const QDir out(folder);
  auto path = [&out](const char* name) { return out.filePath(relativePath(name)); };
  for (const Picture picture : kAllPictures) {
    if (!writeFile(path(fileName(picture)), pictureFile(picture), error)) return false;
  }
  for (const SoundWave& sound : sounds()) {
    if (!writeFile(path(fileName(sound.role)), wavFile(sound), error)) return false;
  }
  return writeRulesDocument(path(fileName(Document::rules)), error);
}

bool writeRulesDocument(const QString& path, QString* error, const QLocale& numbers) {
  // The printed pictures are finer than the screen's, and a little more
  // compressed, to keep the document small.
  const QByteArray rules = rulesDocument(encode(rulesBoardPicture(), "jpg", kPrintJpegQuality),
                                         encode(throwPicture({5, 4, 3, 2}), "jpg", kPrintJpegQuality), numbers);
  return writeFile(path, rules, error);
}

bool loadTranslation(QTranslator& translator, const QString& file, QString* error) {
  const QString name = QFileInfo(file).completeBaseName();  // sumdart_de
  if (!name.startsWith(QLatin1String("sumdart_")) || name.size() <= 8) {
    if (error) *error = QStringLiteral("%1 is not named sumdart_LANGUAGE.qm").arg(file);
    return false;
  }
  if (!translator.load(file)) {
    if (error) *error = QStringLiteral("cannot load the translation %1").arg(file);
    return false;
  }
  return true;
}

bool writeTranslatedRules(const QString& folder, const QStringList& translations, QString* error) {
  for (const QString& file : translations) {
    const QString name = QFileInfo(file).completeBaseName();  // sumdart_de
    QTranslator translator;
    if (!loadTranslation(translator, file, error)) return false;
    QCoreApplication::installTranslator(&translator);
    const std::string language = name.mid(8).toStdString();
    const bool written = writeRulesDocument(
        QDir(folder).filePath(QString::fromStdString(fileName(Document::rules, language))), error, QLocale(name.mid(8)));
    QCoreApplication::removeTranslator(&translator);
    if (!written) return false;
  }
  return true;
}

}  // namespace sumdart::assetgen
