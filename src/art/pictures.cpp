// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's pictures: the board behind the numbers, the logo, the title
// picture, the two pictures of the rules pages, the pictures of the printable
// rules and the desktop icon.
#include "art/pictures.h"
#include "art/boardart.h"
#include "state/game_size.h"
#include "state/units.h"

#include <QCoreApplication>
#include <QPainter>
#include <QList>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

namespace sumdart::assetgen {
namespace {

// Words in a picture, in the language of the translation installed (English
// when there is none, as when the files are written).
QString translated(const char* context, const char* text) { return QCoreApplication::translate(context, text); }

const QColor kYellow(255, 255, 0);
const QColor kGold(236, 190, 60);
const QColor kMagenta(192, 0, 192);

// The player colours of the score panels.
const QColor kPlayerBlue(0, 0, 255);
const QColor kPlayerRed(255, 0, 0);
const QColor kPlayerGreen(0, 255, 0);
const QColor kPlayerYellow(255, 255, 0);

// A w x h picture (device-independent pixels) filled with `colour`, made on
// `scale` times as many pixels, rounded up, with that device pixel ratio: every
// QPainter drawing on it keeps the 1x coordinates and comes out finer.
QImage blankImage(int w, int h, QColor colour, double scale = 1.0) {
  QImage image(static_cast<int>(std::ceil(w * scale)), static_cast<int>(std::ceil(h * scale)),
               QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  image.fill(colour);
  return image;
}

// A black disc behind the board carrying the twenty sector numbers, as on a
// real dartboard; the board itself is painted on top afterwards.
void paintNumberRing(QImage& image, QPointF centre, double scale, double fontPx) {
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const double ringMid = kBezelEdge * scale + fontPx * 0.95;
  const double outer = ringMid + fontPx * 0.95;
  QRadialGradient g(centre, outer);
  g.setColorAt(0.0, QColor(30, 30, 34));
  g.setColorAt(0.92, QColor(16, 16, 20));
  g.setColorAt(1.0, QColor(4, 4, 6));
  p.setPen(QPen(QColor(150, 152, 160), 1.0));
  p.setBrush(g);
  p.drawEllipse(centre, outer, outer);
  const QFont font = arialBold(fontPx);
  p.setFont(font);
  p.setPen(QColor(245, 245, 245));
  for (int j = 0; j < 20; ++j) {
    const QPointF at = polar(centre, ringMid, sectorAngle(j));
    const QRectF box(at.x() - fontPx * 1.5, at.y() - fontPx, fontPx * 3, fontPx * 2);
    p.drawText(box, Qt::AlignCenter, QString::number(kSectorValues[j]));
  }
}

void drawArrow(QPainter& p, QPointF from, QPointF to, QColor colour, double width) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF d = to - from;
  const double len = std::hypot(d.x(), d.y());
  const QPointF unit = d / len;
  const QPointF normal(-unit.y(), unit.x());
  const double head = width * 4.0;
  const QPointF base = to - unit * head;
  QPainterPath arrowHead;
  arrowHead.moveTo(to);
  arrowHead.lineTo(base + normal * head * 0.55);
  arrowHead.lineTo(base - normal * head * 0.55);
  arrowHead.closeSubpath();
  // Dark edge first so the arrow reads on any background.
  p.setPen(QPen(QColor(0, 0, 0, 170), width + 2.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(from, base);
  p.setBrush(QColor(0, 0, 0, 170));
  p.drawPath(arrowHead);
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(from, base);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(arrowHead);
  p.restore();
}

void drawStopwatch(QPainter& p, QPointF centre, double radius, const QString& reading) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const double r = radius;
  // Crown and side button.
  p.setPen(QPen(QColor(40, 40, 46), 1.0));
  p.setBrush(QColor(190, 192, 200));
  p.drawRoundedRect(QRectF(centre.x() - r * 0.16, centre.y() - r * 1.28, r * 0.32, r * 0.2), 2, 2);
  p.drawRect(QRectF(centre.x() - r * 0.07, centre.y() - r * 1.1, r * 0.14, r * 0.14));
  p.save();
  p.translate(centre);
  p.rotate(45);
  p.drawRoundedRect(QRectF(-r * 0.08, -r * 1.17, r * 0.16, r * 0.16), 1.5, 1.5);
  p.restore();
  // Case and face.
  QRadialGradient metal(centre - QPointF(r * 0.4, r * 0.4), r * 1.4);
  metal.setColorAt(0.0, QColor(235, 236, 240));
  metal.setColorAt(1.0, QColor(95, 98, 110));
  p.setBrush(metal);
  p.drawEllipse(centre, r, r);
  QRadialGradient face(centre - QPointF(r * 0.2, r * 0.3), r);
  face.setColorAt(0.0, QColor(255, 255, 255));
  face.setColorAt(1.0, QColor(214, 218, 226));
  p.setBrush(face);
  p.setPen(QPen(QColor(60, 60, 70), 1.0));
  p.drawEllipse(centre, r * 0.84, r * 0.84);
  // Minute marks.
  for (int i = 0; i < 60; ++i) {
    const bool big = i % 5 == 0;
    p.setPen(QPen(QColor(30, 30, 40), big ? 1.2 : 0.6));
    p.drawLine(polar(centre, r * (big ? 0.66 : 0.72), i * 6.0), polar(centre, r * 0.78, i * 6.0));
  }
  // The time left, then the hand.
  p.setFont(arialBold(r * 0.38));
  p.setPen(QColor(200, 0, 0));
  p.drawText(QRectF(centre.x() - r * 0.6, centre.y() + r * 0.1, r * 1.2, r * 0.46), Qt::AlignCenter,
             reading);
  p.setPen(QPen(QColor(200, 0, 0), 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(centre, polar(centre, r * 0.62, -50.0));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 30, 40));
  p.drawEllipse(centre, r * 0.07, r * 0.07);
  p.restore();
}

}  // namespace

QImage boardPicture(double scale) {
  // The game screen's background fills the game window.
  QImage image = blankImage(static_cast<int>(kGameWidth / kTwipsPerPixel), static_cast<int>(kGameHeight / kTwipsPerPixel),
                            QColor(49, 135, 215), scale);
  paintBoard(image, QPointF(kGameBoardX, kGameBoardY), 1.0, BoardLook{});
  return image;
}

QImage logoPicture(double scale) {
  QImage image = blankImage(100, 139, Qt::black, scale);
  fillPanel(image, QColor(20, 30, 98), QColor(6, 10, 44), kGold);

  const QPointF boardCentre(62, 42);
  const double boardScale = 30.0 / kBezelEdge;
  paintBoard(image, boardCentre, boardScale, BoardLook{});

  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  drawDie(p, QPointF(27, 78), 30, -14, 5, QColor(250, 250, 250), QColor(20, 20, 20));
  drawDie(p, QPointF(56, 86), 26, 17, 3, QColor(220, 20, 30), QColor(255, 255, 255));
  drawDart(p, polar(boardCentre, 10 * boardScale, 45), 135, 40, QColor(250, 200, 0));

  drawOutlinedText(p, QPointF(50, 113), QStringLiteral("Sumdart"), arialBold(19), kYellow,
                   QColor(90, 0, 90), 1.6);
  QFont ops = arialBold(12);
  drawOutlinedText(p, QPointF(50, 130), QStringLiteral("+  \u2212  \u00d7  \u00f7"), ops,
                   QColor(255, 255, 255), QColor(0, 0, 0), 0.0);
  return image;
}

QImage titlePicture(double scale) {
  QImage image = blankImage(320, 240, Qt::black, scale);
  fillPanel(image, QColor(26, 52, 140), QColor(6, 12, 52), QColor(20, 20, 30));

  const QPointF centre(122, 120);
  const double boardScale = 0.35;
  paintNumberRing(image, centre, boardScale, 10);
  paintBoard(image, centre, boardScale, BoardLook{false, false});

  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  drawDart(p, polar(centre, 140 * boardScale, 0), 150, 84, QColor(255, 40, 40));
  drawDart(p, polar(centre, 12 * boardScale, 250), 170, 80, QColor(40, 120, 255));

  drawDie(p, QPointF(262, 48), 38, -12, 6, kPlayerBlue, Qt::white);
  drawDie(p, QPointF(290, 96), 34, 14, 4, kPlayerRed, Qt::white);
  drawDie(p, QPointF(250, 132), 34, 6, 3, kPlayerGreen, Qt::black);
  drawDie(p, QPointF(286, 164), 32, -20, 1, kPlayerYellow, Qt::black);

  drawOutlinedText(p, QPointF(264, 214), QStringLiteral("Sumdart"), arialBold(21), kYellow,
                   kMagenta, 1.8);
  return image;
}

QImage startPicture(double scale) {
  QImage image = blankImage(200, 262, Qt::black, scale);
  fillPanel(image, QColor(16, 26, 120), QColor(4, 8, 56), kYellow);

  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  drawOutlinedText(p, QPointF(100, 20), translated("Pictures", "Ready to play?"), arialBold(19), kYellow,
                   QColor(0, 0, 0), 1.2, 188);

  // Name colours are lightened so each reads clearly on the dark panel.
  struct Player {
    const char* name;
    QColor token;
    QColor text;
  };
  const Player players[] = {{"Blue", QColor(40, 70, 255), QColor(160, 176, 255)},
                            {"Red", QColor(235, 20, 20), QColor(255, 120, 120)},
                            {"Green", QColor(20, 200, 40), QColor(90, 240, 110)},
                            {"Yellow", QColor(250, 220, 0), QColor(255, 240, 60)}};
  for (int i = 0; i < 4; ++i) {
    const double x = 28 + i * 48;
    drawToken(p, QPointF(x, 94), 58, players[i].token);
    drawOutlinedText(p, QPointF(x, 111), translated("Players", players[i].name), arialBold(13),
                     players[i].text, QColor(0, 0, 0), 1.0, 47);
  }
  // The order of play, left to right.
  drawArrow(p, QPointF(12, 129), QPointF(188, 129), QColor(255, 255, 255), 1.4);
  drawOutlinedText(p, QPointF(100, 145), translated("Pictures", "turn order"), arialBold(13),
                   QColor(230, 230, 255), QColor(0, 0, 0), 0.0, 188);

  // The four dice of a throw, as the game shows them on Blue's turn.
  const int values[] = {6, 4, 3, 1};
  for (int i = 0; i < 4; ++i) {
    const QPointF at(34 + (i % 2) * 40, 172 + (i / 2) * 40);
    drawDie(p, at, 34, (i % 2 ? 6 : -5), values[i], kPlayerBlue, Qt::white);
  }
  drawStopwatch(p, QPointF(150, 196), 36, QStringLiteral("300"));

  drawOutlinedText(p, QPointF(100, 246), translated("Pictures", "1 to 4 players"), arialBold(16), kYellow,
                   QColor(0, 0, 0), 1.0, 188);
  return image;
}

namespace {

// Rings the doubles, the edges of the second ring and of the centre: a soft
// glow under a bright line.
void ringDoubles(QPainter& p, QPointF centre, double scale, double glow, double line) {
  p.setBrush(Qt::NoBrush);
  for (double r : {kBullEdge, kSinglesEdge, kDoublesEdge}) {
    p.setPen(QPen(QColor(255, 225, 0, 115), glow));
    p.drawEllipse(centre, r * scale, r * scale);
    p.setPen(QPen(QColor(255, 238, 70), line));
    p.drawEllipse(centre, r * scale, r * scale);
  }
}

}  // namespace

QImage doublesPicture(double scale) {
  QImage image = blankImage(286, 280, Qt::black, scale);
  fillPanel(image, QColor(16, 26, 120), QColor(4, 8, 56), kYellow);

  const QPointF centre(136, 147);
  const double boardScale = 0.5;
  paintBoard(image, centre, boardScale, BoardLook{true, true});

  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  ringDoubles(p, centre, boardScale, 4.0, 1.4);
  // The doubles' own values, as large as the ring allows.
  p.setFont(arialBold(13));
  p.setPen(QColor(250, 250, 250));
  for (int j = 0; j < 20; ++j) {
    const QPointF at = polar(centre, 140 * boardScale, sectorAngle(j));
    p.drawText(QRectF(at.x() - 12, at.y() - 8, 24, 16), Qt::AlignCenter,
               QString::number(2 * kSectorValues[j]));
  }
  p.setFont(arialBold(12));
  p.drawText(QRectF(centre.x() - 14, centre.y() - 8, 28, 16), Qt::AlignCenter, QStringLiteral("100"));

  drawOutlinedText(p, QPointF(240, 18), translated("Pictures", "doubles"), arialBold(19), kYellow,
                   QColor(0, 0, 0), 1.4, 86);
  drawArrow(p, QPointF(236, 31), polar(centre, 162 * boardScale, 27), kYellow, 1.8);
  drawArrow(p, QPointF(252, 31), polar(centre, 24 * boardScale, 45), kYellow, 1.4);
  return image;
}

namespace {

// All 85 numbers of the printable rules' board, where the game puts them.
void drawAllNumbers(QPainter& p, QPointF centre, double scale) {
  p.setFont(arialBold(19 * scale));
  p.setPen(QColor(250, 250, 250));
  const auto number = [&](double r, double angle, int value) {
    const QPointF at = polar(centre, r * scale, angle);
    p.drawText(QRectF(at.x() - 40, at.y() - 25, 80, 50), Qt::AlignCenter, QString::number(value));
  };
  number(0, 0, 100);
  for (int i = 0; i < 4; ++i) number(60, 45 + 90 * i, 50);
  for (int k = 1; k <= 4; ++k)
    for (int j = 0; j < 20; ++j) number(60 + 40 * k, sectorAngle(j), k * kSectorValues[j]);
}

// The rings the printable rules' board labels: the radius of its numbers, the
// wire its leader runs out along, its name and what its numbers are.
struct Ring {
  double r;
  double angle;
  const char* name;
  const char* note;
  bool finishing;
};
const Ring kRings[] = {
    {220, 27, QT_TRANSLATE_NOOP("RulesDocument", "quadruples"), QT_TRANSLATE_NOOP("RulesDocument", "4 \u00d7 the sector's number"), false},
    {180, 45, QT_TRANSLATE_NOOP("RulesDocument", "trebles"), QT_TRANSLATE_NOOP("RulesDocument", "3 \u00d7 the sector's number"), false},
    {140, 63, QT_TRANSLATE_NOOP("RulesDocument", "doubles"), QT_TRANSLATE_NOOP("RulesDocument", "2 \u00d7 the sector's number"), true},
    {100, 81, QT_TRANSLATE_NOOP("RulesDocument", "singles"), QT_TRANSLATE_NOOP("RulesDocument", "the sector's number"), false},
    {60, 99, QT_TRANSLATE_NOOP("RulesDocument", "four 50s"), QT_TRANSLATE_NOOP("RulesDocument", "not doubles"), false},
    {0, 117, QT_TRANSLATE_NOOP("RulesDocument", "the centre: 100"), QT_TRANSLATE_NOOP("RulesDocument", "a double too"), true}};

// A label for each ring. Its leader runs out along a wire between two
// sectors, so it crosses no number, then across to the label.
void labelRings(QPainter& p, QPointF centre, double scale) {
  const double outside = (kBezelEdge + 10) * scale;
  for (const Ring& ring : kRings) {
    const QPointF from = polar(centre, std::max(ring.r, kBullEdge - 6) * scale, ring.angle);
    const QPointF corner = polar(centre, outside, ring.angle);
    const QPointF end(890, corner.y());
    const QColor ink = ring.finishing ? QColor(190, 0, 0) : QColor(20, 30, 110);
    // A white edge keeps the leader visible where it crosses the board.
    for (const auto& [colour, width] : {std::pair{QColor(255, 255, 255), 6.0}, std::pair{ink, 3.0}}) {
      p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawPolyline(QList<QPointF>{from, corner, end});
    }
    p.setPen(QPen(Qt::white, 2.0));
    p.setBrush(ink);
    p.drawEllipse(from, 7, 7);
    p.setPen(ink);
    p.setFont(arialBold(34));
    p.drawText(QRectF(900, corner.y() - 42, 340, 44), Qt::AlignLeft | Qt::AlignBottom,
               translated("RulesDocument", ring.name));
    QFont note(QStringLiteral("Arial"));
    note.setPixelSize(27);
    p.setFont(note);
    p.setPen(QColor(60, 60, 60));
    p.drawText(QRectF(900, corner.y() + 2, 340, 36), Qt::AlignLeft | Qt::AlignTop,
               translated("RulesDocument", ring.note));
  }
}

}  // namespace

QImage rulesBoardPicture() {
  QImage image = blankImage(1240, 880, Qt::white);
  const QPointF centre(440, 440);
  const double scale = 420.0 / kBezelEdge;
  paintBoard(image, centre, scale, BoardLook{true, false});

  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  ringDoubles(p, centre, scale, 9.0, 3.0);
  drawAllNumbers(p, centre, scale);
  labelRings(p, centre, scale);
  return image;
}

QImage throwPicture(const std::array<int, 4>& dice) {
  QImage image = blankImage(460, 120, Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  for (int i = 0; i < 4; ++i)
    drawDie(p, QPointF(62 + i * 112, 58), 86, (i % 2 ? 5 : -4), dice[static_cast<std::size_t>(i)],
            kPlayerBlue, Qt::white);
  return image;
}

QImage iconPicture(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double u = size / 48.0;

  // A classic dartboard, kept bold enough to read at 48 pixels: black rim,
  // red and green doubles and trebles, black and cream sectors, the bull.
  const QPointF c(21 * u, 21 * u);
  const double R = 19.5 * u;
  const QColor red(214, 30, 40), green(0, 150, 70), black(24, 24, 28), cream(240, 226, 186);
  p.setPen(QPen(QColor(150, 152, 160), std::max(1.0, 0.8 * u)));
  p.setBrush(black);
  p.drawEllipse(c, R, R);
  p.setPen(Qt::NoPen);
  const auto sectors = [&](double r, QColor even, QColor odd) {
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    for (int j = 0; j < 20; ++j) {
      p.setBrush(j % 2 == 0 ? even : odd);
      // QPainter's angles run anticlockwise from three o'clock, in 1/16 degree.
      p.drawPie(box, static_cast<int>((90 - sectorAngle(j) - 9) * 16), 18 * 16);
    }
  };
  sectors(0.84 * R, red, green);
  sectors(0.76 * R, black, cream);
  sectors(0.54 * R, red, green);
  sectors(0.44 * R, black, cream);
  p.setBrush(green);
  p.drawEllipse(c, 0.16 * R, 0.16 * R);
  p.setBrush(red);
  p.drawEllipse(c, 0.08 * R, 0.08 * R);

  // A blue die in front, bottom right, like the game's own dice.
  drawDie(p, QPointF(34 * u, 34 * u), 20.5 * u, -12, 5, QColor(30, 80, 235), Qt::white);
  return image;
}

}  // namespace sumdart::assetgen
