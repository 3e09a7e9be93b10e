#include "net/ExchangeExtras.h"

#include <charconv>

#include "net/RecordsRequest.h"
#include "net/protocol/RecordsProtocol.h"

namespace bt {

namespace {

constexpr int kOkStatus = 200;

// The score server's refusals of a record itself (malformed, not solving,
// too long), which sending it again would not change. Anything else (a
// time-out, too many requests, a daily record of a day the server has not
// reached ("not yet", 425), the server's own troubles, or a server
// without the records' paths, 404 or 405) leaves it to be sent again, since
// a record marked settled is never sent again.
bool refusedForGood(int status) {
  return status == 400 || status == 403 || status == 413;
}

}  // namespace

RecordSubmission levelRecord(int32_t level, std::string name, std::string moves) {
  return {std::to_string(level), std::move(name), std::move(moves)};
}

RecordSubmission puzzleRecord(std::string puzzleId, std::string name, std::string moves) {
  return {std::move(puzzleId), std::move(name), std::move(moves)};
}

std::optional<int32_t> levelOf(const RecordSubmission& record) {
  const std::string& key = record.key;
  if (key.empty() || key.size() > 4 || key.front() == '0') return std::nullopt;
  int32_t level = 0;
  const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), level);
  if (error != std::errc() || end != key.data() + key.size()) return std::nullopt;
  return level;
}

std::vector<RequestPlan> planExtras(std::string_view gameId, const ExchangeExtras& extras) {
  std::vector<RequestPlan> plans;
  for (size_t i = 0; i < extras.records.size() && i < kMaxRecordsPerExchange; ++i) {
    const RecordSubmission& record = extras.records[i];
    RequestPlan plan;
    plan.kind = RequestPlan::Kind::Record;
    plan.path = recordsPath(gameId, record.key);
    plan.body = recordBody(record.name, record.moves);
    plan.record = i;
    plans.push_back(std::move(plan));
  }
  if (extras.fetchWorldRecords) {
    RequestPlan plan;
    plan.kind = RequestPlan::Kind::WorldRecords;
    plan.method = "GET";
    plan.path = worldRecordsPath(gameId);
    plan.maxBody = kMaxLevelBestsReplyBytes;
    plans.push_back(std::move(plan));
  }
  return plans;
}

ExtrasOutcome outcomeBefore(const ExchangeExtras& extras) {
  ExtrasOutcome outcome;
  outcome.records.assign(extras.records.size(), RecordOutcome::NotSent);
  return outcome;
}

void noteExtra(const RequestPlan& plan, const platform::HttpResponse& response,
               ExtrasOutcome& outcome) {
  switch (plan.kind) {
    case RequestPlan::Kind::Record:
      if (plan.record >= outcome.records.size()) return;
      if (response.status == kOkStatus) {
        outcome.records[plan.record] = RecordOutcome::Kept;
      } else if (refusedForGood(response.status)) {
        outcome.records[plan.record] = RecordOutcome::Refused;
      }
      return;
    case RequestPlan::Kind::WorldRecords:
      if (response.status == kOkStatus) {
        outcome.worldRecords = parseWorldRecords(response.body);
        outcome.worldRecordPlayers = parseWorldRecordPlayers(response.body);
      }
      return;
    case RequestPlan::Kind::Own:
      return;
  }
}

}  // namespace bt
