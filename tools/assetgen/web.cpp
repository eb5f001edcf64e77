// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The browser edition's files: the screens' pictures at 1x, 2x and 3x with
// pictures.json to find them by catalogue name and language, the web app's
// icons, and the rules as an HTML page per language.
#include "assetgen.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTranslator>

#include <map>

namespace sumdart::assetgen {
namespace {

constexpr int kWebJpegQuality = 85;    // the screens' pictures, all opaque
constexpr int kRulesJpegQuality = 80;  // the rules pages': printed at about 16 cm, the site stays small
constexpr std::array kWebIconSizes{48, 192, 512};
const QString kEnglish = QStringLiteral("en");

// A picture at 1x, 2x and 3x.
using Drawings = std::array<QImage, 3>;

// JPEG with Huffman tables fitted to the picture and progressive scans:
// smaller files, the same pixels.
QByteArray webJpeg(const QImage& image, int quality) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpg");
  writer.setQuality(quality);
  writer.setOptimizedWrite(true);
  writer.setProgressiveScanWrite(true);
  if (!writer.write(image)) return {};
  return bytes;
}

QByteArray png(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  return image.save(&buffer, "png") ? bytes : QByteArray();
}

// "Images\\target2.bmp" -> "Images/target2".
QString webStem(Picture picture) {
  const QString name = QString::fromLatin1(fileName(picture)).replace(QLatin1Char('\\'), QLatin1Char('/'));
  return name.left(name.lastIndexOf(QLatin1Char('.')));
}

// "Images/target2" -> "Images/target2.de" ("en" keeps the stem as it is).
QString inLanguage(const QString& stem, const QString& language) {
  return language == kEnglish ? stem : stem + QLatin1Char('.') + language;
}

Drawings drawings(Picture picture) {
  return {screenPicture(picture, 1.0), screenPicture(picture, 2.0), screenPicture(picture, 3.0)};
}

// Installs a translation for as long as it lives.
class Installed {
 public:
  explicit Installed(QTranslator& translator) : translator_(translator) { QCoreApplication::installTranslator(&translator_); }
  ~Installed() { QCoreApplication::removeTranslator(&translator_); }
  Installed(const Installed&) = delete;
  Installed& operator=(const Installed&) = delete;

 private:
  QTranslator& translator_;
};

class WebSite {
 public:
  explicit WebSite(const QString& folder) : site_(folder) {}

  // Everything in English: the pictures, the icons, the rules page and its
  // pictures. First, since the languages share what they draw alike.
  bool writeEnglish(QString* error) {
    for (std::size_t i = 0; i < kScreenPictures.size(); ++i) {
      const Drawings drawn = drawings(kScreenPictures[i]);
      sizes_[i] = drawn[0].size();
      if (!writeDrawings(webStem(kScreenPictures[i]), drawn, &files_[i][kEnglish], error)) return false;
    }
    for (const int size : kWebIconSizes) {
      const QString path = QStringLiteral("icons/sumdart-%1.png").arg(size);
      if (!writeFile(site_.filePath(path), png(iconPicture(size)), error)) return false;
    }
    const QImage diceThrow = throwPicture({5, 4, 3, 2});
    throw_ = {QStringLiteral("throw.jpg"), diceThrow.size()};
    return writeFile(site_.filePath(QStringLiteral("rules/throw.jpg")), webJpeg(diceThrow, kRulesJpegQuality), error) &&
           writeRules(kEnglish, rulesBoardPicture(), true, QLocale::c(), error);
  }

  // Everything in `language`, with its `translator`. A picture drawn as in
  // English keeps the English files. The two are drawn back to back to be
  // compared: the lettering can come out a shade different once much else
  // has been drawn.
  bool writeLanguage(const QString& language, QTranslator& translator, QString* error) {
    for (std::size_t i = 0; i < kScreenPictures.size(); ++i) {
      const QImage english = screenPicture(kScreenPictures[i], 1.0);
      const Installed installed(translator);
      QJsonArray paths = files_[i].at(kEnglish);
      if (screenPicture(kScreenPictures[i], 1.0) != english) {
        paths = {};
        const QString stem = inLanguage(webStem(kScreenPictures[i]), language);
        if (!writeDrawings(stem, drawings(kScreenPictures[i]), &paths, error)) return false;
      }
      files_[i][language] = paths;
    }
    const QImage englishBoard = rulesBoardPicture();
    const Installed installed(translator);
    const QImage board = rulesBoardPicture();
    return writeRules(language, board, board != englishBoard, QLocale(language), error);
  }

  bool writeIndex(QString* error) const {
    QJsonObject index;
    for (std::size_t i = 0; i < kScreenPictures.size(); ++i) {
      QJsonObject files;
      for (const auto& [language, paths] : files_[i]) files[language] = paths;
      index[QString::fromLatin1(fileName(kScreenPictures[i]))] = QJsonObject{
          {QStringLiteral("width"), sizes_[i].width()},
          {QStringLiteral("height"), sizes_[i].height()},
          {QStringLiteral("files"), files}};
    }
    return writeFile(site_.filePath(QStringLiteral("pictures.json")), QJsonDocument(index).toJson(), error);
  }

 private:
  // STEM.jpg, STEM@2x.jpg and STEM@3x.jpg; their paths appended to `paths`.
  bool writeDrawings(const QString& stem, const Drawings& drawn, QJsonArray* paths, QString* error) {
    for (std::size_t i = 0; i < drawn.size(); ++i) {
      const QString path = stem + (i == 0 ? QString() : QStringLiteral("@%1x").arg(i + 1)) + QStringLiteral(".jpg");
      if (!writeFile(site_.filePath(path), webJpeg(drawn[i], kWebJpegQuality), error)) return false;
      paths->append(path);
    }
    return true;
  }

  // rules/rules.html (rules.de.html...), with a board picture of its own
  // (rules/board.de.jpg...) when `ownBoard`, else the English one.
  bool writeRules(const QString& language, const QImage& board, bool ownBoard, const QLocale& numbers, QString* error) {
    PageImage boardFile{QStringLiteral("board.jpg"), board.size()};
    if (ownBoard) {
      boardFile.file = inLanguage(QStringLiteral("board"), language) + QStringLiteral(".jpg");
      if (!writeFile(site_.filePath(QStringLiteral("rules/") + boardFile.file), webJpeg(board, kRulesJpegQuality), error))
        return false;
    }
    const QString page = QStringLiteral("rules/") + inLanguage(QStringLiteral("rules"), language) + QStringLiteral(".html");
    return writeFile(site_.filePath(page), rulesPage(language, boardFile, throw_, numbers), error);
  }

  QDir site_;
  std::array<QSize, kScreenPictures.size()> sizes_;  // at 1x
  std::array<std::map<QString, QJsonArray>, kScreenPictures.size()> files_;  // by language
  PageImage throw_;
};

}  // namespace

bool generateWeb(const QString& site, const QStringList& translations, QString* error) {
  WebSite web(site);
  if (!web.writeEnglish(error)) return false;
  for (const QString& file : translations) {
    QTranslator translator;
    if (!loadTranslation(translator, file, error) ||
        !web.writeLanguage(QFileInfo(file).completeBaseName().mid(8), translator, error))  // sumdart_de: de
      return false;
  }
  return web.writeIndex(error);
}

}  // namespace sumdart::assetgen
