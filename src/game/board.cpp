// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/board.h"

#include "state/texts.h"

#include <cmath>

namespace sumdart::board {

namespace {
constexpr double kPi = 3.1415926535;  // the game's own value of pi, kept for exact positions
}

int firstOf(int ring) { return ring <= kCentre ? 0 : ring == kFifties ? 1 : 5 + 20 * (ring - kSingles); }
int sizeOf(int ring) { return ring <= kCentre ? 1 : ring == kFifties ? 4 : 20; }

int ringOf(int index) {
  if (index <= 0) return kCentre;
  if (index <= 4) return kFifties;
  return kSingles + (index - 5) / 20;
}

namespace {
// Position of a cell round its ring, 0 at the top.
int sectorOf(int index) { return index - firstOf(ringOf(index)); }
}  // namespace

int value(int index) {
  const int ring = ringOf(index);
  if (ring == kCentre) return 100;
  if (ring == kFifties) return 50;
  return kSectors[static_cast<std::size_t>(sectorOf(index))] * (ring - kSingles + 1);
}

bool isDouble(int index) { return ringOf(index) == kCentre || ringOf(index) == kDoubles; }

double angleDegrees(int index) {
  const int ring = ringOf(index);
  if (ring == kCentre) return 0.0;
  if (ring == kFifties) return 45.0 + 90.0 * sectorOf(index);
  return 18.0 * sectorOf(index);
}

double ringMultiplier(int index) {
  const int ring = ringOf(index);
  if (ring == kCentre) return 0.0;
  if (ring == kFifties) return 1.5;
  return 2.5 + (ring - kSingles);
}

Point position(int index, double cx, double cy, double w0, double h0, double ringUnit) {
  const double a = angleDegrees(index) * kPi / 180.0;
  const double m = ringMultiplier(index);
  return Point{cx - w0 / 2 + m * ringUnit * std::sin(a), cy - h0 / 2 - m * ringUnit * std::cos(a)};
}

std::array<int, kLabels - 1> placementOrder() {
  std::array<int, kLabels - 1> order{};
  for (int i = 0; i < kLabels - 1; ++i) order[static_cast<std::size_t>(i)] = i + 1;
  return order;
}

std::string cellName(int index) {
  if (index <= 0) return translate("Board", "100, double 50, centre");
  if (index <= 4) return translate("Board", "50, inner ring");
  // Whole phrases, so that a language can put the ring after the number.
  static constexpr const char* kRings[4] = {TRANSLATABLE("Board", "%1, single %2"), TRANSLATABLE("Board", "%1, double %2"),
                                            TRANSLATABLE("Board", "%1, treble %2"), TRANSLATABLE("Board", "%1, quadruple %2")};
  const int sector = kSectors[static_cast<std::size_t>(sectorOf(index))];
  return fill(translate("Board", kRings[ringOf(index) - 2]), {std::to_string(value(index)), std::to_string(sector)});
}

std::vector<int> cellsShowing(int n) {
  std::vector<int> cells;
  for (int i = firstOf(kSingles); i < kLabels; ++i)
    if (value(i) == n) cells.push_back(i);
  for (int i = firstOf(kFifties); i < firstOf(kSingles); ++i)
    if (value(i) == n) cells.push_back(i);
  if (n == value(0)) cells.push_back(0);
  return cells;
}

int roundRing(int index, int step) {
  const int ring = ringOf(index);
  if (ring == kCentre) return index;
  const int first = firstOf(ring), size = sizeOf(ring);
  return first + ((index - first + step) % size + size) % size;
}

int acrossRings(int index, int step, double angle) {
  const int ring = ringOf(index) + step;
  if (ring < kCentre || ring > kQuadruples) return index;
  if (ring == kCentre) return 0;
  // Nearest in angle, whole turns apart counted as the same.
  const auto apart = [angle](int cell) {
    const double d = std::fmod(std::fabs(angleDegrees(cell) - angle), 360.0);
    return d > 180.0 ? 360.0 - d : d;
  };
  const int first = firstOf(ring), size = sizeOf(ring);
  int best = first;
  for (int cell = first + 1; cell < first + size; ++cell)
    if (apart(cell) < apart(best)) best = cell;
  return best;
}

}  // namespace sumdart::board
