#pragma once
// The random source: rnd() is uniform in [0, 1); randomize(seed) mixes the seed into
// the generator's state instead of restarting it, so two reseeds with the same seed
// (two throws in the same second) still give different draws.
#include <cstdint>
#include <deque>
#include <vector>

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

// Test double: hands out the queued values first, then values of a fixed
// deterministic sequence. Records every reseed.
class ScriptedRandom : public Random {
 public:
  double rnd() override;
  void randomize(double seed) override { seeds.push_back(seed); }

  void push(double v) { queue.push_back(v); }
  void push(std::initializer_list<double> vs) { queue.insert(queue.end(), vs); }
  // Queues the draws that make one die come out as `face` (1..6): one repetition, then the face.
  void pushDie(int face);
  // Queues the four dice of a throw.
  void pushThrow(int d0, int d1, int d2, int d3);

  std::deque<double> queue;
  std::vector<double> seeds;
  int drawn = 0;

 private:
  std::uint64_t fallback_ = 12345;
};

}  // namespace sumdart
