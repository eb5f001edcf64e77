// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace sumdart {

namespace {

// Splits a program-relative name into its parts, or gives nothing when the name
// is empty or could point outside the folder it is looked up in.
bool splitName(const QString& name, QStringList& parts) {
  if (name.isEmpty() || name.contains(QChar(u'\0'))) return false;
  QString n = name;
  n.replace(u'\\', u'/');
  if (n.startsWith(u'/')) return false;
  // "C:/..." is a drive path where the names come from, never a relative one.
  if (n.size() >= 2 && n[1] == u':' && n[0].isLetter()) return false;
  parts.clear();
  for (const QString& p : n.split(u'/', Qt::SkipEmptyParts)) {
    if (p == u"..") return false;
    if (p == u".") continue;
    parts.push_back(p);
  }
  return !parts.isEmpty();
}

bool fits(const QFileInfo& info, bool wantDir) { return wantDir ? info.isDir() : info.isFile(); }

// Entries of `folder` that `part` may name, the exact spelling first, then the
// other spellings in a fixed order.
QStringList candidates(const QString& folder, const QString& part, bool wantDir) {
  QStringList out;
  const QDir dir(folder);
  if (fits(QFileInfo(dir.filePath(part)), wantDir)) out.push_back(part);
  const QDir::Filters filter =
      (wantDir ? QDir::Dirs : QDir::Files) | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
  for (const QString& entry : dir.entryList(filter, QDir::Name)) {
    if (entry != part && entry.compare(part, Qt::CaseInsensitive) == 0) out.push_back(entry);
  }
  return out;
}

// Depth-first walk: when two spellings of a folder exist side by side, the file
// is looked for in each of them.
QString walk(const QString& folder, const QStringList& parts, qsizetype i) {
  const bool last = i + 1 == parts.size();
  for (const QString& entry : candidates(folder, parts[i], !last)) {
    const QString path = QDir(folder).filePath(entry);
    if (last) return QFileInfo(path).absoluteFilePath();
    QString found = walk(path, parts, i + 1);
    if (!found.isEmpty()) return found;
  }
  return {};
}

QString sameFolderKey(const QString& dir) {
  const QFileInfo info(dir);
  const QString canonical = info.canonicalFilePath();
  return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

}  // namespace

QString resolveAsset(const QString& name, const QStringList& searchDirs) {
  QStringList parts;
  if (!splitName(name, parts)) return {};
  for (const QString& dir : searchDirs) {
    if (dir.isEmpty() || !QFileInfo(dir).isDir()) continue;
    QString found = walk(QFileInfo(dir).absoluteFilePath(), parts, 0);
    if (!found.isEmpty()) return found;
  }
  return {};
}

QStringList searchDirsBeside(const QString& appDir) {
  QStringList dirs{QDir::currentPath()};
  if (!appDir.isEmpty()) {
    // Installed, the files lie in PREFIX/share/sumdart beside PREFIX/bin
    // (or PREFIX/games, where Debian puts games).
    for (const QString& dir : {appDir, QDir(appDir).filePath(QStringLiteral("../share/sumdart"))}) {
      bool seen = !QFileInfo(dir).isDir();
      for (const QString& d : dirs) seen = seen || sameFolderKey(d) == sameFolderKey(dir);
      if (!seen) dirs.push_back(QDir::cleanPath(dir));
    }
  }
  return dirs;
}

QStringList defaultSearchDirs() {
  // applicationDirPath needs the application object; before it exists only the
  // current folder is searched.
  return searchDirsBeside(QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString());
}

QString resolveAsset(const QString& name) { return resolveAsset(name, defaultSearchDirs()); }

}  // namespace sumdart
