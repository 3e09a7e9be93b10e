#pragma once
// What the game and the score server agree on beside the score path: the
// field that carries a score's proof of play in the POST body, and the
// world records' paths and replies.
//
//   POST SCORE-PATH?QUERY        body "proof=TEXT" (game/GameProof.h); the
//                                phone's body "OK" carries no proof
//   GET  /records/GAME           one line "LEVEL COUNT NAME" per level that
//                                has a record, its best, level 1 first
//   GET  /records/GAME/N         level N's ten best, "COUNT NAME", fewest first
//   POST /records/GAME/N         body "name=NAME&moves=MOVES": NAME's record
//                                for level N when MOVES solve it; answered as
//                                the GET of that level
//   GET  /records/GAME/daily     the daily puzzles of the last 30 days (UTC),
//                                today first: "DATE ID", or "DATE ID COUNT
//                                NAME" with the day's best
//   GET  /records/GAME/ID        puzzle ID's ten best, as a level's
//   POST /records/GAME/ID        a record of puzzle ID, as of a level; taken
//                                only for the daily puzzles of the last 30
//                                days, "not yet" for those of days to come
//
// COUNT is the number of moves (keys), LEVEL and N count from 1, DATE is
// YYYY-MM-DD and ID a puzzle's id as game/PuzzleId.h writes it.
#include <string_view>

namespace bt {

inline constexpr std::string_view kProofBodyField = "proof=";
// The phone's body, which holds no proof.
inline constexpr std::string_view kPlainScoreBody = "OK";
inline constexpr std::string_view kRecordsPathPrefix = "/records/";
inline constexpr std::string_view kDailyRecordsSegment = "daily";

// The answer to a record of a daily puzzle whose day has not come yet by the
// server's date (425 Too Early): keep it and send it again later. A day
// gone by, like moves that do not solve the puzzle, is refused for good (403).
inline constexpr int kRecordTooEarlyStatus = 425;

}  // namespace bt
