#include "game/LevelPar.h"

#include "game/LevelData.h"

namespace bt {

int levelPar(int levelIndex) {
  if (levelIndex < 0 || levelIndex >= kLevelCount) return 0;
  return static_cast<int>(levelSolutions()[static_cast<size_t>(levelIndex)].size());
}

bool levelParProven(int levelIndex) {
  // Levels 61, 70 and 71: the solver's bound stays below the recorded length.
  return levelIndex != 60 && levelIndex != 69 && levelIndex != 70;
}

}  // namespace bt
