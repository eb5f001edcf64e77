#pragma once
// The program's sound: short wave files played with QSoundEffect, one at a time.
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/seams.h"

class QObject;
class QSoundEffect;

namespace sumdart {

// Whether the file is a complete RIFF/WAVE file: a format chunk, then a data
// chunk that holds every byte it declares. Qt's loader waits for ever on a file
// cut short, so only such files are handed to it.
bool isCompleteWaveFile(const QString& path);

class QtSoundPlayer : public SoundPlayer {
 public:
  // Looks sounds up in the default folders (current folder, then the program's).
  QtSoundPlayer();
  // Looks sounds up in the given folders only.
  explicit QtSoundPlayer(QStringList searchDirs);
  ~QtSoundPlayer() override;
  QtSoundPlayer(const QtSoundPlayer&) = delete;
  QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

  // Resolves the name, stops the sound playing and starts this one; returns at
  // once. A file that cannot be found or loaded is skipped silently (false) and
  // leaves the sound playing alone.
  bool playsoundfile(const std::string& name) override;

  // Starts loading the named files without playing them, so that their first
  // play starts at once. Returns how many were found and accepted.
  int preload(const std::vector<std::string>& names);

  // Absolute path of the sound last accepted; empty before any.
  QString current() const { return currentPath_; }
  // The effect kept for a resolved path, or nullptr when that file was never played.
  const QSoundEffect* effect(const QString& path) const;
  // Number of files with an effect kept (one each).
  int cachedCount() const { return static_cast<int>(effects_.size()); }
  // Whether some file is still being loaded. Qt loads in a thread of its own;
  // tests wait for it before the application object goes.
  bool loading() const;
  // How long a file may take to load before it is loaded afresh (see qt_sound.cpp).
  void setLoadTimeout(int ms) { loadTimeoutMs_ = ms; }
  // Number of loads started afresh so far.
  int reloads() const { return reloads_; }

 private:
  struct Entry {
    std::unique_ptr<QSoundEffect> effect;
    int attempt = 0;
  };
  // The effect for a resolved file, loading it first if needed; nullptr when the
  // file cannot be played.
  QSoundEffect* effectFor(const std::string& name, QString& path);
  Entry& load(const QString& path, int attempt);
  void checkLoaded(const QString& path, const QSoundEffect* effect);

  std::optional<QStringList> searchDirs_;
  std::map<QString, Entry> effects_;
  // Effects whose load stalled; kept until the player goes (see qt_sound.cpp).
  std::vector<std::unique_ptr<QSoundEffect>> stalled_;
  QSoundEffect* current_ = nullptr;
  QString currentPath_;
  int loadTimeoutMs_ = 1000;
  int reloads_ = 0;
  std::unique_ptr<QObject> context_;  // owns the pending load checks
};

}  // namespace sumdart
