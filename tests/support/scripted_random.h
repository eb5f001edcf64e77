#pragma once
// A random source for tests.
#include <cstdint>
#include <deque>
#include <vector>

#include "seams/random.h"

namespace sumdart {

// Test double: hands out the queued values first, then values of a fixed
// deterministic sequence. Records every reseed.
class ScriptedRandom : public Random {
 public:
  double rnd() override;
  void randomize(double seed) override { seeds.push_back(seed); }

  void push(double v) { queue.push_back(v); }
  // Queues the draws that make one die come out as `face` (1..6): one repetition, then the face.
  void pushDie(int face);
  // Queues the four dice of a throw.
  void pushThrow(int d0, int d1, int d2, int d3);

  std::deque<double> queue;
  std::vector<double> seeds;

 private:
  std::uint64_t fallback_ = 12345;
};

}  // namespace sumdart
