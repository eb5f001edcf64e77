// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/languages.h"

#include <algorithm>

namespace sumdart {

namespace {

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::string lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

std::string upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

// "de_AT" and "de-AT" alike; "fr_FR.UTF-8" as "fr-FR"; spaces round it gone.
std::string normalised(std::string_view code) {
  std::string s(code.substr(0, code.find('.')));
  std::replace(s.begin(), s.end(), '_', '-');
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
  while (!s.empty() && blank(s.back())) s.pop_back();
  s.erase(s.begin(), std::find_if_not(s.begin(), s.end(), blank));
  return s;
}

std::vector<std::string> parts(const std::string& code) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (start <= code.size()) {
    const std::size_t dash = std::min(code.find('-', start), code.size());
    if (dash > start) out.push_back(code.substr(start, dash - start));
    start = dash + 1;
  }
  return out;
}

}  // namespace

bool isEnglish(std::string_view code) {
  const std::string n = normalised(code);
  const std::string language = lower(n.substr(0, n.find('-')));
  return language == "en" || language == "c" || language == "posix";
}

std::string chooseLanguage(const std::vector<std::string>& wanted, const std::vector<std::string>& available) {
  const auto have = [&available](const std::string& code) {
    return std::find(available.begin(), available.end(), code) != available.end();
  };
  for (const std::string& entry : wanted) {
    const std::string code = normalised(entry);
    if (code.empty()) continue;
    if (isEnglish(code)) return {};
    if (!std::all_of(code.begin(), code.end(), [](char c) { return isLetter(c) || c == '-'; })) continue;
    const std::vector<std::string> split = parts(code);
    if (split.empty()) continue;
    const std::string language = lower(split.front());
    // "de-Latn-AT" tries de_AT, then de.
    if (split.size() > 1 && have(language + '_' + upper(split.back()))) return language + '_' + upper(split.back());
    if (have(language)) return language;
    for (const std::string& other : available)
      if (other.size() > language.size() + 1 && other.compare(0, language.size() + 1, language + '_') == 0 &&
          std::all_of(other.begin() + static_cast<std::ptrdiff_t>(language.size()) + 1, other.end(), isLetter))
        return other;
  }
  return {};
}

}  // namespace sumdart
