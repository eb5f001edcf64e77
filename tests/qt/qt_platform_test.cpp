// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt adapters on real folders, a real event loop and real (offscreen)
// screens: finding the program's files, the desktop (pictures and documents),
// the saved-game file, the timers, sound, twips and window fitting. Nothing
// sleeps: the event loop runs until a condition holds, with a deadline.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtEndian>
#include <climits>
#include <cmath>
#include <csignal>

#include "qt/fitform.h"
#include "qt/paths.h"
#include "qt/qt_desktop.h"
#include "qt/qt_timer.h"
#include "qt/twips.h"
#include "qt/wav_sound.h"
#include "qt_app_env.h"

// Names and folders shown as text when a check fails.
void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace sumdart {
namespace {

// This program runs on two offscreen screens side by side: set before the test
// environment makes the application.
[[maybe_unused]] const bool kTwoScreens = qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TWO_SCREENS);

// Two spellings of a folder are searched as one, an exact spelling first; names
// that could leave the folder find nothing; the folders are searched in order.
TEST(Paths, ResolvesProgramNamesInTheFoldersInOrder) {
  QTemporaryDir tmp;
  const QString game = tmp.filePath("game"), other = tmp.filePath("other");
  test::writeFile(tmp.filePath("secret.wav"));  // beside the game folder, never reachable from it
  for (const char* file : {"wav/click1.wav", "wav/Gong.wav", "wav/gong.wav", "Images/start.jpg", "images/board.jpg", "Images/sub/deep.bmp"})
    test::writeFile(game + "/" + file);
  const std::pair<const char*, const char*> found[] = {
      {"wav\\click1.wav", "wav/click1.wav"}, {".\\wav\\\\click1.wav", "wav/click1.wav"}, {"IMAGES\\START.JPG", "Images/start.jpg"},
      {"Images\\board.jpg", "images/board.jpg"}, {"wav\\Gong.wav", "wav/Gong.wav"}, {"wav\\gong.wav", "wav/gong.wav"}};
  for (const auto& [name, file] : found) EXPECT_EQ(resolveAsset(name, {game}), QFileInfo(game + "/" + file).absoluteFilePath()) << name;
  const QString nothing[] = {"wav\\click2.wav", "wav", "Images\\deep.bmp", "", "..\\secret.wav", "..\\wav\\click1.wav", "wav\\..\\wav\\click1.wav",
                             tmp.filePath("secret.wav"), QString("wav\\click1.wav") + QChar(u'\0') + "x"};
  for (const QString& name : nothing) EXPECT_EQ(resolveAsset(name, {game}), QString()) << name.toStdString();
  const QString first = test::writeFile(other + "/wav/click1.wav");
  EXPECT_EQ(resolveAsset("wav\\click1.wav", {tmp.filePath("nowhere"), QString(), other, game}), first);
  EXPECT_EQ(resolveAsset("wav\\gong.wav", {other, game}), game + "/wav/gong.wav");
  // The current folder, the program's, then PREFIX/share/sumdart where an installed PREFIX/games has one.
  const QString games = tmp.filePath("usr/games"), share = tmp.filePath("usr/share/sumdart");
  for (const QString& dir : {games, share}) ASSERT_TRUE(QDir().mkpath(dir));
  EXPECT_EQ(searchDirsBeside(games), (QStringList{QDir::currentPath(), games, share}));
  EXPECT_EQ(searchDirsBeside(game), (QStringList{QDir::currentPath(), game}));
}

// The desktop looks in its own folders, whatever the case of the name; a picture
// that does not load is looked for again once it is put back. Only an existing
// file goes to the desktop's file handler, here a text browser whose setSource
// slot records the address.
TEST(QtDesktop, PicturesAndDocumentsComeFromItsFolders) {
  QTemporaryDir tmp;
  QTextBrowser handler;
  QDesktopServices::setUrlHandler("file", &handler, "setSource");
  QtDesktop desktop({tmp.path()});
  EXPECT_FALSE(desktop.pictureLoads("images\\logo.PGM"));
  EXPECT_FALSE(desktop.openDocument("Sumdart Rules.doc"));
  test::writeFile(tmp.filePath("Images/logo.pgm"), "P5 3 2 255\n" + QByteArray(6, '\x7f'));
  EXPECT_EQ(desktop.picture("images\\logo.PGM").size(), QSize(3, 2));
  EXPECT_FALSE(defaultDocumentOpener()(tmp.path())) << "a folder";
  const QString doc = test::writeFile(tmp.filePath("Sumdart Rules.doc"), "{\\rtf1 rules}");
  EXPECT_TRUE(desktop.openDocument("sumdart rules.DOC"));
  QDesktopServices::unsetUrlHandler("file");
  EXPECT_EQ(handler.source(), QUrl::fromLocalFile(doc));
}

// A write that fails part-way (here: a file-size limit) keeps the saved game
// there was, and leaves no temporary file; a missing file reads as nothing.
TEST(QtSaveFile, AFailedWriteKeepsTheSavedGameThereWas) {
  QTemporaryDir tmp;
  QtSaveFile file(tmp.filePath("lastgame.inf"));
  EXPECT_FALSE(file.read());
  ASSERT_TRUE(file.write("2\r\n0\r\n"));
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  const rlimit small{8, limit.rlim_max};
  std::signal(SIGXFSZ, SIG_IGN);  // the write fails instead of ending the program
  setrlimit(RLIMIT_FSIZE, &small);
  EXPECT_FALSE(file.write(std::string(200, '7')));
  setrlimit(RLIMIT_FSIZE, &limit);
  EXPECT_EQ(file.read(), "2\r\n0\r\n");
  EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files), QStringList{"lastgame.inf"});
}

// A new timer is stopped until started; start() and a new interval (even the
// same one) restart the countdown of a running timer.
TEST(QtTimer, StartAndANewIntervalRestartTheCountdown) {
  const auto t = QtTimerFactory().createQtTimer();
  t->setInterval(10000);
  EXPECT_EQ(t->remainingTime(), -1);
  t->start();
  for (const bool byStart : {true, false}) {
    ASSERT_TRUE(test::runUntil([&] { return t->remainingTime() < 9940; }));
    byStart ? t->start() : t->setInterval(10000);
    EXPECT_GT(t->remainingTime(), 9980) << (byStart ? "start()" : "a new interval");
  }
  // An animation step of 5 ms ticks 30 times a second; 1 ms stays at once.
  t->setInterval(5);
  EXPECT_GT(t->remainingTime(), 20);
  t->setInterval(1);
  EXPECT_LE(t->remainingTime(), 1);
}

// ---- Sound ----------------------------------------------------------------

template <typename T>  // little-endian bytes
QByteArray le(T v) { return QByteArray(reinterpret_cast<const char*>(&(v = qToLittleEndian(v))), sizeof v); }
// A RIFF chunk, padded to an even length.
QByteArray chunk(const char* id, const QByteArray& body) { return id + le(quint32(body.size())) + body + QByteArray(body.size() % 2, '\0'); }
QByteArray formatChunk(quint16 format = 1, quint16 channels = 1, quint32 rate = 22050, quint16 bits = 16) {
  const auto align = static_cast<quint16>(channels * bits / 8);
  return chunk("fmt ", le(format) + le(channels) + le(rate) + le<quint32>(rate * align) + le(align) + le(bits));
}
QByteArray riff(const QByteArray& chunks) { return "RIFF" + le(static_cast<quint32>(4 + chunks.size())) + "WAVE" + chunks; }
// Mono 16-bit samples at 22050 Hz, all of one value.
QByteArray waveFile(int samples, qint16 value = 0) { return riff(formatChunk() + chunk("data", le(value).repeated(samples))); }

// Only complete 16-bit PCM RIFF/WAVE files are sounds: a damaged, cut-short or
// other file is refused.
TEST(WaveFiles, OnlyCompleteSixteenBitPcmFilesAreSounds) {
  const QByteArray data = chunk("data", QByteArray(400, '\1'));
  const std::tuple<const char*, QByteArray, bool> cases[] = {  // {what, the file, a sound}
      {"trailingBytes", waveFile(10) + "tail", true}, {"stereo", riff(formatChunk(1, 2) + data), true}, {"noFormat", riff(data), false},
      {"listBeforeData", riff(formatChunk() + chunk("LIST", "INFOabc") + data), true}, {"text", "this is not a wave file", false},
      {"oddLengthChunkPadded", riff(formatChunk() + chunk("junk", "abc") + data), true}, {"dataCutShort", waveFile(200).chopped(10), false},
      {"eightBit", riff(formatChunk(1, 2, 11025, 8) + data), false}, {"notWave", "RIFF" + le(quint32{428}) + "AVI " + formatChunk() + data, false},
      {"dataBeforeFormat", riff(data + formatChunk()), false}, {"compressed", riff(formatChunk(2) + data), false},
      {"noChannels", riff(formatChunk(1, 0) + data), false}, {"shortFormat", riff(chunk("fmt ", le(quint16{1}) + le(quint16{1})) + data), false}};
  for (const auto& [what, bytes, sound] : cases) EXPECT_EQ(readWav(bytes).has_value(), sound) << what;
}

// The stand-in libpulse-simple built beside this test (fake_pulse.cpp), loaded
// here too (and kept to the end) to script it (see fake_pulse_script) and read its log.
void* const kFakePulse = dlopen(FAKE_PULSE_LIBRARY, RTLD_NOW | RTLD_LOCAL);
const auto pulseScript = reinterpret_cast<void (*)(int fail, int allow)>(dlsym(kFakePulse, "fake_pulse_script"));
const auto pulseTake = reinterpret_cast<void (*)(std::string*)>(dlsym(kFakePulse, "fake_pulse_take"));
// Waits until as much as `expected` has been logged, which it must be.
void expectPulseCalls(const std::string& expected) {
  std::string calls;
  EXPECT_TRUE(test::runUntil([&] { return pulseTake(&calls), calls.size() >= expected.size(); }));
  EXPECT_EQ(calls, expected);
}

// One sound at a time: a new one cuts off the one playing, flushing what the
// server holds before its first samples; a file that is not a sound is refused
// and leaves the sound playing alone; each file is read once. Without the
// library: silence.
TEST(WavSoundPlayer, OneSoundAtATimeANewOneCutsIn) {
  ASSERT_NE(pulseTake, nullptr) << FAKE_PULSE_LIBRARY;
  QTemporaryDir tmp;
  const QString long1 = test::writeFile(tmp.filePath("wav/long.wav"), waveFile(50 * 441, 1));
  test::writeFile(tmp.filePath("wav/short.wav"), waveFile(2 * 441, 2));
  WavSoundPlayer player({tmp.path()}, [] { return pulseSink(FAKE_PULSE_LIBRARY); }, std::chrono::hours(1));
  const std::string one = "write 882 bytes from 1\n", two = "write 882 bytes from 2\n";  // 20 ms at a time
  pulseScript(0, 2);
  EXPECT_TRUE(player.playSoundFile("WAV\\Long.wav"));
  expectPulseCalls("new format 3 dir 1 22050 Hz 1 ch 3528/882/882\n" + one + one);
  for (const char* name : {"wav\\missing.wav", "", "..\\wav\\long.wav"}) EXPECT_FALSE(player.playSoundFile(name)) << name;
  pulseScript(0, 2);  // the sound playing goes on
  expectPulseCalls(one + one);
  QDir().remove(long1);  // read once: still playable
  EXPECT_TRUE(player.playSoundFile("wav\\short.wav"));
  pulseScript(0, 3);  // the piece being written when it came still goes out
  expectPulseCalls(one + "flush\n" + two + two);
  pulseScript(0, 1);
  EXPECT_TRUE(player.playSoundFile("WAV\\Long.wav"));
  expectPulseCalls(one);  // no flush: the sound before had ended
  pulseScript(1, -1);  // the server goes while a sound plays
  expectPulseCalls("write 882 bytes from 1 failed\nfree\n");
  EXPECT_TRUE(WavSoundPlayer({tmp.path()}, [] { return nullptr; }).playSoundFile("wav\\short.wav"));
}

// ---- Twips and window fitting ---------------------------------------------

TEST(Twips, NearestPixelAndCentringWithAHalfToTheEvenNeighbour) {
  const std::pair<double, int> cases[] = {{7, 0}, {8, 1}, {7.5, 0}, {37.5, 2}, {-22.5, -2}, {1e300, INT_MAX}, {-1e300, INT_MIN}, {NAN, 0}};
  for (auto [twips, px] : cases) EXPECT_EQ(twipsToPx(twips), px) << twips;
  EXPECT_EQ(twipsRect(-150, 22.5, 2415, 52.5), QRect(-10, 2, 161, 4));  // each value on its own
  // Centring: {screen w, h, window w, h, left, top} in twips; half twips (7.5, 22.5,
  // 0.5, 1.5) go to the even neighbour.
  const int centred[][6] = {{15360, 11520, 12000, 9000, 1680, 1260}, {9600, 7200, 12000, 9000, -1200, -900},
                            {12015, 9015, 12000, 9000, 8, 8}, {12045, 9001, 12000, 9000, 22, 0}};
  for (const auto& c : centred) EXPECT_EQ(fitPosition({c[0], c[1]}, {c[2], c[3]}), QPoint(c[4], c[5])) << c[0] << "x" << c[1];
}

// Fixed at 800 x 600 logical pixels and centred on the window's own screen; the
// busy pointer goes again. screenSizeTwips() is the
// primary screen's size.
TEST(Fitform, FixesTheSizeAndCentresOnTheWindowsScreen) {
  ASSERT_EQ(QGuiApplication::screens().size(), 2);
  EXPECT_EQ(screenSizeTwips(), QSize(1024 * 15, 768 * 15));
  fitform(nullptr);  // ignored
  for (const QPoint expected : {QPoint(112, 84), QPoint(1024 + 240, 212)}) {
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setScreen(QGuiApplication::screens()[expected.x() > 1024 ? 1 : 0]);
    fitform(&window);
    EXPECT_EQ(window.geometry(), QRect(expected, QSize(800, 600)));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  }
}

}  // namespace
}  // namespace sumdart
