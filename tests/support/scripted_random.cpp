// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scripted_random.h"

namespace sumdart {

double ScriptedRandom::rnd() {
  if (!queue.empty()) {
    const double v = queue.front();
    queue.pop_front();
    return v;
  }
  fallback_ = fallback_ * 6364136223846793005ULL + 1442695040888963407ULL;
  return static_cast<double>(fallback_ >> 11) * 0x1.0p-53;
}

void ScriptedRandom::pushDie(int face) {
  push(0.015);                     // Int(0.015 * 100) = 1 repetition
  push((face - 1) / 6.0 + 1.0 / 12.0);  // Int(x * 6) + 1 = face
}

}  // namespace sumdart
