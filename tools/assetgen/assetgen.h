// Sumdart's asset generator: every picture, sound and the printable rules
// document the game loads are drawn, synthesised and written here, at build time.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <array>
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
// Rules page 1: the four players' tokens, dice and a clock: 200 x 262.
QImage startPicture();
// Rules page 3: a small board with the doubles picked out: 286 x 280.
QImage doublesPicture();
// The printable rules' board, for print at about 16 cm: every number, the
// doubles ringed and each ring labelled: 1240 x 880.
QImage rulesBoardPicture();
// The printable rules' throw: four dice in a row: 460 x 120.
QImage throwPicture(const std::array<int, 4>& dice);
// The application icon, size x size with a transparent background.
QImage iconPicture(int size);

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

// The printable rules as RTF. `boardJpeg` and `throwJpeg` (either may be
// empty) are embedded as the picture of the board and of the worked
// example's throw of 5, 4, 3 and 2.
QByteArray rulesDocument(const QByteArray& boardJpeg, const QByteArray& throwJpeg);

// ---- Everything -------------------------------------------------------------

// Paths, relative to the output folder, of every file generateAll writes.
QStringList outputFiles();

// Writes every file into `folder` (created when missing). Needs a
// QGuiApplication for the lettering. Returns false and fills `error` on the
// first failure.
bool generateAll(const QString& folder, QString* error);

}  // namespace sumdart::assetgen
