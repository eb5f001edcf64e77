// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The explainer: for a throw of four dice, finds for each whole number 1..100 an
// expression that makes it, working in exact fractions. It is independent of the
// number judge (which works in doubles), so each can check the other.
#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sumdart {

// An exact fraction, always in lowest terms with a positive denominator.
// Four dice of 1..6 keep numerators and denominators far below overflow.
class Rational {
 public:
  constexpr Rational() = default;
  Rational(std::int64_t whole) : num_(whole) {}  // implicit: a whole number is a fraction
  Rational(std::int64_t num, std::int64_t den);  // den != 0

  std::int64_t num() const { return num_; }
  std::int64_t den() const { return den_; }
  bool isWhole() const { return den_ == 1; }

  friend Rational operator+(const Rational& a, const Rational& b);
  friend Rational operator-(const Rational& a, const Rational& b);
  friend Rational operator*(const Rational& a, const Rational& b);
  friend Rational operator/(const Rational& a, const Rational& b);  // b != 0
  friend bool operator==(const Rational&, const Rational&) = default;
  friend std::strong_ordering operator<=>(const Rational& a, const Rational& b);

 private:
  std::int64_t num_ = 0;
  std::int64_t den_ = 1;
};

// Nearest whole number, an exact half going to the even neighbour.
std::int64_t nearestWhole(const Rational& v);

// The value for a reader: a decimal when it ends within four places ("62.5"),
// otherwise the fraction followed by its value to two places ("50/3 (16.67)"),
// with `point` between the whole part and the decimals ("62,5" in German).
std::string formatValue(const Rational& v, std::string_view point = ".");

struct Explanation {
  bool exact = false;      // value == the number, not just rounding to it
  std::string expression;  // e.g. "5 × 5 × 5 ÷ 2", fewest brackets needed
  Rational value;          // the exact value of the expression
};

// Index n (1..100) holds an expression using each die once whose exact value is n
// if there is one, else one whose value rounds to n; empty when n cannot be made.
// Among candidates the one easiest to follow wins: fewest fractions, then fewest
// negative numbers along the way, then fewest brackets, divisions and
// subtractions, then dice reading from largest to smallest.
// Dice are 1..6.
using Explanations = std::array<std::optional<Explanation>, 101>;
Explanations explainThrow(const std::array<int, 4>& dice);

}  // namespace sumdart
