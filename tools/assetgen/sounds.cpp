// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sounds as WAV files: the samples come from the synthesiser the
// browser edition runs too (src/sound).
#include "assetgen.h"
#include "art/vectorstate.h"

#include <QtEndian>

#include <utility>

namespace sumdart::assetgen {

std::vector<SoundWave> sounds() {
  clearUpperVectorState();
  std::vector<SoundWave> all;
  for (const Sound role : kAllSounds) {
    all.push_back(synthesise(role));
  }
  return all;
}

QByteArray wavFile(const SoundWave& sound) {
  const auto dataBytes = static_cast<quint32>(sound.samples.size() * 2);
  QByteArray out;
  out.reserve(static_cast<qsizetype>(44 + dataBytes));
  auto u32 = [&out](quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
  };
  auto u16 = [&out](quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
  };
  out.append("RIFF", 4);
  u32(36 + dataBytes);
  out.append("WAVE", 4);
  out.append("fmt ", 4);
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(static_cast<quint32>(sound.sampleRate));
  u32(static_cast<quint32>(sound.sampleRate * 2));
  u16(2);   // bytes per frame
  u16(16);  // bits per sample
  out.append("data", 4);
  u32(dataBytes);
  for (std::int16_t s : sound.samples) u16(static_cast<quint16>(s));
  return out;
}

}  // namespace sumdart::assetgen
