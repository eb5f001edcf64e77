// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/boardart.h"
#include "art/vectorstate.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace sumdart::assetgen {
namespace {

struct Rgb {
  double r = 0, g = 0, b = 0;
};

Rgb operator*(Rgb c, double f) { return {c.r * f, c.g * f, c.b * f}; }
Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
Rgb mix(Rgb a, Rgb b, double t) { return a * (1.0 - t) + b * t; }

// Board colours. Every area a number sits on is dark enough for light grey
// lettering; the doubles ring and the bull (the finishing numbers) are the
// only red and green of the board.
constexpr Rgb kBull{168, 22, 34};
constexpr Rgb kFiftyRing{20, 44, 120};
constexpr Rgb kDarkSector{22, 22, 26};
constexpr Rgb kTanSector{84, 64, 40};
constexpr Rgb kRedDouble{168, 22, 34};
constexpr Rgb kGreenDouble{0, 94, 50};
constexpr Rgb kNavyQuad{14, 30, 84};
constexpr Rgb kPlumQuad{68, 34, 86};
constexpr Rgb kRim{14, 14, 17};
constexpr Rgb kWire{200, 202, 208};
constexpr Rgb kSpiderWire{98, 100, 106};

double smoothstep(double e0, double e1, double x) {
  const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
  return t * t * (3.0 - 2.0 * t);
}

// A repeatable hash of two integers to [0, 1): the board's sisal grain.
double grain(int x, int y) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 0x8da6b343u ^
                    static_cast<std::uint32_t>(y) * 0xd8163841u;
  h ^= h >> 13;
  h *= 0x5bd1e995u;
  h ^= h >> 15;
  return (h & 0xffffu) / 65536.0;
}

struct Sample {
  bool inside = false;
  Rgb colour;
};

// The metal band round the board at radius r, lit from the top left.
Rgb bezelAt(double u, double v, double r, const BoardLook& look) {
  const double t = (r - kRimEdge) / (kBezelEdge - kRimEdge);
  const double light = r > 0 ? -(u + v) / (r * std::numbers::sqrt2) : 0.0;
  const double grey = (150.0 + 70.0 * light) * (0.72 + 0.38 * std::sin(std::numbers::pi * t));
  Rgb c{grey, grey, grey + 10.0};
  if (look.spotlightDoubles) c = c * 0.55;
  return c;
}

// Which sector (u, v) at radius r lies in (0 at the top, clockwise) and how far
// it is from the nearer sector edge, in board units.
struct SectorPlace {
  int sector;
  double fromSectorEdge;
};

SectorPlace sectorAt(double u, double v, double r) {
  double angle = std::atan2(u, -v) * 180.0 / std::numbers::pi;  // clockwise from up
  if (angle < 0) angle += 360.0;
  const double shifted = std::fmod(angle + 9.0, 360.0);
  const int sector = static_cast<int>(shifted / 18.0) % 20;
  const double fromEdgeDeg = std::min(std::fmod(shifted, 18.0), 18.0 - std::fmod(shifted, 18.0));
  return {sector, r * std::sin(fromEdgeDeg * std::numbers::pi / 180.0)};
}

// The colour of the ring at radius r, in an even or odd sector; `finishing`
// is set for the bull and the doubles.
Rgb ringColour(double r, bool even, bool& finishing) {
  Rgb c;
  if (r < kBullEdge) {
    c = kBull;
    finishing = true;
  } else if (r < kFiftyEdge) {
    c = kFiftyRing;
  } else if (r < kSinglesEdge) {
    c = even ? kDarkSector : kTanSector;
  } else if (r < kDoublesEdge) {
    c = even ? kRedDouble : kGreenDouble;
    finishing = true;
  } else if (r < kTreblesEdge) {
    c = even ? kDarkSector : kTanSector;
  } else if (r < kQuadsEdge) {
    c = even ? kNavyQuad : kPlumQuad;
  } else {
    c = kRim;
  }
  return c;
}

// The wires over colour c: a bright circle at every ring edge, and a darker
// spider between the sectors. The spider passes close to the corners of the
// numbers, so it stays dark enough for the lettering.
Rgb withWires(Rgb c, double u, double v, double r, double fromSectorEdge, double wireHalf, const BoardLook& look) {
  bool ringWire = false;
  for (double edge : {kBullEdge, kFiftyEdge, kSinglesEdge, kDoublesEdge, kTreblesEdge, kQuadsEdge}) {
    if (std::abs(r - edge) <= wireHalf) ringWire = true;
  }
  const bool spider = r >= kFiftyEdge && r <= kQuadsEdge && fromSectorEdge <= wireHalf;
  if (ringWire || spider) {
    const double light = r > 0 ? -(u + v) / (r * std::numbers::sqrt2) : 0.0;
    c = (ringWire ? kWire : kSpiderWire) * (0.92 + 0.08 * light);
    if (look.spotlightDoubles) c = c * 0.6;
  }
  return c;
}

// The colour of the board at (u, v) board units from its centre, y down.
// wireHalf is half a wire's width in board units.
Sample boardAt(double u, double v, double wireHalf, const BoardLook& look) {
  const double r = std::hypot(u, v);
  if (r > kBezelEdge) return {};
  if (r >= kRimEdge) return {true, bezelAt(u, v, r, look)};

  const SectorPlace place = sectorAt(u, v, r);
  bool finishing = false;
  Rgb c = ringColour(r, place.sector % 2 == 0, finishing);

  // Sisal grain and a soft light from the top left; both only ever darken.
  const double g = grain(static_cast<int>(std::floor(u * 0.9)), static_cast<int>(std::floor(v * 0.9)));
  const double shade = 1.0 - 0.07 * (0.5 + 0.5 * (u + v) / (kBezelEdge * std::numbers::sqrt2));
  c = c * (shade * (0.94 + 0.06 * g));

  if (look.spotlightDoubles && !finishing) {
    const double grey = (c.r + c.g + c.b) / 3.0;
    c = mix(c, Rgb{grey, grey, grey}, 0.6) * 0.45;
  }
  return {true, withWires(c, u, v, r, place.fromSectorEdge, wireHalf, look)};
}

// True when (u, v) lies within `margin` board units of a ring edge, a sector
// edge or the board's outline: where one sample per pixel would show steps.
bool nearAnEdge(double u, double v, double margin) {
  const double r = std::hypot(u, v);
  for (double edge : {kBullEdge, kFiftyEdge, kSinglesEdge, kDoublesEdge, kTreblesEdge, kQuadsEdge, kRimEdge,
                      kBezelEdge}) {
    if (std::abs(r - edge) < margin) return true;
  }
  if (r < kFiftyEdge - margin || r > kQuadsEdge + margin) return false;
  double angle = std::atan2(u, -v) * 180.0 / std::numbers::pi;
  if (angle < 0) angle += 360.0;
  const double within = std::fmod(angle + 9.0, 18.0);
  const double fromEdgeDeg = std::min(within, 18.0 - within);
  return r * std::sin(fromEdgeDeg * std::numbers::pi / 180.0) < margin;
}

int toByte(double x) { return std::clamp(static_cast<int>(std::lround(x)), 0, 255); }

}  // namespace

QPointF polar(QPointF centre, double r, double angleDeg) {
  const double a = angleDeg * std::numbers::pi / 180.0;
  return {centre.x() + r * std::sin(a), centre.y() - r * std::cos(a)};
}

void paintBoard(QImage& image, QPointF centre, double scale, const BoardLook& look) {
  clearUpperVectorState();
  // The wires are 1.2 board units wide but never thinner than 0.9 of a
  // device-independent pixel, so a small board looks the same at every ratio.
  const double wirePx = std::max(0.9, 1.2 * scale);
  const double wireHalf = wirePx / 2.0 / scale;
  // The rest works on the image's own pixels: the centre and the scale are
  // given in device-independent pixels.
  const double ratio = image.devicePixelRatio();
  centre *= ratio;
  scale *= ratio;
  const int grid = scale >= 0.8 ? 4 : 6;  // supersamples per pixel side
  const double radius = kBezelEdge * scale;
  const QPointF shadowCentre = centre + QPointF(5.0, 7.0) * scale;
  const double blur = 12.0 * scale;

  const int x0 = std::max(0, static_cast<int>(std::floor(centre.x() - radius - 30 * scale)));
  const int x1 = std::min(image.width() - 1, static_cast<int>(std::ceil(centre.x() + radius + 30 * scale)));
  const int y0 = std::max(0, static_cast<int>(std::floor(centre.y() - radius - 30 * scale)));
  const int y1 = std::min(image.height() - 1, static_cast<int>(std::ceil(centre.y() + radius + 30 * scale)));

  for (int y = y0; y <= y1; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = x0; x <= x1; ++x) {
      Rgb base{static_cast<double>(qRed(line[x])), static_cast<double>(qGreen(line[x])),
               static_cast<double>(qBlue(line[x]))};
      if (look.shadow) {
        const double d = std::hypot(x + 0.5 - shadowCentre.x(), y + 0.5 - shadowCentre.y());
        base = base * (1.0 - 0.45 * smoothstep(radius + blur, radius - blur, d));
      }
      Rgb sum;
      int hits = 0;
      // Away from every edge and wire one sample is enough; near them the
      // pixel is supersampled.
      const int n = nearAnEdge((x + 0.5 - centre.x()) / scale, (y + 0.5 - centre.y()) / scale, 1.6 / scale)
                        ? grid
                        : 1;
      for (int sy = 0; sy < n; ++sy) {
        for (int sx = 0; sx < n; ++sx) {
          const double u = (x + (sx + 0.5) / n - centre.x()) / scale;
          const double v = (y + (sy + 0.5) / n - centre.y()) / scale;
          const Sample s = boardAt(u, v, wireHalf, look);
          if (s.inside) {
            sum = sum + s.colour;
            ++hits;
          }
        }
      }
      Rgb out = base;
      if (hits > 0) {
        const double coverage = static_cast<double>(hits) / (n * n);
        out = mix(base, sum * (1.0 / hits), coverage);
      }
      line[x] = qRgb(toByte(out.r), toByte(out.g), toByte(out.b));
    }
  }
}

QFont arialBold(double pixelSize) {
  QFont f(QStringLiteral("Arial"));
  f.setBold(true);
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

void drawDie(QPainter& p, QPointF centre, double size, double angleDeg, int value, QColor face,
             QColor pip) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(centre);
  p.rotate(angleDeg);
  const double h = size / 2.0;
  const double corner = size * 0.18;

  // Shadow.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawRoundedRect(QRectF(-h + size * 0.07, -h + size * 0.09, size, size), corner, corner);

  QLinearGradient body(QPointF(-h, -h), QPointF(h, h));
  body.setColorAt(0.0, face.lighter(125));
  body.setColorAt(0.55, face);
  body.setColorAt(1.0, face.darker(135));
  p.setBrush(body);
  p.setPen(QPen(face.darker(190), std::max(0.8, size * 0.03)));
  p.drawRoundedRect(QRectF(-h, -h, size, size), corner, corner);

  // A soft shine on the top left.
  QRadialGradient shine(QPointF(-h * 0.45, -h * 0.5), size * 0.6);
  shine.setColorAt(0.0, QColor(255, 255, 255, 90));
  shine.setColorAt(1.0, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(shine);
  p.drawRoundedRect(QRectF(-h, -h, size, size), corner, corner);

  const double o = size * 0.27;
  const double pr = size * 0.085;
  auto dot = [&](double x, double y) {
    QRadialGradient g(QPointF(x - pr * 0.3, y - pr * 0.3), pr * 1.3);
    g.setColorAt(0.0, pip.lighter(160));
    g.setColorAt(1.0, pip);
    p.setBrush(g);
    p.drawEllipse(QPointF(x, y), pr, pr);
  };
  if (value % 2 == 1) dot(0, 0);
  if (value >= 2) {
    dot(-o, -o);
    dot(o, o);
  }
  if (value >= 4) {
    dot(o, -o);
    dot(-o, o);
  }
  if (value == 6) {
    dot(-o, 0);
    dot(o, 0);
  }
  p.restore();
}

namespace {

// The parts of a dart `L` long, its point at the origin and pointing right.

// Flights: two vanes seen at an angle, and one edge on.
void drawFlights(QPainter& p, double L, QColor flight) {
  QPainterPath upper;
  upper.moveTo(-0.62 * L, 0);
  upper.lineTo(-0.80 * L, -0.16 * L);
  upper.lineTo(-1.00 * L, -0.17 * L);
  upper.lineTo(-0.96 * L, 0);
  upper.closeSubpath();
  QPainterPath lower;
  lower.moveTo(-0.62 * L, 0);
  lower.lineTo(-0.80 * L, 0.13 * L);
  lower.lineTo(-1.00 * L, 0.14 * L);
  lower.lineTo(-0.96 * L, 0);
  lower.closeSubpath();
  QLinearGradient vane(QPointF(-0.6 * L, -0.17 * L), QPointF(-1.0 * L, 0.14 * L));
  vane.setColorAt(0.0, flight.lighter(135));
  vane.setColorAt(1.0, flight.darker(140));
  p.setPen(QPen(flight.darker(220), std::max(0.6, L * 0.008)));
  p.setBrush(vane);
  p.drawPath(upper);
  p.setBrush(flight.darker(125));
  p.drawPath(lower);
}

void drawShaft(QPainter& p, double L) {
  p.setPen(Qt::NoPen);
  QLinearGradient shaft(QPointF(0, -0.02 * L), QPointF(0, 0.02 * L));
  shaft.setColorAt(0.0, QColor(250, 250, 250));
  shaft.setColorAt(1.0, QColor(120, 120, 130));
  p.setBrush(shaft);
  p.drawRect(QRectF(-0.98 * L, -0.018 * L, 0.55 * L, 0.036 * L));
}

// Barrel, tungsten grey with grip rings.
void drawBarrel(QPainter& p, double L) {
  QLinearGradient barrel(QPointF(0, -0.045 * L), QPointF(0, 0.045 * L));
  barrel.setColorAt(0.0, QColor(215, 218, 228));
  barrel.setColorAt(0.45, QColor(120, 124, 136));
  barrel.setColorAt(1.0, QColor(55, 58, 66));
  p.setBrush(barrel);
  QPainterPath body;
  body.moveTo(-0.14 * L, -0.022 * L);
  body.cubicTo(-0.22 * L, -0.05 * L, -0.38 * L, -0.05 * L, -0.45 * L, -0.03 * L);
  body.lineTo(-0.45 * L, 0.03 * L);
  body.cubicTo(-0.38 * L, 0.05 * L, -0.22 * L, 0.05 * L, -0.14 * L, 0.022 * L);
  body.closeSubpath();
  p.drawPath(body);
  p.setPen(QPen(QColor(40, 42, 48, 160), std::max(0.5, L * 0.006)));
  for (double x = -0.20; x > -0.42; x -= 0.035) {
    p.drawLine(QPointF(x * L, -0.04 * L), QPointF(x * L, 0.04 * L));
  }
}

// Steel point.
void drawPoint(QPainter& p, double L) {
  p.setPen(Qt::NoPen);
  QLinearGradient steel(QPointF(0, -0.012 * L), QPointF(0, 0.012 * L));
  steel.setColorAt(0.0, QColor(240, 240, 245));
  steel.setColorAt(1.0, QColor(110, 110, 120));
  p.setBrush(steel);
  QPainterPath point;
  point.moveTo(0, 0);
  point.lineTo(-0.15 * L, -0.012 * L);
  point.lineTo(-0.15 * L, 0.012 * L);
  point.closeSubpath();
  p.drawPath(point);
}

}  // namespace

void drawDart(QPainter& p, QPointF tip, double angleDeg, double length, QColor flight) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(tip);
  p.rotate(angleDeg);
  drawFlights(p, length, flight);
  drawShaft(p, length);
  drawBarrel(p, length);
  drawPoint(p, length);
  p.restore();
}

void drawToken(QPainter& p, QPointF base, double height, QColor colour) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(base);
  const double h = height;

  // Shadow on the floor.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 80));
  p.drawEllipse(QPointF(0.06 * h, 0.0), 0.36 * h, 0.08 * h);

  QRadialGradient g(QPointF(-0.12 * h, -0.75 * h), 0.9 * h);
  g.setColorAt(0.0, colour.lighter(175));
  g.setColorAt(0.35, colour);
  g.setColorAt(1.0, colour.darker(210));
  p.setBrush(g);
  p.setPen(QPen(colour.darker(260), std::max(0.7, h * 0.015)));

  // Base.
  p.drawEllipse(QPointF(0, -0.06 * h), 0.31 * h, 0.08 * h);
  // Body.
  QPainterPath body;
  body.moveTo(-0.26 * h, -0.08 * h);
  body.cubicTo(-0.2 * h, -0.3 * h, -0.08 * h, -0.42 * h, -0.08 * h, -0.62 * h);
  body.lineTo(0.08 * h, -0.62 * h);
  body.cubicTo(0.08 * h, -0.42 * h, 0.2 * h, -0.3 * h, 0.26 * h, -0.08 * h);
  body.closeSubpath();
  p.drawPath(body);
  // Collar and head.
  p.drawEllipse(QPointF(0, -0.62 * h), 0.16 * h, 0.04 * h);
  p.drawEllipse(QPointF(0, -0.80 * h), 0.17 * h, 0.17 * h);

  // Shine on the head.
  QRadialGradient shine(QPointF(-0.06 * h, -0.87 * h), 0.08 * h);
  shine.setColorAt(0.0, QColor(255, 255, 255, 200));
  shine.setColorAt(1.0, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(shine);
  p.drawEllipse(QPointF(-0.06 * h, -0.87 * h), 0.08 * h, 0.08 * h);
  p.restore();
}

void drawOutlinedText(QPainter& p, QPointF centre, const QString& text, const QFont& font,
                      QColor fill, QColor outline, double outlineWidth, double maxWidth) {
  QPainterPath path;
  path.addText(0, 0, font, text);
  if (const double wide = path.boundingRect().width() + 2 * outlineWidth; maxWidth > 0 && wide > maxWidth)
    path = QTransform::fromScale(maxWidth / wide, maxWidth / wide).map(path);
  const QRectF box = path.boundingRect();
  path.translate(centre - box.center());
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  if (outlineWidth > 0) {
    p.setPen(QPen(outline, outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawPath(path);
  p.restore();
}

void fillPanel(QImage& image, QColor top, QColor bottom, QColor frame) {
  // The painter draws in device-independent pixels; the size is that of the
  // whole image, so the frame lies on its edge even when the pixel size was
  // rounded up.
  const QSizeF size = image.deviceIndependentSize();
  QPainter p(&image);
  QLinearGradient g(QPointF(0, 0), QPointF(0, size.height()));
  g.setColorAt(0.0, top);
  g.setColorAt(1.0, bottom);
  p.fillRect(QRectF(QPointF(0, 0), size), g);
  p.setPen(QPen(frame, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(1, 1, size.width() - 2, size.height() - 2));
}

}  // namespace sumdart::assetgen
