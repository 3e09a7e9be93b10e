#pragma once
// Practice of one built-in level, chosen on the level select: its solve
// sets a personal record and returns to the level select with the next
// level selected; Quit returns there with this one. "save.dat", the game in
// progress and the score are never touched.
#include <cstdint>

#include "screens/LevelSession.h"

namespace bt {

class PracticeSession : public LevelSession {
 public:
  // levelIndex is clamped to the levels there are.
  PracticeSession(Application& app, int32_t levelIndex);

  void begin(Game& game) override;
  GameStatus settle(Game& game) override;
  std::optional<ScreenRequest> leavesAfter(GameStatus status) const override;
  ScreenRequest quit(const Game& game) override;

 protected:
  const char* levelWords() const override { return " - Practice - Level "; }

 private:
  const int32_t levelIndex_;
  int32_t solvedLevel_ = -1;  // the level solved here, once it is
};

}  // namespace bt
