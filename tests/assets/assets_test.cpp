// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The generated pictures, sounds and rules document: present, loadable, and
// the board picture fits the numbers the game lays over it; and the browser
// edition's pictures and rules pages.
#include "assetgen.h"
#include "qt/wav_sound.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.1415926535;

double luminance(QRgb c) {
  const auto channel = [](int v) { return v <= 10 ? v / 255.0 / 12.92 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4); };
  return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}
double distance(QRgb a, QRgb b) { return std::hypot(qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b)); }

// The contents of a file of the generated folder, made once (or of any file
// by its absolute path); empty when it is missing.
QByteArray contents(const QString& path) {
  static QTemporaryDir folder;
  static const bool generated = [] {
    QString error;
    EXPECT_TRUE(sumdart::assetgen::generateAll(folder.path(), &error)) << error.toStdString();
    return true;
  }();
  QFile f(QDir(folder.path()).filePath(path));
  return generated && f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QImage& board() {
  static const QImage image = QImage::fromData(contents("Images/target2.bmp")).convertToFormat(QImage::Format_RGB32);
  return image;
}
// The board picture's pixel at radius r (pixels) and an angle clockwise from up,
// round the board's centre (6007.5, 4560 twips).
QRgb boardPixel(double r, double angleDeg) {
  const double a = angleDeg * kPi / 180.0;
  return board().pixel(static_cast<int>(std::floor(6007.5 / 15 + r * std::sin(a))), static_cast<int>(std::floor(4560.0 / 15 - r * std::cos(a))));
}

// Every file is written and every picture loads; the icons alone are
// transparent round the motif. The board is the one the game draws itself.
TEST(Assets, EveryFileIsWrittenAndEveryPictureLoads) {
  for (const QString& file : sumdart::assetgen::outputFiles()) {
    EXPECT_GT(contents(file).size(), 0) << file.toStdString();
    if (file.endsWith(".wav") || file.endsWith(".doc")) continue;
    const QImage image = QImage::fromData(contents(file));
    ASSERT_FALSE(image.isNull()) << file.toStdString();
    EXPECT_EQ(qAlpha(image.pixel(0, 0)) == 0, file.endsWith(".png")) << file.toStdString() << ": transparent round an icon alone";
  }
  EXPECT_EQ(sumdart::assetgen::boardPicture(), board());
}

// Each ring is one colour round its numbers (radii 0, 60, ... 220) and changes
// colour at its edges, half-way between the number radii; sector edges lie
// half-way between sector angles. The doubles ring has colours of its own,
// shared by the centre 100. Light grey numbers stay readable wherever they lie:
// round each number's place the board gives a contrast of at least 4.5 : 1.
TEST(Assets, RingAndSectorEdgesLieHalfWayTheDoublesStandOutAndTheNumbersAreReadable) {
  const double numberRadii[] = {0, 60, 100, 140, 180, 220};
  const double grey = luminance(qRgb(224, 224, 224));
  for (int ring = 0; ring < 6; ++ring) {
    const double inner = numberRadii[ring], edge = inner + (ring == 0 ? 30 : 20);
    for (int j = 0; j < 20; ++j) {
      SCOPED_TRACE(::testing::Message() << "radius " << inner << " angle " << 18 * j);
      EXPECT_GT(distance(boardPixel(edge - 4, 18.0 * j + 3), boardPixel(edge + 4, 18.0 * j + 3)), 40.0) << "an edge at " << edge;
      if (inner > 0) { EXPECT_LT(distance(boardPixel(inner, 18.0 * j), boardPixel(edge - 4, 18.0 * j)), 24.0); }
      for (int n = 0; n < 9; ++n) {
        const QRgb under = boardPixel(inner + 8 * (n / 3 - 1), 18.0 * j + 4 * (n % 3 - 1));
        ASSERT_GE((grey + 0.05) / (luminance(under) + 0.05), 4.5) << "a number on " << qRed(under) << "," << qGreen(under) << "," << qBlue(under);
      }
    }
  }
  for (double r : {100.0, 140.0, 180.0, 220.0}) {
    const double step = 180.0 / kPi / r;  // degrees per pixel of arc
    for (double edge = 9; edge < 360; edge += 18)
      EXPECT_GT(distance(boardPixel(r, edge - 5 * step), boardPixel(r, edge + 5 * step)), 40.0) << "radius " << r << " sector edge " << edge;
  }
  double nearestToBull = 1e9;
  for (int j = 0; j < 20; ++j) {
    const QRgb d = boardPixel(140, 18.0 * j);
    nearestToBull = std::min(nearestToBull, distance(d, boardPixel(0, 0)));
    for (int k = 0; k < 20; ++k)
      for (double r : {60.0, 100.0, 180.0, 220.0}) EXPECT_GT(distance(d, boardPixel(r, 18.0 * k + 2)), 40.0);
  }
  EXPECT_LT(nearestToBull, 30.0);
}

// Each sound: mono 16-bit PCM as the game's own player reads it, short (a
// click shortest), loud enough to hear, never clipped, no click at either end;
// no two alike.
TEST(Assets, SoundsAreShortDistinctCleanPcm) {
  std::vector<std::vector<std::int16_t>> all;
  for (const QString& file : sumdart::assetgen::outputFiles().filter(".wav")) {
    SCOPED_TRACE(file.toStdString());
    const std::optional<sumdart::Pcm> pcm = sumdart::readWav(contents(file));
    ASSERT_TRUE(pcm) << "not a sound the game can play";
    ASSERT_FALSE(pcm->samples.empty());
    EXPECT_EQ(pcm->channels, 1);
    const std::vector<std::int16_t>& samples = pcm->samples;
    const int rate = pcm->rate;
    EXPECT_LE(static_cast<double>(samples.size()) / rate, file.endsWith("click1.wav") ? 0.15 : 1.5) << "seconds";
    const int peak = std::abs(*std::ranges::max_element(samples, {}, [](int s) { return std::abs(s); }));
    EXPECT_GT(peak, 8000);
    EXPECT_LT(peak, 32767) << "clipped";
    EXPECT_LT(std::abs(samples.front()), 600);
    EXPECT_LT(std::abs(samples.back()), 600);
    EXPECT_EQ(std::ranges::count(all, samples), 0);
    all.push_back(samples);
  }
}

// Braces balance, ignoring escaped ones, and the outer group closes last;
// every character outside ASCII is escaped, and the pictures are there.
void expectWellFormedRtf(const QByteArray& doc, const std::string& name) {
  ASSERT_TRUE(doc.startsWith("{\\rtf1")) << name << ": " << doc.left(20).toStdString();
  EXPECT_TRUE(std::all_of(doc.begin(), doc.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) << name;
  const qsizetype end = doc.trimmed().size();
  for (qsizetype i = 0, depth = 0; i < end; ++i) {
    if (doc[i] == '\\') ++i;  // the escaped character, or the first letter of a control word
    else depth += (doc[i] == '{') - (doc[i] == '}');
    ASSERT_EQ(depth == 0, i == end - 1) << name << ": open groups at byte " << i << ": " << depth;
  }
  EXPECT_TRUE(doc.contains("\\jpegblip")) << name << " has its pictures";
}

// The rules, with real multiplication, division and minus signs (each with a
// fallback for old readers), the title and the page footer; and in each
// language of the build's translations, as well formed, in that language,
// title included. A translation that is not there writes nothing.
TEST(Assets, RulesDocumentIsWellFormedRtfInEachLanguage) {
  const QByteArray doc = contents("Sumdart Rules.doc");
  expectWellFormedRtf(doc, "Sumdart Rules.doc");
  for (const char* words :
       {"(6 + 4) \\u215x (3 + 1) = 40", "\\u247/", "\\u8722-", "{\\title Sumdart Rules}", "Sumdart rules \\endash  page {\\field"})
    EXPECT_TRUE(doc.contains(words)) << words;
  const QDir translations(QStringLiteral(SUMDART_QM_DIR));
  QStringList paths;
  for (const QString& f : translations.entryList({QStringLiteral("sumdart_*.qm")}, QDir::Files)) paths << translations.filePath(f);
  ASSERT_FALSE(paths.isEmpty());
  QTemporaryDir folder;
  QString error;
  ASSERT_TRUE(sumdart::assetgen::writeTranslatedRules(folder.path(), paths, &error)) << error.toStdString();
  for (const QString& path : paths) {
    const std::string name = "Sumdart Rules." + QFileInfo(path).completeBaseName().mid(8).toStdString() + ".doc";
    const QByteArray translated = contents(folder.filePath(QString::fromStdString(name)));
    expectWellFormedRtf(translated, name);
    EXPECT_FALSE(translated.contains("{\\title Sumdart Rules}")) << name;
    EXPECT_FALSE(translated.contains("The aim of the game")) << name;
    EXPECT_TRUE(translated.contains("(6 + 4) \\u215x (3 + 1) = 40")) << name << " keeps the sums";
    EXPECT_TRUE(translated.contains(" = 8,5")) << name << " writes 8.5 with the language's decimal comma";
  }
  EXPECT_FALSE(sumdart::assetgen::writeTranslatedRules(folder.path(), {QStringLiteral("/nonexistent/sumdart_xx.qm")}, &error));
}

// The browser site: pictures.json lists every screen picture in English and
// each language given, with files at 1x, 2x and 3x its size; a picture without
// words keeps the English files. The icons are there, and each rules page is
// in its language with its pictures beside it.
TEST(Assets, WebSiteHasEachPictureAtThreeScalesInEachLanguageAndTranslatedRulesPages) {
  QTemporaryDir site;
  QString error;
  const QString qm = QStringLiteral(SUMDART_QM_DIR "/sumdart_%1.qm");
  ASSERT_TRUE(sumdart::assetgen::generateWeb(site.path(), {qm.arg("de"), qm.arg("fr")}, &error)) << error.toStdString();
  const QJsonObject index = QJsonDocument::fromJson(contents(site.filePath("pictures.json"))).object();
  EXPECT_EQ(index.size(), std::ssize(sumdart::assetgen::kScreenPictures));
  for (const sumdart::Picture picture : sumdart::assetgen::kScreenPictures) {
    const QJsonObject entry = index[QString::fromLatin1(sumdart::fileName(picture))].toObject();
    const QSize size(entry["width"].toInt(), entry["height"].toInt());
    const QJsonObject files = entry["files"].toObject();
    EXPECT_EQ(files.keys(), QStringList({"de", "en", "fr"})) << sumdart::fileName(picture);
    for (const QJsonValue& paths : files) {
      ASSERT_EQ(paths.toArray().size(), 3);
      for (int i = 0; i < 3; ++i)
        EXPECT_EQ(QImageReader(site.filePath(paths[i].toString())).size(), size * (i + 1)) << paths[i].toString().toStdString();
    }
  }
  EXPECT_EQ(index["Images\\target2.bmp"]["files"]["de"], index["Images\\target2.bmp"]["files"]["en"]);
  EXPECT_NE(index["Images\\start.jpg"]["files"]["de"], index["Images\\start.jpg"]["files"]["en"]);
  for (const int icon : {48, 192, 512}) EXPECT_EQ(QImageReader(site.filePath(QString("icons/sumdart-%1.png").arg(icon))).size(), QSize(icon, icon));
  for (const QString language : {"en", "de"}) {
    const QString page = QString::fromUtf8(contents(site.filePath(language == "en" ? "rules/rules.html" : "rules/rules.de.html")));
    EXPECT_TRUE(page.contains("<html lang=\"" + language + "\">")) << language.toStdString();
    EXPECT_EQ(page.contains("The aim of the game"), language == "en");
    EXPECT_EQ(page.contains(" = 8,5<"), language == "de") << "the language's decimal comma";
    int pictures = 0;
    for (const auto& src : QRegularExpression(R"re(<img src="([^"]+)")re").globalMatch(page))
      pictures += !QImageReader(site.filePath("rules/" + src.captured(1))).size().isEmpty();
    EXPECT_EQ(pictures, 2) << language.toStdString();
  }
}

}  // namespace
