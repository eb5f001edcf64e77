// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/texts.h"

#include <utility>

namespace sumdart {
namespace {
TextLookup& lookup() {
  static TextLookup current;
  return current;
}

std::string& languageCode() {
  static std::string code;
  return code;
}
}  // namespace

void setTextLookup(TextLookup l) { lookup() = std::move(l); }
void setLanguage(std::string code) { languageCode() = std::move(code); }
const std::string& language() { return languageCode(); }

std::string translate(const char* context, const char* text) {
  if (const TextLookup& l = lookup()) {
    std::string t = l(context, text, -1);
    if (!t.empty()) return t;
  }
  return text;
}

std::string translate(const char* context, const char* text, const char*, int n) {
  std::string t = lookup() ? lookup()(context, text, n) : std::string();
  if (t.empty()) {  // English: "(s)" dropped for one, an s otherwise
    t = text;
    for (std::size_t at; (at = t.find("(s)")) != std::string::npos;) t.replace(at, 3, n == 1 ? "" : "s");
  }
  for (std::size_t at = 0; (at = t.find("%n", at)) != std::string::npos;) {
    const std::string count = std::to_string(n);
    t.replace(at, 2, count);
    at += count.size();
  }
  return t;
}

std::string fill(std::string_view text, std::initializer_list<std::string_view> args) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
      const auto n = static_cast<std::size_t>(text[i + 1] - '1');
      if (n < args.size()) {
        out += *(args.begin() + n);
        ++i;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

std::string spokenWords(std::string_view caption) {
  std::string out;
  bool space = false;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    const char c = caption[i];
    if (c == '<' || c == '>') continue;
    // « and » in UTF-8.
    if (c == '\xC2' && i + 1 < caption.size() && (caption[i + 1] == '\xAB' || caption[i + 1] == '\xBB')) {
      ++i;
      continue;
    }
    if (c == ' ' || c == '\t' || c == '\n') {
      space = !out.empty();
      continue;
    }
    if (space) out += ' ';
    space = false;
    out += c;
  }
  return out;
}

std::string sentences(const std::vector<std::string>& texts) {
  std::string out;
  for (const std::string& t : texts) {
    const std::string words = spokenWords(t);
    if (words.empty()) continue;
    if (!out.empty()) out += ' ';
    out += words;
    // A stop may stand inside a closing bracket or quote: "(... board.)".
    const std::size_t end = words.find_last_not_of(")\"'");
    const char last = end == std::string::npos ? ' ' : words[end];
    if (last != '.' && last != '!' && last != '?' && last != ':' && last != ';') out += '.';
  }
  return out;
}

}  // namespace sumdart
