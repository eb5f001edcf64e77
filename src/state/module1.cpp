#include "state/module1.h"

namespace sumdart {

std::int16_t& Module1::score(int n) {
  switch (n) {
    case 1: return bluescore;
    case 2: return redscore;
    case 3: return greenscore;
    default: return yellowscore;
  }
}

std::int16_t Module1::score(int n) const { return const_cast<Module1*>(this)->score(n); }

void Module1::setAllScores(std::int16_t target) {
  bluescore = redscore = greenscore = yellowscore = target;
}

int slotFor(int count, int numberofplayers) {
  if (numberofplayers < 1) return 0;
  // Counts below -1 only come from a damaged saved game; they still give a real slot.
  const int slot = count % numberofplayers;
  return slot < 0 ? slot + numberofplayers : slot;
}

}  // namespace sumdart
