#include "net/RecordsRequest.h"

#include "net/ScoreRequest.h"
#include "net/protocol/RecordsProtocol.h"

namespace bt {

namespace {

// The notation's bytes and the level separator as they stand, anything else
// (which the game never puts there) escaped so that it cannot end the field.
std::string movesField(std::string_view moves) {
  std::string out;
  out.reserve(moves.size());
  for (char c : moves) {
    const bool plain =
        c == 'U' || c == 'D' || c == 'L' || c == 'R' || c == '<' || c == '>' || c == ',';
    out += plain ? std::string(1, c) : percentEncode(std::string_view(&c, 1));
  }
  return out;
}

}  // namespace

std::string scoreBody(const std::optional<std::string>& proofText) {
  if (!proofText) return std::string(kPlainScoreBody);
  return std::string(kProofBodyField) + movesField(*proofText);
}

std::string worldRecordsPath(std::string_view gameId) {
  return std::string(kRecordsPathPrefix) + percentEncode(gameId);
}

std::string recordsPath(std::string_view gameId, std::string_view key) {
  return worldRecordsPath(gameId) + "/" + percentEncode(key);
}

std::string levelRecordsPath(std::string_view gameId, int32_t level) {
  return recordsPath(gameId, std::to_string(level));
}

std::string dailyRecordsPath(std::string_view gameId) {
  return recordsPath(gameId, kDailyRecordsSegment);
}

std::string recordBody(std::string_view name, std::string_view moves) {
  return "name=" + percentEncode(name) + "&moves=" + movesField(moves);
}

}  // namespace bt
