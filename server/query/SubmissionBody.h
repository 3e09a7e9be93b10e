#pragma once
// The bodies the server reads beside a query, checked before anything is
// stored. Pure and re-entrant: safe on any input.
//
// A score's body holds its proof: "proof=" and the proof's text form
// (game/GameProof.h: each level's moves, levels joined by ','), sent as it
// stands or percent-escaped. Any body not starting with "proof=", the
// phone's "OK" among them, holds no proof.
//
// A world record's body: "name=NAME&moves=MOVES", NAME as for scores (1 to
// 15 of A-Z 0-9) and MOVES 1 to kMaxProofKeysPerLevel keys of U D L R < >,
// each percent-decoded; other parameters are ignored, one given twice is
// refused.
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "game/GameProof.h"
#include "query/ScoreQuery.h"

namespace bt::scored {

inline constexpr std::string_view kProofField = "proof=";
// The largest score body: "proof=" and the longest proof text, with a
// kibibyte to spare. The game sends its proof as it stands; percent-escaped
// turns take three bytes each and fit while the proof is well below its
// bound, as every honest one is.
inline constexpr size_t kMaxScoreBodyBytes = 33 * 1024;
static_assert(kMaxScoreBodyBytes >= kProofField.size() + kMaxProofTextBytes);
// A record's body: room for its name and every key percent-escaped.
inline constexpr size_t kMaxRecordBodyBytes = 4096;
static_assert(kMaxRecordBodyBytes >= 32 + 3 * kMaxProofKeysPerLevel);

// nullopt: the body holds no proof. Else the proof, or why it cannot be read.
std::optional<std::variant<GameProof, QueryError>> parseProofBody(std::string_view body);

struct RecordSubmission {
  std::string name;
  std::string moves;
};

std::variant<RecordSubmission, QueryError> parseRecordBody(std::string_view body);

// What a records path of the game `game` names:
//   /records/GAME          every level's best
//   /records/GAME/N        level N, 1 to kLevelCount, without leading zeros
//   /records/GAME/daily    the daily puzzles of the last 30 days
//   /records/GAME/ID       the puzzle of the endless mode ID, written as
//                          formatPuzzleId writes it (lower case)
// nullopt for any other path.
struct RecordsPath {
  enum class Kind { LevelBests, Level, DailyList, Puzzle };
  Kind kind = Kind::LevelBests;
  int level = 0;       // Kind::Level
  std::string puzzle;  // Kind::Puzzle
};
std::optional<RecordsPath> parseRecordsPath(std::string_view path, std::string_view game);

}  // namespace bt::scored
