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
    std::string t = l(context, text);
    if (!t.empty()) return t;
  }
  return text;
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

}  // namespace sumdart
