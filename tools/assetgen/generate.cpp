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

constexpr int kJpegQuality = 92;
constexpr int kPrintJpegQuality = 88;

}  // namespace

QStringList outputFiles() {
  QStringList files{QStringLiteral("Images/target2.bmp"), QStringLiteral("Images/logo2.jpg"),
                    QStringLiteral("Images/targetmd.bmp"), QStringLiteral("Images/start.jpg"),
                    QStringLiteral("Images/board.jpg"), QStringLiteral("icons/sumdart-48.png"),
                    QStringLiteral("icons/sumdart-256.png")};
  for (const char* name : {"click1", "cupdice", "ricochet", "divboard", "scrape", "golfswng", "scifi002",
                           "archer", "scifi003", "botrockt", "scifi011", "scifi020", "gong", "arrow"}) {
    files << QStringLiteral("wav/%1.wav").arg(QString::fromLatin1(name));
  }
  files << QStringLiteral("Sumdart Rules.doc");
  return files;
}

bool generateAll(const QString& folder, QString* error) {
  const QDir out(folder);
  auto path = [&out](const QString& relative) { return out.filePath(relative); };

  const struct {
    const char* file;
    QByteArray bytes;
  } pictures[] = {
      {"Images/target2.bmp", encode(boardPicture(), "bmp", 0)},
      {"Images/logo2.jpg", encode(logoPicture(), "jpg", kJpegQuality)},
      {"Images/targetmd.bmp", encode(titlePicture(), "bmp", 0)},
      {"Images/start.jpg", encode(startPicture(), "jpg", kJpegQuality)},
      {"Images/board.jpg", encode(doublesPicture(), "jpg", kJpegQuality)},
      {"icons/sumdart-48.png", encode(iconPicture(48), "png", 0)},
      {"icons/sumdart-256.png", encode(iconPicture(256), "png", 0)},
  };
  for (const auto& picture : pictures) {
    if (!writeFile(path(QString::fromLatin1(picture.file)), picture.bytes, error)) return false;
  }
  for (const Sound& sound : sounds()) {
    if (!writeFile(path(QStringLiteral("wav/") + sound.name), wavFile(sound), error)) return false;
  }
  return writeRulesDocument(path(QStringLiteral("Sumdart Rules.doc")), error);
}

bool writeRulesDocument(const QString& path, QString* error) {
  // The printed pictures are finer than the screen's, and a little more
  // compressed, to keep the document small.
  const QByteArray rules = rulesDocument(encode(rulesBoardPicture(), "jpg", kPrintJpegQuality),
                                         encode(throwPicture({5, 4, 3, 2}), "jpg", kPrintJpegQuality));
  return writeFile(path, rules, error);
}

bool writeTranslatedRules(const QString& folder, const QStringList& translations, QString* error) {
  for (const QString& file : translations) {
    const QString name = QFileInfo(file).completeBaseName();  // sumdart_de
    if (!name.startsWith(QLatin1String("sumdart_")) || name.size() <= 8) {
      if (error) *error = QStringLiteral("%1 is not named sumdart_LANGUAGE.qm").arg(file);
      return false;
    }
    QTranslator translator;
    if (!translator.load(file)) {
      if (error) *error = QStringLiteral("cannot load the translation %1").arg(file);
      return false;
    }
    QCoreApplication::installTranslator(&translator);
    const bool written = writeRulesDocument(
        QDir(folder).filePath(QStringLiteral("Sumdart Rules.%1.doc").arg(name.mid(8))), error);
    QCoreApplication::removeTranslator(&translator);
    if (!written) return false;
  }
  return true;
}

}  // namespace sumdart::assetgen
