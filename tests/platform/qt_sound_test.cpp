// The program's sound player on the machine's audio back end. Test machines
// often have no audio device: nothing here waits for a sound to end.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <string>
#include <vector>

#include "platform/qt_sound.h"
#include "qt_app_env.h"

namespace sumdart {
namespace {

template <typename T>  // little-endian bytes
QByteArray le(T v) {
  const T le = qToLittleEndian(v);
  return QByteArray(reinterpret_cast<const char*>(&le), sizeof le);
}

QByteArray chunk(const char* id, const QByteArray& body) {
  const auto size = static_cast<quint32>(body.size());
  return QByteArray(id) + le(size) + body + QByteArray(size % 2, '\0');  // padded to an even length
}

QByteArray formatChunk(quint16 format = 1, quint16 channels = 1, quint32 rate = 22050, quint16 bits = 16) {
  const auto align = static_cast<quint16>(channels * bits / 8);
  return chunk("fmt ", le(format) + le(channels) + le(rate) + le<quint32>(rate * align) + le(align) + le(bits));
}

QByteArray riff(const QByteArray& chunks) {
  return "RIFF" + le(static_cast<quint32>(4 + chunks.size())) + "WAVE" + chunks;
}

// Mono 16-bit samples of a tone at 22050 Hz.
QByteArray tone(int milliseconds, double hz) {
  QByteArray data;
  for (int i = 0; i < 22050 * milliseconds / 1000; ++i)
    data += le(static_cast<qint16>(8000 * std::sin(2 * M_PI * hz * i / 22050)));
  return data;
}

QByteArray waveFile(int milliseconds, double hz) { return riff(formatChunk() + chunk("data", tone(milliseconds, hz))); }

class QtSoundTest : public ::testing::Test {
 protected:
  QtSoundTest() { player.setLoadTimeout(200); }
  // Qt cannot drop a load that is under way without leaking it: the player's
  // files are loaded before it goes.
  void TearDown() override { EXPECT_TRUE(test::runUntil([&] { return !player.loading(); })); }
  QString write(const QString& relative, const QByteArray& bytes) {
    return test::writeFile(tmp.filePath(relative), bytes);
  }

  QTemporaryDir tmp;
  QtSoundPlayer player{QStringList{tmp.path()}};
};

TEST_F(QtSoundTest, NewSoundReplacesTheOnePlayingAtOnce) {
  const QString first = write("wav/cupdice.wav", waveFile(3000, 440));
  const QString second = write("wav/ricochet.wav", waveFile(3000, 660));
  QElapsedTimer clock;
  clock.start();
  EXPECT_TRUE(player.playsoundfile("wav\\cupdice.wav"));
  EXPECT_EQ(player.current(), first);
  const QSoundEffect* a = player.effect(first);
  ASSERT_NE(a, nullptr);
  // Let the first one load and start. It then reports that it is playing, with a
  // device (three seconds of sound) and without one (it never finishes), so the
  // checks below see the player stop it.
  test::runFor(50);

  EXPECT_TRUE(player.playsoundfile("wav\\ricochet.wav"));
  EXPECT_EQ(player.current(), second);
  const QSoundEffect* b = player.effect(second);
  ASSERT_NE(b, nullptr);
  EXPECT_NE(a, b);
  test::runFor(50);
  EXPECT_FALSE(a->isPlaying());

  // Back to the first: the same effect again, and the second is cut off.
  for (int i = 0; i < 20; ++i) EXPECT_TRUE(player.playsoundfile(i % 2 ? "WAV\\CupDice.wav" : "wav\\ricochet.wav"));
  EXPECT_EQ(player.current(), first);
  EXPECT_EQ(player.effect(first), a);
  EXPECT_FALSE(b->isPlaying());
  EXPECT_EQ(player.cachedCount(), 2);
  // Three seconds of sound each time: far more than this if a call waited.
  EXPECT_LT(clock.elapsed(), 1500);
}

TEST_F(QtSoundTest, FileThatCannotPlayIsSkippedAtOnceAndLeavesTheCurrentSoundAlone) {
  EXPECT_FALSE(player.playsoundfile("wav\\click1.wav"));
  EXPECT_EQ(player.current(), QString());
  write("wav/text.wav", "this is not a wave file");
  write("wav/cut.wav", waveFile(500, 440).left(5000));  // Qt would wait for ever on it
  const QString good = write("wav/good.wav", waveFile(100, 440));
  EXPECT_TRUE(player.playsoundfile("wav\\good.wav"));
  for (const char* name : {"wav\\text.wav", "wav\\cut.wav", "wav\\gong.wav", "", "..\\good.wav"}) {
    EXPECT_FALSE(player.playsoundfile(name)) << name;
  }
  EXPECT_EQ(player.current(), good);
  EXPECT_EQ(player.cachedCount(), 1);
}

TEST(WaveCheck, AcceptsOnlyCompleteWaveFiles) {
  const QByteArray data = chunk("data", tone(10, 440));
  const struct {
    const char* name;
    QByteArray bytes;
    bool complete;
  } cases[] = {{"plain", waveFile(100, 440), true},
               {"stereo8bit", riff(formatChunk(1, 2, 11025, 8) + chunk("data", QByteArray(400, '\x80'))), true},
               {"listBeforeData", riff(formatChunk() + chunk("LIST", "INFOabc") + data), true},
               {"oddLengthChunkPadded", riff(formatChunk() + chunk("junk", "abc") + data), true},
               {"emptyData", riff(formatChunk() + chunk("data", {})), true},
               {"trailingBytes", waveFile(10, 440) + "tail", true},
               {"empty", {}, false},
               {"fourBytes", "RIFF", false},
               {"text", "this is not a wave file at all, honestly", false},
               {"headerOnly", riff({}), false},
               {"notWave", "RIFF" + le(quint32{4}) + "AVI ", false},
               {"dataCutShort", waveFile(100, 440).chopped(10), false},
               {"formatCutShort", riff(formatChunk()).chopped(4), false},
               {"noFormat", riff(data), false},
               {"dataBeforeFormat", riff(data + formatChunk()), false},
               {"compressed", riff(formatChunk(2) + data), false},
               {"noChannels", riff(formatChunk(1, 0) + data), false},
               {"oddBits", riff(formatChunk(1, 1, 22050, 12) + data), false},
               {"shortFormat", riff(chunk("fmt ", le(quint16{1}) + le(quint16{1})) + data), false}};
  QTemporaryDir tmp;
  for (const auto& c : cases)
    EXPECT_EQ(isCompleteWaveFile(test::writeFile(tmp.filePath(c.name), c.bytes)), c.complete) << c.name;
  EXPECT_FALSE(isCompleteWaveFile(tmp.filePath("missing")));
  // The game's sounds, when the build wrote them beside the programs.
  const QDir wav(QCoreApplication::applicationDirPath() + "/wav");
  for (const QString& f : wav.entryList({"*.wav"}, QDir::Files)) {
    EXPECT_TRUE(isCompleteWaveFile(wav.filePath(f))) << f.toStdString();
  }
}

TEST_F(QtSoundTest, LoadThatTakesTooLongIsStartedAfreshAndNotPlayedLate) {
  // Qt loads one file at a time, so a small file asked for behind a large one
  // waits. With a tiny time limit the player takes that for a stalled load, as
  // when Qt drops a request, and loads the file afresh.
  write("wav/large.wav", riff(formatChunk() + chunk("data", QByteArray(16 << 20, '\0'))));
  const QString click = write("wav/click1.wav", waveFile(100, 880));
  player.setLoadTimeout(1);
  EXPECT_EQ(player.preload({"wav\\large.wav"}), 1);
  EXPECT_TRUE(player.playsoundfile("wav\\click1.wav"));
  const QSoundEffect* first = player.effect(click);
  ASSERT_TRUE(test::runUntil(
      [&] { return player.effect(click) != first || first->status() == QSoundEffect::Ready; }));
  // On a busy machine the 1 ms check may only run after both files loaded;
  // then there was no stalled load to see.
  if (player.effect(click) == first) {
    ASSERT_TRUE(test::runUntil([&] { return !player.loading(); }));
    GTEST_SKIP() << "the file loaded before the load check ran";
  }
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
  std::vector<std::string> names{"wav\\missing.wav"};
  for (int i = 0; i < 14; ++i) {
    write(QString("wav/s%1.wav").arg(i), waveFile(50 + 10 * i, 300 + 20 * i));
    names.push_back(QString("wav\\s%1.wav").arg(i).toStdString());
  }
  EXPECT_EQ(player.preload(names), 14);
  EXPECT_EQ(player.cachedCount(), 14);
  EXPECT_EQ(player.current(), QString());  // nothing played
  EXPECT_TRUE(test::runUntil([&] { return !player.loading(); }, 4000)) << player.reloads() << " reloads";
  for (int i = 0; i < 14; ++i)
    EXPECT_EQ(player.effect(tmp.filePath(QString("wav/s%1.wav").arg(i)))->status(), QSoundEffect::Ready) << i;
}

TEST_F(QtSoundTest, DefaultPlayerLooksInTheCurrentFolderAndMayGoWhileASoundPlays) {
  const QString click = write("wav/click1.wav", waveFile(3000, 880));
  const QString old = QDir::currentPath();
  QDir::setCurrent(tmp.path());
  {
    QtSoundPlayer fromHere;
    EXPECT_TRUE(fromHere.playsoundfile("wav\\click1.wav"));
    QDir::setCurrent(old);
    EXPECT_EQ(QFileInfo(fromHere.current()).canonicalFilePath(), QFileInfo(click).canonicalFilePath());
    ASSERT_TRUE(test::runUntil([&] { return !fromHere.loading(); }));
  }
  test::runFor(30);
}

}  // namespace
}  // namespace sumdart
