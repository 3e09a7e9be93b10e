#pragma once
// What a score exchange may send after its own request, and what that
// brought: the player's new world records, of levels and of daily puzzles,
// and a fetch of each level's world best (see net/protocol/RecordsProtocol.h).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "net/RecordsReply.h"
#include "platform/Network.h"

namespace bt {

// At most this many records go in one exchange (the server takes 30 a
// minute from one address); the rest wait for a later one.
inline constexpr size_t kMaxRecordsPerExchange = 25;

// A personal record to send: the moves that solved a level, or a puzzle of
// the endless mode (the daily puzzle's; the server takes those of the last
// 30 days), from its start.
struct RecordSubmission {
  std::string key;  // the level's number from 1 ("12"), or the puzzle's id
  std::string name;
  std::string moves;
};

RecordSubmission levelRecord(int32_t level, std::string name, std::string moves);
// For the daily puzzle: its id as formatPuzzleId writes it ("8c4p7m-2r3ch").
RecordSubmission puzzleRecord(std::string puzzleId, std::string name, std::string moves);
// The level (from 1) a record is for; nullopt for a puzzle's.
std::optional<int32_t> levelOf(const RecordSubmission& record);

struct ExchangeExtras {
  std::vector<RecordSubmission> records;
  bool fetchWorldRecords = false;
};

enum class RecordOutcome {
  NotSent,  // not sent, or no answer that settles it: send it again later
  Kept,     // the server took it (and kept it if it beats the name's best)
  Refused,  // the server will never take it (400, 403, 413: the moves do not solve it)
};

struct ExtrasOutcome {
  std::vector<RecordOutcome> records;                    // one per record asked, in order
  std::optional<std::vector<WorldRecord>> worldRecords;  // when fetched
  // With them, how many players hold each level's best and solved it (none
  // from a server that does not count them).
  std::vector<WorldRecordPlayers> worldRecordPlayers;
};

// One request of an exchange.
struct RequestPlan {
  enum class Kind { Own, Record, WorldRecords };
  Kind kind = Kind::Own;
  std::string method = "POST";
  std::string path;  // with its query
  std::string body;
  size_t maxBody = 1024;
  size_t record = 0;  // Kind::Record: its index in ExchangeExtras::records
};

// The extras' requests in the order they are sent: the records, then the
// fetch.
std::vector<RequestPlan> planExtras(std::string_view gameId, const ExchangeExtras& extras);
// Nothing sent yet.
ExtrasOutcome outcomeBefore(const ExchangeExtras& extras);
// Takes an extra's answer into the outcome.
void noteExtra(const RequestPlan& plan, const platform::HttpResponse& response,
               ExtrasOutcome& outcome);

}  // namespace bt
