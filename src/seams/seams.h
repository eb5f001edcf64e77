// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small seams the screens talk to the outside world through: the time of
// day, sound, the desktop, the saved-game file, and the set of collaborators a
// screen receives.
#include <optional>
#include <string>

namespace sumdart {

class TimerFactory;
class Random;

// Seconds since midnight, for seeding the random source.
class DayClock {
 public:
  virtual ~DayClock() = default;
  virtual double secondsSinceMidnight() = 0;
};

// Always the same time of day: for worksheets that must come out the same
// again, and for tests.
class FixedDayClock : public DayClock {
 public:
  double secondsSinceMidnight() override { return seconds; }
  double seconds = 36000.0;
};

// Plays a wave file by its program-relative name ("wav\\click1.wav") without
// waiting; a new sound cuts off the one playing; any failure is silent.
// Returns whether the sound was accepted.
class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  virtual bool playSoundFile(const std::string& name) = 0;
};

// The screen, the program's pictures and documents, and the desktop's own
// applications.
class Desktop {
 public:
  virtual ~Desktop() = default;
  // Width and height of the screen in twips.
  virtual double screenWidthTwips() = 0;
  virtual double screenHeightTwips() = 0;
  // Whether the picture with this program-relative name ("Images\\logo2.jpg") loads.
  virtual bool pictureLoads(const std::string& name) = 0;
  // Where pictures are looked for, for a message about one that is missing.
  virtual std::string searchedFolders() = 0;
  // Asks the desktop to open the named document with its application. Never waits;
  // false when the document is missing or nothing takes it.
  virtual bool openDocument(const std::string& name) = 0;
};

// The one saved game, lastgame.inf in the current folder.
class SaveFile {
 public:
  virtual ~SaveFile() = default;
  // Replaces the file with `contents` only once all of it is written; on any
  // failure the file stays as it was. Returns whether it was replaced.
  virtual bool write(const std::string& contents) = 0;
  // The file's contents (at most a few kilobytes of its start), or nothing when
  // it cannot be read.
  virtual std::optional<std::string> read() = 0;
};

// Everything a screen needs from outside, passed in at construction.
struct Services {
  TimerFactory& timers;
  Random& random;
  DayClock& dayClock;
  SoundPlayer& sound;
  Desktop& desktop;
  SaveFile& saveFile;
};

}  // namespace sumdart
