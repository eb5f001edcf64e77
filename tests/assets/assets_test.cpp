// The generated pictures, sounds and rules document: present, loadable, the
// right size, and the board picture fits the numbers the game lays over it.
#include "assetgen.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFont>
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
#include <cstdio>
#include <map>
#include <memory>
#include <numbers>
#include <vector>

namespace {

// Lettering needs a GUI application; one for the whole run.
class GuiEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (QGuiApplication::instance() == nullptr) app_ = std::make_unique<QGuiApplication>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "test_assets";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> app_;
};
[[maybe_unused]] auto* const guiEnvironment = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

// ---- The board as the game lays it out: twips, 15 to a pixel ----------------

constexpr std::array<int, 20> kSectors{20, 1, 18, 4, 13, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11, 14, 9, 12, 5};
constexpr double kPi = 3.1415926535;
constexpr double kCentreX = 6007.5 / 15.0;  // 400.5
constexpr double kCentreY = 4560.0 / 15.0;  // 304

struct BoardLabel {
  double left, top;  // pixels
  int value;
};

// The 85 board numbers: label 0 the centre, 1..4 the 50s, then the singles,
// doubles, trebles and quadruples, each ring in sector order.
std::vector<BoardLabel> boardLabels() {
  std::vector<BoardLabel> labels;
  auto place = [&labels](double m, double angleDeg, int value) {
    const double a = angleDeg * kPi / 180.0;
    labels.push_back({(5760.0 + 600.0 * m * std::sin(a)) / 15.0, (4320.0 - 600.0 * m * std::cos(a)) / 15.0, value});
  };
  labels.push_back({5760.0 / 15.0, 4320.0 / 15.0, 100});
  for (int i = 0; i < 4; ++i) place(1.5, 45.0 + 90.0 * i, 50);
  for (int k = 0; k < 4; ++k) {
    for (int j = 0; j < 20; ++j) place(2.5 + k, 18.0 * j, kSectors[j] * (k + 1));
  }
  return labels;
}

QPointF onBoard(double r, double angleDeg) {
  const double a = angleDeg * kPi / 180.0;
  return {kCentreX + r * std::sin(a), kCentreY - r * std::cos(a)};
}

// ---- Colour helpers ----------------------------------------------------------

double channel(int c) {
  const double s = c / 255.0;
  return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
}
double luminance(QRgb c) {
  return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}
double contrast(QRgb a, QRgb b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
double distance(QRgb a, QRgb b) {
  return std::hypot(qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b));
}

// The pixel that holds the point (x, y).
QRgb pixelAt(const QImage& image, QPointF p) {
  return image.pixel(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));
}

// ---- WAV reading -------------------------------------------------------------

struct Wav {
  bool valid = false;
  QString problem;
  int format = 0, channels = 0, rate = 0, bits = 0;
  std::vector<std::int16_t> samples;
  double seconds() const { return rate ? static_cast<double>(samples.size()) / rate : 0.0; }
};

Wav readWav(const QByteArray& bytes) {
  Wav w;
  auto u32 = [&bytes](qsizetype at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
  auto u16 = [&bytes](qsizetype at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
  if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
    w.problem = QStringLiteral("not RIFF/WAVE");
    return w;
  }
  if (u32(4) != static_cast<quint32>(bytes.size() - 8)) {
    w.problem = QStringLiteral("RIFF size does not match the file");
    return w;
  }
  bool haveFormat = false;
  qsizetype at = 12;
  while (at + 8 <= bytes.size()) {
    const QByteArray id = bytes.mid(at, 4);
    const quint32 size = u32(at + 4);
    const qsizetype body = at + 8;
    if (body + static_cast<qsizetype>(size) > bytes.size()) {
      w.problem = QStringLiteral("chunk %1 runs past the end").arg(QString::fromLatin1(id));
      return w;
    }
    if (id == "fmt ") {
      if (size < 16) {
        w.problem = QStringLiteral("short fmt chunk");
        return w;
      }
      w.format = u16(body);
      w.channels = u16(body + 2);
      w.rate = static_cast<int>(u32(body + 4));
      const quint32 byteRate = u32(body + 8);
      const int blockAlign = u16(body + 12);
      w.bits = u16(body + 14);
      if (byteRate != static_cast<quint32>(w.rate * w.channels * w.bits / 8) ||
          blockAlign != w.channels * w.bits / 8) {
        w.problem = QStringLiteral("inconsistent byte rate or block alignment");
        return w;
      }
      haveFormat = true;
    } else if (id == "data") {
      if (!haveFormat || size % 2 != 0) {
        w.problem = QStringLiteral("data before fmt, or an odd data size");
        return w;
      }
      for (quint32 i = 0; i < size; i += 2) w.samples.push_back(static_cast<std::int16_t>(u16(body + i)));
      w.valid = true;
      return w;
    }
    at = body + size + (size & 1);
  }
  w.problem = QStringLiteral("no data chunk");
  return w;
}

// ---- The generated folder, made once ---------------------------------------

const QStringList kExpectedFiles{
    "Images/target2.bmp", "Images/logo2.jpg",  "Images/targetmd.bmp", "Images/start.jpg",
    "Images/board.jpg",   "wav/click1.wav",    "wav/cupdice.wav",     "wav/ricochet.wav",
    "wav/divboard.wav",   "wav/scrape.wav",    "wav/golfswng.wav",    "wav/scifi002.wav",
    "wav/archer.wav",     "wav/scifi003.wav",  "wav/botrockt.wav",    "wav/scifi011.wav",
    "wav/scifi020.wav",   "wav/gong.wav",      "wav/arrow.wav",       "Sumdart Rules.doc"};

class Assets : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new QTemporaryDir;
    ASSERT_TRUE(folder_->isValid());
    QElapsedTimer clock;
    clock.start();
    QString error;
    generated_ = sumdart::assetgen::generateAll(folder_->path(), &error);
    std::printf("[ info     ] generated in %lld ms\n", static_cast<long long>(clock.elapsed()));
    ASSERT_TRUE(generated_) << error.toStdString();
  }
  static void TearDownTestSuite() {
    delete folder_;
    folder_ = nullptr;
  }
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

  static inline QTemporaryDir* folder_ = nullptr;
  static inline bool generated_ = false;
};

TEST_F(Assets, WritesEveryFileItNamesAndNoOther) {
  EXPECT_EQ(sumdart::assetgen::outputFiles(), kExpectedFiles);
  for (const QString& file : kExpectedFiles) {
    EXPECT_GT(QFileInfo(path(file)).size(), 0) << file.toStdString();
  }
  // One pictures folder only; the game finds "images\..." in it whatever the case.
  const QStringList top = QDir(folder_->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
  EXPECT_EQ(top, (QStringList{"Images", "Sumdart Rules.doc", "wav"}));
  EXPECT_EQ(QDir(path("Images")).entryList(QDir::Files).size(), 5);
  EXPECT_EQ(QDir(path("wav")).entryList(QDir::Files).size(), 14);
}

TEST_F(Assets, PicturesLoadWithTheirSizesAndFormats) {
  const struct {
    const char* file;
    QByteArray format;
    QSize size;
  } expected[] = {{"Images/target2.bmp", "bmp", {800, 600}},
                  {"Images/logo2.jpg", "jpeg", {100, 139}},
                  {"Images/targetmd.bmp", "bmp", {320, 240}},
                  {"Images/start.jpg", "jpeg", {190, 270}},
                  {"Images/board.jpg", "jpeg", {270, 260}}};
  for (const auto& e : expected) {
    SCOPED_TRACE(e.file);
    QImageReader reader(path(QString::fromLatin1(e.file)));
    reader.setDecideFormatFromContent(true);
    EXPECT_EQ(reader.format(), e.format);
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(image.size(), e.size);
  }
}

TEST_F(Assets, BoardPictureBackgroundIsTheWindowColour) {
  const QRgb windowColour = qRgb(49, 135, 215);
  for (QPoint p : {QPoint(0, 0), QPoint(799, 0), QPoint(0, 599), QPoint(799, 599), QPoint(60, 300),
                   QPoint(740, 300), QPoint(400, 10), QPoint(120, 560)}) {
    EXPECT_EQ(board().pixel(p), windowColour) << p.x() << "," << p.y();
  }
}

// Light grey bold Arial numbers must stay readable on every part of the board
// they cover. The numbers are drawn here as the game draws them, top-aligned
// or centred in their boxes and nudged a pixel either way, and every pixel
// they cover must give a contrast of at least 4.5 : 1.
TEST_F(Assets, EveryBoardNumberHasReadableContrast) {
  const QImage& image = board();
  const QRgb grey = qRgb(224, 224, 224);
  QFont font(QStringLiteral("Arial"));
  font.setBold(true);
  font.setPixelSize(21);  // 15.75 pt at 96 dpi
  const QFontMetrics metrics(font);

  int checked = 0;
  double worst = 100.0;
  const auto labels = boardLabels();
  ASSERT_EQ(labels.size(), 85u);
  for (std::size_t index = 0; index < labels.size(); ++index) {
    const BoardLabel& label = labels[index];
    const QString text = QString::number(label.value);
    QImage mask(image.size(), QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
      QPainter p(&mask);
      p.setFont(font);
      p.setPen(Qt::white);
      for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
          const QRectF box(label.left + dx, label.top + dy, 33, 32);
          p.drawText(box, Qt::AlignHCenter | Qt::AlignTop, text);
          p.drawText(box, Qt::AlignCenter, text);
          if (index == 0) {  // the centre label sizes itself to its text
            p.drawText(QRectF(label.left + dx, label.top + dy, metrics.horizontalAdvance(text) + 2, 32),
                       Qt::AlignLeft | Qt::AlignTop, text);
          }
        }
      }
    }
    for (int y = 0; y < mask.height(); ++y) {
      const auto* m = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
      for (int x = 0; x < mask.width(); ++x) {
        if (qAlpha(m[x]) < 128) continue;
        const double c = contrast(grey, image.pixel(x, y));
        worst = std::min(worst, c);
        ++checked;
        if (c < 4.5) {
          ADD_FAILURE() << "label " << index << " (" << label.value << ") at pixel " << x << "," << y
                        << ": contrast " << c;
          return;
        }
      }
    }
  }
  EXPECT_GT(checked, 85 * 60);
  std::printf("[ info     ] worst contrast behind a number: %.2f\n", worst);
}

// Each ring is one colour round its numbers and changes colour at its edges,
// which lie half-way between the number radii, where a wire is drawn.
TEST_F(Assets, RingEdgesLieHalfWayBetweenNumberRadii) {
  const QImage& image = board();
  const double numberRadii[] = {0, 60, 100, 140, 180, 220};
  const double edges[] = {30, 80, 120, 160, 200, 240};
  for (int ring = 0; ring < 6; ++ring) {
    const double edge = edges[ring];
    for (int j = 0; j < 20; ++j) {
      const double angle = 18.0 * j + 3.0;
      SCOPED_TRACE(::testing::Message() << "edge " << edge << " angle " << angle);
      // Inside and outside differ.
      const QRgb in = pixelAt(image, onBoard(edge - 4, angle));
      const QRgb out = pixelAt(image, onBoard(edge + 4, angle));
      EXPECT_GT(distance(in, out), 40.0);
      // The wire, the brightest point across the edge, sits on the edge.
      double brightest = -1, at = 0;
      for (double r = edge - 6; r <= edge + 6; r += 0.25) {
        const double l = luminance(pixelAt(image, onBoard(r, angle)));
        if (l > brightest) {
          brightest = l;
          at = r;
        }
      }
      EXPECT_NEAR(at, edge, 1.5);
      // Between this edge and the number radius inside it, one colour.
      const double inner = numberRadii[ring];
      if (inner > 0) {
        const QRgb a = pixelAt(image, onBoard(inner, 18.0 * j));
        const QRgb b = pixelAt(image, onBoard(edge - 4, 18.0 * j));
        EXPECT_LT(distance(a, b), 24.0) << "ring round radius " << inner;
      }
    }
  }
}

// Sector edges sit half-way between sector angles (9 + 18 j degrees) in every
// ring of twenty.
TEST_F(Assets, SectorEdgesLieHalfWayBetweenSectors) {
  const QImage& image = board();
  for (double r : {100.0, 140.0, 180.0, 220.0}) {
    for (int j = 0; j < 20; ++j) {
      const double edge = 9.0 + 18.0 * j;
      SCOPED_TRACE(::testing::Message() << "radius " << r << " edge " << edge);
      const double step = 180.0 / kPi / r;  // degrees per pixel of arc
      const QRgb before = pixelAt(image, onBoard(r, edge - 5 * step));
      const QRgb after = pixelAt(image, onBoard(r, edge + 5 * step));
      EXPECT_GT(distance(before, after), 40.0);
      double brightest = -1, at = 0;
      for (double d = -6; d <= 6; d += 0.25) {
        const double l = luminance(pixelAt(image, onBoard(r, edge + d * step)));
        if (l > brightest) {
          brightest = l;
          at = d;
        }
      }
      EXPECT_NEAR(at, 0.0, 1.5);
    }
  }
}

// The doubles ring, where games are won, has colours of its own; the centre
// 100 (also a double) shares them.
TEST_F(Assets, DoublesRingStandsOut) {
  const QImage& image = board();
  std::vector<QRgb> doubles, others;
  for (int j = 0; j < 20; ++j) {
    doubles.push_back(pixelAt(image, onBoard(140, 18.0 * j)));
    for (double r : {60.0, 100.0, 180.0, 220.0}) others.push_back(pixelAt(image, onBoard(r, 18.0 * j + 2)));
  }
  for (QRgb d : doubles) {
    for (QRgb o : others) EXPECT_GT(distance(d, o), 40.0);
  }
  double nearestToBull = 1e9;
  for (QRgb d : doubles) nearestToBull = std::min(nearestToBull, distance(d, pixelAt(image, onBoard(0, 0))));
  EXPECT_LT(nearestToBull, 30.0);
}

TEST_F(Assets, SoundsAreShortDistinctCleanPcm) {
  std::map<QString, Wav> all;
  for (const QString& file : kExpectedFiles) {
    if (!file.startsWith("wav/")) continue;
    SCOPED_TRACE(file.toStdString());
    const Wav w = readWav(contents(file));
    ASSERT_TRUE(w.valid) << w.problem.toStdString();
    EXPECT_EQ(w.format, 1);
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.bits, 16);
    EXPECT_TRUE(w.rate == 22050 || w.rate == 44100) << w.rate;
    if (file == "wav/click1.wav") {
      EXPECT_LE(w.seconds(), 0.15);
      EXPECT_GE(w.seconds(), 0.02);
    } else {
      EXPECT_GE(w.seconds(), 0.2);
      EXPECT_LE(w.seconds(), 1.5);
    }
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
    EXPECT_LT(std::abs(static_cast<int>(w.samples.front())), 600);
    EXPECT_LT(std::abs(static_cast<int>(w.samples.back())), 600);
    all[file] = w;
  }
  ASSERT_EQ(all.size(), 14u);
  // No two alike: neither the same samples nor closely correlated ones.
  for (auto a = all.begin(); a != all.end(); ++a) {
    for (auto b = std::next(a); b != all.end(); ++b) {
      SCOPED_TRACE((a->first + " / " + b->first).toStdString());
      EXPECT_NE(a->second.samples, b->second.samples);
      const std::size_t n = std::min(a->second.samples.size(), b->second.samples.size());
      double ab = 0, aa = 1e-9, bb = 1e-9;
      for (std::size_t i = 0; i < n; ++i) {
        const double x = a->second.samples[i], y = b->second.samples[i];
        ab += x * y;
        aa += x * x;
        bb += y * y;
      }
      EXPECT_LT(std::abs(ab) / std::sqrt(aa * bb), 0.8);
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
    const char c = doc[i];
    if (c == '\\') {
      ++i;  // the escaped character, or the first letter of a control word
      continue;
    }
    if (c == '{') ++depth;
    if (c == '}') {
      --depth;
      ASSERT_GE(depth, 0) << "at byte " << i;
      if (depth == 0 && closedAt < 0) closedAt = i;
    }
  }
  EXPECT_EQ(depth, 0);
  EXPECT_EQ(doc.mid(closedAt + 1).trimmed(), QByteArray());

  for (const char* words :
       {"Sumdart", "double", "501", "four dice", "whole number from 1 to 100", "rounded to the nearest whole number",
        "Blue, Red, Green, Yellow", "always plays Red", "level 1, 2 or 3", "300 seconds", "lowest remaining target",
        "401, 301, 201 or 101", "64 or 46", "bust", "leave 1", "loses the turn", "second ring",
        // (6 + 4) x (3 + 1) = 40 with a real multiplication sign, and the other signs
        "(6 + 4) \\u215x (3 + 1) = 40", "\\u247/", "\\u8722-", "\\jpegblip"}) {
    EXPECT_TRUE(doc.contains(words)) << words;
  }
}

TEST_F(Assets, GenerationIsRepeatable) {
  EXPECT_EQ(sumdart::assetgen::boardPicture(), board());
  const auto first = sumdart::assetgen::sounds();
  const auto second = sumdart::assetgen::sounds();
  ASSERT_EQ(first.size(), second.size());
  for (std::size_t i = 0; i < first.size(); ++i) EXPECT_EQ(first[i].samples, second[i].samples);
}

}  // namespace
