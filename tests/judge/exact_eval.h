#pragma once
// A small exact evaluator for printed expressions (one-digit numbers, + - × ÷ and
// brackets), written apart from the explainer so that it checks the explainer's text.
#include <cstdint>
#include <functional>
#include <numeric>
#include <stdexcept>
#include <string>
#include <vector>

namespace judgetest {

// A fraction in lowest terms with a positive denominator.
struct Frac {
  std::int64_t n = 0, d = 1;
  Frac(std::int64_t num = 0, std::int64_t den = 1) {
    if (den == 0) throw std::domain_error("division by 0");
    const std::int64_t g = std::gcd(num, den) * (den < 0 ? -1 : 1);
    n = num / g, d = den / g;
  }
  bool operator==(const Frac&) const = default;
  Frac operator+(const Frac& r) const { return {n * r.d + r.n * d, d * r.d}; }
  Frac operator-(const Frac& r) const { return {n * r.d - r.n * d, d * r.d}; }
  Frac operator*(const Frac& r) const { return {n * r.n, d * r.d}; }
  Frac operator/(const Frac& r) const { return {n * r.d, d * r.n}; }
};

// Nearest whole number, an exact half going to the even neighbour.
inline std::int64_t nearest(const Frac& f) {
  const std::int64_t k = f.n / f.d - (f.n % f.d < 0 ? 1 : 0);  // floor
  const std::int64_t twice = 2 * (f.n - k * f.d);              // 2 × (f - k), in d-ths
  return twice < f.d || (twice == f.d && k % 2 == 0) ? k : k + 1;
}

// The value of `s`; the digits it reads are appended to `dice`. Level 0 reads a
// sum of products, level 1 a product of atoms, level 2 a digit or a bracket.
inline Frac evaluate(const std::string& s, std::vector<int>& dice) {
  std::size_t i = 0;
  const auto take = [&](const std::string& token) {
    while (i < s.size() && s[i] == ' ') ++i;
    return s.compare(i, token.size(), token) == 0 ? (i += token.size(), true) : false;
  };
  std::function<Frac(int)> read = [&](int level) -> Frac {
    if (level == 2 && take("(")) {
      const Frac v = read(0);
      return take(")") ? v : throw std::invalid_argument("no ) in " + s);
    }
    if (level == 2 && (i >= s.size() || s[i] < '0' || s[i] > '9')) throw std::invalid_argument("no number in " + s);
    if (level == 2) return dice.push_back(s[i] - '0'), Frac(s[i++] - '0');
    for (Frac v = read(level + 1);;) {
      if (level == 0 && take("+")) v = v + read(1);
      else if (level == 0 && take("-")) v = v - read(1);
      else if (level == 1 && take("×")) v = v * read(2);
      else if (level == 1 && take("÷")) v = v / read(2);
      else return v;
    }
  };
  const Frac v = read(0);
  return i == s.size() ? v : throw std::invalid_argument("left over in " + s);
}

}  // namespace judgetest
