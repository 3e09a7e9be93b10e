#pragma once
// The query of a score request, read and checked before anything is stored:
//   game=G                                  fetch the ten best of G
//   game=G&init=NAME&score=S&special=C      record NAME's S, then fetch
// Values are percent-decoded. G is 1 to 32 characters of A-Z a-z 0-9 . _ -,
// NAME 1 to 15 of A-Z 0-9, S a decimal integer from 0 to 2^31 - 1 and C a
// signed 32-bit decimal integer. Parameters of other names are ignored; a
// known one given twice, or a submission with only some of its three values,
// is refused. Pure and re-entrant: safe on any input.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace bt::scored {

inline constexpr size_t kMaxGameLength = 32;
inline constexpr size_t kMaxNameLength = 15;

struct ScoreSubmission {
  std::string name;
  int32_t score = 0;
  int32_t check = 0;
};

struct ScoreQuery {
  std::string game;
  std::optional<ScoreSubmission> submission;
};

// Why a query was refused, as one line for the reply.
struct QueryError {
  std::string reason;
};

std::variant<ScoreQuery, QueryError> parseScoreQuery(std::string_view query);

// Whether `name` is 1 to kMaxNameLength of A-Z 0-9.
bool isScoreName(std::string_view name);

// Whether the check value is the one that goes with the score.
bool checkValueMatches(const ScoreSubmission& submission);

}  // namespace bt::scored
