#include "state/game_settings.h"

namespace sumdart {

std::int16_t& GameSettings::score(int n) {
  switch (n) {
    case 1: return blueScore;
    case 2: return redScore;
    case 3: return greenScore;
    default: return yellowScore;
  }
}

std::int16_t GameSettings::score(int n) const { return const_cast<GameSettings*>(this)->score(n); }

void GameSettings::setAllScores(std::int16_t target) {
  blueScore = redScore = greenScore = yellowScore = target;
}

int slotFor(int count, int numberOfPlayers) {
  if (numberOfPlayers < 1) return 0;
  // Counts below -1 only come from a damaged saved game; they still give a real slot.
  const int slot = count % numberOfPlayers;
  return slot < 0 ? slot + numberOfPlayers : slot;
}

}  // namespace sumdart
