#pragma once
// The application object every Qt test of this binary runs under, and an event
// loop that runs until a condition holds (never a sleep).
#include <functional>

namespace sumdart::test {

// Processes events until `done()` is true; false when `timeoutMs` passed first.
bool runUntil(const std::function<bool()>& done, int timeoutMs = 5000);

// Processes events for `ms` milliseconds of wall time.
void runFor(int ms);

}  // namespace sumdart::test
