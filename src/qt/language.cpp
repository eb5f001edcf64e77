// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

#include <algorithm>

#include "state/languages.h"
#include "state/texts.h"

namespace sumdart {

namespace {
std::vector<std::string> stdList(const QStringList& list) {
  std::vector<std::string> out;
  for (const QString& s : list) out.push_back(s.toStdString());
  return out;
}
}  // namespace

bool isEnglish(const QString& code) { return isEnglish(code.toStdString()); }

std::optional<QString> languageArgument(const QStringList& arguments) {
  std::optional<QString> value;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    if (a == u"--") break;
    if ((a == u"--lang" || a == u"-lang") && i + 1 < arguments.size()) value = arguments[++i];
    else if (a.startsWith(u"--lang=")) value = a.mid(7);
    else if (a.startsWith(u"-lang=")) value = a.mid(6);
  }
  return value;
}

QString chooseLanguage(const QStringList& wanted, const QStringList& available) {
  return QString::fromStdString(chooseLanguage(stdList(wanted), stdList(available)));
}

QString languageFor(const QStringList& folders, const std::optional<QString>& asked) {
  return chooseLanguage(asked ? QStringList{*asked} : QLocale::system().uiLanguages(), availableLanguages(folders));
}

bool isUnknownLanguage(const std::optional<QString>& asked, const QString& chosen) {
  return asked && chosen.isEmpty() && !isEnglish(*asked);
}

QStringList translationFolders(const QStringList& searchDirs) {
  QStringList folders;
  for (const QString& dir : searchDirs) {
    const QFileInfo folder(QDir(dir).filePath(QStringLiteral("translations")));
    if (!dir.isEmpty() && folder.isDir()) folders << folder.absoluteFilePath();
  }
  return folders;
}

QString folderWith(const QStringList& folders, const QString& code) {
  for (const QString& folder : folders)
    if (!code.isEmpty() && QFileInfo(QDir(folder).filePath(QStringLiteral("sumdart_") + code + QStringLiteral(".qm"))).isFile()) return folder;
  return {};
}

QStringList availableLanguages(const QStringList& folders) {
  QStringList codes;
  for (const QString& folder : folders)
    for (const QString& f : QDir(folder).entryList({QStringLiteral("sumdart_*.qm")}, QDir::Files)) codes << f.mid(8, f.size() - 11);
  codes.sort();
  codes.removeDuplicates();
  return codes;
}

Translation::~Translation() { unload(); }

bool Translation::load(const QString& code, const QString& folder) {
  unload();
  if (code.isEmpty() || !own_.load(QStringLiteral("sumdart_") + code, folder)) return false;
  code_ = code;
  setLanguage(code.toStdString());
  setTextLookup([this](const char* context, const char* text, int n) {
    return own_.translate(context, text, nullptr, n).toStdString();
  });
  if (QCoreApplication::instance()) {
    QCoreApplication::installTranslator(&own_);
    // Qt's own words (a text box's menu, the command line's help) when the
    // system has them in this language; without them they stay English.
    if (qt_.load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        qt_.load(QStringLiteral("qtbase_") + code.section(u'_', 0, 0), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
      QCoreApplication::installTranslator(&qt_);
    installed_ = true;
  }
  return true;
}

void Translation::unload() {
  if (code_.isEmpty()) return;
  setTextLookup({});
  setLanguage({});
  if (installed_ && QCoreApplication::instance()) {
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&own_);
  }
  installed_ = false;
  code_.clear();
}

}  // namespace sumdart
