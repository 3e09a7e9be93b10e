// The readers of proofs of play and of world records, on arbitrary bytes:
// the game's proof text and the shortening of a level's moves, the server's
// score and record bodies and records paths, and the client's records
// replies. None may crash; what each accepts must be within its documented
// bounds and read the same again once written back out. The first byte
// chooses the reader, the second a level where one is needed.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "game/GameProof.h"
#include "game/PuzzleId.h"
#include "net/RecordsReply.h"
#include "net/RecordsRequest.h"
#include "query/SubmissionBody.h"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

void proofText(std::string_view text) {
  const bt::ParsedProof parsed = bt::parseProof(text);
  require(parsed.proof.has_value() != !parsed.refusal.empty());
  if (!parsed.proof) return;
  require(parsed.proof->levels.size() <= static_cast<size_t>(bt::kLevelCount));
  for (const std::string& level : parsed.proof->levels) {
    require(!level.empty() && level.size() <= bt::kMaxProofKeysPerLevel);
  }
  require(bt::formatProof(*parsed.proof) == text);
  (void)bt::checkProof(*parsed.proof);
}

void shortening(int32_t level, std::string_view moves) {
  const std::string shortened = bt::shortenLevelMoves(level, moves);
  require(shortened.size() <= moves.size());
  for (char c : shortened) require(bt::isMoveLetter(c));
  if (bt::replaySolvesLevel(level, moves)) require(bt::replaySolvesLevel(level, shortened));
}

void scoreBody(std::string_view body) {
  const auto proof = bt::scored::parseProofBody(body);
  if (!proof) {
    require(!body.starts_with(bt::scored::kProofField));
    return;
  }
  const auto* read = std::get_if<bt::GameProof>(&*proof);
  if (!read) return;
  // What the game would send for it reads back the same.
  const auto again = bt::scored::parseProofBody(bt::scoreBody(bt::formatProof(*read)));
  require(again && std::get_if<bt::GameProof>(&*again) && std::get<bt::GameProof>(*again) == *read);
}

void recordBody(std::string_view body) {
  const auto parsed = bt::scored::parseRecordBody(body);
  const auto* record = std::get_if<bt::scored::RecordSubmission>(&parsed);
  if (!record) {
    require(!std::get<bt::scored::QueryError>(parsed).reason.empty());
    return;
  }
  require(!record->name.empty() && record->name.size() <= bt::scored::kMaxNameLength);
  require(!record->moves.empty() && record->moves.size() <= bt::kMaxProofKeysPerLevel);
  for (char c : record->moves) require(bt::isMoveLetter(c));
  const auto again = bt::scored::parseRecordBody(bt::recordBody(record->name, record->moves));
  const auto* reread = std::get_if<bt::scored::RecordSubmission>(&again);
  require(reread && reread->name == record->name && reread->moves == record->moves);
}

void recordsPath(std::string_view path) {
  using Kind = bt::scored::RecordsPath::Kind;
  const auto read = bt::scored::parseRecordsPath(path, "brambletop");
  if (!read) return;
  std::string again;
  switch (read->kind) {
    case Kind::LevelBests:
      again = bt::worldRecordsPath("brambletop");
      break;
    case Kind::Level:
      require(read->level >= 1 && read->level <= bt::kLevelCount);
      again = bt::levelRecordsPath("brambletop", read->level);
      break;
    case Kind::DailyList:
      again = bt::dailyRecordsPath("brambletop");
      break;
    case Kind::Puzzle:
      require(bt::puzzle::parsePuzzleId(read->puzzle).has_value());
      again = bt::recordsPath("brambletop", read->puzzle);
      break;
  }
  require(again == path);
}

void recordsReplies(std::string_view body) {
  std::string lines;
  const auto ten = bt::parseLevelRecords(body);
  require(ten.size() <= 10);
  for (const bt::LevelRecord& r : ten) {
    require(r.moves >= 1 && r.moves <= bt::kMaxRecordMoves && !r.name.empty());
    lines += std::to_string(r.moves) + " " + r.name + "\n";
  }
  require(bt::parseLevelRecords(lines) == ten);
  lines.clear();
  const auto best = bt::parseWorldRecords(body);
  for (const bt::WorldRecord& r : best) {
    require(r.level >= 1 && r.level <= bt::kMaxRecordLevel);
    lines +=
        std::to_string(r.level) + " " + std::to_string(r.best.moves) + " " + r.best.name + "\n";
  }
  require(bt::parseWorldRecords(lines) == best);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data) + 2, size - 2);
  const auto level = static_cast<int32_t>(data[1] % bt::kLevelCount);
  switch (data[0] % 6) {
    case 0:
      proofText(text);
      break;
    case 1:
      // Long plays are the game's, not an input's: a few thousand keys say
      // all a fuzzer can.
      if (text.size() <= 4096) shortening(level, text);
      break;
    case 2:
      scoreBody(text);
      break;
    case 3:
      recordBody(text);
      break;
    case 4:
      recordsPath(text);
      break;
    default:
      recordsReplies(text);
      break;
  }
  return 0;
}
