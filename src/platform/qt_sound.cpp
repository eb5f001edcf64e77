#include "platform/qt_sound.h"

#include <QFile>
#include <QObject>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

#include "platform/paths.h"

// Two traits of Qt 6.4's sound loading shape this player:
//
// 1. Every QSoundEffect is loaded by one shared thread that ends whenever nothing
//    is left to load. A file asked for just as that thread is ending is queued to
//    it and stays "Loading" until some other new file starts the thread again;
//    asking again for the same address does not. So a load that takes far too
//    long is started afresh under an address of its own (the same file with an
//    "attempt" query, which the file loader ignores), which also restarts the
//    thread and lets the stalled load finish.
//
// 2. Destroying an effect waits for that thread to end. A file cut short never
//    finishes loading, so the thread never ends and every later destruction
//    hangs: files are checked before they are loaded. For the same reason an
//    effect is never destroyed while it may still be loading; a stalled one is
//    silenced and kept instead.

namespace sumdart {

namespace {

// A file still loading after this many fresh starts is left alone.
constexpr int kMaxAttempts = 4;
// Chunks looked at before the data chunk; real files have two or three.
constexpr int kMaxChunks = 64;

bool stillLoading(const QSoundEffect& e) {
  return e.status() == QSoundEffect::Null || e.status() == QSoundEffect::Loading;
}

template <typename T>
T readLE(const QByteArray& b, qsizetype at) {
  return qFromLittleEndian<T>(b.constData() + at);
}

}  // namespace

bool isCompleteWaveFile(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return false;
  const qint64 size = f.size();
  const QByteArray head = f.read(12);
  if (head.size() != 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") return false;

  bool haveFormat = false;
  qint64 at = 12;
  for (int i = 0; i < kMaxChunks && at + 8 <= size; ++i) {
    if (!f.seek(at)) return false;
    const QByteArray chunk = f.read(8);
    if (chunk.size() != 8) return false;
    const QByteArray id = chunk.left(4);
    const qint64 length = readLE<quint32>(chunk, 4);
    const qint64 body = at + 8;
    if (length > size - body) return false;  // cut short
    if (id == "fmt ") {
      if (length < 16) return false;
      const QByteArray fmt = f.read(16);
      if (fmt.size() != 16) return false;
      const quint16 format = readLE<quint16>(fmt, 0);
      const quint16 channels = readLE<quint16>(fmt, 2);
      const quint32 rate = readLE<quint32>(fmt, 4);
      const quint16 bits = readLE<quint16>(fmt, 14);
      if (format != 1 && format != 3 && format != 0xFFFE) return false;
      if (channels == 0 || rate == 0) return false;
      if (bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
      haveFormat = true;
    } else if (id == "data") {
      return haveFormat;
    }
    at = body + length + (length & 1);  // chunks are padded to an even length
  }
  return false;
}

QtSoundPlayer::QtSoundPlayer() : context_(std::make_unique<QObject>()) {}

QtSoundPlayer::QtSoundPlayer(QStringList searchDirs)
    : searchDirs_(std::move(searchDirs)), context_(std::make_unique<QObject>()) {}

QtSoundPlayer::~QtSoundPlayer() {
  context_.reset();  // no load check runs from here on
  if (current_) current_->stop();
  // An effect still loading is let go rather than destroyed (see the top of this
  // file); stopped, it plays nothing when its load ends.
  auto letGo = [](std::unique_ptr<QSoundEffect>& e) {
    if (e && stillLoading(*e)) {
      e->stop();
      (void)e.release();
    }
  };
  for (auto& [path, entry] : effects_) letGo(entry.effect);
  for (auto& e : stalled_) letGo(e);
}

const QSoundEffect* QtSoundPlayer::effect(const QString& path) const {
  const auto it = effects_.find(path);
  return it == effects_.end() ? nullptr : it->second.effect.get();
}

bool QtSoundPlayer::loading() const {
  for (const auto& [path, entry] : effects_)
    if (stillLoading(*entry.effect)) return true;
  for (const auto& e : stalled_)
    if (stillLoading(*e)) return true;
  return false;
}

QtSoundPlayer::Entry& QtSoundPlayer::load(const QString& path, int attempt) {
  Entry& entry = effects_[path];
  if (entry.effect) {
    // Stalled: silence it (a queued play would sound late) and keep it.
    entry.effect->stop();
    if (entry.effect.get() == current_) current_ = nullptr;
    stalled_.push_back(std::move(entry.effect));
  }
  entry.effect = std::make_unique<QSoundEffect>();
  entry.attempt = attempt;
  QUrl url = QUrl::fromLocalFile(path);
  if (attempt > 0) url.setQuery(QStringLiteral("attempt=%1").arg(attempt));
  entry.effect->setSource(url);
  const QSoundEffect* effect = entry.effect.get();
  QTimer::singleShot(loadTimeoutMs_, context_.get(), [this, path, effect] { checkLoaded(path, effect); });
  return entry;
}

void QtSoundPlayer::checkLoaded(const QString& path, const QSoundEffect* effect) {
  const auto it = effects_.find(path);
  if (it == effects_.end() || it->second.effect.get() != effect) return;
  if (!stillLoading(*effect) || it->second.attempt + 1 >= kMaxAttempts) return;
  ++reloads_;
  load(path, it->second.attempt + 1);  // ready for next time; not played late
}

QSoundEffect* QtSoundPlayer::effectFor(const std::string& name, QString& path) {
  const QString qname = QString::fromStdString(name);
  path = searchDirs_ ? resolveAsset(qname, *searchDirs_) : resolveAsset(qname);
  if (path.isEmpty()) return nullptr;
  auto it = effects_.find(path);
  if (it == effects_.end() && !isCompleteWaveFile(path)) return nullptr;
  // Loaded once, in the background; play() before the load ends plays when it ends.
  QSoundEffect* effect = (it != effects_.end() ? it->second : load(path, 0)).effect.get();
  return effect->status() == QSoundEffect::Error ? nullptr : effect;
}

int QtSoundPlayer::preload(const std::vector<std::string>& names) {
  int accepted = 0;
  QString path;
  for (const std::string& name : names)
    if (effectFor(name, path)) ++accepted;
  return accepted;
}

bool QtSoundPlayer::playsoundfile(const std::string& name) {
  QString path;
  QSoundEffect* next = effectFor(name, path);
  if (!next) return false;
  // Never wait for a sound to end: without an audio device an effect may report
  // that it is playing for ever.
  if (current_) current_->stop();
  next->play();
  current_ = next;
  currentPath_ = path;
  return true;
}

}  // namespace sumdart
