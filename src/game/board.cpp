#include "game/board.h"

#include "state/texts.h"

#include <cmath>

namespace sumdart::board {

namespace {
constexpr double kPi = 3.1415926535;  // the game's own value of pi, kept for exact positions
}

int value(int index) {
  if (index <= 0) return 100;
  if (index <= 4) return 50;
  const int ring = (index - 5) / 20;
  const int sector = (index - 5) % 20;
  return kSectors[static_cast<std::size_t>(sector)] * (ring + 1);
}

bool isDouble(int index) { return index == 0 || (index >= 25 && index <= 44); }

double angleDegrees(int index) {
  if (index <= 0) return 0.0;
  if (index <= 4) return 45.0 + 90.0 * (index - 1);
  return 18.0 * ((index - 5) % 20);
}

double ringMultiplier(int index) {
  if (index <= 0) return 0.0;
  if (index <= 4) return 1.5;
  return 2.5 + (index - 5) / 20;
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
  const int sector = kSectors[static_cast<std::size_t>((index - 5) % 20)];
  return fill(translate("Board", kRings[ringOf(index) - 2]), {std::to_string(value(index)), std::to_string(sector)});
}

std::vector<int> cellsShowing(int n) {
  std::vector<int> cells;
  for (int i = 5; i < kLabels; ++i)
    if (value(i) == n) cells.push_back(i);
  for (int i = 1; i <= 4; ++i)
    if (value(i) == n) cells.push_back(i);
  if (n == value(0)) cells.push_back(0);
  return cells;
}

int ringOf(int index) {
  if (index <= 0) return 0;
  if (index <= 4) return 1;
  return 2 + (index - 5) / 20;
}

int roundRing(int index, int step) {
  const int ring = ringOf(index);
  if (ring == 0) return index;
  const int first = ring == 1 ? 1 : 5 + 20 * (ring - 2);
  const int size = ring == 1 ? 4 : 20;
  return first + ((index - first + step) % size + size) % size;
}

int acrossRings(int index, int step, double angle) {
  const int ring = ringOf(index) + step;
  if (ring < 0 || ring > 5) return index;
  if (ring == 0) return 0;
  // Nearest in angle, whole turns apart counted as the same.
  const auto apart = [angle](int cell) {
    const double d = std::fmod(std::fabs(angleDegrees(cell) - angle), 360.0);
    return d > 180.0 ? 360.0 - d : d;
  };
  const int first = ring == 1 ? 1 : 5 + 20 * (ring - 2);
  const int size = ring == 1 ? 4 : 20;
  int best = first;
  for (int cell = first + 1; cell < first + size; ++cell)
    if (apart(cell) < apart(best)) best = cell;
  return best;
}

}  // namespace sumdart::board
