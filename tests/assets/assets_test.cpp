// The generated pictures, sounds and rules document: present, loadable, the
// right size, and the board picture fits the numbers the game lays over it.
#include "assetgen.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace {


// ---- The board as the game lays it out: twips, 15 to a pixel ----------------

constexpr std::array<int, 20> kSectors{20, 1, 18, 4, 13, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11, 14, 9, 12, 5};
constexpr double kPi = 3.1415926535;

// A point at radius r (pixels) and an angle clockwise from up, round the
// picture's board centre (6007.5, 4560 twips).
QPointF onBoard(double r, double angleDeg) {
  const double a = angleDeg * kPi / 180.0;
  return {6007.5 / 15 + r * std::sin(a), 4560.0 / 15 - r * std::cos(a)};
}

double luminance(QRgb c) {
  const auto channel = [](int v) {
    const double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}
double contrast(QRgb a, QRgb b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
double distance(QRgb a, QRgb b) { return std::hypot(qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b)); }

// ---- An independent WAV reader ------------------------------------------------

// The samples of a 16-bit PCM mono RIFF/WAVE file whose sizes all agree; else a
// problem is named.
struct Wav {
  Wav(std::string why = {}) : problem(std::move(why)) {}
  std::string problem;
  int rate = 0;
  std::vector<std::int16_t> samples;
};

Wav readWav(const QByteArray& b) {
  const auto u32 = [&b](qsizetype at) { return qFromLittleEndian<quint32>(b.constData() + at); };
  const auto u16 = [&b](qsizetype at) { return qFromLittleEndian<quint16>(b.constData() + at); };
  if (b.size() < 44 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE" || u32(4) != b.size() - 8)
    return {"not a RIFF/WAVE file of its own size"};
  Wav w;
  for (qsizetype at = 12; at + 8 <= b.size();) {
    const QByteArray id = b.mid(at, 4);
    const qsizetype size = u32(at + 4), body = at + 8;
    if (body + size > b.size()) return {"chunk " + id.toStdString() + " runs past the end"};
    if (id == "fmt ") {
      w.rate = static_cast<int>(u32(body + 4));
      if (size < 16 || u16(body) != 1 || u16(body + 2) != 1 || u16(body + 14) != 16 ||
          u32(body + 8) != static_cast<quint32>(w.rate * 2) || u16(body + 12) != 2)
        return {"not consistent 16-bit PCM mono"};
    } else if (id == "data") {
      if (w.rate == 0 || size % 2 != 0) return {"data before fmt, or an odd data size"};
      for (qsizetype i = 0; i < size; i += 2) w.samples.push_back(static_cast<std::int16_t>(u16(body + i)));
      return w;
    }
    at = body + size + (size & 1);
  }
  return {"no data chunk"};
}

// ---- The generated folder, made once ---------------------------------------

const struct {
  const char* file;
  QByteArray format;
  QSize size;
} kPictures[] = {{"Images/target2.bmp", "bmp", {800, 600}},  {"Images/logo2.jpg", "jpeg", {100, 139}},
                 {"Images/targetmd.bmp", "bmp", {320, 240}}, {"Images/start.jpg", "jpeg", {200, 262}},
                 {"Images/board.jpg", "jpeg", {286, 280}},   {"icons/sumdart-48.png", "png", {48, 48}},
                 {"icons/sumdart-256.png", "png", {256, 256}}};
const char* const kSounds[] = {"click1", "cupdice", "ricochet", "divboard", "scrape",   "golfswng", "scifi002",
                               "archer", "scifi003", "botrockt", "scifi011", "scifi020", "gong",     "arrow"};

class Assets : public ::testing::Test {
 public:
  static void SetUpTestSuite() {
    folder_ = std::make_unique<QTemporaryDir>();
    QString error;
    generated_ = sumdart::assetgen::generateAll(folder_->path(), &error);
    ASSERT_TRUE(generated_) << error.toStdString();
  }
  static void TearDownTestSuite() { folder_.reset(); }
  void SetUp() override { ASSERT_TRUE(generated_); }

  static QString path(const QString& relative) { return QDir(folder_->path()).filePath(relative); }
  static QByteArray contents(const QString& relative) {
    QFile f(path(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  static const QImage& board() {
    static const QImage image = QImage(path("Images/target2.bmp")).convertToFormat(QImage::Format_RGB32);
    return image;
  }

  static inline std::unique_ptr<QTemporaryDir> folder_;
  static inline bool generated_ = false;
};

TEST_F(Assets, WritesEveryFileItNamesWithItsSizeAndFormat) {
  QStringList expected;
  for (const auto& p : kPictures) expected << p.file;
  for (const char* s : kSounds) expected << QStringLiteral("wav/%1.wav").arg(s);
  expected << "Sumdart Rules.doc";
  EXPECT_EQ(sumdart::assetgen::outputFiles(), expected);
  for (const QString& file : expected) EXPECT_GT(QFileInfo(path(file)).size(), 0) << file.toStdString();
  // One pictures folder only; the game finds "images\..." in it whatever the case.
  EXPECT_EQ(QDir(folder_->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
            (QStringList{"Images", "Sumdart Rules.doc", "icons", "wav"}));
  EXPECT_EQ(QDir(path("Images")).entryList(QDir::Files).size() + QDir(path("wav")).entryList(QDir::Files).size() +
                QDir(path("icons")).entryList(QDir::Files).size(),
            21);
  for (const auto& p : kPictures) {
    QImageReader reader(path(p.file));
    reader.setDecideFormatFromContent(true);
    EXPECT_EQ(reader.format(), p.format) << p.file;
    const QImage image = reader.read();
    EXPECT_EQ(image.size(), p.size) << p.file << ": " << reader.errorString().toStdString();
    // The icons sit on the desktop's own background: transparent round the motif.
    const bool icon = p.format == "png";
    EXPECT_EQ(image.hasAlphaChannel(), icon) << p.file;
    if (icon && !image.isNull()) { EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << p.file; }
  }
  // The board picture's background is the window colour.
  for (QPoint p : {QPoint(0, 0), QPoint(799, 0), QPoint(0, 599), QPoint(799, 599), QPoint(60, 300), QPoint(400, 10)})
    EXPECT_EQ(board().pixel(p), qRgb(49, 135, 215)) << p.x() << "," << p.y();
}

// Light grey bold Arial numbers must stay readable on every part of the board
// they cover. The numbers are drawn here as the game draws them, top-aligned
// or centred in their boxes and nudged a pixel either way, and every pixel
// they cover must give a contrast of at least 4.5 : 1.
TEST_F(Assets, EveryBoardNumberHasReadableContrast) {
  // The 85 board numbers, top-left corners in pixels: the centre, the four 50s,
  // then the singles, doubles, trebles and quadruples, each ring in sector order.
  std::vector<std::pair<QPointF, int>> labels{{{5760.0 / 15, 4320.0 / 15}, 100}};
  const auto place = [&labels](double m, double angleDeg, int value) {
    const double a = angleDeg * kPi / 180.0;
    labels.push_back({{(5760 + 600 * m * std::sin(a)) / 15, (4320 - 600 * m * std::cos(a)) / 15}, value});
  };
  for (int i = 0; i < 4; ++i) place(1.5, 45.0 + 90.0 * i, 50);
  for (int k = 0; k < 4; ++k)
    for (int j = 0; j < 20; ++j) place(2.5 + k, 18.0 * j, kSectors[j] * (k + 1));

  QFont font(QStringLiteral("Arial"));
  font.setBold(true);
  font.setPixelSize(21);  // 15.75 pt at 96 dpi
  QImage mask(board().size(), QImage::Format_ARGB32_Premultiplied);
  mask.fill(Qt::transparent);
  QPainter p(&mask);
  p.setFont(font);
  p.setPen(Qt::white);
  for (const auto& [at, value] : labels) {
    const QString text = QString::number(value);
    for (int dx = -1; dx <= 1; ++dx) {
      for (int dy = -1; dy <= 1; ++dy) {
        const QRectF box(at.x() + dx, at.y() + dy, 33, 32);
        p.drawText(box, Qt::AlignHCenter | Qt::AlignTop, text);
        p.drawText(box, Qt::AlignCenter, text);
        if (value == 100)  // the centre label sizes itself to its text
          p.drawText(QRectF(box.topLeft(), QSizeF(QFontMetrics(font).horizontalAdvance(text) + 2, 32)),
                     Qt::AlignLeft | Qt::AlignTop, text);
      }
    }
  }
  p.end();
  int checked = 0;
  for (int y = 0; y < mask.height(); ++y) {
    for (int x = 0; x < mask.width(); ++x) {
      if (qAlpha(mask.pixel(x, y)) < 128) continue;
      ++checked;
      ASSERT_GE(contrast(qRgb(224, 224, 224), board().pixel(x, y)), 4.5) << "at pixel " << x << "," << y;
    }
  }
  EXPECT_GT(checked, 85 * 300);  // every number drawn
}

// The board picture's pixel that holds the point p, or at radius r and an angle.
QRgb pixelAt(QPointF p) {
  return Assets::board().pixel(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));
}
QRgb boardPixel(double r, double angleDeg) { return pixelAt(onBoard(r, angleDeg)); }

// Where the wire, the brightest point, lies along a path `at(d)`, d from -6 to 6.
double wireAt(const std::function<QPointF(double)>& at) {
  double brightest = -1, where = 0;
  for (double d = -6; d <= 6; d += 0.25) {
    if (luminance(pixelAt(at(d))) > brightest) brightest = luminance(pixelAt(at(d))), where = d;
  }
  return where;
}

// Each ring is one colour round its numbers and changes colour at its edges,
// which lie half-way between the number radii, where a wire is drawn; sector
// edges lie half-way between sector angles (9 + 18 j degrees).
TEST_F(Assets, RingAndSectorEdgesLieHalfWayBetweenTheNumbers) {
  const double numberRadii[] = {0, 60, 100, 140, 180, 220};
  for (int ring = 0; ring < 6; ++ring) {
    const double edge = numberRadii[ring] + (ring == 0 ? 30 : 20), inner = numberRadii[ring];
    for (int j = 0; j < 20; ++j) {
      const double angle = 18.0 * j + 3.0;
      SCOPED_TRACE(::testing::Message() << "edge " << edge << " angle " << angle);
      EXPECT_GT(distance(boardPixel(edge - 4, angle), boardPixel(edge + 4, angle)), 40.0);
      EXPECT_NEAR(wireAt([&](double d) { return onBoard(edge + d, angle); }), 0.0, 1.5);
      if (inner > 0) { EXPECT_LT(distance(boardPixel(inner, 18.0 * j), boardPixel(edge - 4, 18.0 * j)), 24.0); }
    }
  }
  for (double r : {100.0, 140.0, 180.0, 220.0}) {
    const double step = 180.0 / kPi / r;  // degrees per pixel of arc
    for (int j = 0; j < 20; ++j) {
      const double edge = 9.0 + 18.0 * j;
      SCOPED_TRACE(::testing::Message() << "radius " << r << " sector edge " << edge);
      EXPECT_GT(distance(boardPixel(r, edge - 5 * step), boardPixel(r, edge + 5 * step)), 40.0);
      EXPECT_NEAR(wireAt([&](double d) { return onBoard(r, edge + d * step); }), 0.0, 1.5);
    }
  }
}

// The doubles ring, where games are won, has colours of its own; the centre
// 100 (also a double) shares them.
TEST_F(Assets, DoublesRingStandsOut) {
  double nearestToBull = 1e9;
  for (int j = 0; j < 20; ++j) {
    const QRgb d = boardPixel(140, 18.0 * j);
    nearestToBull = std::min(nearestToBull, distance(d, boardPixel(0, 0)));
    for (int k = 0; k < 20; ++k)
      for (double r : {60.0, 100.0, 180.0, 220.0}) EXPECT_GT(distance(d, boardPixel(r, 18.0 * k + 2)), 40.0);
  }
  EXPECT_LT(nearestToBull, 30.0);
}

TEST_F(Assets, SoundsAreShortDistinctCleanPcm) {
  std::map<std::string, Wav> all;
  for (const char* name : kSounds) {
    SCOPED_TRACE(name);
    const Wav w = readWav(contents(QStringLiteral("wav/%1.wav").arg(name)));
    ASSERT_EQ(w.problem, "");
    EXPECT_TRUE(w.rate == 22050 || w.rate == 44100) << w.rate;
    const double seconds = static_cast<double>(w.samples.size()) / w.rate;
    const bool click = std::string(name) == "click1";
    ASSERT_GE(seconds, click ? 0.02 : 0.2);
    EXPECT_LE(seconds, click ? 0.15 : 1.5);
    // Loud enough to hear, never clipped, no click at either end.
    int peak = 0, run = 0, longestRun = 0;
    for (std::int16_t s : w.samples) {
      const int a = std::abs(static_cast<int>(s));
      peak = std::max(peak, a);
      run = a >= 32766 ? run + 1 : 0;
      longestRun = std::max(longestRun, run);
    }
    EXPECT_GT(peak, 8000);
    EXPECT_LT(longestRun, 2);
    EXPECT_LT(std::abs(w.samples.front()), 600);
    EXPECT_LT(std::abs(w.samples.back()), 600);
    all[name] = w;
  }
  // No two alike: neither the same samples nor closely correlated ones.
  for (auto a = all.begin(); a != all.end(); ++a) {
    for (auto b = std::next(a); b != all.end(); ++b) {
      const std::size_t n = std::min(a->second.samples.size(), b->second.samples.size());
      double ab = 0, aa = 1e-9, bb = 1e-9;
      for (std::size_t i = 0; i < n; ++i) {
        const double x = a->second.samples[i], y = b->second.samples[i];
        ab += x * y, aa += x * x, bb += y * y;
      }
      EXPECT_LT(std::abs(ab) / std::sqrt(aa * bb), 0.8) << a->first << " / " << b->first;
    }
  }
}

TEST_F(Assets, RulesDocumentIsWellFormedRtfWithTheRules) {
  const QByteArray doc = contents("Sumdart Rules.doc");
  ASSERT_TRUE(doc.startsWith("{\\rtf1")) << doc.left(20).toStdString();
  // Plain ASCII: everything else is escaped.
  EXPECT_TRUE(std::all_of(doc.begin(), doc.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
  // Braces balance, ignoring escaped ones, and the outer group closes last.
  int depth = 0;
  qsizetype closedAt = -1;
  for (qsizetype i = 0; i < doc.size(); ++i) {
    if (doc[i] == '\\') ++i;  // the escaped character, or the first letter of a control word
    else if (doc[i] == '{') ++depth;
    else if (doc[i] == '}' && --depth == 0 && closedAt < 0) closedAt = i;
    ASSERT_GE(depth, 0) << "at byte " << i;
  }
  EXPECT_EQ(depth, 0);
  EXPECT_EQ(doc.mid(closedAt + 1).trimmed(), QByteArray());
  for (const char* words :
       {"Sumdart", "double", "501", "four dice", "whole number from 1 to 100", "rounded to the nearest whole number",
        "exact half goes to the even neighbour",
        "Blue, Red, Green, Yellow", "always plays Red", "level 1, 2 or 3", "300 seconds", "lowest remaining target",
        "401, 301, 201 or 101", "64 or 46", "bust", "leave 1", "loses the turn", "second ring",
        // (6 + 4) x (3 + 1) = 40 with a real multiplication sign, and the other signs
        "(6 + 4) \\u215x (3 + 1) = 40", "\\u247/", "\\u8722-", "\\jpegblip"}) {
    EXPECT_TRUE(doc.contains(words)) << words;
  }
}

TEST_F(Assets, GenerationIsRepeatable) {
  EXPECT_EQ(sumdart::assetgen::boardPicture(), board());
  const auto first = sumdart::assetgen::sounds(), second = sumdart::assetgen::sounds();
  ASSERT_EQ(first.size(), second.size());
  for (std::size_t i = 0; i < first.size(); ++i) EXPECT_EQ(first[i].samples, second[i].samples);
}

}  // namespace
