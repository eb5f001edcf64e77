// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's sounds, synthesised in code: the same samples for the desktop's
// WAV files, written at build time, and for the browser, made in the page.
// Plain C++.
#include <cstdint>
#include <vector>

#include "state/assets.h"

namespace sumdart {

struct SoundWave {
  Sound role = Sound::click;  // which of the catalogue's sounds it is
  int sampleRate = 44100;     // mono
  std::vector<std::int16_t> samples;
};

// One sound of the catalogue; the same samples on every machine.
SoundWave synthesise(Sound role);

}  // namespace sumdart
