#include "net/ExchangeExtras.h"

#include "net/RecordsRequest.h"

namespace bt {

namespace {

constexpr int kOkStatus = 200;
// Each level's best: 72 lines of at most 25 bytes, with room.
constexpr size_t kMaxWorldRecordsReply = 4096;

// Refusals that sending again would not change: a time-out, too many
// requests and the server's own troubles might.
bool refusedForGood(int status) {
  return status >= 400 && status < 500 && status != 408 && status != 429;
}

}  // namespace

std::vector<RequestPlan> planExtras(std::string_view gameId, const ExchangeExtras& extras) {
  std::vector<RequestPlan> plans;
  for (size_t i = 0; i < extras.records.size() && i < kMaxRecordsPerExchange; ++i) {
    const RecordSubmission& record = extras.records[i];
    RequestPlan plan;
    plan.kind = RequestPlan::Kind::Record;
    plan.path = levelRecordsPath(gameId, record.level);
    plan.body = recordBody(record.name, record.moves);
    plan.record = i;
    plans.push_back(std::move(plan));
  }
  if (extras.fetchWorldRecords) {
    RequestPlan plan;
    plan.kind = RequestPlan::Kind::WorldRecords;
    plan.method = "GET";
    plan.path = worldRecordsPath(gameId);
    plan.maxBody = kMaxWorldRecordsReply;
    plans.push_back(std::move(plan));
  }
  return plans;
}

ExtrasOutcome outcomeBefore(const ExchangeExtras& extras) {
  return {std::vector<RecordOutcome>(extras.records.size(), RecordOutcome::NotSent), std::nullopt};
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
      if (response.status == kOkStatus) outcome.worldRecords = parseWorldRecords(response.body);
      return;
    case RequestPlan::Kind::Own:
      return;
  }
}

}  // namespace bt
