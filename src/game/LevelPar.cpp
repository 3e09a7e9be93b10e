#include "game/LevelPar.h"

#include "game/LevelData.h"

namespace bt {

int levelPar(int levelIndex) {
  if (levelIndex < 0 || levelIndex >= kLevelCount) return 0;
  return static_cast<int>(levelSolutions()[static_cast<size_t>(levelIndex)].size());
}

bool levelParProven(int levelIndex) {
  if (levelIndex < 0 || levelIndex >= kLevelCount) return false;
  return levelSolutionsProven()[static_cast<size_t>(levelIndex)];
}

}  // namespace bt
