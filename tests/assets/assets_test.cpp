// The generated pictures, sounds and rules document: present, loadable, the
// right size, and the board picture fits the numbers the game lays over it.
#include "assetgen.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

namespace {

constexpr std::array<int, 20> kSectors{20, 1, 18, 4, 13, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11, 14, 9, 12, 5};
constexpr double kPi = 3.1415926535;

double luminance(QRgb c) {
  const auto channel = [](int v) {
    const double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}
double distance(QRgb a, QRgb b) { return std::hypot(qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b)); }

// The generated folder, made once; a file's contents, empty when it is missing.
QByteArray contents(const QString& relative) {
  static QTemporaryDir folder;
  static const bool generated = [] {
    QString error;
    EXPECT_TRUE(sumdart::assetgen::generateAll(folder.path(), &error)) << error.toStdString();
    return true;
  }();
  QFile f(QDir(folder.path()).filePath(relative));
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
  return board().pixel(static_cast<int>(std::floor(6007.5 / 15 + r * std::sin(a))),
                       static_cast<int>(std::floor(4560.0 / 15 - r * std::cos(a))));
}

// The samples of a generated sound, after checking, independently of the
// generator, its 44-byte header: 16-bit PCM mono, every size and rate agreeing.
std::vector<std::int16_t> samplesOf(const QByteArray& b, int& rate) {
  if (b.size() < 44) return {};
  rate = static_cast<int>(qFromLittleEndian<quint32>(b.constData() + 24));
  const auto u32 = [](qsizetype v) { const auto le = qToLittleEndian(static_cast<quint32>(v)); return QByteArray(reinterpret_cast<const char*>(&le), 4); };
  const auto u16 = [](int v) { const auto le = qToLittleEndian(static_cast<quint16>(v)); return QByteArray(reinterpret_cast<const char*>(&le), 2); };
  EXPECT_EQ(b.left(44), "RIFF" + u32(b.size() - 8) + "WAVEfmt " + u32(16) + u16(1) + u16(1) + u32(rate) + u32(rate * 2) + u16(2) +
                            u16(16) + "data" + u32(b.size() - 44));
  std::vector<std::int16_t> samples(static_cast<std::size_t>((b.size() - 44) / 2));
  for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = qFromLittleEndian<qint16>(b.constData() + 44 + 2 * i);
  return samples;
}

// Every file is written; the pictures load at the sizes the screens lay them out
// at; the icons are transparent round the motif; the board's background is the
// window colour. The board is drawn the same every time.
TEST(Assets, EveryFileIsWrittenAndThePicturesLoadAtTheirSizes) {
  for (const QString& file : sumdart::assetgen::outputFiles()) EXPECT_GT(contents(file).size(), 0) << file.toStdString();
  const std::pair<const char*, QSize> pictures[] = {
      {"Images/target2.bmp", {800, 600}}, {"Images/logo2.jpg", {100, 139}}, {"Images/targetmd.bmp", {320, 240}},
      {"Images/start.jpg", {200, 262}},   {"Images/board.jpg", {286, 280}}, {"icons/sumdart-48.png", {48, 48}},
      {"icons/sumdart-256.png", {256, 256}}};
  for (const auto& [file, size] : pictures) {
    const QImage image = QImage::fromData(contents(file));
    EXPECT_EQ(image.size(), size) << file;
    EXPECT_EQ(qAlpha(image.pixel(0, 0)) == 0, QByteArray(file).endsWith(".png")) << file << ": transparent round an icon alone";
  }
  EXPECT_EQ(board().pixel(0, 0), qRgb(49, 135, 215));
  EXPECT_EQ(sumdart::assetgen::boardPicture(), board());
}

// Light grey bold Arial numbers must stay readable on every part of the board
// they cover. The 85 numbers are drawn here as the game draws them (the centre,
// the four 50s, then the rings, each in sector order), top-aligned or centred in
// their boxes and nudged a pixel either way: every pixel they cover must give a
// contrast of at least 4.5 : 1.
TEST(Assets, EveryBoardNumberHasReadableContrast) {
  std::vector<std::pair<QPointF, int>> labels{{{5760.0 / 15, 4320.0 / 15}, 100}};  // top-left corners, pixels
  const auto place = [&labels](double m, double angleDeg, int value) {
    const double a = angleDeg * kPi / 180.0;
    labels.push_back({{(5760 + 600 * m * std::sin(a)) / 15, (4320 - 600 * m * std::cos(a)) / 15}, value});
  };
  for (int i = 0; i < 4; ++i) place(1.5, 45.0 + 90.0 * i, 50);
  for (int k = 0; k < 4; ++k)
    for (int j = 0; j < 20; ++j) place(2.5 + k, 18.0 * j, kSectors[j] * (k + 1));
  QFont font(QStringLiteral("Arial"), -1, QFont::Bold);
  font.setPixelSize(21);  // 15.75 pt at 96 dpi
  QImage mask(board().size(), QImage::Format_ARGB32_Premultiplied);
  mask.fill(Qt::transparent);
  QPainter p(&mask);
  p.setFont(font);
  p.setPen(Qt::white);
  for (const auto& [at, value] : labels) {
    const QString text = QString::number(value);
    // The centre label sizes itself to its text.
    const double width = value == 100 ? QFontMetrics(font).horizontalAdvance(text) + 2 : 33;
    for (int n = 0; n < 9; ++n) {
      const QPointF nudge(n / 3 - 1, n % 3 - 1);
      p.drawText(QRectF(at + nudge, QSizeF(33, 32)), Qt::AlignHCenter | Qt::AlignTop, text);
      p.drawText(QRectF(at + nudge, QSizeF(33, 32)), Qt::AlignCenter, text);
      p.drawText(QRectF(at + nudge, QSizeF(width, 32)), Qt::AlignLeft | Qt::AlignTop, text);
    }
  }
  p.end();
  int checked = 0;
  const double grey = luminance(qRgb(224, 224, 224));
  for (int y = 0; y < mask.height(); ++y) {
    for (int x = 0; x < mask.width(); ++x) {
      if (qAlpha(mask.pixel(x, y)) < 128) continue;
      ++checked;
      ASSERT_GE((grey + 0.05) / (luminance(board().pixel(x, y)) + 0.05), 4.5) << "at pixel " << x << "," << y;
    }
  }
  EXPECT_GT(checked, 85 * 300);  // every number drawn
}

// Each ring is one colour round its numbers (radii 0, 60, ... 220) and changes
// colour at its edges, half-way between the number radii, where a wire (the
// brightest point) is drawn; sector edges lie half-way between sector angles. The
// doubles ring has colours of its own, shared by the centre 100.
TEST(Assets, RingAndSectorEdgesLieHalfWayBetweenTheNumbersAndTheDoublesStandOut) {
  // Where the wire lies along a path `at(d)`, d from -6 to 6.
  const auto wireAt = [](const std::function<QRgb(double)>& at) {
    double brightest = -1, where = 0;
    for (double d = -6; d <= 6; d += 0.25)
      if (luminance(at(d)) > brightest) brightest = luminance(at(d)), where = d;
    return where;
  };
  const double numberRadii[] = {0, 60, 100, 140, 180, 220};
  for (int ring = 0; ring < 6; ++ring) {
    const double inner = numberRadii[ring], edge = inner + (ring == 0 ? 30 : 20);
    for (int j = 0; j < 20; ++j) {
      const double angle = 18.0 * j + 3.0;
      SCOPED_TRACE(::testing::Message() << "edge " << edge << " angle " << angle);
      EXPECT_GT(distance(boardPixel(edge - 4, angle), boardPixel(edge + 4, angle)), 40.0);
      EXPECT_NEAR(wireAt([&](double d) { return boardPixel(edge + d, angle); }), 0.0, 1.5);
      if (inner > 0) { EXPECT_LT(distance(boardPixel(inner, 18.0 * j), boardPixel(edge - 4, 18.0 * j)), 24.0); }
    }
  }
  for (double r : {100.0, 140.0, 180.0, 220.0}) {
    const double step = 180.0 / kPi / r;  // degrees per pixel of arc
    for (int j = 0; j < 20; ++j) {
      const double edge = 9.0 + 18.0 * j;
      SCOPED_TRACE(::testing::Message() << "radius " << r << " sector edge " << edge);
      EXPECT_GT(distance(boardPixel(r, edge - 5 * step), boardPixel(r, edge + 5 * step)), 40.0);
      EXPECT_NEAR(wireAt([&](double d) { return boardPixel(r, edge + d * step); }), 0.0, 1.5);
    }
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

// Each sound: consistent 16-bit PCM, short, loud enough to hear, never clipped,
// no click at either end; no two alike.
TEST(Assets, SoundsAreShortDistinctCleanPcm) {
  std::vector<std::vector<std::int16_t>> all;
  for (const QString& file : sumdart::assetgen::outputFiles().filter(".wav")) {
    SCOPED_TRACE(file.toStdString());
    int rate = 0;
    const std::vector<std::int16_t> samples = samplesOf(contents(file), rate);
    ASSERT_TRUE(rate == 22050 || rate == 44100) << rate;
    const double seconds = static_cast<double>(samples.size()) / rate;
    const bool click = file.endsWith("click1.wav");
    EXPECT_GE(seconds, click ? 0.02 : 0.2);
    EXPECT_LE(seconds, click ? 0.15 : 1.5);
    int peak = 0, run = 0, longestRun = 0;  // of samples at full scale
    for (std::int16_t s : samples) {
      peak = std::max(peak, std::abs(static_cast<int>(s)));
      run = std::abs(static_cast<int>(s)) >= 32766 ? run + 1 : 0;
      longestRun = std::max(longestRun, run);
    }
    EXPECT_GT(peak, 8000);
    EXPECT_LT(longestRun, 2);
    EXPECT_LT(std::abs(samples.front()), 600);
    EXPECT_LT(std::abs(samples.back()), 600);
    EXPECT_EQ(std::ranges::count(all, samples), 0);
    all.push_back(samples);
  }
  EXPECT_EQ(all.size(), 14u);
}

// Braces balance, ignoring escaped ones, the outer group closes last, and
// every character outside ASCII is escaped.
void expectWellFormedRtf(const QByteArray& doc, const std::string& name) {
  ASSERT_TRUE(doc.startsWith("{\\rtf1")) << name << ": " << doc.left(20).toStdString();
  EXPECT_TRUE(std::all_of(doc.begin(), doc.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) << name;
  int depth = 0;
  qsizetype closedAt = -1;
  for (qsizetype i = 0; i < doc.size(); ++i) {
    if (doc[i] == '\\') ++i;  // the escaped character, or the first letter of a control word
    else if (doc[i] == '{') ++depth;
    else if (doc[i] == '}' && --depth == 0 && closedAt < 0) closedAt = i;
    ASSERT_GE(depth, 0) << name << " at byte " << i;
  }
  EXPECT_EQ(depth, 0) << name;
  EXPECT_EQ(doc.mid(closedAt + 1).trimmed(), QByteArray()) << name;
  EXPECT_TRUE(doc.contains("\\jpegblip")) << name << " has its pictures";
}

TEST(Assets, RulesDocumentIsWellFormedRtfWithTheRules) {
  const QByteArray doc = contents("Sumdart Rules.doc");
  expectWellFormedRtf(doc, "Sumdart Rules.doc");
  // (6 + 4) x (3 + 1) = 40 with a real multiplication sign, the other signs, the title and the footer.
  for (const char* words : {"four dice", "whole number from 1 to 100", "exact half goes to the even neighbour",
                            "Blue, Red, Green, Yellow", "always plays Red", "level 1, 2 or 3", "300 seconds",
                            "lowest remaining target", "401, 301, 201 or 101", "64 or 46", "bust", "leave 1",
                            "loses the turn", "second ring", "(6 + 4) \\u215x (3 + 1) = 40", "\\u247/", "\\u8722-",
                            "{\\title Sumdart Rules}", "Sumdart rules \\endash  page {\\field"})
    EXPECT_TRUE(doc.contains(words)) << words;
}

// The rules in each language of the build's translations: as well formed, and
// in that language, title included.
TEST(Assets, RulesDocumentInEachLanguage) {
  const QDir translations(QStringLiteral(SUMDART_QM_DIR));
  const QStringList files = translations.entryList({QStringLiteral("sumdart_*.qm")}, QDir::Files);
  ASSERT_FALSE(files.isEmpty());
  QStringList paths;
  for (const QString& f : files) paths << translations.filePath(f);
  QTemporaryDir folder;
  QString error;
  ASSERT_TRUE(sumdart::assetgen::writeTranslatedRules(folder.path(), paths, &error)) << error.toStdString();
  const QByteArray english = contents("Sumdart Rules.doc");
  for (const QString& f : files) {
    const QString name = QStringLiteral("Sumdart Rules.%1.doc").arg(f.mid(8, f.size() - 11));
    QFile file(QDir(folder.path()).filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    const QByteArray doc = file.readAll();
    expectWellFormedRtf(doc, name.toStdString());
    EXPECT_FALSE(doc.contains("{\\title Sumdart Rules}")) << name.toStdString();
    EXPECT_FALSE(doc.contains("The aim of the game")) << name.toStdString();
    EXPECT_TRUE(doc.contains("(6 + 4) \\u215x (3 + 1) = 40")) << name.toStdString() << " keeps the sums";
  }
  EXPECT_FALSE(sumdart::assetgen::writeTranslatedRules(folder.path(), {QStringLiteral("/nonexistent/sumdart_xx.qm")}, &error));
}

}  // namespace
