// The game's pictures: the board behind the numbers, the logo, the title
// picture and the two pictures of the rules pages.
#include "assetgen.h"
#include "boardart.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace sumdart::assetgen {
namespace {

const QColor kYellow(255, 255, 0);
const QColor kGold(236, 190, 60);
const QColor kMagenta(192, 0, 192);

// The player colours of the score panels.
const QColor kPlayerBlue(0, 0, 255);
const QColor kPlayerRed(255, 0, 0);
const QColor kPlayerGreen(0, 255, 0);
const QColor kPlayerYellow(255, 255, 0);

QImage blankImage(int w, int h, QColor colour) {
  QImage image(w, h, QImage::Format_RGB32);
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
  p.setFont(arialBold(r * 0.34));
  p.setPen(QColor(200, 0, 0));
  p.drawText(QRectF(centre.x() - r * 0.6, centre.y() + r * 0.12, r * 1.2, r * 0.4), Qt::AlignCenter,
             reading);
  p.setPen(QPen(QColor(200, 0, 0), 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(centre, polar(centre, r * 0.62, -50.0));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 30, 40));
  p.drawEllipse(centre, r * 0.07, r * 0.07);
  p.restore();
}

}  // namespace

QImage boardPicture() {
  QImage image = blankImage(800, 600, QColor(49, 135, 215));
  paintBoard(image, QPointF(kGameBoardX, kGameBoardY), 1.0, BoardLook{});
  return image;
}

QImage logoPicture() {
  QImage image(100, 139, QImage::Format_RGB32);
  fillPanel(image, QColor(20, 30, 98), QColor(6, 10, 44), kGold);

  const QPointF boardCentre(62, 42);
  const double scale = 30.0 / kBezelEdge;
  paintBoard(image, boardCentre, scale, BoardLook{});

  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  drawDie(p, QPointF(27, 78), 30, -14, 5, QColor(250, 250, 250), QColor(20, 20, 20));
  drawDie(p, QPointF(56, 86), 26, 17, 3, QColor(220, 20, 30), QColor(255, 255, 255));
  drawDart(p, polar(boardCentre, 10 * scale, 45), 135, 40, QColor(250, 200, 0));

  drawOutlinedText(p, QPointF(50, 113), QStringLiteral("Sumdart"), arialBold(19), kYellow,
                   QColor(90, 0, 90), 1.6);
  QFont ops = arialBold(12);
  drawOutlinedText(p, QPointF(50, 130), QStringLiteral("+  \u2212  \u00d7  \u00f7"), ops,
                   QColor(255, 255, 255), QColor(0, 0, 0), 0.0);
  return image;
}

QImage titlePicture() {
  QImage image(320, 240, QImage::Format_RGB32);
  fillPanel(image, QColor(26, 52, 140), QColor(6, 12, 52), QColor(20, 20, 30));

  const QPointF centre(122, 120);
  const double scale = 0.35;
  paintNumberRing(image, centre, scale, 10);
  paintBoard(image, centre, scale, BoardLook{false, false});

  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  drawDart(p, polar(centre, 140 * scale, 0), 150, 84, QColor(255, 40, 40));
  drawDart(p, polar(centre, 12 * scale, 250), 170, 80, QColor(40, 120, 255));

  drawDie(p, QPointF(262, 48), 38, -12, 6, kPlayerBlue, Qt::white);
  drawDie(p, QPointF(290, 96), 34, 14, 4, kPlayerRed, Qt::white);
  drawDie(p, QPointF(250, 132), 34, 6, 3, kPlayerGreen, Qt::black);
  drawDie(p, QPointF(286, 164), 32, -20, 1, kPlayerYellow, Qt::black);

  drawOutlinedText(p, QPointF(264, 214), QStringLiteral("Sumdart"), arialBold(21), kYellow,
                   kMagenta, 1.8);
  return image;
}

QImage startPicture() {
  QImage image(190, 270, QImage::Format_RGB32);
  fillPanel(image, QColor(16, 26, 120), QColor(4, 8, 56), kYellow);

  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  drawOutlinedText(p, QPointF(95, 18), QStringLiteral("Ready to play?"), arialBold(17), kYellow,
                   QColor(0, 0, 0), 1.2);

  struct Player {
    const char* name;
    QColor token;
    QColor text;
  };
  const Player players[] = {{"Blue", QColor(40, 70, 255), QColor(140, 150, 255)},
                            {"Red", QColor(235, 20, 20), QColor(255, 90, 90)},
                            {"Green", QColor(20, 200, 40), QColor(60, 230, 80)},
                            {"Yellow", QColor(250, 220, 0), QColor(255, 240, 60)}};
  for (int i = 0; i < 4; ++i) {
    const double x = 26 + i * 46;
    drawToken(p, QPointF(x, 92), 58, players[i].token);
    drawOutlinedText(p, QPointF(x, 106), QString::fromLatin1(players[i].name), arialBold(11),
                     players[i].text, QColor(0, 0, 0), 1.0);
  }
  // The order of play, left to right.
  drawArrow(p, QPointF(14, 122), QPointF(176, 122), QColor(255, 255, 255), 1.4);
  p.setFont(arialBold(10));
  p.setPen(QColor(220, 220, 255));
  p.drawText(QRectF(0, 126, 190, 14), Qt::AlignCenter, QStringLiteral("turn order"));

  // The four dice of a throw, as the game shows them on Blue's turn.
  const int values[] = {6, 4, 3, 1};
  for (int i = 0; i < 4; ++i) {
    const QPointF at(34 + (i % 2) * 38, 172 + (i / 2) * 38);
    drawDie(p, at, 32, (i % 2 ? 6 : -5), values[i], kPlayerBlue, Qt::white);
  }
  drawStopwatch(p, QPointF(140, 194), 32, QStringLiteral("300"));

  drawOutlinedText(p, QPointF(95, 254), QStringLiteral("1 to 4 players"), arialBold(14), kYellow,
                   QColor(0, 0, 0), 1.0);
  return image;
}

QImage doublesPicture() {
  QImage image(270, 260, QImage::Format_RGB32);
  fillPanel(image, QColor(16, 26, 120), QColor(4, 8, 56), kYellow);

  const QPointF centre(120, 136);
  const double scale = 0.44;
  paintBoard(image, centre, scale, BoardLook{true, true});

  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  // Light up the finishing ring and the bull.
  p.setBrush(Qt::NoBrush);
  for (double r : {kBullEdge, kSinglesEdge, kDoublesEdge}) {
    p.setPen(QPen(QColor(255, 230, 0, 110), 4.0));
    p.drawEllipse(centre, r * scale, r * scale);
    p.setPen(QPen(QColor(255, 240, 80), 1.4));
    p.drawEllipse(centre, r * scale, r * scale);
  }
  // The doubles' own values.
  p.setFont(arialBold(8));
  p.setPen(QColor(240, 240, 240));
  for (int j = 0; j < 20; ++j) {
    const QPointF at = polar(centre, 140 * scale, sectorAngle(j));
    p.drawText(QRectF(at.x() - 10, at.y() - 6, 20, 12), Qt::AlignCenter,
               QString::number(2 * kSectorValues[j]));
  }
  p.drawText(QRectF(centre.x() - 12, centre.y() - 6, 24, 12), Qt::AlignCenter,
             QStringLiteral("100"));

  drawOutlinedText(p, QPointF(226, 20), QStringLiteral("doubles"), arialBold(17), kYellow,
                   QColor(0, 0, 0), 1.4);
  drawArrow(p, QPointF(222, 32), polar(centre, 162 * scale, 27), kYellow, 1.8);
  drawArrow(p, QPointF(236, 32), polar(centre, 24 * scale, 45), kYellow, 1.4);
  return image;
}

}  // namespace sumdart::assetgen
