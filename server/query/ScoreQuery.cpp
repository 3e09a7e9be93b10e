#include "query/ScoreQuery.h"

#include <charconv>
#include <limits>

#include "net/protocol/PercentDecode.h"
#include "net/protocol/QueryPairs.h"
#include "net/protocol/ScoreCheck.h"

namespace bt::scored {
namespace {

// The four parameters the server knows, each seen at most once.
struct RawParameters {
  std::optional<std::string> game, init, score, special;
};

bool isGameCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' ||
         c == '_' || c == '-';
}

bool isNameCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

template <typename Predicate>
bool allOf(std::string_view text, Predicate predicate) {
  for (char c : text) {
    if (!predicate(c)) return false;
  }
  return true;
}

// A decimal integer within [minimum, maximum]: digits only, with a leading
// '-' when negatives are allowed; no spaces, no '+', no other base.
std::optional<int32_t> parseDecimal(const std::string& text, int64_t minimum) {
  const bool negative = !text.empty() && text.front() == '-';
  if (negative && minimum >= 0) return std::nullopt;
  const size_t digitsStart = negative ? 1 : 0;
  if (text.size() == digitsStart || text.size() - digitsStart > 11) return std::nullopt;
  for (size_t i = digitsStart; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
  }
  int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < minimum || value > std::numeric_limits<int32_t>::max()) return std::nullopt;
  return static_cast<int32_t>(value);
}

std::optional<std::string>* slotFor(RawParameters& raw, std::string_view key) {
  if (key == "game") return &raw.game;
  if (key == "init") return &raw.init;
  if (key == "score") return &raw.score;
  if (key == "special") return &raw.special;
  return nullptr;
}

std::variant<RawParameters, QueryError> splitParameters(std::string_view query) {
  RawParameters raw;
  for (const QueryPair& pair : splitQuery(query)) {
    const std::string_view key = pair.name;
    std::optional<std::string>* slot = slotFor(raw, key);
    if (slot == nullptr) continue;
    if (!pair.value) return QueryError{std::string(key) + " has no value"};
    if (slot->has_value()) return QueryError{std::string(key) + " is given twice"};
    std::optional<std::string> value = percentDecode(*pair.value);
    if (!value) return QueryError{std::string(key) + " has a bad percent-escape"};
    *slot = std::move(*value);
  }
  return raw;
}

std::variant<ScoreSubmission, QueryError> readSubmission(const RawParameters& raw) {
  if (!raw.init || !raw.score || !raw.special) {
    return QueryError{"a score needs init, score and special"};
  }
  ScoreSubmission submission;
  if (!isScoreName(*raw.init)) {
    return QueryError{"init must be 1 to 15 characters of A-Z and 0-9"};
  }
  submission.name = *raw.init;
  const std::optional<int32_t> score = parseDecimal(*raw.score, 0);
  if (!score) return QueryError{"score must be a whole number from 0 to 2147483647"};
  submission.score = *score;
  const std::optional<int32_t> check =
      parseDecimal(*raw.special, std::numeric_limits<int32_t>::min());
  if (!check) return QueryError{"special must be a 32-bit whole number"};
  submission.check = *check;
  return submission;
}

}  // namespace

bool isScoreName(std::string_view name) {
  return !name.empty() && name.size() <= kMaxNameLength && allOf(name, isNameCharacter);
}

std::variant<ScoreQuery, QueryError> parseScoreQuery(std::string_view query) {
  auto split = splitParameters(query);
  if (auto* error = std::get_if<QueryError>(&split)) return *error;
  const RawParameters& raw = std::get<RawParameters>(split);
  if (!raw.game) return QueryError{"game is missing"};
  if (raw.game->empty() || raw.game->size() > kMaxGameLength ||
      !allOf(*raw.game, isGameCharacter)) {
    return QueryError{"game must be 1 to 32 characters of A-Z, a-z, 0-9, '.', '_' and '-'"};
  }
  ScoreQuery result;
  result.game = *raw.game;
  if (raw.init || raw.score || raw.special) {
    auto submission = readSubmission(raw);
    if (auto* error = std::get_if<QueryError>(&submission)) return *error;
    result.submission = std::move(std::get<ScoreSubmission>(submission));
  }
  return result;
}

bool checkValueMatches(const ScoreSubmission& submission) {
  return submission.check == scoreCheckValue(submission.score);
}

}  // namespace bt::scored
