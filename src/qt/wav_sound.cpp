// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/wav_sound.h"

#include <dlfcn.h>

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <chrono>

#include "qt/paths.h"

namespace sumdart {

namespace {

constexpr int kMaxChunks = 64;  // chunks looked at before the data chunk
constexpr int kChunkMs = 20;    // sound written at a time: how soon a new sound cuts in
constexpr int kBufferMs = 80;   // sound the server holds ahead

template <typename T>
T readLE(const QByteArray& b, qsizetype at) {
  return qFromLittleEndian<T>(b.constData() + at);
}

// The few declarations of libpulse-simple's C interface the sink uses.
struct PaSampleSpec {
  int format;  // 3: signed 16-bit little endian
  std::uint32_t rate;
  std::uint8_t channels;
};
struct PaBufferAttr {
  std::uint32_t maxlength, tlength, prebuf, minreq, fragsize;
};
using PaNew = void* (*)(const char*, const char*, int, const char*, const char*, const PaSampleSpec*, const void*,
                        const PaBufferAttr*, int*);
using PaWrite = int (*)(void*, const void*, std::size_t, int*);
using PaFlush = int (*)(void*, int*);
using PaFree = void (*)(void*);

class PulseSink : public AudioSink {
 public:
  explicit PulseSink(void* lib)
      : lib_(lib),
        new_(reinterpret_cast<PaNew>(dlsym(lib, "pa_simple_new"))),
        write_(reinterpret_cast<PaWrite>(dlsym(lib, "pa_simple_write"))),
        flush_(reinterpret_cast<PaFlush>(dlsym(lib, "pa_simple_flush"))),
        free_(reinterpret_cast<PaFree>(dlsym(lib, "pa_simple_free"))) {}
  ~PulseSink() override {
    close();
    dlclose(lib_);
  }
  bool usable() const { return new_ && write_ && flush_ && free_; }

  bool open(int rate, int channels) override {
    if (stream_ && rate == rate_ && channels == channels_) return true;
    close();
    const PaSampleSpec spec{3, static_cast<std::uint32_t>(rate), static_cast<std::uint8_t>(channels)};
    // A short buffer, so that a new sound cuts in at once; playing starts as
    // soon as the first piece is there.
    const auto ms = [&](int n) { return static_cast<std::uint32_t>(rate * channels * 2 * n / 1000); };
    const PaBufferAttr attr{static_cast<std::uint32_t>(-1), ms(kBufferMs), ms(kChunkMs), ms(kChunkMs),
                            static_cast<std::uint32_t>(-1)};
    int error = 0;
    stream_ = new_(nullptr, "Sumdart", 1, nullptr, "sounds", &spec, nullptr, &attr, &error);
    rate_ = rate;
    channels_ = channels;
    return stream_ != nullptr;
  }
  bool write(const std::int16_t* samples, std::size_t count) override {
    int error = 0;
    if (stream_ && write_(stream_, samples, count * sizeof(std::int16_t), &error) >= 0) return true;
    close();  // the server went away: the next sound connects afresh
    return false;
  }
  void flush() override {
    int error = 0;
    if (stream_) flush_(stream_, &error);
  }
  void close() override {
    if (stream_) free_(stream_);
    stream_ = nullptr;
  }

 private:
  void* lib_;
  PaNew new_;
  PaWrite write_;
  PaFlush flush_;
  PaFree free_;
  void* stream_ = nullptr;
  int rate_ = 0, channels_ = 0;
};

}  // namespace

std::unique_ptr<AudioSink> pulseSink(const char* library) {
  void* lib = dlopen(library, RTLD_NOW | RTLD_LOCAL);
  if (!lib) return nullptr;
  auto sink = std::make_unique<PulseSink>(lib);
  if (!sink->usable()) return nullptr;
  return sink;
}

std::optional<Pcm> readWav(const QByteArray& b) {
  if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE") return std::nullopt;
  Pcm pcm;
  int bits = 0;
  qsizetype at = 12;
  for (int i = 0; i < kMaxChunks && at + 8 <= b.size(); ++i) {
    const QByteArray id = b.mid(at, 4);
    const qsizetype length = readLE<quint32>(b, at + 4);
    const qsizetype body = at + 8;
    if (length > b.size() - body) return std::nullopt;  // cut short
    if (id == "fmt ") {
      if (length < 16 || readLE<quint16>(b, body) != 1) return std::nullopt;  // plain PCM only
      pcm.channels = readLE<quint16>(b, body + 2);
      pcm.rate = static_cast<int>(readLE<quint32>(b, body + 4));
      bits = readLE<quint16>(b, body + 14);
    } else if (id == "data") {
      if (bits != 16 || pcm.channels < 1 || pcm.channels > 2 || pcm.rate < 1000 || pcm.rate > 192000)
        return std::nullopt;
      pcm.samples.resize(static_cast<std::size_t>(length / 2));
      for (std::size_t k = 0; k < pcm.samples.size(); ++k)
        pcm.samples[k] = readLE<qint16>(b, body + static_cast<qsizetype>(2 * k));
      return pcm;
    }
    at = body + length + (length & 1);  // chunks are padded to an even length
  }
  return std::nullopt;
}

WavSoundPlayer::WavSoundPlayer(QStringList searchDirs, SinkMaker makeSink, std::chrono::milliseconds idle)
    : searchDirs_(std::move(searchDirs)), makeSink_(std::move(makeSink)), idle_(idle), thread_([this] { run(); }) {}

WavSoundPlayer::~WavSoundPlayer() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  thread_.join();
}

std::shared_ptr<const Pcm> WavSoundPlayer::load(const std::string& name) {
  if (const auto it = cache_.find(name); it != cache_.end()) return it->second;
  const QString path = resolveAsset(QString::fromStdString(name), searchDirs_.isEmpty() ? defaultSearchDirs() : searchDirs_);
  std::shared_ptr<const Pcm> pcm;
  QFile file(path);
  // Sounds are short: a file above a few megabytes is not one of them.
  if (!path.isEmpty() && file.open(QIODevice::ReadOnly) && file.size() < (8 << 20)) {
    if (auto read = readWav(file.readAll())) pcm = std::make_shared<const Pcm>(std::move(*read));
  }
  // A file that is missing now may be put back: only good ones are kept.
  if (pcm) cache_[name] = pcm;
  return pcm;
}

bool WavSoundPlayer::playSoundFile(const std::string& name) {
  auto pcm = load(name);
  if (!pcm) return false;
  {
    std::lock_guard lock(mutex_);
    next_ = std::move(pcm);
  }
  wake_.notify_all();
  return true;
}

int WavSoundPlayer::preload(const std::vector<std::string>& names) {
  return static_cast<int>(std::count_if(names.begin(), names.end(), [this](const auto& n) { return load(n) != nullptr; }));
}

// The playing thread: starts the latest sound asked for, writing it a few
// milliseconds at a time and looking for a newer one in between.
void WavSoundPlayer::run() {
  std::unique_ptr<AudioSink> sink;
  bool tried = false;
  std::shared_ptr<const Pcm> playing;
  std::size_t at = 0;
  for (;;) {
    {
      std::unique_lock lock(mutex_);
      const auto ready = [this] { return stopping_ || next_; };
      if (!playing && !wake_.wait_for(lock, idle_, ready)) {
        lock.unlock();
        if (sink) sink->close();
        lock.lock();
        wake_.wait(lock, ready);
      }
      if (stopping_) return;
      if (next_) {
        if (playing && sink) sink->flush();  // cut off the sound playing
        playing = std::move(next_);
        at = 0;
      }
    }
    if (!tried) {  // the library is loaded once, by this thread
      sink = makeSink_ ? makeSink_() : nullptr;
      tried = true;
    }
    // No library or no sound server: silence. A server started later is found
    // when the next sound opens the stream again.
    if (!sink || !sink->open(playing->rate, playing->channels)) {
      playing = nullptr;
      continue;
    }
    const std::size_t step = static_cast<std::size_t>(playing->rate * playing->channels * kChunkMs / 1000);
    const std::size_t count = std::min(step, playing->samples.size() - at);
    if (count == 0 || !sink->write(playing->samples.data() + at, count)) {
      playing = nullptr;
      continue;
    }
    at += count;
  }
}

}  // namespace sumdart
