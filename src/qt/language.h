// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player's language: which of the translations beside the program to show,
// and loading it for the game's own texts (translate() in the plain code) and
// for Qt's few standard texts.
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <optional>

namespace sumdart {

// The translation to show, as its code ("de"), or an empty string for the
// English texts. `wanted` is the desktop's list, most wanted first ("de-AT",
// "fr_FR", "C"; QLocale::uiLanguages() gives it); `available` the codes there
// are. The first entry that is English, C or POSIX gives English; else the
// first whose full code ("pt-BR", file sumdart_pt_BR.qm) or language ("de") is
// there, or, failing both, a translation for another region of its language
// ("pt" and "pt-PT" get "pt_BR").
QString chooseLanguage(const QStringList& wanted, const QStringList& available);

// Whether a language code is English ("en", "en_GB", "C", "POSIX").
bool isEnglish(const QString& code);

// The value of --lang CODE or --lang=CODE among a program's arguments (the
// last one given), or nothing.
std::optional<QString> languageArgument(const QStringList& arguments);

// The language to show from the translations in `folders`: the one --lang
// asked for when it was given, else the desktop's (QLocale::system().uiLanguages()).
QString languageFor(const QStringList& folders, const std::optional<QString>& asked);

// Whether --lang asked for a language there is no translation for (English
// always is there), given the language chosen for it.
bool isUnknownLanguage(const std::optional<QString>& asked, const QString& chosen);

// The folders translations may be in: "translations" under each of the
// program's search folders that has one, in their order (current folder, the
// program's own, share/sumdart).
QStringList translationFolders(const QStringList& searchDirs);

// The first of `folders` that holds the translation `code` (sumdart_de.qm), so
// that a "translations" folder of something else (a source tree's .ts files)
// hides nothing; empty when none does.
QString folderWith(const QStringList& folders, const QString& code);

// The codes of the translations in `folders` (sumdart_de.qm -> "de"), sorted, each once.
QStringList availableLanguages(const QStringList& folders);

// The translation in use. Loading one sets the plain code's text lookup and
// language, and, when there is an application object, installs it and Qt's own
// translation for that language (when the system has it) there too. Only one
// is ever in use; it must outlive every text shown.
class Translation {
 public:
  Translation() = default;
  Translation(const Translation&) = delete;
  Translation& operator=(const Translation&) = delete;
  ~Translation();

  // Loads sumdart_<code>.qm from `folder`. False, with English kept, when it
  // is missing or not a translation file.
  bool load(const QString& code, const QString& folder);
  // Back to the English texts.
  void unload();
  const QString& code() const { return code_; }

 private:
  QTranslator own_, qt_;
  QString code_;
  bool installed_ = false;
};

}  // namespace sumdart
