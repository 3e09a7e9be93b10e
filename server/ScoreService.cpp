#include "ScoreService.h"

#include <atomic>
#include <chrono>

#include "LogSink.h"
#include "ScoreTableText.h"
#include "net/protocol/ScoreCheck.h"
#include "query/ScoreQuery.h"

namespace bt::scored {
namespace {

// Why the table could not be reached, on standard error (with or without
// --quiet), at most once a second so that an outage does not flood the log.
void reportStoreError(const StoreError& error) {
  static std::atomic<int64_t> lastReport{0};
  const int64_t now = std::chrono::duration_cast<std::chrono::seconds>(
                          std::chrono::steady_clock::now().time_since_epoch())
                          .count();
  int64_t last = lastReport.load();
  if (now > last && lastReport.compare_exchange_strong(last, now)) {
    LogSink::standardError().writeLine(
        "brambletop-scored: score table: " + std::string(error.what()) + "\n");
  }
}

}  // namespace

ScoreReply ScoreService::handle(const ScoreRequest& request) {
  if (request.path != kScorePath) return {404, "no such path\n"};
  if (request.method != "POST") return {405, "only POST is accepted\n"};
  if (request.bodySize > kMaxBodyBytes) return {413, "the body is over 1024 bytes\n"};
  auto parsed = parseScoreQuery(request.query);
  if (auto* error = std::get_if<QueryError>(&parsed)) return {400, error->reason + "\n"};
  const ScoreQuery& query = std::get<ScoreQuery>(parsed);
  try {
    if (query.submission) {
      const ScoreSubmission& s = *query.submission;
      if (!limit_.allow(request.clientAddress, SubmissionRateLimit::Clock::now())) {
        return {429, "more than 30 scores a minute from this address\n"};
      }
      if (!checkValueMatches(s)) return {403, "special does not match the score\n"};
      store_.record({query.game, s.name, s.score});
    }
    return {200, formatScoreTable(store_.topTen(query.game))};
  } catch (const StoreError& error) {
    reportStoreError(error);
    return {503, "the score table cannot be reached now\n"};
  }
}

}  // namespace bt::scored
