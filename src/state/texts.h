// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words a person reads or hears, in the player's language. The code holds
// the English texts; translate() looks each one up in the translation chosen
// at start-up (Qt's .qm files, see src/qt/language.h) and gives the English
// text itself when there is none. Qt's lupdate collects every text written as
// translate("Context", "Text") or TRANSLATABLE("Context", "Text") into the
// .ts files under translations/.
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Marks a text in a table for translation; the table keeps the English text
// and the code passes it through translate() with the same context when shown.
#define TRANSLATABLE(context, text) text

namespace sumdart {

// Looks a text up: (context, English text, count) -> the translation, or empty
// for none. The count is -1 for a text without one; for a text with one it
// chooses the language's plural form (the %n is left for translate()).
using TextLookup = std::function<std::string(const char* context, const char* text, int n)>;

// Sets the lookup every translate() uses; an empty one gives English throughout.
// Set at start-up, before any screen is made: a screen's captions are
// translated when it is made.
void setTextLookup(TextLookup lookup);

// The language the lookup translates into, as its code ("de"); empty for English.
void setLanguage(std::string code);
const std::string& language();

// The text in the player's language: the translation when there is a non-empty
// one, else `text` unchanged.
std::string translate(const char* context, const char* text);
inline std::string translate(const char* context, std::string_view text) {
  return translate(context, std::string(text).c_str());
}

// A text that holds a count n, written as Qt writes plural texts: %n for the
// count and "(s)" where English adds an s ("%n point(s) scored"). In the
// player's language it takes the form that language's grammar gives n (Qt's
// plural forms: Polish has three); in English "(s)" goes for 1 and is "s"
// otherwise. %n becomes n. The comment (Qt's disambiguation) may be null;
// lupdate collects the text as a plural one from this four-argument form.
std::string translate(const char* context, const char* text, const char* comment, int n);

// The text with %1, %2, ... %9 replaced by the arguments in order. A marker
// without its argument stays as it is; "%%" is not special. Arguments are put in
// as they are: a "%2" inside the first argument is not replaced again.
std::string fill(std::string_view text, std::initializer_list<std::string_view> args);

// A caption as a screen reader should say it: arrows drawn with < and > (or
// with « and ») left out, and every run of spaces made one ("Next Page" for
// ">> Next Page").
std::string spokenWords(std::string_view caption);

// Texts read one after the other: each ends with a full stop unless it already
// ends with a stop, so a speech synthesiser pauses between them.
std::string sentences(const std::vector<std::string>& texts);

}  // namespace sumdart
