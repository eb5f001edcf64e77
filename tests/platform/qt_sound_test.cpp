// The program's sound player on the machine's audio back end. Test machines
// often have no audio device: nothing here waits for a sound to end.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <ostream>
#include <string>
#include <memory>
#include <optional>
#include <vector>

#include "platform/qt_sound.h"
#include "qt_app_env.h"

namespace sumdart {
namespace {

QByteArray le32(quint32 v) {
  const quint32 le = qToLittleEndian(v);
  return QByteArray(reinterpret_cast<const char*>(&le), 4);
}

QByteArray le16(quint16 v) {
  const quint16 le = qToLittleEndian(v);
  return QByteArray(reinterpret_cast<const char*>(&le), 2);
}

QByteArray chunk(const char* id, const QByteArray& body) {
  QByteArray c = QByteArray(id) + le32(static_cast<quint32>(body.size())) + body;
  if (body.size() % 2) c.append('\0');
  return c;
}

QByteArray formatChunk(quint16 format = 1, quint16 channels = 1, quint32 rate = 22050, quint16 bits = 16) {
  const quint16 align = static_cast<quint16>(channels * bits / 8);
  return chunk("fmt ", le16(format) + le16(channels) + le32(rate) + le32(rate * align) + le16(align) + le16(bits));
}

QByteArray riff(const QByteArray& chunks) { return "RIFF" + le32(static_cast<quint32>(4 + chunks.size())) + "WAVE" + chunks; }

// Mono 16-bit samples of a tone.
QByteArray tone(int milliseconds, double hz) {
  constexpr int kRate = 22050;
  const int samples = kRate * milliseconds / 1000;
  QByteArray data;
  for (int i = 0; i < samples; ++i) data.append(le16(static_cast<quint16>(static_cast<qint16>(8000 * std::sin(2 * M_PI * hz * i / kRate)))));
  return data;
}

// A mono 16-bit PCM wave file of a tone.
QByteArray waveFile(int milliseconds, double hz) { return riff(formatChunk() + chunk("data", tone(milliseconds, hz))); }

class QtSoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tmp.isValid());
    ASSERT_TRUE(QDir(tmp.path()).mkpath("wav"));
  }

  QString write(const QString& relative, const QByteArray& bytes) {
    QFile f(tmp.filePath(relative));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    EXPECT_EQ(f.write(bytes), bytes.size());
    return QFileInfo(f).absoluteFilePath();
  }

  // A player that the test ends with: its files are loaded before it goes, as
  // Qt cannot drop a load that is under way without leaking it.
  QtSoundPlayer& makePlayer(std::optional<QStringList> dirs) {
    players.push_back(dirs ? std::make_unique<QtSoundPlayer>(*dirs) : std::make_unique<QtSoundPlayer>());
    players.back()->setLoadTimeout(200);
    return *players.back();
  }

  void TearDown() override {
    for (const auto& p : players) EXPECT_TRUE(test::runUntil([&] { return !p->loading(); }));
    players.clear();
  }

  QTemporaryDir tmp;
  std::vector<std::unique_ptr<QtSoundPlayer>> players;
};

TEST_F(QtSoundTest, MissingFileIsSkippedSilently) {
  QtSoundPlayer& player = makePlayer(QStringList{tmp.path()});
  EXPECT_FALSE(player.playsoundfile("wav\\click1.wav"));
  EXPECT_FALSE(player.playsoundfile(""));
  EXPECT_FALSE(player.playsoundfile("..\\wav\\click1.wav"));
  EXPECT_EQ(player.current(), QString());
  EXPECT_EQ(player.cachedCount(), 0);
}

TEST_F(QtSoundTest, NewSoundReplacesTheOnePlaying) {
  const QString first = write("wav/cupdice.wav", waveFile(3000, 440));
  const QString second = write("wav/ricochet.wav", waveFile(3000, 660));
  QtSoundPlayer& player = makePlayer(QStringList{tmp.path()});

  EXPECT_TRUE(player.playsoundfile("wav\\cupdice.wav"));
  EXPECT_EQ(player.current(), first);
  const QSoundEffect* a = player.effect(first);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->source(), QUrl::fromLocalFile(first));
  // Let the first one load and start. It then reports that it is playing, with a
  // device (three seconds of sound) and without one (it never finishes), so the
  // checks below see the player stop it.
  test::runFor(50);

  EXPECT_TRUE(player.playsoundfile("wav\\ricochet.wav"));
  EXPECT_EQ(player.current(), second);
  EXPECT_FALSE(a->isPlaying());
  const QSoundEffect* b = player.effect(second);
  ASSERT_NE(b, nullptr);
  EXPECT_NE(a, b);
  test::runFor(50);
  EXPECT_FALSE(a->isPlaying());

  // Back to the first: the same effect again, and the second is cut off.
  EXPECT_TRUE(player.playsoundfile("WAV\\CupDice.wav"));
  EXPECT_EQ(player.current(), first);
  EXPECT_EQ(player.effect(first), a);
  EXPECT_FALSE(b->isPlaying());
  EXPECT_EQ(player.cachedCount(), 2);
}

TEST_F(QtSoundTest, MissingFileLeavesTheCurrentSoundAlone) {
  const QString click = write("wav/click1.wav", waveFile(200, 880));
  QtSoundPlayer& player = makePlayer(QStringList{tmp.path()});
  EXPECT_TRUE(player.playsoundfile("wav\\click1.wav"));
  EXPECT_FALSE(player.playsoundfile("wav\\gong.wav"));
  EXPECT_EQ(player.current(), click);
  EXPECT_EQ(player.cachedCount(), 1);
}

TEST_F(QtSoundTest, EachFileIsLoadedOnce) {
  const QString click = write("wav/click1.wav", waveFile(100, 880));
  QtSoundPlayer& player = makePlayer(QStringList{tmp.path()});
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(player.playsoundfile("wav\\click1.wav"));
  EXPECT_EQ(player.cachedCount(), 1);
  EXPECT_EQ(player.current(), click);
}

TEST_F(QtSoundTest, PlayingReturnsAtOnce) {
  write("wav/a.wav", waveFile(2000, 300));
  write("wav/b.wav", waveFile(2000, 500));
  QtSoundPlayer& player = makePlayer(QStringList{tmp.path()});
  QElapsedTimer clock;
  clock.start();
  for (int i = 0; i < 20; ++i) player.playsoundfile(i % 2 ? "wav\\a.wav" : "wav\\b.wav");
  // Two seconds of sound each time: far more than this if a call waited.
  EXPECT_LT(clock.elapsed(), 1500);
}

TEST_F(QtSoundTest, FileThatIsNotACompleteSoundIsRefusedAtOnce) {
  write("wav/text.wav", "this is not a wave file");
  write("wav/empty.wav", "");
  write("wav/cut.wav", waveFile(500, 440).left(5000));
  const QString good = write("wav/good.wav", waveFile(100, 440));
  QtSoundPlayer& player = makePlayer(QStringList{tmp.path()});
  EXPECT_TRUE(player.playsoundfile("wav\\good.wav"));
  for (const char* name : {"wav\\text.wav", "wav\\empty.wav", "wav\\cut.wav"}) EXPECT_FALSE(player.playsoundfile(name)) << name;
  EXPECT_EQ(player.current(), good);
  EXPECT_EQ(player.cachedCount(), 1);
}

struct WaveCase {
  const char* name;
  QByteArray bytes;
  bool complete;
};

void PrintTo(const WaveCase& c, std::ostream* os) { *os << c.name; }

class WaveCheckTest : public ::testing::TestWithParam<WaveCase> {};

TEST_P(WaveCheckTest, AcceptsOnlyCompleteWaveFiles) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  const QString path = tmp.filePath("x.wav");
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(GetParam().bytes);
  f.close();
  EXPECT_EQ(isCompleteWaveFile(path), GetParam().complete);
}

INSTANTIATE_TEST_SUITE_P(
    Table, WaveCheckTest,
    ::testing::Values(
        WaveCase{"plain", waveFile(100, 440), true},
        WaveCase{"stereo8bit", riff(formatChunk(1, 2, 11025, 8) + chunk("data", QByteArray(400, '\x80'))), true},
        WaveCase{"listBeforeData", riff(formatChunk() + chunk("LIST", "INFOabc") + chunk("data", tone(10, 440))), true},
        WaveCase{"oddLengthChunkPadded", riff(formatChunk() + chunk("junk", "abc") + chunk("data", tone(10, 440))), true},
        WaveCase{"emptyData", riff(formatChunk() + chunk("data", {})), true},
        WaveCase{"trailingBytes", waveFile(10, 440) + "tail", true},
        WaveCase{"empty", {}, false},
        WaveCase{"fourBytes", "RIFF", false},
        WaveCase{"text", "this is not a wave file at all, honestly", false},
        WaveCase{"headerOnly", riff({}), false},
        WaveCase{"notWave", "RIFF" + le32(4) + "AVI ", false},
        WaveCase{"dataCutShort", waveFile(100, 440).chopped(10), false},
        WaveCase{"formatCutShort", riff(formatChunk()).chopped(4), false},
        WaveCase{"noFormat", riff(chunk("data", tone(10, 440))), false},
        WaveCase{"dataBeforeFormat", riff(chunk("data", tone(10, 440)) + formatChunk()), false},
        WaveCase{"compressed", riff(formatChunk(2) + chunk("data", tone(10, 440))), false},
        WaveCase{"noChannels", riff(formatChunk(1, 0) + chunk("data", tone(10, 440))), false},
        WaveCase{"oddBits", riff(formatChunk(1, 1, 22050, 12) + chunk("data", tone(10, 440))), false},
        WaveCase{"shortFormat", riff(chunk("fmt ", le16(1) + le16(1)) + chunk("data", tone(10, 440))), false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WaveCheck, MissingFileIsNotComplete) { EXPECT_FALSE(isCompleteWaveFile("/nonexistent/x.wav")); }

TEST(WaveCheck, TheGameSoundsBesideTheProgramAreComplete) {
  // The build writes the game's sounds beside the programs; the player must not
  // refuse any of them.
  const QDir wav(QCoreApplication::applicationDirPath() + "/wav");
  const QStringList files = wav.entryList({"*.wav"}, QDir::Files);
  if (files.isEmpty()) GTEST_SKIP() << "no generated sounds in " << wav.path().toStdString();
  for (const QString& f : files) EXPECT_TRUE(isCompleteWaveFile(wav.filePath(f))) << f.toStdString();
}

TEST_F(QtSoundTest, LoadThatTakesTooLongIsStartedAfreshAndNotPlayedLate) {
  // Qt loads one file at a time, so a small file asked for behind a large one
  // waits. With a tiny time limit the player takes that for a stalled load, as
  // when Qt drops a request, and loads the file afresh.
  write("wav/large.wav", riff(formatChunk() + chunk("data", QByteArray(16 << 20, '\0'))));
  const QString click = write("wav/click1.wav", waveFile(100, 880));
  QtSoundPlayer& player = makePlayer(QStringList{tmp.path()});
  player.setLoadTimeout(1);
  EXPECT_EQ(player.preload({"wav\\large.wav"}), 1);
  EXPECT_TRUE(player.playsoundfile("wav\\click1.wav"));
  const QSoundEffect* first = player.effect(click);
  ASSERT_TRUE(test::runUntil([&] { return player.effect(click) != first; }));
  EXPECT_GE(player.reloads(), 1);
  ASSERT_TRUE(test::runUntil([&] { return !player.loading(); }));
  // The first effect loaded in the end, but its play was called off.
  EXPECT_EQ(first->status(), QSoundEffect::Ready);
  EXPECT_FALSE(first->isPlaying());
  EXPECT_EQ(player.effect(click)->status(), QSoundEffect::Ready);
  EXPECT_EQ(player.cachedCount(), 2);
  EXPECT_TRUE(player.playsoundfile("wav\\click1.wav"));
  EXPECT_EQ(player.current(), click);
}

TEST_F(QtSoundTest, PreloadedSoundsAllLoad) {
  // Loads asked for back to back end at nearly the same moment, which is where
  // Qt's shared loading thread can drop a request; every file must still load.
  std::vector<std::string> names;
  for (int i = 0; i < 14; ++i) {
    write(QString("wav/s%1.wav").arg(i), waveFile(50 + 10 * i, 300 + 20 * i));
    names.push_back(QString("wav\\s%1.wav").arg(i).toStdString());
  }
  names.push_back("wav\\missing.wav");
  QtSoundPlayer& player = makePlayer(QStringList{tmp.path()});
  EXPECT_EQ(player.preload(names), 14);
  EXPECT_EQ(player.cachedCount(), 14);
  EXPECT_EQ(player.current(), QString());  // nothing played
  EXPECT_TRUE(test::runUntil([&] { return !player.loading(); }, 4000)) << player.reloads() << " reloads";
  for (int i = 0; i < 14; ++i)
    EXPECT_EQ(player.effect(tmp.filePath(QString("wav/s%1.wav").arg(i)))->status(), QSoundEffect::Ready) << i;
}

TEST_F(QtSoundTest, DefaultPlayerLooksInTheCurrentFolder) {
  const QString click = write("wav/click1.wav", waveFile(100, 880));
  const QString old = QDir::currentPath();
  QDir::setCurrent(tmp.path());
  QtSoundPlayer& player = makePlayer(std::nullopt);
  EXPECT_TRUE(player.playsoundfile("wav\\click1.wav"));
  EXPECT_EQ(QFileInfo(player.current()).canonicalFilePath(), QFileInfo(click).canonicalFilePath());
  QDir::setCurrent(old);
}

TEST_F(QtSoundTest, PlayerDestroyedWhileASoundPlays) {
  write("wav/long.wav", waveFile(3000, 440));
  {
    QtSoundPlayer player({tmp.path()});
    EXPECT_TRUE(player.playsoundfile("wav\\long.wav"));
    ASSERT_TRUE(test::runUntil([&] { return !player.loading(); }));
  }
  test::runFor(30);
}

}  // namespace
}  // namespace sumdart
