#pragma once
// The small seams the game talks to the outside world through: the time of day,
// sound, and the set of collaborators a screen receives.
#include <string>
#include <vector>

namespace sumdart {

class TimerFactory;
class Random;

// Seconds since midnight, for seeding the random source.
class DayClock {
 public:
  virtual ~DayClock() = default;
  virtual double secondsSinceMidnight() = 0;
};

// Plays a wave file by its program-relative name ("wav\\click1.wav") without
// waiting; a new sound cuts off the one playing; any failure is silent.
// Returns whether the sound was accepted.
class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  virtual bool playsoundfile(const std::string& name) = 0;
};

// Test doubles.
class FixedDayClock : public DayClock {
 public:
  double secondsSinceMidnight() override { return seconds; }
  double seconds = 36000.0;
};

class RecordingSound : public SoundPlayer {
 public:
  bool playsoundfile(const std::string& name) override {
    played.push_back(name);
    return true;
  }
  std::vector<std::string> played;
};

// Everything a screen needs from outside, passed in at construction.
struct Services {
  TimerFactory& timers;
  Random& random;
  DayClock& dayclock;
  SoundPlayer& sound;
};

}  // namespace sumdart
