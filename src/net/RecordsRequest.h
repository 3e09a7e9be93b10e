#pragma once
// The world-records requests of the game's score client (see
// net/protocol/RecordsProtocol.h): paths and bodies, every value
// percent-encoded where it could break them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace bt {

// The body of a score submission: its proof's text form after "proof=", or
// the phone's "OK" without one. The proof's own bytes (U D L R < > ,) go as
// they stand, since escaping would triple a turn; any other byte is
// percent-encoded.
std::string scoreBody(const std::optional<std::string>& proofText);

// "/records/GAME", each level's best.
std::string worldRecordsPath(std::string_view gameId);
// "/records/GAME/KEY" for a level's number (from 1) or a puzzle's id: its ten
// best, or where a record of it is posted.
std::string recordsPath(std::string_view gameId, std::string_view key);
// The same for level N.
std::string levelRecordsPath(std::string_view gameId, int32_t level);
// "/records/GAME/daily": the daily puzzles of the last 30 days.
std::string dailyRecordsPath(std::string_view gameId);
// "name=NAME&moves=MOVES", the name percent-encoded, the moves as a proof's.
std::string recordBody(std::string_view name, std::string_view moves);

}  // namespace bt
