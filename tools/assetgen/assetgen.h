// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// Sumdart's asset generator: every picture, sound and the printable rules
// document the game loads are drawn, synthesised and written here, at build
// time; and, for the browser edition, its pictures, icons and rules pages.
#pragma once

#include "art/pictures.h"
#include "sound/synth.h"
#include "state/assets.h"

#include <QByteArray>
#include <QLocale>
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

class QTranslator;

namespace sumdart::assetgen {

// ---- Sounds -----------------------------------------------------------------

using sumdart::SoundWave;

// Every sound of the catalogue, in its order.
std::vector<SoundWave> sounds();
// One sound as a 16-bit PCM mono RIFF/WAVE file.
QByteArray wavFile(const SoundWave& sound);

// ---- Rules document ---------------------------------------------------------

// The printable rules as RTF. `boardJpeg` and `throwJpeg` (either may be
// empty) are embedded as the picture of the board and of the worked
// example's throw of 5, 4, 3 and 2. Its worked sums write a fraction as
// `numbers` does ("8,5" in German), as the translated text around them does.
QByteArray rulesDocument(const QByteArray& boardJpeg, const QByteArray& throwJpeg, const QLocale& numbers = QLocale::c());

// A picture of the rules page: its file, relative to the page, and its size
// in pixels (empty leaves it out).
struct PageImage {
  QString file;
  QSize size;
};
// The same rules as one UTF-8 HTML page in `language` ("en", "de", "pt_BR"),
// the translation of that language installed, showing `board` and `diceThrow`.
QByteArray rulesPage(const QString& language, const PageImage& board, const PageImage& diceThrow,
                     const QLocale& numbers = QLocale::c());

// ---- Everything -------------------------------------------------------------

// The pictures the game's screens show (all but the icons).
inline constexpr std::array kScreenPictures{Picture::board, Picture::logo, Picture::title, Picture::rulesStart,
                                            Picture::rulesBoard};
// One of them drawn at `scale` (see art/pictures.h); a null image for an icon.
QImage screenPicture(Picture picture, double scale);

// Writes `bytes` to `path` whole or not at all, creating its folder.
bool writeFile(const QString& path, const QByteArray& bytes, QString* error);
// Loads `file`, which must be named sumdart_LANGUAGE.qm, into `translator`.
bool loadTranslation(QTranslator& translator, const QString& file, QString* error);

// The rules document alone, in the language of the translation installed.
bool writeRulesDocument(const QString& path, QString* error, const QLocale& numbers = QLocale::c());
// The rules document in each language of `translations` (sumdart_de.qm...):
// "Sumdart Rules.de.doc"... in `folder`.
bool writeTranslatedRules(const QString& folder, const QStringList& translations, QString* error);

// Paths, relative to the output folder, of every file generateAll writes.
QStringList outputFiles();

// Writes every file into `folder` (created when missing). Needs a
// QGuiApplication for the lettering. Returns false and fills `error` on the
// first failure.
bool generateAll(const QString& folder, QString* error);

// The browser edition's files, written into `site` (created when missing), in
// English and in each language of `translations` (sumdart_de.qm...):
//  - Images/STEM.jpg, STEM@2x.jpg and STEM@3x.jpg: each screen picture at 1x,
//    2x and 3x, STEM its catalogue file's name without the extension
//    ("target2"); STEM.de.jpg... for a language whose drawing differs;
//  - pictures.json: by catalogue name ("Images\\target2.bmp"), the 1x width
//    and height, and by language ("en", "de"...) the three files' paths;
//  - icons/sumdart-48.png, -192.png and -512.png, for the web app manifest;
//  - rules/rules.html and rules/rules.de.html...: the rules page in each
//    language, beside its pictures.
// Needs a QGuiApplication. The same input gives the same bytes.
bool generateWeb(const QString& site, const QStringList& translations, QString* error);

}  // namespace sumdart::assetgen
