// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The translations of the browser edition. The build converts each
// translations/sumdart_LANG.ts into a plain list of messages (web/tools/catalog.py),
// which the page fetches and hands to a Catalog; translate() then looks texts up
// in it, choosing a plural form by the language's rule, as Qt's .qm files do on
// the desktop. Plain C++.
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace sumdart {

// Which of a language's plural forms a count takes, numbered as in Qt's .ts
// files: two forms ("one", "other") in most languages, where French and
// Brazilian Portuguese also give 0 the first; three in Polish.
int pluralForm(const std::string& language, int n);

class Catalog {
 public:
  // Reads the converted list: messages separated by the record separator
  // (0x1E), each as context, source text and one or more forms of the
  // translation separated by the unit separator (0x1F). A message with fewer
  // than three fields is passed over.
  Catalog(std::string language, const std::string& list);

  // The translation of `text` for a count n (-1 for a text without one), or
  // "" when there is none.
  std::string lookup(const char* context, const char* text, int n) const;
  // Every message's context and source text.
  std::vector<std::pair<std::string, std::string>> keys() const;

 private:
  std::string language_;
  std::map<std::pair<std::string, std::string>, std::vector<std::string>> messages_;
};

}  // namespace sumdart
