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
