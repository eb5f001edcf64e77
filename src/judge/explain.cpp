// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "judge/explain.h"

#include <bit>
#include <cassert>
#include <cstdlib>
#include <numeric>
#include <vector>

namespace sumdart {

Rational::Rational(std::int64_t num, std::int64_t den) {
  assert(den != 0);
  if (den < 0) {
    num = -num;
    den = -den;
  }
  const std::int64_t g = std::gcd(num, den);  // den > 0, so g > 0
  num_ = num / g;
  den_ = den / g;
}

Rational operator+(const Rational& a, const Rational& b) {
  return {a.num_ * b.den_ + b.num_ * a.den_, a.den_ * b.den_};
}
Rational operator-(const Rational& a, const Rational& b) {
  return {a.num_ * b.den_ - b.num_ * a.den_, a.den_ * b.den_};
}
Rational operator*(const Rational& a, const Rational& b) { return {a.num_ * b.num_, a.den_ * b.den_}; }
Rational operator/(const Rational& a, const Rational& b) { return {a.num_ * b.den_, a.den_ * b.num_}; }
std::strong_ordering operator<=>(const Rational& a, const Rational& b) {
  return a.num_ * b.den_ <=> b.num_ * a.den_;  // both denominators positive
}

std::int64_t nearestWhole(const Rational& v) {
  // Floor division, then compare twice the remainder with the denominator.
  std::int64_t q = v.num() / v.den();
  if (v.num() % v.den() != 0 && v.num() < 0) --q;
  const std::int64_t twiceRest = 2 * (v.num() - q * v.den());
  if (twiceRest < v.den()) return q;
  if (twiceRest > v.den()) return q + 1;
  return q % 2 == 0 ? q : q + 1;
}

std::string formatValue(const Rational& v, std::string_view point) {
  const std::int64_t den = v.den();
  const std::int64_t mag = std::llabs(v.num());
  const std::string sign = v.num() < 0 ? "-" : "";
  // A decimal ends within k places exactly when den divides 10^k.
  std::int64_t scale = 1;
  int places = 0;
  while (places <= 4 && scale % den != 0) {
    scale *= 10;
    ++places;
  }
  if (places <= 4) {
    const std::int64_t scaled = mag * (scale / den);
    std::string text = sign + std::to_string(scaled / scale);
    if (places > 0) {
      const std::string frac = std::to_string(scaled % scale);
      text.append(point).append(static_cast<std::size_t>(places) - frac.size(), '0').append(frac);
    }
    return text;
  }
  // Two places, to nearest: never an exact half here, as that would need den to
  // divide 200, and then the decimal above would have ended within four places.
  const std::int64_t hundredths = (mag * 200 + den) / (2 * den);
  const std::string cents = std::to_string(hundredths % 100);
  std::string text = sign + std::to_string(mag) + "/" + std::to_string(den) + " (" + sign + std::to_string(hundredths / 100);
  return text.append(point).append(cents.size() < 2 ? "0" : "").append(cents).append(")");
}

namespace {

// One expression over some of the dice; combinations refer to their operands by
// index in the pool, so a shared sub-expression is built once.
struct Node {
  Rational value;
  char op = 0;  // 0 for a die, else '+', '-', '*' or '/'
  int left = -1;
  int right = -1;
  int die = 0;
  int prec = 3;  // 1 for + and -, 2 for × and ÷, 3 for a die
  int brackets = 0;
  int divisions = 0;
  int subtractions = 0;
  int fractions = 0;  // operations whose value is not whole
  int negatives = 0;  // operations whose value is below 0
  int leaves = 1;
  std::uint32_t reading = 0;  // the dice values left to right, three bits each
};

int precedence(char op) { return op == '+' || op == '-' ? 1 : 2; }

// Brackets round an operand are needed when it binds more loosely than the
// operator, and on the right of - and ÷ also when it binds equally
// (a - (b + c), a ÷ (b × c)); a + (b - c) and a × (b ÷ c) read the same without.
bool needsBrackets(char op, const Node& operand, bool onRight) {
  if (operand.prec < precedence(op)) return true;
  return onRight && operand.prec == precedence(op) && (op == '-' || op == '/');
}

std::string text(const std::vector<Node>& pool, int index) {
  const Node& n = pool[static_cast<std::size_t>(index)];
  if (n.op == 0) return std::to_string(n.die);
  const Node& l = pool[static_cast<std::size_t>(n.left)];
  const Node& r = pool[static_cast<std::size_t>(n.right)];
  std::string lt = text(pool, n.left);
  std::string rt = text(pool, n.right);
  if (needsBrackets(n.op, l, false)) lt = "(" + lt + ")";
  if (needsBrackets(n.op, r, true)) rt = "(" + rt + ")";
  const char* symbol = n.op == '*' ? "×" : n.op == '/' ? "÷" : n.op == '-' ? "-" : "+";
  return lt + " " + symbol + " " + rt;
}

Node combine(const std::vector<Node>& pool, int li, int ri, char op, Rational value) {
  const Node& l = pool[static_cast<std::size_t>(li)];
  const Node& r = pool[static_cast<std::size_t>(ri)];
  Node n;
  n.value = value;
  n.op = op;
  n.left = li;
  n.right = ri;
  n.prec = precedence(op);
  n.brackets = l.brackets + r.brackets + (needsBrackets(op, l, false) ? 1 : 0) + (needsBrackets(op, r, true) ? 1 : 0);
  n.divisions = l.divisions + r.divisions + (op == '/' ? 1 : 0);
  n.subtractions = l.subtractions + r.subtractions + (op == '-' ? 1 : 0);
  n.fractions = l.fractions + r.fractions + (value.isWhole() ? 0 : 1);
  n.negatives = l.negatives + r.negatives + (value < 0 ? 1 : 0);
  n.leaves = l.leaves + r.leaves;
  n.reading = (l.reading << (3 * r.leaves)) | r.reading;
  return n;
}

// How good an explanation of a number is, smaller being better: exact before
// rounded, then easier for a pupil to follow: fewer fractions and negative
// numbers along the way, fewer brackets, divisions and subtractions, and dice
// read from largest to smallest. Each count is at most 3 (there are three
// operations), so two bits each hold it; the reading fills the low 12 bits.
std::uint32_t rank(const Node& n, bool exact) {
  std::uint32_t r = exact ? 0 : 1;
  for (int count : {n.fractions, n.negatives, n.brackets, n.divisions, n.subtractions})
    r = (r << 2) | static_cast<std::uint32_t>(count);
  return (r << 12) | (0xFFFu - n.reading);
}

}  // namespace

Explanations explainThrow(const std::array<int, 4>& dice) {
  // pool holds every expression over every non-empty subset of the dice;
  // bySubset[mask] lists the ones using exactly the dice in mask.
  std::vector<Node> pool;
  pool.reserve(9000);
  std::array<std::vector<int>, 16> bySubset;
  for (int i = 0; i < 4; ++i) {
    Node leaf;
    leaf.value = dice[static_cast<std::size_t>(i)];
    leaf.die = dice[static_cast<std::size_t>(i)];
    leaf.reading = static_cast<std::uint32_t>(leaf.die);
    bySubset[1u << i].push_back(static_cast<int>(pool.size()));
    pool.push_back(leaf);
  }
  // Every ordered split of a subset into two non-empty parts, with every operator,
  // gives every bracketing and every operand order.
  for (int size = 2; size <= 4; ++size) {
    for (unsigned mask = 1; mask < 16; ++mask) {
      if (std::popcount(mask) != size) continue;
      for (unsigned part = (mask - 1) & mask; part != 0; part = (part - 1) & mask) {
        for (int li : bySubset[part]) {
          for (int ri : bySubset[mask ^ part]) {
            const Rational x = pool[static_cast<std::size_t>(li)].value;
            const Rational y = pool[static_cast<std::size_t>(ri)].value;
            for (char op : {'+', '-', '*', '/'}) {
              if (op == '/' && y == 0) continue;
              const Rational v = op == '+' ? x + y : op == '-' ? x - y : op == '*' ? x * y : x / y;
              bySubset[mask].push_back(static_cast<int>(pool.size()));
              pool.push_back(combine(pool, li, ri, op, v));
            }
          }
        }
      }
    }
  }

  std::array<int, 101> best;
  std::array<std::uint32_t, 101> bestRank{};
  best.fill(-1);
  for (int index : bySubset[15]) {
    const Node& n = pool[static_cast<std::size_t>(index)];
    const std::int64_t target = nearestWhole(n.value);
    if (target < 1 || target > 100) continue;
    const auto slot = static_cast<std::size_t>(target);
    const std::uint32_t r = rank(n, n.value.isWhole());
    if (best[slot] < 0 || r < bestRank[slot]) {
      best[slot] = index;
      bestRank[slot] = r;
    }
  }

  Explanations out;
  for (std::size_t n = 1; n <= 100; ++n) {
    if (best[n] < 0) continue;
    const Node& node = pool[static_cast<std::size_t>(best[n])];
    out[n] = Explanation{node.value.isWhole(), text(pool, best[n]), node.value};
  }
  return out;
}

}  // namespace sumdart
