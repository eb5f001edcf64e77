// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sounds, synthesised from sine partials, envelopes and filtered
// noise. Every sound is repeatable: the noise comes from a fixed-seed generator.
// Plain C++: the asset generator writes them as WAV files for the desktop, and
// the browser edition synthesises them in the page.
#include "sound/synth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>
#include <utility>

namespace sumdart {
namespace {


constexpr int kRate = 44100;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

// xorshift64*: small, fast and the same on every machine.
class Noise {
 public:
  explicit Noise(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
  double next() {  // uniform in [-1, 1)
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    const std::uint64_t x = state_ * 0x2545F4914F6CDD1Dull;
    return static_cast<double>(x >> 11) / 4503599627370496.0 - 1.0;
  }
  double uniform(double lo, double hi) { return lo + (hi - lo) * (next() + 1.0) / 2.0; }

 private:
  std::uint64_t state_;
};

// A mono track of floating-point samples.
struct Track {
  explicit Track(double seconds) : s(static_cast<std::size_t>(seconds * kRate), 0.0) {}
  std::vector<double> s;
  std::size_t size() const { return s.size(); }
  static double time(std::size_t i) { return static_cast<double>(i) / kRate; }
  static std::size_t index(double t) { return static_cast<std::size_t>(std::max(0.0, t) * kRate); }
};

double expDecay(double t, double tau) { return t < 0 ? 0.0 : std::exp(-t / tau); }

// A short linear attack that keeps a struck sound from clicking.
double attack(double t, double seconds) { return t <= 0 ? 0.0 : std::min(1.0, t / seconds); }

double bell(double t, double centre, double width) {
  const double x = (t - centre) / width;
  return std::exp(-0.5 * x * x);
}

// Two-pole band-pass (constant peak gain) whose centre can move every sample.
class BandPass {
 public:
  double process(double x, double freq, double q) {
    const double w = kTwoPi * std::clamp(freq, 20.0, kRate * 0.45) / kRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    const double b0 = alpha / a0;
    const double b2 = -alpha / a0;
    const double a1 = -2.0 * std::cos(w) / a0;
    const double a2 = (1.0 - alpha) / a0;
    const double y = b0 * x + b2 * x2_ - a1 * y1_ - a2 * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
  }

 private:
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

class LowPass {
 public:
  double process(double x, double freq) {
    const double a = 1.0 - std::exp(-kTwoPi * freq / kRate);
    y_ += a * (x - y_);
    return y_;
  }

 private:
  double y_ = 0;
};

// A struck resonance: a decaying sine that starts at `start`.
void addHit(Track& tr, double start, double freq, double tau, double amp) {
  const std::size_t from = Track::index(start);
  const std::size_t to = std::min(tr.size(), from + static_cast<std::size_t>(tau * 7 * kRate));
  for (std::size_t i = from; i < to; ++i) {
    const double t = Track::time(i - from);
    tr.s[i] += amp * attack(t, 0.0005) * expDecay(t, tau) * std::sin(kTwoPi * freq * t);
  }
}

// A burst of noise through a band-pass, decaying from `start`.
void addNoiseBurst(Track& tr, Noise& noise, double start, double centre, double q, double tau,
                   double amp) {
  BandPass bp;
  const std::size_t from = Track::index(start);
  const std::size_t to = std::min(tr.size(), from + static_cast<std::size_t>(tau * 7 * kRate));
  for (std::size_t i = from; i < to; ++i) {
    const double t = Track::time(i - from);
    tr.s[i] += amp * attack(t, 0.0004) * expDecay(t, tau) * bp.process(noise.next(), centre, q) * 2.0;
  }
}

// A tone whose frequency and amplitude follow functions of time; `harmonics`
// gives the relative strength of partials 1, 2, 3...
void addTone(Track& tr, double start, double length, const std::function<double(double)>& freq,
             const std::function<double(double)>& amp, std::initializer_list<double> harmonics) {
  const std::size_t from = Track::index(start);
  const std::size_t to = std::min(tr.size(), Track::index(start + length));
  double phase = 0.0;
  for (std::size_t i = from; i < to; ++i) {
    const double t = Track::time(i - from);
    const double f = freq(t);
    double v = 0.0;
    int n = 1;
    for (double h : harmonics) {
      if (f * n < kRate * 0.45) v += h * std::sin(phase * n);
      ++n;
    }
    tr.s[i] += amp(t) * v;
    phase += kTwoPi * f / kRate;
    if (phase > kTwoPi * 64) phase = std::fmod(phase, kTwoPi);
  }
}

// A plucked string (Karplus-Strong).
void addPluck(Track& tr, Noise& noise, double start, double freq, double decay, double amp) {
  const std::size_t period = static_cast<std::size_t>(kRate / freq);
  std::vector<double> line(period);
  for (double& x : line) x = noise.next();
  const double loss = std::exp(-1.0 / (decay * freq));
  const std::size_t from = Track::index(start);
  std::size_t k = 0;
  double prev = 0.0;
  for (std::size_t i = from; i < tr.size(); ++i) {
    const double cur = line[k];
    const double next = 0.5 * (cur + prev) * loss;
    prev = cur;
    line[k] = next;
    tr.s[i] += amp * cur;
    k = (k + 1) % period;
  }
}

void addEcho(Track& tr, double delay, double feedback) {
  const std::size_t d = Track::index(delay);
  for (std::size_t i = d; i < tr.size(); ++i) tr.s[i] += feedback * tr.s[i - d];
}

// Removes any DC, fades the ends, scales to `peak` and converts to 16 bits.
SoundWave finish(Track& tr, double peak) {
  // DC blocker.
  double x1 = 0, y1 = 0;
  for (double& x : tr.s) {
    const double y = x - x1 + 0.995 * y1;
    x1 = x;
    y1 = y;
    x = y;
  }
  const std::size_t fadeIn = std::min(tr.size(), Track::index(0.002));
  const std::size_t fadeOut = std::min(tr.size(), Track::index(0.012));
  for (std::size_t i = 0; i < fadeIn; ++i) tr.s[i] *= static_cast<double>(i) / fadeIn;
  for (std::size_t i = 0; i < fadeOut; ++i) tr.s[tr.size() - 1 - i] *= static_cast<double>(i) / fadeOut;

  double top = 1e-9;
  for (double x : tr.s) top = std::max(top, std::abs(x));
  const double gain = peak * 32767.0 / top;
  SoundWave out;
  out.sampleRate = kRate;
  out.samples.reserve(tr.size());
  for (double x : tr.s) {
    out.samples.push_back(static_cast<std::int16_t>(std::clamp(std::lround(x * gain), -32767L, 32767L)));
  }
  return out;
}

// ---- The sounds -------------------------------------------------------------

// A soft, short tick for every button.
SoundWave click() {
  Track tr(0.07);
  Noise noise(1);
  addHit(tr, 0.0, 2400, 0.004, 0.7);
  addHit(tr, 0.0, 1250, 0.010, 0.45);
  addNoiseBurst(tr, noise, 0.0, 5000, 1.0, 0.0015, 0.5);
  return finish(tr, 0.55);
}

// Four dice shaken three times in a cup, then spilled on the table.
SoundWave cupDice() {
  Track tr(1.25);
  Noise noise(2);
  const double shakes[] = {0.13, 0.41, 0.68};
  for (double shake : shakes) {
    addHit(tr, shake - 0.02, noise.uniform(380, 480), 0.018, 0.35);  // dice against the cup's floor
    for (int k = 0; k < 14; ++k) {
      const double t = shake + noise.uniform(-0.09, 0.09);
      const double a = noise.uniform(0.25, 1.0) * bell(t, shake, 0.06);
      addHit(tr, t, noise.uniform(2200, 5200), noise.uniform(0.003, 0.007), 0.6 * a);
      addHit(tr, t, noise.uniform(1400, 2600), noise.uniform(0.004, 0.009), 0.35 * a);
      addNoiseBurst(tr, noise, t, 6000, 1.5, 0.001, 0.4 * a);
    }
  }
  // A soft rattle under the clicks.
  BandPass rattle;
  for (std::size_t i = 0; i < tr.size(); ++i) {
    const double t = Track::time(i);
    double env = 0;
    for (double shake : shakes) env += bell(t, shake, 0.05);
    tr.s[i] += 0.12 * env * rattle.process(noise.next(), 2800, 1.2);
  }
  // The spill: each die lands and bounces.
  for (int die = 0; die < 4; ++die) {
    const double land = 0.86 + 0.035 * die + noise.uniform(0, 0.02);
    const double gaps[] = {0.0, 0.07, 0.12, 0.155, 0.18};
    const double amps[] = {1.0, 0.55, 0.3, 0.16, 0.08};
    for (int b = 0; b < 5; ++b) {
      const double t = land + gaps[b];
      addHit(tr, t, noise.uniform(1300, 3200), noise.uniform(0.006, 0.010), 0.55 * amps[b]);
      addHit(tr, t, noise.uniform(170, 210), 0.02, 0.3 * amps[b]);
      addNoiseBurst(tr, noise, t, 4000, 1.2, 0.0015, 0.3 * amps[b]);
    }
  }
  return finish(tr, 0.8);
}

// A glancing hit and a falling whistle: the move does not count.
SoundWave ricochet() {
  Track tr(0.8);
  Noise noise(3);
  addNoiseBurst(tr, noise, 0.0, 3000, 0.8, 0.004, 0.9);
  addHit(tr, 0.0, 1800, 0.012, 0.4);
  auto freq = [](double t) { return 650.0 + 2600.0 * std::exp(-t / 0.22); };
  addTone(tr, 0.008, 0.79, freq,
          [](double t) {
            return 0.45 * attack(t, 0.015) * expDecay(t, 0.3) * (1.0 + 0.25 * std::sin(kTwoPi * 23 * t));
          },
          {1.0, 0.22, 0.06});
  BandPass air;
  const std::size_t from = Track::index(0.008);
  for (std::size_t i = from; i < tr.size(); ++i) {
    const double t = Track::time(i - from);
    tr.s[i] += 0.2 * expDecay(t, 0.25) * air.process(noise.next(), freq(t), 6.0);
  }
  return finish(tr, 0.75);
}

// A dart's short flight and its thud into the board.
void addThud(Track& tr, Noise& noise, double at, double weight) {
  addTone(tr, at, 0.3, [](double t) { return 140.0 + 70.0 * std::exp(-t / 0.01); },
          [weight](double t) { return 0.9 * weight * attack(t, 0.0008) * expDecay(t, 0.05); }, {1.0, 0.3});
  addHit(tr, at, 320, 0.03, 0.45 * weight);
  LowPass lp;
  const std::size_t from = Track::index(at);
  const std::size_t to = std::min(tr.size(), from + Track::index(0.06));
  for (std::size_t i = from; i < to; ++i) {
    const double t = Track::time(i - from);
    tr.s[i] += 0.9 * weight * expDecay(t, 0.007) * lp.process(noise.next(), 1800);
  }
}

SoundWave divBoard() {
  Track tr(0.34);
  Noise noise(4);
  BandPass whoosh;
  for (std::size_t i = 0; i < Track::index(0.06); ++i) {
    const double t = Track::time(i);
    tr.s[i] += 0.25 * (t / 0.06) * whoosh.process(noise.next(), 1200 + 8000 * t, 2.0);
  }
  addThud(tr, noise, 0.06, 1.0);
  return finish(tr, 0.78);
}

// A dart that lands and scrapes along the wire.
SoundWave scrape() {
  Track tr(0.5);
  Noise noise(5);
  addThud(tr, noise, 0.0, 0.6);
  BandPass bp;
  LowPass rough;
  for (std::size_t i = 0; i < tr.size(); ++i) {
    const double t = Track::time(i);
    const double env = attack(t - 0.02, 0.02) * (t < 0.36 ? 1.0 : expDecay(t - 0.36, 0.03));
    const double grit = 0.55 + 0.45 * std::abs(std::sin(kTwoPi * 42 * t + 3 * rough.process(noise.next(), 30)));
    tr.s[i] += 0.6 * env * grit * bp.process(noise.next(), 2600 - 1200 * t, 3.0);
  }
  addHit(tr, 0.03, 3400, 0.1, 0.12);
  addThud(tr, noise, 0.37, 0.35);
  return finish(tr, 0.78);
}

// A club's swoosh and a clean strike.
SoundWave golfSwing() {
  Track tr(0.62);
  Noise noise(6);
  BandPass bp;
  for (std::size_t i = 0; i < tr.size(); ++i) {
    const double t = Track::time(i);
    const double sweep = bell(t, 0.27, 0.08);
    tr.s[i] += 0.9 * sweep * bp.process(noise.next(), 450 + 2300 * sweep, 2.2);
  }
  addHit(tr, 0.3, 1500, 0.025, 0.7);
  addHit(tr, 0.3, 3100, 0.01, 0.35);
  addNoiseBurst(tr, noise, 0.3, 5000, 1.0, 0.002, 0.5);
  addTone(tr, 0.31, 0.3, [](double t) { return 2000 + 2000 * t; },
          [](double t) { return 0.07 * attack(t, 0.01) * expDecay(t, 0.09); }, {1.0});
  return finish(tr, 0.8);
}

// A cheerful rising bleep.
SoundWave scifi002() {
  Track tr(0.46);
  auto env = [](double t) { return attack(t, 0.01) * (t < 0.3 ? 1.0 : expDecay(t - 0.3, 0.05)); };
  addTone(tr, 0.0, 0.46,
          [](double t) {
            return 330.0 * std::pow(2.0, 1.2 * std::min(t, 0.3) / 0.3) * (1 + 0.012 * std::sin(kTwoPi * 7 * t));
          },
          [env](double t) { return 0.5 * env(t); }, {1.0, 0.0, 0.3, 0.0, 0.12});
  addTone(tr, 0.04, 0.42,
          [](double t) { return 495.0 * std::pow(2.0, 1.2 * std::min(t, 0.26) / 0.3); },
          [env](double t) { return 0.22 * env(t + 0.04); }, {1.0, 0.2});
  return finish(tr, 0.75);
}

// A bow's twang, the arrow's flight and a quivering hit.
SoundWave archer() {
  Track tr(0.85);
  Noise noise(7);
  Track pluck(0.35);
  addPluck(pluck, noise, 0.0, 147, 0.12, 0.7);
  for (std::size_t i = 0; i < pluck.size(); ++i) tr.s[i] += pluck.s[i] * expDecay(Track::time(i), 0.12);
  BandPass flight;
  for (std::size_t i = Track::index(0.03); i < Track::index(0.48); ++i) {
    const double t = Track::time(i);
    tr.s[i] += 0.8 * bell(t, 0.2, 0.08) * flight.process(noise.next(), 3400 - 4000 * (t - 0.03), 2.5);
  }
  addThud(tr, noise, 0.48, 1.0);
  addNoiseBurst(tr, noise, 0.48, 5000, 1.0, 0.004, 0.5);
  addTone(tr, 0.49, 0.36, [](double) { return 95.0; },
          [](double t) { return 0.3 * attack(t, 0.01) * expDecay(t, 0.12) * (0.6 + 0.4 * std::sin(kTwoPi * 14 * t)); },
          {1.0, 0.5, 0.25});
  return finish(tr, 0.85);
}

double note(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

// Three rising notes and a ringing top note.
SoundWave scifi003() {
  Track tr(0.62);
  const double notes[] = {note(3), note(7), note(10)};  // C5 E5 G5
  for (int k = 0; k < 3; ++k) {
    const double f = notes[k];
    addTone(tr, 0.09 * k, 0.3, [f](double) { return f; },
            [](double t) { return 0.4 * attack(t, 0.004) * expDecay(t, 0.09); }, {1.0, 0.5, 0.3, 0.15});
  }
  addTone(tr, 0.27, 0.35, [](double t) { return note(15) * (1 + 0.01 * std::sin(kTwoPi * 7 * t)); },
          [](double t) { return 0.45 * attack(t, 0.006) * expDecay(t, 0.12); }, {1.0, 0.4, 0.2, 0.1});
  addEcho(tr, 0.09, 0.28);
  return finish(tr, 0.8);
}

// A rocket lifting off: ignition, a growing roar and a climbing whistle.
SoundWave botRocket() {
  Track tr(1.0);
  Noise noise(8);
  addNoiseBurst(tr, noise, 0.0, 1500, 0.7, 0.02, 1.0);
  LowPass rumbleA, rumbleB;
  BandPass roar;
  for (std::size_t i = 0; i < tr.size(); ++i) {
    const double t = Track::time(i);
    const double grow = std::min(1.0, t / 0.6) * (t < 0.8 ? 1.0 : expDecay(t - 0.8, 0.07));
    const double rumble = rumbleB.process(rumbleA.process(noise.next(), 260), 260);
    tr.s[i] += 2.2 * grow * rumble;
    tr.s[i] += 0.25 * grow * roar.process(noise.next(), 600 + 2800 * t, 1.5);
  }
  addTone(tr, 0.02, 0.97,
          [](double t) { return 250.0 * std::pow(2.0, 3.1 * t / 0.95) * (1 + 0.006 * std::sin(kTwoPi * 11 * t)); },
          [](double t) {
            return (0.06 + 0.3 * std::min(1.0, t / 0.7)) * attack(t, 0.05) * (t < 0.78 ? 1.0 : expDecay(t - 0.78, 0.07));
          },
          {1.0, 0.15});
  return finish(tr, 0.85);
}

// A quick climbing arpeggio and a shimmering chord.
SoundWave scifi011() {
  Track tr(1.1);
  Noise noise(9);
  const int steps[] = {3, 7, 10, 15, 19, 22};  // C5 E5 G5 C6 E6 G6
  for (int k = 0; k < 6; ++k) {
    const double f = note(steps[k]);
    addTone(tr, 0.055 * k, 0.4, [f](double) { return f; },
            [](double t) { return 0.32 * attack(t, 0.003) * expDecay(t, 0.11); }, {1.0, 0.4, 0.2});
  }
  for (int s : {15, 19, 22}) {
    const double f = note(s);
    addTone(tr, 0.34, 0.76, [f](double t) { return f * (1 + 0.004 * std::sin(kTwoPi * 6 * t)); },
            [](double t) {
              return 0.22 * attack(t, 0.03) * expDecay(t, 0.32) * (0.75 + 0.25 * std::sin(kTwoPi * 9 * t));
            },
            {1.0, 0.3, 0.1});
  }
  for (int k = 0; k < 12; ++k) {
    addHit(tr, noise.uniform(0.38, 0.95), noise.uniform(3000, 6000), 0.03, 0.08);
  }
  addEcho(tr, 0.12, 0.3);
  return finish(tr, 0.85);
}

// The biggest score: a rush upwards, a brass chord, a crash and sparkles.
SoundWave scifi020() {
  Track tr(1.45);
  Noise noise(10);
  BandPass riser;
  for (std::size_t i = 0; i < Track::index(0.36); ++i) {
    const double t = Track::time(i);
    tr.s[i] += 0.35 * (t / 0.36) * riser.process(noise.next(), 500 * std::pow(10.0, t / 0.36), 1.5);
  }
  addTone(tr, 0.0, 0.37, [](double t) { return 200.0 * std::pow(8.0, t / 0.36); },
          [](double t) { return 0.25 * (t / 0.36); }, {1.0, 0.3});

  auto brassEnv = [](double t) { return attack(t, 0.025) * (t < 0.85 ? 1.0 - 0.15 * std::min(1.0, t / 0.2) : 0.85 * expDecay(t - 0.85, 0.09)); };
  for (int s : {-9, -2, 3, 7}) {  // C4 G4 C5 E5
    const double f = note(s);
    addTone(tr, 0.35, 1.1, [f](double t) { return f * (1 + 0.005 * std::min(1.0, t / 0.3) * std::sin(kTwoPi * 5.5 * t)); },
            [brassEnv](double t) { return 0.2 * brassEnv(t); },
            {1.0, 0.7, 0.5, 0.38, 0.28, 0.2, 0.14, 0.1, 0.07, 0.05});
  }
  // Crash.
  double prev = 0;
  for (std::size_t i = Track::index(0.35); i < tr.size(); ++i) {
    const double t = Track::time(i) - 0.35;
    const double x = noise.next();
    tr.s[i] += 0.22 * attack(t, 0.002) * expDecay(t, 0.3) * (x - prev);
    prev = x;
  }
  // Bells running up, then twinkles.
  const int bells[] = {15, 19, 22, 27};  // C6 E6 G6 C7
  for (int k = 0; k < 4; ++k) {
    addTone(tr, 0.42 + 0.06 * k, 0.6, [f = note(bells[k])](double) { return f; },
            [](double t) { return 0.16 * attack(t, 0.002) * expDecay(t, 0.18); }, {1.0, 0.0, 0.25});
  }
  for (int k = 0; k < 16; ++k) addHit(tr, noise.uniform(0.7, 1.3), noise.uniform(3500, 7000), 0.035, 0.07);
  return finish(tr, 0.9);
}

// A struck gong: inharmonic partials, each with a slightly detuned twin.
SoundWave gong() {
  Track tr(1.5);
  Noise noise(11);
  const double ratios[] = {1.0, 1.51, 2.0, 2.37, 2.83, 3.42, 4.08, 4.96, 5.61};
  const double amps[] = {1.0, 0.7, 0.55, 0.5, 0.4, 0.3, 0.25, 0.18, 0.12};
  const double decays[] = {1.2, 0.9, 0.8, 0.6, 0.5, 0.4, 0.32, 0.25, 0.2};
  for (int k = 0; k < 9; ++k) {
    const double f = 110.0 * ratios[k];
    addTone(tr, 0.0, 1.5, [f](double) { return f; },
            [a = amps[k], d = decays[k]](double t) { return a * attack(t, 0.004) * expDecay(t, d); }, {1.0});
    addTone(tr, 0.0, 1.5, [f](double) { return f + 0.7; },
            [a = amps[k], d = decays[k]](double t) { return 0.45 * a * attack(t, 0.004) * expDecay(t, d); }, {1.0});
  }
  LowPass lp;
  for (std::size_t i = 0; i < Track::index(0.03); ++i) {
    tr.s[i] += 1.2 * expDecay(Track::time(i), 0.004) * lp.process(noise.next(), 1200);
  }
  const std::size_t fadeFrom = Track::index(1.2);
  for (std::size_t i = fadeFrom; i < tr.size(); ++i) {
    tr.s[i] *= 1.0 - static_cast<double>(i - fadeFrom) / (tr.size() - fadeFrom);
  }
  return finish(tr, 0.82);
}

// One bright brass note of the closing fanfare.
SoundWave arrowFanfare() {
  Track tr(1.1);
  const double f0 = note(3);  // C5
  std::array<double, 14> harmonicPhase{};
  const std::size_t n = tr.size();
  for (std::size_t i = 0; i < n; ++i) {
    const double t = Track::time(i);
    const double scoop = 1.0 - 0.023 * expDecay(t, 0.015);
    const double vib = 1.0 + 0.006 * std::min(1.0, std::max(0.0, t - 0.25) / 0.3) * std::sin(kTwoPi * 5.5 * t);
    const double f = f0 * scoop * vib;
    // Brightness opens during the attack and closes in the release.
    const double dark = t < 0.06 ? 0.9 - 0.6 * t / 0.06 : (t < 0.85 ? 0.3 : 0.3 + 1.2 * (t - 0.85));
    const double env = attack(t, 0.03) * (t < 0.2 ? 1.0 - 0.15 * t / 0.2 : 0.85) *
                       (t < 0.85 ? 1.0 : expDecay(t - 0.85, 0.07));
    double v = 0.0;
    for (std::size_t h = 0; h < harmonicPhase.size(); ++h) {
      const double k = static_cast<double>(h + 1);
      v += std::pow(k, -0.9) * std::exp(-(k - 1) * dark) * std::sin(harmonicPhase[h]);
      harmonicPhase[h] += kTwoPi * f * k / kRate;
    }
    // An octave below gives the note body.
    v += 0.35 * std::sin(harmonicPhase[0] * 0.5);
    tr.s[i] = env * v;
  }
  return finish(tr, 0.85);
}

// The sound of each role in the game's catalogue.
SoundWave synthesised(Sound role) {
  switch (role) {
    case Sound::click: return click();
    case Sound::diceCup: return cupDice();
    case Sound::illegalMove: return ricochet();
    case Sound::score1to9: return divBoard();
    case Sound::score10to19: return scrape();
    case Sound::score20to29: return golfSwing();
    case Sound::score30to39: return scifi002();
    case Sound::score40to49: return archer();
    case Sound::score50to59: return scifi003();
    case Sound::score60to79: return botRocket();
    case Sound::score80: return scifi011();
    case Sound::score100: return scifi020();
    case Sound::outOfTime: return gong();
    case Sound::gameOver: return arrowFanfare();
  }
  return {};
}

}  // namespace

SoundWave synthesise(Sound role) {
  SoundWave wave = synthesised(role);
  wave.role = role;
  return wave;
}

}  // namespace sumdart
