// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/savedgame.h"

#include <charconv>

#include "state/numbers.h"

namespace sumdart {

std::string formatSavedGame(const SavedGame& g) {
  std::string out;
  const auto line = [&out](long long v) { out += decimalText(v) + "\r\n"; };
  line(g.numberOfPlayers);
  line(g.computerLevel);
  line(g.turnCounter);
  line(g.hidden);
  for (auto s : g.scores) line(s);
  line(g.timeAllowed);
  for (auto c : g.clocks) line(c);
  line(g.soundOn);
  line(g.hideDesktop);
  return out;
}

namespace {

// One line as a whole number: an optional minus sign and digits, blanks round it.
std::optional<long> lineNumber(std::string_view s) {
  while (!s.empty() && (s.back() == '\r' || s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  if (s.empty() || s.size() > 7) return std::nullopt;
  long v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc{} || end != s.data() + s.size()) return std::nullopt;
  return v;
}

bool within(long v, long lo, long hi) { return v >= lo && v <= hi; }

}  // namespace

std::optional<SavedGame> parseSavedGame(std::string_view text) {
  std::array<long, 15> v{};
  std::size_t at = 0;
  for (long& value : v) {
    if (at >= text.size()) return std::nullopt;
    const std::size_t end = text.find('\n', at);
    const auto n = lineNumber(text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
    if (!n) return std::nullopt;
    value = *n;
    at = end == std::string_view::npos ? text.size() : end + 1;
  }

  const long players = v[0], level = v[1];
  bool ok = within(players, 1, 4) && within(level, 0, 3) && (level == 0 || players == 2) &&
            within(v[2], 1, 32767) && within(v[3], -32768, 32767) &&
            (v[8] == 0 || within(v[8], 5, 9999)) && within(v[13], 0, 1) && within(v[14], 0, 1);
  for (int i = 4; i < 8; ++i) ok = ok && within(v[static_cast<std::size_t>(i)], 0, 999);
  for (int i = 9; i < 13; ++i) ok = ok && within(v[static_cast<std::size_t>(i)], 0, 9999);
  if (!ok) return std::nullopt;

  const auto i16 = [](long x) { return static_cast<std::int16_t>(x); };
  SavedGame g;
  g.numberOfPlayers = i16(players);
  g.computerLevel = i16(level);
  g.turnCounter = i16(v[2]);
  g.hidden = i16(v[3]);
  for (std::size_t i = 0; i < 4; ++i) {
    g.scores[i] = i16(v[4 + i]);
    g.clocks[i] = i16(v[9 + i]);
  }
  g.timeAllowed = i16(v[8]);
  g.soundOn = i16(v[13]);
  g.hideDesktop = i16(v[14]);
  return g;
}

void restoreSavedGame(const SavedGame& g, GameSettings& m) {
  m.soundOn = g.soundOn;
  m.hideDesktop = g.hideDesktop;
}

}  // namespace sumdart
