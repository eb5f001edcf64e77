// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "seams/random.h"

#include <bit>
#include <cstring>

namespace sumdart {

int Random::below(int n) {
  int v = static_cast<int>(rnd() * n);
  return v >= n ? n - 1 : (v < 0 ? 0 : v);
}

namespace {
std::uint64_t splitmix(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}
}  // namespace

MixingRandom::MixingRandom(std::uint64_t initialSeed) {
  std::uint64_t x = initialSeed;
  for (auto& s : s_) s = splitmix(x);
}

std::uint64_t MixingRandom::next() {
  const std::uint64_t result = std::rotl(s_[1] * 5, 7) * 9;
  const std::uint64_t t = s_[1] << 17;
  s_[2] ^= s_[0];
  s_[3] ^= s_[1];
  s_[1] ^= s_[2];
  s_[0] ^= s_[3];
  s_[2] ^= t;
  s_[3] = std::rotl(s_[3], 45);
  return result;
}

double MixingRandom::rnd() {
  // 53 random bits: uniform in [0, 1), never 1.
  return static_cast<double>(next() >> 11) * 0x1.0p-53;
}

void MixingRandom::randomize(double seed) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &seed, sizeof bits);
  // Fold the seed into the running state: the state already differs after every
  // draw, so the same seed twice does not repeat a sequence.
  std::uint64_t x = bits ^ s_[0] ^ std::rotl(s_[2], 23);
  for (auto& s : s_) s ^= splitmix(x);
  if ((s_[0] | s_[1] | s_[2] | s_[3]) == 0) s_[0] = 1;  // xoshiro's one forbidden state
}

}  // namespace sumdart
