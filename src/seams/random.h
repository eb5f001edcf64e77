// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The random source: rnd() is uniform in [0, 1); randomize(seed) mixes the seed into
// the generator's state instead of restarting it, so two reseeds with the same seed
// (two throws in the same second) still give different draws.
#include <cstdint>

namespace sumdart {

class Random {
 public:
  virtual ~Random() = default;
  virtual double rnd() = 0;
  virtual void randomize(double seed) = 0;

  // Int(rnd() * n): a whole number 0..n-1.
  int below(int n);
};

// The program's generator: xoshiro256** seeded through splitmix64.
class MixingRandom : public Random {
 public:
  explicit MixingRandom(std::uint64_t initialSeed = 0x5D1C3A2B9E8F7061ULL);
  double rnd() override;
  void randomize(double seed) override;

 private:
  std::uint64_t next();
  std::uint64_t s_[4];
};

}  // namespace sumdart
