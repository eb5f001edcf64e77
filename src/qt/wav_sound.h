// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's sound: its short WAV files played one at a time, a new sound
// cutting off the one playing. Playing happens on a thread of its own, so a
// call never waits; the sound server is reached through libpulse-simple, loaded
// by that thread when the first sound plays, so the program's start never pays
// for it. No library, no server or a bad file: silence, and the game goes on.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "seams/seams.h"

namespace sumdart {

// 16-bit PCM samples of a sound, channels interleaved.
struct Pcm {
  int rate = 0;
  int channels = 0;
  std::vector<std::int16_t> samples;
};

// The samples of a complete 16-bit PCM RIFF/WAVE file: a format chunk, then a
// data chunk holding every byte it declares. Anything else gives nothing.
std::optional<Pcm> readWav(const QByteArray& bytes);

// Where the samples go.
class AudioSink {
 public:
  virtual ~AudioSink() = default;
  virtual bool open(int rate, int channels) = 0;
  // Waits while the device's buffer is full; false when the device failed.
  virtual bool write(const std::int16_t* samples, std::size_t count) = 0;
  // Drops what is buffered and not yet heard.
  virtual void flush() = 0;
  // Lets the device go until the next open.
  virtual void close() {}
};

// The desktop's sound server through libpulse-simple, loaded from `library`;
// nothing when the library or one of its functions is not there.
std::unique_ptr<AudioSink> pulseSink(const char* library = "libpulse-simple.so.0");

class WavSoundPlayer : public SoundPlayer {
 public:
  using SinkMaker = std::function<std::unique_ptr<AudioSink>()>;
  // Between sounds the device is let go after `idle`, so that the desktop's
  // sound device can sleep; the next sound opens it again.
  static constexpr std::chrono::milliseconds kIdle{3000};
  // Looks sounds up in `searchDirs`, or in the default folders when it is empty.
  explicit WavSoundPlayer(
      QStringList searchDirs = {}, SinkMaker makeSink = [] { return pulseSink(); },
      std::chrono::milliseconds idle = kIdle);
  ~WavSoundPlayer() override;
  WavSoundPlayer(const WavSoundPlayer&) = delete;
  WavSoundPlayer& operator=(const WavSoundPlayer&) = delete;

  // Finds and reads the file (once), then hands it to the playing thread and
  // returns at once. False, and the playing sound left alone, when the file is
  // missing or not a complete 16-bit PCM WAV.
  bool playSoundFile(const std::string& name) override;
  // Reads the named files without playing them; returns how many are good.
  int preload(const std::vector<std::string>& names);

 private:
  std::shared_ptr<const Pcm> load(const std::string& name);
  void run();

  QStringList searchDirs_;
  SinkMaker makeSink_;
  std::chrono::milliseconds idle_;
  std::map<std::string, std::shared_ptr<const Pcm>> cache_;  // by name; null when bad

  std::mutex mutex_;
  std::condition_variable wake_;
  std::shared_ptr<const Pcm> next_;  // the sound to start next
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace sumdart
