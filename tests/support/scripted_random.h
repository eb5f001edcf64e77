// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A random source for tests.
#include <cstdint>
#include <deque>

#include "seams/random.h"

namespace sumdart {

// Test double: hands out the queued values first, then values of a fixed
// deterministic sequence. Reseeds change nothing.
class ScriptedRandom : public Random {
 public:
  double rnd() override;
  void randomize(double) override {}

  void push(double v) { queue.push_back(v); }
  // Queues the draws that make one die come out as `face` (1..6): one repetition, then the face.
  void pushDie(int face);
  // Queues the four dice of a throw.
  void pushThrow(int d0, int d1, int d2, int d3) { for (int face : {d0, d1, d2, d3}) pushDie(face); }

  std::deque<double> queue;

 private:
  std::uint64_t fallback_ = 12345;
};

}  // namespace sumdart
