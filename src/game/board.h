// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board: 85 numbers in rings round a centre, dartboard sector order.
// Index 0 the centre 100; 1..4 the inner 50s; then singles, doubles, trebles and
// quadruples, twenty each, in sector order clockwise from the top.
#include <array>
#include <string>
#include <vector>

namespace sumdart::board {

inline constexpr int kLabels = 85;
inline constexpr std::array<int, 20> kSectors{20, 1, 18, 4, 13, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11, 14, 9, 12, 5};

// The whole number label `index` shows.
int value(int index);
// The centre and the second ring of twenty are the doubles.
bool isDouble(int index);
// Angle in degrees clockwise from straight up.
double angleDegrees(int index);
// Distance from the centre in ring units (0, 1.5, 2.5, 3.5, 4.5, 5.5).
double ringMultiplier(int index);

struct Point {
  double left = 0;
  double top = 0;
};
// Top-left corner of label `index`, for a centre label whose centre is (cx, cy)
// and whose size is w0 x h0, rings `ringUnit` apart. The centre label itself is
// not moved by this rule.
Point position(int index, double cx, double cy, double w0, double h0, double ringUnit);

// Order in which the labels are placed: the four 50s, then ring by ring in sector order.
std::array<int, kLabels - 1> placementOrder();

// What a screen reader calls a cell: its number and its ring, "36, treble 12",
// "40, double 20", "50, inner ring", "100, double 50, centre".
std::string cellName(int index);

// The cells showing `n`, in the order typing the number visits them: the
// single, double, treble and quadruple, then the 50s and the centre.
std::vector<int> cellsShowing(int n);

// The rings, from the centre out.
inline constexpr int kCentre = 0, kFifties = 1, kSingles = 2, kDoubles = 3, kTrebles = 4, kQuadruples = 5;
// Ring of a cell: one of the above.
int ringOf(int index);
// The first cell of a ring and how many it has: the cells of ring r are
// firstOf(r) .. firstOf(r) + sizeOf(r) - 1, in sector order.
int firstOf(int ring);
int sizeOf(int ring);
// The next cell round the ring (step +1 clockwise, -1 anticlockwise); the centre stays.
int roundRing(int index, int step);
// The cell of the next ring outwards (step +1) or inwards (-1) nearest to
// `angle` degrees; the cell itself at the centre or the outer edge.
int acrossRings(int index, int step, double angle);

}  // namespace sumdart::board
