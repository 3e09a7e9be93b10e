#pragma once
// The campaign: the 72 levels in order, from level 1 (a new game) or from
// the game kept in "save.dat" (continued). Its turns make a game in
// progress; a solved level proves itself in "proof.dat" and counts in the
// score; leaving writes "save.dat" and the level's moves beside it; Quit
// leads to the score table when the score earned a row, else to the menu.
//
// A saved game that cannot be played (missing, short, damaged: the player's
// data sets a damaged one aside) starts a new game at level 1 instead, and
// the proof of the levels solved before stays as it is.
#include <cstdint>

#include "app/GameProofFile.h"
#include "screens/LevelSession.h"

namespace bt {

class CampaignSession : public LevelSession {
 public:
  enum class Start { New, Continue };

  CampaignSession(Application& app, Start start);

  void begin(Game& game) override;
  GameStatus settle(Game& game) override;
  ScreenRequest quit(const Game& game) override;
  void leave(const Game& game) override;
  void turnAsked() override;

  const GameProofFile& proof() const { return proof_; }

 private:
  void readSavedGame(Game& game);
  // A continued game: the moves of its level before it was saved, from
  // "proof.dat", when they give the saved board (so that its solve replays
  // from the level's start, and proves the level).
  void resumeLevelMoves(Game& game);
  // The number of levels solved, the game's score.
  static int32_t score(const Game& game);

  const Start start_;
  GameProofFile proof_;  // the moves of each level this game solved
  int32_t scoreOnEnter_ = 0;
};

}  // namespace bt
