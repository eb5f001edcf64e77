#include "game/board.h"

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

}  // namespace sumdart::board
