// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the number crunching fast after Qt has started.
#pragma once

namespace sumdart::assetgen {

// Code that Qt runs while it starts up can leave the upper halves of the AVX
// registers dirty. Every later call into the maths library (sin, exp, atan2)
// then pays for a switch between SSE and AVX states, which made the sound
// synthesis some twenty times slower. Clearing the upper halves before the
// long loops avoids that; the compiler keeps nothing there in this code.
inline void clearUpperVectorState() {
#if defined(__x86_64__) && defined(__GNUC__)
  if (__builtin_cpu_supports("avx")) asm volatile("vzeroupper" ::: "memory");
#endif
}

}  // namespace sumdart::assetgen
