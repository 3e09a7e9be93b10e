#pragma once
// What the game and the score server agree on beside the score path: the
// field that carries a score's proof of play in the POST body, and the
// world records' paths and replies.
//
//   POST SCORE-PATH?QUERY        body "proof=TEXT" (game/GameProof.h); the
//                                phone's body "OK" carries no proof
//   GET  /records/GAME           each level's best, level 1 first: one line
//                                "LEVEL COUNT NAME" per level that has
//                                records (its fewest moves and the first name
//                                to reach them), then "players LEVEL AT ALL"
//                                (AT names hold those moves, ALL solved it)
//   GET  /records/GAME/N         level N's table: "COUNT NAME" for the first
//                                names to reach its fewest moves, in the
//                                order they did (at most 10), "players COUNT
//                                M" for the names whose best is COUNT, fewest
//                                first (at most 10), and "players all M" for
//                                the names that solved it
//   POST /records/GAME/N         body "name=NAME&moves=MOVES": NAME's record
//                                for level N when MOVES solve it; answered as
//                                the GET of that level
//   GET  /records/GAME/daily     the daily puzzles of the last 30 days (UTC),
//                                today first: "DATE ID", or "DATE ID COUNT
//                                NAME" with the day's best, then "players ID
//                                AT ALL" for each day with records
//   GET  /records/GAME/ID        puzzle ID's table, as a level's
//   POST /records/GAME/ID        a record of puzzle ID, as of a level; taken
//                                only for the daily puzzles of the last 30
//                                days, "not yet" for those of days to come
//
// COUNT is the number of moves (keys), LEVEL and N count from 1, DATE is
// YYYY-MM-DD and ID a puzzle's id as game/PuzzleId.h writes it. A proof
// shows that moves solve the level, not who found them, so the tables rank
// no names: they count them, and name the first to reach the fewest moves.
// The "players" lines came after the others; a reader that knows only those
// skips them, as it skips any line it cannot read.
#include <cstddef>
#include <string_view>

namespace bt {

inline constexpr std::string_view kProofBodyField = "proof=";
// The phone's body, which holds no proof.
inline constexpr std::string_view kPlainScoreBody = "OK";
inline constexpr std::string_view kRecordsPathPrefix = "/records/";
inline constexpr std::string_view kDailyRecordsSegment = "daily";
// The first word of the lines that count names, and the count of all names.
inline constexpr std::string_view kPlayersWord = "players";
inline constexpr std::string_view kAllPlayersWord = "all";
// The most that GET /records/GAME answers, which a game reads whole: every
// level's best line always fits, "players" lines only while they fit.
inline constexpr size_t kMaxLevelBestsReplyBytes = 4096;

// The answer to a record of a daily puzzle whose day has not come yet by the
// server's date (425 Too Early): keep it and send it again later. A day
// gone by, like moves that do not solve the puzzle, is refused for good (403).
inline constexpr int kRecordTooEarlyStatus = 425;

}  // namespace bt
