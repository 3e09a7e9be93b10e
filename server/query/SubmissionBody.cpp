#include "query/SubmissionBody.h"

#include <charconv>

#include "game/PuzzleId.h"
#include "net/protocol/PercentDecode.h"
#include "net/protocol/QueryPairs.h"
#include "net/protocol/RecordsProtocol.h"

namespace bt::scored {

std::optional<std::variant<GameProof, QueryError>> parseProofBody(std::string_view body) {
  if (!body.starts_with(kProofField)) return std::nullopt;
  const std::optional<std::string> text = percentDecode(body.substr(kProofField.size()));
  if (!text) return QueryError{"the proof has a bad percent-escape"};
  ParsedProof parsed = parseProof(*text);
  if (!parsed.proof) return QueryError{parsed.refusal};
  return std::move(*parsed.proof);
}

std::variant<RecordSubmission, QueryError> parseRecordBody(std::string_view body) {
  std::optional<std::string> name, moves;
  for (const QueryPair& pair : splitQuery(body)) {
    std::optional<std::string>* slot = pair.name == "name"    ? &name
                                       : pair.name == "moves" ? &moves
                                                              : nullptr;
    if (slot == nullptr) continue;
    const std::string key(pair.name);
    if (!pair.value) return QueryError{key + " has no value"};
    if (slot->has_value()) return QueryError{key + " is given twice"};
    std::optional<std::string> value = percentDecode(*pair.value);
    if (!value) return QueryError{key + " has a bad percent-escape"};
    *slot = std::move(*value);
  }
  if (!name || !moves) return QueryError{"a record needs name and moves"};
  if (!isScoreName(*name)) return QueryError{"name must be 1 to 15 of A-Z 0-9"};
  const ParsedProof level = parseProof(*moves);
  if (!level.proof || level.proof->levels.size() != 1) {
    return QueryError{"moves must be 1 to " + std::to_string(kMaxProofKeysPerLevel) +
                      " of U D L R < >"};
  }
  return RecordSubmission{std::move(*name), std::move(*moves)};
}

std::optional<RecordsPath> parseRecordsPath(std::string_view path, std::string_view game) {
  constexpr std::string_view kRecords = "/records/";
  if (!path.starts_with(kRecords)) return std::nullopt;
  path.remove_prefix(kRecords.size());
  if (!path.starts_with(game)) return std::nullopt;
  path.remove_prefix(game.size());
  if (path.empty()) return RecordsPath{};
  if (path.front() != '/') return std::nullopt;
  path.remove_prefix(1);
  if (path == kDailyRecordsSegment) return RecordsPath{RecordsPath::Kind::DailyList, 0, {}};
  if (const auto spec = puzzle::parsePuzzleId(path)) {
    std::string id = puzzle::formatPuzzleId(*spec);
    if (id != path) return std::nullopt;
    return RecordsPath{RecordsPath::Kind::Puzzle, 0, std::move(id)};
  }
  if (path.empty() || path.size() > 2 || path.front() == '0') return std::nullopt;
  int level = 0;
  const auto [end, error] = std::from_chars(path.data(), path.data() + path.size(), level);
  if (error != std::errc() || end != path.data() + path.size()) return std::nullopt;
  if (level < 1 || level > kLevelCount) return std::nullopt;
  return RecordsPath{RecordsPath::Kind::Level, level, {}};
}

}  // namespace bt::scored
