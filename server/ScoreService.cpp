#include "ScoreService.h"

#include <atomic>
#include <chrono>

#include "LogSink.h"
#include "RecordsText.h"
#include "ScoreTableText.h"
#include "net/protocol/RecordsProtocol.h"
#include "net/protocol/ScoreCheck.h"
#include "query/ScoreQuery.h"
#include "query/SubmissionBody.h"

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

ScoreReply storeUnreachable(const StoreError& error) {
  reportStoreError(error);
  return {503, "the score table cannot be reached now\n"};
}

// Nothing when the body proves the submitted score; else the refusal.
std::optional<ScoreReply> refuseUnproven(std::string_view body, int32_t score,
                                         bool acceptUnproven) {
  const auto proof = parseProofBody(body);
  if (!proof) {
    if (acceptUnproven) return std::nullopt;
    return ScoreReply{403, "the score has no proof of play\n"};
  }
  if (const auto* error = std::get_if<QueryError>(&*proof)) {
    return ScoreReply{403, "the proof cannot be read: " + error->reason + "\n"};
  }
  const GameProof& game = std::get<GameProof>(*proof);
  if (const auto refusal = checkProof(game)) return ScoreReply{403, refusal->reason + "\n"};
  if (game.levels.size() != static_cast<size_t>(score)) {
    return ScoreReply{403, "the proof solves " + std::to_string(game.levels.size()) +
                               " levels, not " + std::to_string(score) + "\n"};
  }
  return std::nullopt;
}

}  // namespace

size_t bodyLimitFor(std::string_view path) {
  if (path == kScorePath) return kMaxScoreBodyBytes;
  if (path.starts_with("/records/")) return kMaxRecordBodyBytes;
  return kMaxBodyBytes;
}

std::optional<ScoreReply> ScoreService::refuseHead(const ScoreRequest& head) {
  if (const auto records = parseRecordsPath(head.path, kScoreGameId)) {
    return refuseRecordsHead(head, *records);
  }
  if (scoresPage_ && head.path == kScoresPagePath) {
    if (head.method == "GET" || head.method == "HEAD") return std::nullopt;
    return ScoreReply{405, "only GET is accepted\n", "GET, HEAD"};
  }
  if (head.path != kScorePath) return ScoreReply{404, "no such path\n"};
  return refuseScoreHead(head);
}

ScoreReply ScoreService::answer(const ScoreRequest& request) {
  if (const auto records = parseRecordsPath(request.path, kScoreGameId)) {
    return answerRecords(request, *records);
  }
  if (scoresPage_ && request.path == kScoresPagePath) return scoresPage();
  return answerScore(request);
}

ScoreReply ScoreService::handle(const ScoreRequest& request) {
  if (auto refusal = refuseHead(request)) return *refusal;
  return answer(request);
}

std::optional<ScoreReply> ScoreService::refuseScoreHead(const ScoreRequest& head) {
  if (head.method != "POST") return ScoreReply{405, "only POST is accepted\n"};
  if (head.bodySize > kMaxScoreBodyBytes) {
    return ScoreReply{413, "the body is over " + std::to_string(kMaxScoreBodyBytes) + " bytes\n"};
  }
  auto parsed = parseScoreQuery(head.query);
  if (auto* error = std::get_if<QueryError>(&parsed)) return ScoreReply{400, error->reason + "\n"};
  const ScoreQuery& query = std::get<ScoreQuery>(parsed);
  if (!query.submission) return std::nullopt;
  if (!limit_.allow(head.clientAddress, SubmissionRateLimit::Clock::now())) {
    return ScoreReply{429, "more than 30 scores a minute from this address\n"};
  }
  if (!checkValueMatches(*query.submission)) {
    return ScoreReply{403, "special does not match the score\n"};
  }
  return std::nullopt;
}

ScoreReply ScoreService::answerScore(const ScoreRequest& request) {
  auto parsed = parseScoreQuery(request.query);
  if (auto* error = std::get_if<QueryError>(&parsed)) return {400, error->reason + "\n"};
  const ScoreQuery& query = std::get<ScoreQuery>(parsed);
  try {
    if (query.submission) {
      const ScoreSubmission& s = *query.submission;
      if (auto refusal = refuseUnproven(request.body, s.score, acceptUnproven_)) return *refusal;
      store_.record({query.game, s.name, s.score});
    }
    return {200, formatScoreTable(store_.topTen(query.game))};
  } catch (const StoreError& error) {
    return storeUnreachable(error);
  }
}

ScoreReply ScoreService::scoresPage() {
  try {
    return {200,
            renderScoresPage(store_.topTen(kScoreGameId), dailyTables(),
                             store_.levelBests(kScoreGameId)),
            "", "text/html; charset=utf-8", kScoresPagePolicy};
  } catch (const StoreError& error) {
    return storeUnreachable(error);
  }
}

// Today's and yesterday's, each with its par: the first page of a day waits
// for its puzzle to be made.
std::vector<DailyTable> ScoreService::dailyTables() {
  std::vector<DailyTable> tables;
  const std::vector<DailyPuzzles::Day> days = puzzles_.recentDays();
  const char* const names[] = {"Today's", "Yesterday's"};
  for (size_t i = 0; i < 2 && i < days.size(); ++i) {
    DailyTable table{names[i], days[i].date, days[i].id, 0, false, {}};
    if (const auto made = puzzles_.puzzle(days[i].id)) {
      table.par = made->par;
      table.proven = made->proven;
    }
    table.records = store_.recordsOf(kScoreGameId, days[i].id);
    tables.push_back(std::move(table));
  }
  return tables;
}

std::optional<ScoreReply> ScoreService::refuseRecordsHead(const ScoreRequest& head,
                                                          const RecordsPath& path) {
  using Kind = RecordsPath::Kind;
  const bool get = head.method == "GET" || head.method == "HEAD";
  const bool list = path.kind == Kind::LevelBests || path.kind == Kind::DailyList;
  if (list && !get) return ScoreReply{405, "only GET is accepted\n", "GET, HEAD"};
  if (!get && head.method != "POST") {
    return ScoreReply{405, "only GET and POST are accepted\n", "GET, HEAD, POST"};
  }
  if (head.bodySize > kMaxRecordBodyBytes) {
    return ScoreReply{413, "the body is over " + std::to_string(kMaxRecordBodyBytes) + " bytes\n"};
  }
  if (!get && !recordLimit_.allow(head.clientAddress, SubmissionRateLimit::Clock::now())) {
    return ScoreReply{429, "more than 30 records a minute from this address\n"};
  }
  return std::nullopt;
}

ScoreReply ScoreService::answerRecords(const ScoreRequest& request, const RecordsPath& path) {
  using Kind = RecordsPath::Kind;
  try {
    if (path.kind == Kind::LevelBests) {
      return {200, formatLevelBests(store_.levelBests(kScoreGameId))};
    }
    if (path.kind == Kind::DailyList) {
      const std::vector<DailyPuzzles::Day> days = puzzles_.recentDays();
      std::vector<std::string> ids;
      for (const DailyPuzzles::Day& day : days) ids.push_back(day.id);
      return {200, formatDailyList(days, store_.puzzleBests(kScoreGameId, ids))};
    }
    const std::string key = path.kind == Kind::Level ? levelKey(path.level) : path.puzzle;
    if (request.method == "POST") {
      auto parsed = parseRecordBody(request.body);
      if (auto* error = std::get_if<QueryError>(&parsed)) return {400, error->reason + "\n"};
      const RecordSubmission& record = std::get<RecordSubmission>(parsed);
      if (auto refusal = refuseRecord(path, record)) return *refusal;
      store_.recordMoves({kScoreGameId, key, record.name, record.moves});
    }
    return {200, formatRecordsTable(store_.recordsOf(kScoreGameId, key))};
  } catch (const StoreError& error) {
    return storeUnreachable(error);
  }
}

std::optional<ScoreReply> ScoreService::refuseRecord(const RecordsPath& path,
                                                     const RecordSubmission& record) {
  if (path.kind == RecordsPath::Kind::Level) {
    if (replaySolvesLevel(path.level - 1, record.moves)) return std::nullopt;
    return ScoreReply{403, "the moves do not solve level " + std::to_string(path.level) + "\n"};
  }
  // Made once, outside the store's locks; a request waits while it is made.
  const auto puzzle = puzzles_.puzzle(path.puzzle);
  if (!puzzle && !puzzles_.isRecent(path.puzzle)) {
    // A day to come is taken once it is here; only one gone by is refused
    // for good.
    if (const auto day = puzzles_.comingDay(path.puzzle)) {
      return ScoreReply{kRecordTooEarlyStatus,
                        path.puzzle + " is the daily puzzle of " + puzzle::formatDate(*day) +
                            ", after the server's today (" +
                            puzzle::formatDate(puzzles_.recentDays().front().date) +
                            "): send it again then\n"};
    }
    return ScoreReply{403, path.puzzle + " is not the daily puzzle of one of the last " +
                               std::to_string(kDailyDays) + " days\n"};
  }
  if (!puzzle) return ScoreReply{503, "the server is stopping\n"};
  if (replaySolves(puzzle->level, record.moves)) return std::nullopt;
  return ScoreReply{403, "the moves do not solve puzzle " + path.puzzle + "\n"};
}

}  // namespace bt::scored
