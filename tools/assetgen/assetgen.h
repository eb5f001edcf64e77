// Sumdart's asset generator: every picture, sound and the printable rules
// document the game loads are drawn, synthesised and written here, at build time.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace sumdart::assetgen {

// ---- Pictures ---------------------------------------------------------------

// The game screen's background: 800 x 600, the board round (400.5, 304).
QImage boardPicture();
// The logo beside the board and on the set-up screens: 100 x 139.
QImage logoPicture();
// The title screen's picture: 320 x 240.
QImage titlePicture();
// Rules page 1: the four players' tokens, dice and a clock: 190 x 270.
QImage startPicture();
// Rules page 3: a small board with the doubles picked out: 270 x 260.
QImage doublesPicture();

// ---- Sounds -----------------------------------------------------------------

struct Sound {
  QString name;                  // file name inside wav/, e.g. "click1.wav"
  int sampleRate = 44100;        // mono
  std::vector<std::int16_t> samples;
};

// All fourteen sounds, in a fixed order.
std::vector<Sound> sounds();
// One sound as a 16-bit PCM mono RIFF/WAVE file.
QByteArray wavFile(const Sound& sound);

// ---- Rules document ---------------------------------------------------------

// The printable rules as RTF. `boardJpeg` (may be empty) is embedded as the
// picture of the board.
QByteArray rulesDocument(const QByteArray& boardJpeg);

// ---- Everything -------------------------------------------------------------

// Paths, relative to the output folder, of every file generateAll writes.
QStringList outputFiles();

// Writes every file into `folder` (created when missing). Needs a
// QGuiApplication for the lettering. Returns false and fills `error` on the
// first failure.
bool generateAll(const QString& folder, QString* error);

}  // namespace sumdart::assetgen
