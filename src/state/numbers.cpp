// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/numbers.h"

#include <cmath>
#include <limits>
#include <locale>
#include <sstream>

namespace sumdart {

double roundHalfEven(double v) {
  if (!std::isfinite(v)) return v;
  const double fl = std::floor(v);
  const double diff = v - fl;
  if (diff < 0.5) return fl;
  if (diff > 0.5) return fl + 1.0;
  // Exact half: pick the even one of fl and fl + 1.
  return std::fmod(fl, 2.0) == 0.0 ? fl : fl + 1.0;
}

std::int16_t toInt16(double v) {
  if (std::isnan(v)) return 0;
  const double r = roundHalfEven(v);
  if (r <= std::numeric_limits<std::int16_t>::min()) return std::numeric_limits<std::int16_t>::min();
  if (r >= std::numeric_limits<std::int16_t>::max()) return std::numeric_limits<std::int16_t>::max();
  return static_cast<std::int16_t>(r);
}

namespace {

// Length of the longest prefix of `text` of the form -?digits(.digits)? (either side
// of the stop may be empty), and whether it holds at least one digit.
std::size_t numberPrefix(std::string_view text, bool& hasDigit) {
  std::size_t i = 0;
  hasDigit = false;
  bool seenStop = false;
  if (i < text.size() && text[i] == '-') ++i;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      hasDigit = true;
    } else if (c == '.' && !seenStop) {
      seenStop = true;
    } else {
      break;
    }
  }
  return i;
}

// Read in the classic "C" locale: "." is the decimal point whatever the
// locale the desktop gives the program (strtod follows it), and no
// floating-point from_chars is needed, which some C++ libraries lack
// (Emscripten's, for the browser).
double parsePrefix(std::string_view text, std::size_t len) {
  std::string_view t = text.substr(0, len);
  const bool negative = t.front() == '-';
  if (negative) t.remove_prefix(1);
  std::string s(t);
  if (s.front() == '.') s.insert(s.begin(), '0');  // a digit first
  std::istringstream in(s);
  in.imbue(std::locale::classic());
  double v = 0;
  if (!(in >> v)) {
    // Too large (a non-zero digit before the point) or too small to hold.
    const std::string_view whole = std::string_view(s).substr(0, s.find('.'));
    v = whole.find_first_not_of('0') != std::string_view::npos ? HUGE_VAL : 0.0;
  }
  return negative ? -v : v;
}

}  // namespace

double leadingNumber(std::string_view text) {
  bool hasDigit = false;
  const std::size_t len = numberPrefix(text, hasDigit);
  if (!hasDigit) return 0.0;
  return parsePrefix(text, len);
}

std::optional<double> wholeTextNumber(std::string_view text) {
  bool hasDigit = false;
  const std::size_t len = numberPrefix(text, hasDigit);
  if (!hasDigit || len != text.size()) return std::nullopt;
  return parsePrefix(text, len);
}

std::string decimalText(long long v) { return std::to_string(v); }

}  // namespace sumdart
