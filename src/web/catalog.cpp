// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/catalog.h"

namespace sumdart {

namespace {
std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(separator, start);
    out.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) return out;
    start = end + 1;
  }
}
}  // namespace

int pluralForm(const std::string& language, int n) {
  const std::string code = language.substr(0, language.find('_'));
  if (code == "pl") {
    if (n == 1) return 0;
    const int tens = n % 100;
    return n % 10 >= 2 && n % 10 <= 4 && !(tens >= 10 && tens <= 20) ? 1 : 2;
  }
  if (code == "fr" || language == "pt_BR") return n <= 1 ? 0 : 1;
  return n == 1 ? 0 : 1;
}

Catalog::Catalog(std::string language, const std::string& list) : language_(std::move(language)) {
  for (const std::string& message : split(list, '\x1e')) {
    std::vector<std::string> fields = split(message, '\x1f');
    if (fields.size() < 3) continue;
    std::vector<std::string> forms(fields.begin() + 2, fields.end());
    messages_[{std::move(fields[0]), std::move(fields[1])}] = std::move(forms);
  }
}

std::vector<std::pair<std::string, std::string>> Catalog::keys() const {
  std::vector<std::pair<std::string, std::string>> out;
  for (const auto& [key, forms] : messages_) out.push_back(key);
  return out;
}

std::string Catalog::lookup(const char* context, const char* text, int n) const {
  const auto it = messages_.find({context, text});
  if (it == messages_.end()) return {};
  const std::vector<std::string>& forms = it->second;
  const auto form = static_cast<std::size_t>(n < 0 ? 0 : pluralForm(language_, n));
  return form < forms.size() ? forms[form] : forms.back();
}

}  // namespace sumdart
