// The score server's query reader on arbitrary bytes: it must never crash,
// and whatever it accepts must be within the documented bounds and read the
// same again when written back out.
#include "query/ScoreQuery.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace bt::scored;
  const std::string_view query(reinterpret_cast<const char*>(data), size);
  auto parsed = parseScoreQuery(query);
  if (auto* error = std::get_if<QueryError>(&parsed)) {
    require(!error->reason.empty() && error->reason.find('\n') == std::string::npos);
    return 0;
  }
  const ScoreQuery& q = std::get<ScoreQuery>(parsed);
  require(!q.game.empty() && q.game.size() <= kMaxGameLength);
  std::string again = "game=" + q.game;
  if (q.submission) {
    const ScoreSubmission& s = *q.submission;
    require(!s.name.empty() && s.name.size() <= kMaxNameLength && s.score >= 0);
    again += "&init=" + s.name + "&score=" + std::to_string(s.score) +
             "&special=" + std::to_string(s.check);
  }
  auto reread = parseScoreQuery(again);
  require(std::holds_alternative<ScoreQuery>(reread));
  const ScoreQuery& r = std::get<ScoreQuery>(reread);
  require(r.game == q.game && r.submission.has_value() == q.submission.has_value());
  if (q.submission) {
    require(r.submission->name == q.submission->name &&
            r.submission->score == q.submission->score &&
            r.submission->check == q.submission->check);
  }
  return 0;
}
