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
//
// COUNT is the number of moves (keys), LEVEL and N count from 1.
#include <string_view>

namespace bt {

inline constexpr std::string_view kProofBodyField = "proof=";
// The phone's body, which holds no proof.
inline constexpr std::string_view kPlainScoreBody = "OK";
inline constexpr std::string_view kRecordsPathPrefix = "/records/";

}  // namespace bt
