// A stand-in for libpulse-simple that the tests load through pulseSink(): it logs
// every call, and refuses streams, fails writes or holds writes back as the test
// asks through fake_pulse_script().
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>

namespace {
struct SampleFormat { int format; std::uint32_t rate; std::uint8_t channels; };
std::mutex mutex;  // the player's thread calls while the test looks
std::condition_variable changed;
std::string record;
int refuse = 0, fail = 0, allow = -1;
}  // namespace

extern "C" {
// The buffer attributes are maxlength, tlength, prebuf, minreq and fragsize.
void* pa_simple_new(const char*, const char*, int dir, const char*, const char*, const SampleFormat* sample, const void*,
                    const std::uint32_t* buffer, int*) {
  std::lock_guard lock(mutex);
  record += "new format " + std::to_string(sample->format) + " dir " + std::to_string(dir) + " " +
            std::to_string(sample->rate) + " Hz " + std::to_string(sample->channels) + " ch " + std::to_string(buffer[1]) +
            "/" + std::to_string(buffer[2]) + "/" + std::to_string(buffer[3]) + (refuse > 0 ? " refused\n" : "\n");
  return refuse > 0 && refuse-- ? nullptr : new int(0);
}
int pa_simple_write(void*, const void* data, std::size_t bytes, int*) {
  std::unique_lock lock(mutex);
  changed.wait_for(lock, std::chrono::seconds(10), [] { return allow != 0; });  // bounded: a failing test ends
  allow -= allow > 0;
  const bool failed = fail > 0 && fail--;
  record += "write " + std::to_string(bytes) + " bytes from " +
            std::to_string(*static_cast<const std::int16_t*>(data)) + (failed ? " failed\n" : "\n");
  return failed ? -1 : 0;
}
int pa_simple_flush(void*, int*) {
  std::lock_guard lock(mutex);
  return record += "flush\n", 0;
}
void pa_simple_free(void* stream) {
  std::lock_guard lock(mutex);
  record += "free\n";
  delete static_cast<int*>(stream);
}

// Adds the calls logged since the last look to `calls`.
void fake_pulse_take(std::string* calls) {
  std::lock_guard lock(mutex);
  *calls += record;
  record.clear();
}
// Lets go of the calls logged so far. From now the next `refuses` streams are
// refused and the next `fails` writes fail; `allows` more writes go through,
// then writes wait (none waits when negative).
void fake_pulse_script(int refuses, int fails, int allows) {
  std::lock_guard lock(mutex);
  record.clear();
  refuse = refuses, fail = fails, allow = allows;
  changed.notify_all();
}
}
