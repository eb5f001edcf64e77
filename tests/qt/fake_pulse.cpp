// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for libpulse-simple that the tests load through pulseSink(): it logs
// every call, and fails writes or holds writes back as the test asks through
// fake_pulse_script().
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>

struct SampleFormat { int format; std::uint32_t rate; std::uint8_t channels; };
static std::mutex mutex;  // the player's thread calls while the test looks
static std::condition_variable changed;
static std::string record;
static int fail = 0, allow = -1;
static void log(const std::string& call) {
  std::lock_guard lock(mutex);
  record += call;
}

extern "C" {
// The buffer attributes are maxlength, tlength, prebuf, minreq and fragsize.
void* pa_simple_new(const char*, const char*, int dir, const char*, const char*, const SampleFormat* sample, const void*,
                    const std::uint32_t* buffer, int*) {
  log("new format " + std::to_string(sample->format) + " dir " + std::to_string(dir) + " " + std::to_string(sample->rate) + " Hz " +
      std::to_string(sample->channels) + " ch " + std::to_string(buffer[1]) + "/" + std::to_string(buffer[2]) + "/" +
      std::to_string(buffer[3]) + "\n");
  return &record;  // any address will do: the player only hands it back
}
int pa_simple_write(void*, const void* data, std::size_t bytes, int*) {
  std::unique_lock lock(mutex);
  changed.wait_for(lock, std::chrono::seconds(10), [] { return allow != 0; });  // bounded: a failing test ends
  allow -= allow > 0;
  const bool failed = fail > 0 && fail--;
  const auto first = *static_cast<const std::int16_t*>(data);
  record += "write " + std::to_string(bytes) + " bytes from " + std::to_string(first) + (failed ? " failed\n" : "\n");
  return failed ? -1 : 0;
}
int pa_simple_flush(void*, int*) { return log("flush\n"), 0; }
void pa_simple_free(void*) { log("free\n"); }

// Adds the calls logged since the last look to `calls`.
void fake_pulse_take(std::string* calls) {
  std::lock_guard lock(mutex);
  *calls += record;
  record.clear();
}
// Lets go of the calls logged so far. From now the next `fails` writes fail;
// `allows` more writes go through, then writes wait (none waits when negative).
void fake_pulse_script(int fails, int allows) {
  std::lock_guard lock(mutex);
  record.clear();
  fail = fails, allow = allows;
  changed.notify_all();
}
}
