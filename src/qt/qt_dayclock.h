// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The time of day from the system clock, for seeding the random source.
#include "seams/seams.h"

namespace sumdart {

class QtDayClock : public DayClock {
 public:
  // Seconds since local midnight, with the milliseconds as a fraction.
  double secondsSinceMidnight() override;
};

}  // namespace sumdart
