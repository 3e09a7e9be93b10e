#include "screens/ScoreTableExchange.h"

#include <string>

#include "app/GameProofFile.h"
#include "app/PlayerData.h"

namespace bt {

static_assert(kScoreReplyPairs == ScoreTable::kEntries, "a reply fills the whole table");
static_assert(kScoreNameBytes == ScoreTable::kNameBytes, "a reply's names fit the table's");

std::optional<ScoreSubmission> submissionFrom(const ScoreTable& table) {
  const int32_t row = table.getHighlighted();
  if (row < 0 || row >= ScoreTable::kEntries) return std::nullopt;
  const ScoreEntry& entry = table.entries[static_cast<size_t>(row)];
  return ScoreSubmission{std::string(entry.name.data()), entry.score, std::nullopt};
}

std::optional<ScoreSubmission> provenSubmission(PlayerData& player) {
  std::optional<ScoreSubmission> submission = submissionFrom(player.scores());
  if (!submission) return submission;
  GameProofFile proof(player);
  proof.load();
  submission->proof = proof.proofOfScore(submission->score);
  return submission;
}

void applyScoreReply(const ScoreReply& reply, ScoreTable& table) {
  for (int i = 0; i < reply.count && i < ScoreTable::kEntries; ++i) {
    const ScorePair& pair = reply.pairs[static_cast<size_t>(i)];
    ScoreEntry& entry = table.entries[static_cast<size_t>(ScoreTable::kEntries - 1 - i)];
    entry.name = pair.name;
    entry.score = pair.score;
  }
}

bool applyReceived(HighScoreClient& client, ScoreTable& table) {
  const std::optional<ScoreReply> reply = client.takeReceived();
  if (!reply) return false;
  applyScoreReply(*reply, table);
  table.setHighlighted(-1);
  return true;
}

}  // namespace bt
