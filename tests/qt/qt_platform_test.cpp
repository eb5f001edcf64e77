// The Qt adapters on real folders, a real event loop and real (offscreen)
// screens: finding the program's files, the desktop (pictures and documents),
// the document opener, the saved-game file, the timers, sound, twips and window
// fitting. Nothing sleeps: the event loop runs until a condition holds, with a
// deadline.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtEndian>
#include <cmath>
#include <csignal>
#include <limits>

#include "qt/fitform.h"
#include "qt/paths.h"
#include "qt/qt_desktop.h"
#include "qt/wav_sound.h"
#include "qt/qt_timer.h"
#include "qt/twips.h"
#include "qt_app_env.h"

namespace sumdart {
namespace {

using test::runUntil;
using test::writeFile;

TEST(Paths, ResolvesProgramNames) {
  QTemporaryDir tmp;
  const QString game = tmp.filePath("game");
  writeFile(tmp.filePath("secret.wav"));  // beside the game folder, never reachable from it
  for (const char* file : {"wav/click1.wav", "wav/Gong.wav", "wav/gong.wav", "Images/start.jpg", "images/board.jpg", "Images/sub/deep.bmp"})
    writeFile(game + "/" + file);
  // {name, the file it finds under game/}: two spellings of a folder are searched as one, an exact spelling wins.
  const std::pair<const char*, const char*> found[] = {
      {"wav\\click1.wav", "wav/click1.wav"}, {".\\wav\\\\click1.wav", "wav/click1.wav"}, {"IMAGES\\START.JPG", "Images/start.jpg"},
      {"Images\\board.jpg", "images/board.jpg"}, {"wav\\Gong.wav", "wav/Gong.wav"}, {"wav\\gong.wav", "wav/gong.wav"}};
  for (const auto& [name, file] : found)
    EXPECT_EQ(resolveAsset(name, {game}), QFileInfo(game + "/" + file).absoluteFilePath()) << name;
  // Missing files, and names that could leave the folder.
  const QString nothing[] = {"wav\\click2.wav", "click1.wav", "wav", "Images\\sub", "Images\\deep.bmp", "", "..", "..\\secret.wav",
                             "wav\\..\\..\\secret.wav", "wav\\..\\wav\\click1.wav", "/secret.wav", "C:\\secret.wav",
                             tmp.filePath("secret.wav"), QString("wav\\click1.wav") + QChar(u'\0') + "x"};
  for (const QString& name : nothing) EXPECT_EQ(resolveAsset(name, {game}), QString()) << name.toStdString();
}

// Folders are searched in order, missing ones skipped; by default the current
// folder, then the program's (no ../share/sumdart beside it in the build).
TEST(Paths, FoldersAreSearchedInOrderTheCurrentFolderFirst) {
  QTemporaryDir tmp;
  const QString current = writeFile(tmp.filePath("current/wav/click1.wav"));
  writeFile(tmp.filePath("program/wav/click1.wav"));
  const QString program = writeFile(tmp.filePath("program/wav/gong.wav"));
  const QStringList dirs{tmp.filePath("nowhere"), QString(), tmp.filePath("current"), tmp.filePath("program")};
  EXPECT_EQ(resolveAsset("wav\\click1.wav", dirs), current);
  EXPECT_EQ(resolveAsset("wav\\gong.wav", dirs), program);

  const QString old = QDir::currentPath();
  const auto canonical = [](const QString& p) { return QFileInfo(p).canonicalFilePath(); };
  QDir::setCurrent(tmp.filePath("current"));
  const QStringList defaults = defaultSearchDirs();
  EXPECT_EQ(canonical(resolveAsset("WAV\\click1.wav")), canonical(current));
  QDir::setCurrent(old);
  ASSERT_EQ(defaults.size(), 2);
  EXPECT_EQ(canonical(defaults[0]), canonical(tmp.filePath("current")));
  EXPECT_EQ(defaults[1], QCoreApplication::applicationDirPath());
}

// The desktop looks in its own folders, whatever the case of the name; a picture
// that does not load is looked for again once it is put back.
TEST(QtDesktop, PicturesAndDocumentsComeFromItsFolders) {
  QTemporaryDir tmp;
  QStringList opened;
  QtDesktop desktop({tmp.path()}, [&](const QString& path) { return opened.append(path), true; });
  EXPECT_FALSE(desktop.pictureLoads("images\\logo.png"));
  EXPECT_FALSE(desktop.openDocument("Sumdart Rules.doc"));
  QImage image(3, 2, QImage::Format_RGB32);
  image.fill(Qt::red);
  ASSERT_TRUE(QDir().mkpath(tmp.filePath("Images")) && image.save(tmp.filePath("Images/logo.png")));
  EXPECT_EQ(desktop.picture("images\\logo.png").size(), QSize(3, 2));
  const QString doc = writeFile(tmp.filePath("Sumdart Rules.doc"));
  EXPECT_TRUE(desktop.openDocument("sumdart rules.DOC"));
  EXPECT_EQ(opened, QStringList{doc});
}

// The opener hands only an existing file to the desktop, whose file handler here
// is a text browser: its setSource slot records the address.
TEST(Opener, OpensAnExistingDocumentAndRefusesWhatIsNotAFile) {
  QTemporaryDir tmp;
  QTextBrowser desktop;
  QDesktopServices::setUrlHandler("file", &desktop, "setSource");
  const DocumentOpener open = defaultDocumentOpener();
  const QString doc = writeFile(tmp.filePath("Sumdart Rules.doc"), "{\\rtf1 rules}");
  for (const QString& none : {tmp.filePath("missing.doc"), tmp.path(), QString()}) EXPECT_FALSE(open(none)) << none.toStdString();
  EXPECT_EQ(desktop.source(), QUrl());
  EXPECT_TRUE(open(doc));
  QDesktopServices::unsetUrlHandler("file");
  EXPECT_EQ(desktop.source(), QUrl::fromLocalFile(doc));
}

// A write that fails part-way (here: a file-size limit) keeps the saved game
// there was, and leaves no temporary file; a missing file reads as nothing.
TEST(QtSaveFile, AFailedWriteKeepsTheSavedGameThereWas) {
  QTemporaryDir tmp;
  const QString old = QDir::currentPath();
  QDir::setCurrent(tmp.path());
  QtSaveFile file;
  EXPECT_FALSE(file.read());
  ASSERT_TRUE(file.write("2\r\n0\r\n"));
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  const rlimit small{8, limit.rlim_max};
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);  // the write fails instead of ending the program
  setrlimit(RLIMIT_FSIZE, &small);
  EXPECT_FALSE(file.write(std::string(200, '7')));
  setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(file.read(), "2\r\n0\r\n");
  EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files), QStringList{"lastgame.inf"});
  QDir::setCurrent(old);
}

// A new timer is stopped until started; start() and a new interval (even the
// same one) restart the countdown of a running timer.
TEST(QtTimer, StartAndANewIntervalRestartTheCountdown) {
  QtTimerFactory factory;
  auto t = factory.createQtTimer();
  t->setInterval(10000);
  EXPECT_EQ(t->remainingTime(), -1);
  t->start();
  ASSERT_TRUE(runUntil([&] { return t->remainingTime() < 9940; }));
  t->start();
  EXPECT_GT(t->remainingTime(), 9980);
  ASSERT_TRUE(runUntil([&] { return t->remainingTime() < 9940; }));
  t->setInterval(10000);
  EXPECT_GT(t->remainingTime(), 9980);
  // An animation step of 5 ms ticks 30 times a second; 1 ms stays at once.
  t->setInterval(5);
  EXPECT_GT(t->remainingTime(), 20);
  t->setInterval(1);
  EXPECT_LE(t->remainingTime(), 1);
}

// ---- Sound ----------------------------------------------------------------

template <typename T>  // little-endian bytes
QByteArray le(T v) {
  const T little = qToLittleEndian(v);
  return QByteArray(reinterpret_cast<const char*>(&little), sizeof little);
}
// A RIFF chunk, padded to an even length.
QByteArray chunk(const char* id, const QByteArray& body) {
  return QByteArray(id) + le(static_cast<quint32>(body.size())) + body + QByteArray(body.size() % 2, '\0');
}
QByteArray formatChunk(quint16 format = 1, quint16 channels = 1, quint32 rate = 22050, quint16 bits = 16) {
  const auto align = static_cast<quint16>(channels * bits / 8);
  return chunk("fmt ", le(format) + le(channels) + le(rate) + le<quint32>(rate * align) + le(align) + le(bits));
}
QByteArray riff(const QByteArray& chunks) { return "RIFF" + le(static_cast<quint32>(4 + chunks.size())) + "WAVE" + chunks; }
// Mono 16-bit samples at 22050 Hz, all of one value.
QByteArray waveFile(int samples, qint16 value = 0) {
  QByteArray data;
  for (int i = 0; i < samples; ++i) data += le(value);
  return riff(formatChunk() + chunk("data", data));
}

// Only complete 16-bit PCM RIFF/WAVE files are sounds.
TEST(WaveFiles, OnlyCompleteSixteenBitPcmFilesAreSounds) {
  const QByteArray data = chunk("data", QByteArray(400, '\1'));
  const struct {
    const char* name;
    QByteArray bytes;
    bool sound;
  } cases[] = {{"plain", waveFile(200), true}, {"trailingBytes", waveFile(10) + "tail", true},
               {"stereo", riff(formatChunk(1, 2) + data), true},
               {"listBeforeData", riff(formatChunk() + chunk("LIST", "INFOabc") + data), true},
               {"oddLengthChunkPadded", riff(formatChunk() + chunk("junk", "abc") + data), true},
               {"eightBit", riff(formatChunk(1, 2, 11025, 8) + data), false},
               {"text", "this is not a wave file", false}, {"dataCutShort", waveFile(200).chopped(10), false},
               {"notWave", "RIFF" + le(quint32{428}) + "AVI " + formatChunk() + data, false},
               {"noFormat", riff(data), false}, {"dataBeforeFormat", riff(data + formatChunk()), false},
               {"compressed", riff(formatChunk(2) + data), false}, {"float", riff(formatChunk(3) + data), false},
               {"noChannels", riff(formatChunk(1, 0) + data), false},
               {"shortFormat", riff(chunk("fmt ", le(quint16{1}) + le(quint16{1})) + data), false}};
  for (const auto& c : cases) EXPECT_EQ(readWav(c.bytes).has_value(), c.sound) << c.name;
  const auto pcm = readWav(waveFile(200, -7));
  ASSERT_TRUE(pcm);
  EXPECT_EQ(pcm->rate, 22050);
  EXPECT_EQ(pcm->samples, std::vector<std::int16_t>(200, -7));
}

// The stand-in libpulse-simple built beside this test (fake_pulse.cpp), loaded
// here too to read its log and script it.
void* fakePulse(const char* function) {
  static void* const lib = dlopen(FAKE_PULSE_LIBRARY, RTLD_NOW | RTLD_LOCAL);  // kept to the end
  return lib ? dlsym(lib, function) : nullptr;
}
std::string pulseCalls() {  // the calls since the last look
  std::string calls = "no " FAKE_PULSE_LIBRARY;
  if (void* take = fakePulse("fake_pulse_take")) reinterpret_cast<void (*)(std::string*)>(take)(&calls);
  return calls;
}
// Lets go of the calls logged so far. From now the next `refuse` streams are
// refused and the next `fail` writes fail; `allow` more writes go through, then
// writes wait (none waits when negative).
void pulseScript(int refuse, int fail, int allow) {
  pulseCalls();
  if (void* script = fakePulse("fake_pulse_script")) reinterpret_cast<void (*)(int, int, int)>(script)(refuse, fail, allow);
}
// Waits until as much as `expected` has been logged, which it must be.
void expectPulseCalls(const std::string& expected) {
  std::string calls;
  EXPECT_TRUE(runUntil([&] { return (calls += pulseCalls()).size() >= expected.size(); }));
  EXPECT_EQ(calls, expected);
}

// One sound at a time: a new one cuts off the one playing, flushing what the
// server holds before its first samples; a file that is not a sound is refused
// and leaves the sound playing alone; each file is read once.
TEST(WavSoundPlayer, OneSoundAtATimeANewOneCutsIn) {
  QTemporaryDir tmp;
  const QString long1 = writeFile(tmp.filePath("wav/long.wav"), waveFile(50 * 441, 1));
  writeFile(tmp.filePath("wav/short.wav"), waveFile(2 * 441, 2));
  writeFile(tmp.filePath("wav/cut.wav"), waveFile(2 * 441, 2).chopped(3));
  WavSoundPlayer player({tmp.path()}, [] { return pulseSink(FAKE_PULSE_LIBRARY); }, std::chrono::hours(1));
  const std::string one = "write 882 bytes from 1\n", two = "write 882 bytes from 2\n";  // 20 ms at a time
  pulseScript(0, 0, 2);
  EXPECT_TRUE(player.playSoundFile("WAV\\Long.wav"));
  expectPulseCalls("new format 3 dir 1 22050 Hz 1 ch 3528/882/882\n" + one + one);
  for (const char* name : {"wav\\cut.wav", "wav\\missing.wav", "", "..\\wav\\long.wav"})
    EXPECT_FALSE(player.playSoundFile(name)) << name;
  pulseScript(0, 0, 2);  // the sound playing goes on
  expectPulseCalls(one + one);
  QFile::remove(long1);  // read once: still playable
  EXPECT_TRUE(player.playSoundFile("wav\\short.wav"));
  pulseScript(0, 0, 3);  // the piece being written when it came still goes out
  expectPulseCalls(one + "flush\n" + two + two);
  pulseScript(0, 0, 1);
  EXPECT_TRUE(player.playSoundFile("WAV\\Long.wav"));
  expectPulseCalls(one);  // no flush: the sound before had ended
  pulseScript(0, 1, -1);  // the server goes while a sound plays
  expectPulseCalls("write 882 bytes from 1 failed\nfree\n");
}

// A stream the server refused is asked for again by the next sound; once no
// sound has come for the idle time the stream is let go, and the next sound
// opens a new one.
TEST(WavSoundPlayer, TheNextSoundConnectsAgainAfterARefusalOrAQuietSpell) {
  QTemporaryDir tmp;
  writeFile(tmp.filePath("wav/click1.wav"), waveFile(2 * 441, 9));
  pulseScript(1, 0, -1);
  WavSoundPlayer player({tmp.path()}, [] { return pulseSink(FAKE_PULSE_LIBRARY); }, std::chrono::milliseconds(30));
  EXPECT_EQ(player.preload({"wav\\click1.wav", "wav\\gone.wav"}), 1);
  const std::string opens = "new format 3 dir 1 22050 Hz 1 ch 3528/882/882";
  const std::string played = opens + "\nwrite 882 bytes from 9\nwrite 882 bytes from 9\nfree\n";
  for (const std::string& calls : {opens + " refused\n", played, played}) {
    EXPECT_TRUE(player.playSoundFile("wav\\click1.wav"));
    expectPulseCalls(calls);
  }
  // No library: silence. The desktop's own sound server, where there is one: at most it plays.
  WavSoundPlayer silent({tmp.path()}, [] { return nullptr; }), real({tmp.path()});
  EXPECT_TRUE(silent.playSoundFile("wav\\click1.wav") && real.playSoundFile("wav\\click1.wav"));
}

// ---- Twips and window fitting ---------------------------------------------

TEST(Twips, NearestPixelAndCentringWithAHalfToTheEvenNeighbour) {
  constexpr int kMax = std::numeric_limits<int>::max(), kMin = std::numeric_limits<int>::min();
  const std::pair<double, int> cases[] = {{15, 1}, {7, 0}, {8, 1}, {7.5, 0}, {22.5, 2}, {37.5, 2}, {-22.5, -2},
                                          {1e300, kMax}, {-1e300, kMin}, {NAN, 0}};
  for (auto [twips, px] : cases) EXPECT_EQ(twipsToPx(twips), px) << twips;
  EXPECT_EQ(twipsRect(-150, 22.5, 2415, 52.5), QRect(-10, 2, 161, 4));  // each value on its own
  // Centring: {screen w, h, window w, h, left, top} in twips; half twips (7.5, 22.5,
  // 0.5, 1.5) go to the even neighbour.
  const int centred[][6] = {{15360, 11520, 12000, 9000, 1680, 1260}, {9600, 7200, 12000, 9000, -1200, -900},
                            {12015, 9015, 12000, 9000, 8, 8}, {12045, 9001, 12000, 9000, 22, 0}};
  for (const auto& c : centred)
    EXPECT_EQ(fitPosition({c[0], c[1]}, {c[2], c[3]}), QPoint(c[4], c[5])) << c[0] << "x" << c[1];
}

// This program runs on two offscreen screens side by side, the primary one first,
// described to the platform before the application object exists (unless another
// platform was asked for).
const bool kTwoScreens = [] {
  if (!qgetenv("QT_QPA_PLATFORM").isEmpty() && qgetenv("QT_QPA_PLATFORM") != "offscreen") return false;
  static QTemporaryDir dir;
  QFile config(dir.filePath("screens.json"));
  const char* screen = R"({"name": "%1", "x": %2, "y": 0, "width": %3, "height": %4, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1})";
  const QString screens = QString(screen).arg("first").arg(0).arg(1024).arg(768) + ", " +
                          QString(screen).arg("second").arg(1024).arg(1280).arg(1024);
  if (!config.open(QIODevice::WriteOnly) || config.write(QString(R"({"screens": [%1]})").arg(screens).toUtf8()) < 0) return false;
  return qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toUtf8());
}();

// Fixed at 800 x 600 logical pixels and centred on the window's own screen, where
// it stays once shown; the busy pointer goes again. screenSizeTwips() is the
// primary screen's size.
TEST(Fitform, FixesTheSizeAndCentresOnTheWindowsScreen) {
  if (!kTwoScreens || QGuiApplication::screens().size() != 2) GTEST_SKIP() << "needs the offscreen platform";
  EXPECT_EQ(screenSizeTwips(), QSize(1024 * 15, 768 * 15));
  fitform(nullptr);  // ignored
  for (const QPoint expected : {QPoint(112, 84), QPoint(1024 + 240, 212)}) {
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setScreen(QGuiApplication::screens()[expected.x() > 1024 ? 1 : 0]);
    fitform(&window);
    EXPECT_EQ(window.pos(), expected);
    EXPECT_EQ(window.minimumSize(), QSize(800, 600));
    EXPECT_EQ(window.maximumSize(), QSize(800, 600));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    window.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.frameGeometry().topLeft(), expected);
  }
}

}  // namespace
}  // namespace sumdart
