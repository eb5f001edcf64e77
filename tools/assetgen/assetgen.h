// Sumdart's asset generator: every picture, sound and the printable rules
// document the game loads are drawn, synthesised and written here, at build time.
#pragma once

#include "art/pictures.h"
#include "state/assets.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace sumdart::assetgen {

// ---- Sounds -----------------------------------------------------------------

struct SoundWave {
  Sound role = Sound::click;     // which of the catalogue's sounds it is
  int sampleRate = 44100;        // mono
  std::vector<std::int16_t> samples;
};

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

// ---- Everything -------------------------------------------------------------

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

}  // namespace sumdart::assetgen
