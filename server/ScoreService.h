#pragma once
// What the server answers, apart from HTTP itself: the path and method are
// checked, the query and body read, a submission limited, checked (a score
// by replaying its proof, a world record by replaying its moves) and stored,
// and the table returned. Every refusal has its status and a one-line reason
// and changes nothing.
//
//   POST /highscorescript/highscore.asp?QUERY   the score table (ScoreQuery)
//   GET  /records/brambletop                    each level's best (RecordsText)
//   GET  /records/brambletop/N                  level N's ten best
//   POST /records/brambletop/N  name=NAME&moves=MOVES   record, then as GET
//   GET  /records/brambletop/daily              the last 30 daily puzzles
//   GET  /records/brambletop/ID                 puzzle ID's ten best
//   POST /records/brambletop/ID name=NAME&moves=MOVES   record of a daily
//                                               puzzle of the last 30 days
//                                               (DailyPuzzles), then as GET
//   GET  /scores                                the tables as HTML, when asked
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "DailyPuzzles.h"
#include "ScoreStore.h"
#include "ScoresPage.h"
#include "SubmissionRateLimit.h"
#include "query/SubmissionBody.h"

namespace bt::scored {

// The body of any path but the score path and the records paths.
inline constexpr size_t kMaxBodyBytes = 1024;
// The largest of all paths' limits: the score path's, which holds a proof.
inline constexpr size_t kLargestBodyBytes = kMaxScoreBodyBytes;
// The page of the tables, served beside the web page.
inline constexpr std::string_view kScoresPagePath = "/scores";

// The largest body a request to `path` may carry.
size_t bodyLimitFor(std::string_view path);

struct ScoreRequest {
  std::string_view method;
  std::string_view path;
  std::string_view query;  // after '?', still percent-encoded
  std::string_view body;
  size_t bodySize = 0;  // as declared, before the body is read
  std::string clientAddress;
};

struct ScoreReply {
  int status = 200;
  std::string body;            // text/plain
  const char* allow = "POST";  // the methods a 405 names
  const char* contentType = "text/plain";
  const char* securityPolicy = nullptr;  // Content-Security-Policy, for a page
};

class ScoreService {
 public:
  // Without `acceptUnproven`, a score whose body holds no proof is refused;
  // with it, the check value alone lets it in, as for the phone's client.
  // The daily puzzles follow `clock` (the system clock when none is given).
  ScoreService(ScoreStore& store, SubmissionRateLimit& limit, bool acceptUnproven = false,
               DailyPuzzles::Clock clock = {})
      : store_(store), limit_(limit), puzzles_(std::move(clock)), acceptUnproven_(acceptUnproven) {}

  // Answers GET /scores with the tables as an HTML page (ScoresPage).
  void serveScoresPage() { scoresPage_ = true; }

  // What the head alone decides, before the body is read (its declared
  // size in `bodySize`, the body itself empty): a refusal with its reason
  // (the path, the method, a body over the path's limit, a malformed query,
  // a submission past its limit or with a wrong check value); or nothing,
  // and then a submission has been counted against its limit and answer()
  // is to follow with the body.
  std::optional<ScoreReply> refuseHead(const ScoreRequest& head);
  // The answer to a request whose head refuseHead() let through.
  ScoreReply answer(const ScoreRequest& request);
  // Both, for a request whole at hand.
  ScoreReply handle(const ScoreRequest& request);
  // The server is stopping: a daily puzzle being made is given up.
  void stopWaiting() { puzzles_.stop(); }
  const DailyPuzzles& dailyPuzzles() const { return puzzles_; }
  DailyPuzzles& dailyPuzzles() { return puzzles_; }

 private:
  std::optional<ScoreReply> refuseScoreHead(const ScoreRequest& head);
  ScoreReply answerScore(const ScoreRequest& request);
  std::optional<ScoreReply> refuseRecordsHead(const ScoreRequest& head, const RecordsPath& path);
  ScoreReply answerRecords(const ScoreRequest& request, const RecordsPath& path);
  // POST of a record: nothing when it may be kept; else the refusal.
  std::optional<ScoreReply> refuseRecord(const RecordsPath& path, const RecordSubmission& record);
  ScoreReply scoresPage();
  std::vector<DailyTable> dailyTables();

  ScoreStore& store_;
  SubmissionRateLimit& limit_;
  SubmissionRateLimit recordLimit_;  // world records count apart from scores
  DailyPuzzles puzzles_;
  bool acceptUnproven_;
  bool scoresPage_ = false;
};

}  // namespace bt::scored
