#include "qt/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

#include <algorithm>

#include "state/texts.h"

namespace sumdart {

namespace {
// "de_AT" and "de-AT" alike; "fr_FR.UTF-8" as "fr-FR".
QString normalised(const QString& code) { return code.section(u'.', 0, 0).replace(u'_', u'-').trimmed(); }
}  // namespace

bool isEnglish(const QString& code) {
  const QString language = normalised(code).section(u'-', 0, 0).toLower();
  return language == u"en" || language == u"c" || language == u"posix";
}

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

QString chooseLanguage(const QStringList& wanted, const std::function<bool(const QString& code)>& have) {
  for (const QString& entry : wanted) {
    const QString code = normalised(entry);
    if (code.isEmpty()) continue;
    if (isEnglish(code)) return {};
    const QString language = code.section(u'-', 0, 0).toLower();
    // A code names a language only in letters: nothing else may reach a file name.
    const bool plain = std::all_of(code.begin(), code.end(), [](QChar c) {
      return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'-';
    });
    if (!plain) continue;
    // "de-Latn-AT" tries de_AT, then de.
    const QStringList parts = code.split(u'-', Qt::SkipEmptyParts);
    if (parts.size() > 1 && have(language + u'_' + parts.last().toUpper())) return language + u'_' + parts.last().toUpper();
    if (have(language)) return language;
  }
  return {};
}

QString languageFor(const QString& folder, const std::optional<QString>& asked) {
  const auto have = [&folder](const QString& code) {
    return !folder.isEmpty() && QFileInfo::exists(folder + QStringLiteral("/sumdart_") + code + QStringLiteral(".qm"));
  };
  return chooseLanguage(asked ? QStringList{*asked} : QLocale::system().uiLanguages(), have);
}

bool isUnknownLanguage(const std::optional<QString>& asked, const QString& chosen) {
  return asked && chosen.isEmpty() && !isEnglish(*asked);
}

QString translationsFolder(const QStringList& searchDirs) {
  for (const QString& dir : searchDirs) {
    const QFileInfo folder(QDir(dir).filePath(QStringLiteral("translations")));
    if (folder.isDir()) return folder.absoluteFilePath();
  }
  return {};
}

QStringList availableLanguages(const QString& folder) {
  if (folder.isEmpty()) return {};
  QStringList codes;
  const QStringList files = QDir(folder).entryList({QStringLiteral("sumdart_*.qm")}, QDir::Files, QDir::Name);
  for (const QString& f : files) codes << f.mid(8, f.size() - 11);
  return codes;
}

Translation::~Translation() { unload(); }

bool Translation::load(const QString& code, const QString& folder) {
  unload();
  if (code.isEmpty() || !own_.load(QStringLiteral("sumdart_") + code, folder)) return false;
  code_ = code;
  setLanguage(code.toStdString());
  setTextLookup([this](const char* context, const char* text) {
    return own_.translate(context, text).toStdString();
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
