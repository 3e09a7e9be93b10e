#include "screens/ScoreTableExchange.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "app/GameProofFile.h"
#include "app/PlayerData.h"
#include "game/LevelData.h"

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

namespace {

// A row the server could have sent: a score the game can make (0 to the
// number of levels) and a name as the table takes one (1 to 15 of A-Z and
// 0-9). A server that sends anything else is not to be trusted further.
bool couldBeTrue(const ScorePair& pair) {
  if (pair.score < 0 || pair.score > kLevelCount) return false;
  const std::string_view name(pair.name.data());
  return !name.empty() && name.size() < kScoreNameBytes &&
         std::all_of(name.begin(), name.end(),
                     [](char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); });
}

}  // namespace

void applyScoreReply(const ScoreReply& reply, ScoreTable& table) {
  for (int i = 0; i < reply.count && i < ScoreTable::kEntries; ++i) {
    const ScorePair& pair = reply.pairs[static_cast<size_t>(i)];
    if (!couldBeTrue(pair)) return;
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
