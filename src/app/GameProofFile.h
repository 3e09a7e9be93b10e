#pragma once
// The proof of the game in progress, kept beside "save.dat" in "proof.dat"
// (a stored file, replaced atomically): the moves that solved each level of
// this game from level 1, shortened for the proof (game/GameProof.h), so
// that the online score screen can send it with the game's score.
//
// Play never depends on it. It is read and written through PlayerData, so a
// damaged file is one warning, is kept aside as "proof.dat.damaged" and
// reads as a proof of no level, as any player file; a level solved while the
// proof has no moves for the levels before it (it was lost) is not kept, so
// the proof covers only what it can prove, from level 1 on.
//
// It keeps too the moves of the level in progress (the one after the proven
// levels) as they stood when the game was left, and whether a hint was shown
// on it, so that a game saved in the middle of a level and continued still
// proves that level (and a hinted level stays hinted for the records): the
// continued game checks the moves against the saved board
// (resumedLevelMoves), and without a match the level's proof is lost as
// when they are missing.
//
// The file holds, framed as storage/FramedFile.h says (a magic, no version
// byte, no sum: the text is checked by replaying it): "BTPF", the number of
// levels (32-bit, little-endian), then the proof's text form. With a level
// in progress: "BTPC", the number of levels, a flags byte (1: a hint was
// shown), the number of its moves (32-bit, 0 to kMaxLevelInProgressKeys),
// the moves (U D L R < >), then the proof's text form.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/GameProof.h"

namespace bt {

class PlayerData;

// The most keys of the level in progress kept: far more than any play
// needs, yet the whole file stays small.
inline constexpr size_t kMaxLevelInProgressKeys = 8192;

struct LevelInProgress {
  std::string moves;  // the level's keys so far
  bool hintUsed = false;
  bool empty() const { return moves.empty() && !hintUsed; }
  bool operator==(const LevelInProgress&) const = default;
};

class GameProofFile {
 public:
  explicit GameProofFile(PlayerData& player) : player_(player) {}

  // Reads the file, for a game that goes on. A missing file is a proof of
  // no level, quietly.
  void load();
  // A new game: no level proven, written at once.
  void clear();
  // The game is left on level levelIndex (from 0) as `level` stands: kept
  // (and written) when it is the level after the proven ones and its moves
  // are not too many; else nothing is kept.
  void keepLevelInProgress(int32_t levelIndex, const LevelInProgress& level);
  // What was kept of the level after the proven ones; empty when nothing is.
  const LevelInProgress& levelInProgress() const { return inProgress_; }
  // Level levelIndex (from 0) was solved with `moves`, the level's moves
  // from its start (or its last restart), in the notation of the recorded
  // solutions. Kept, shortened, when they solve it and the proof holds the
  // levels before it; a level already held is replaced and the levels after
  // it dropped. The moves of the level in progress are dropped either way.
  void levelSolved(int32_t levelIndex, std::string_view moves);

  const GameProof& proof() const { return proof_; }
  // The text form of the proof of the first `score` levels, for a
  // submission of that score; nullopt when the proof does not cover them.
  std::optional<std::string> proofOfScore(int32_t score) const;

  // The longest file the proof and a level in progress can take.
  static size_t maxFileBytes();

 private:
  void write();
  // Forgets level levelIndex and the ones after, with one warning.
  void cannotKeep(int32_t levelIndex, const std::string& why);

  PlayerData& player_;
  GameProof proof_;
  LevelInProgress inProgress_;
};

}  // namespace bt
