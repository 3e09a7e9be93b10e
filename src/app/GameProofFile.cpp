#include "app/GameProofFile.h"

#include <span>

#include "app/PlayerData.h"
#include "platform/os/Warning.h"
#include "storage/ByteWriter.h"
#include "storage/FramedFile.h"
#include "storage/LittleEndian.h"

namespace bt {

namespace {

constexpr Framing kProof{.magic = "BTPF", .versioned = false, .summed = false};
// The same with the moves of the level in progress before the text.
constexpr Framing kProofInProgress{.magic = "BTPC", .versioned = false, .summed = false};
constexpr size_t kCountBytes = 4;
constexpr size_t kProgressHeadBytes = 5;  // the flags and the number of moves

bool areProofKeys(std::string_view moves) {
  for (char c : moves) {
    if (!isMoveLetter(c)) return false;
  }
  return true;
}

constexpr uint8_t kHintUsed = 1;

std::vector<uint8_t> fileOf(const GameProof& proof, const LevelInProgress& inProgress) {
  const std::string text = formatProof(proof);
  ByteWriter writer;
  writer.appendInt32(static_cast<int32_t>(proof.levels.size()));
  if (!inProgress.empty()) {
    const std::string& moves = inProgress.moves;
    writer.appendByte(inProgress.hintUsed ? kHintUsed : 0);
    writer.appendInt32(static_cast<int32_t>(moves.size()));
    writer.appendBytes(moves.data(), static_cast<int32_t>(moves.size()));
  }
  writer.appendBytes(text.data(), static_cast<int32_t>(text.size()));
  return encodeFramed(inProgress.empty() ? kProof : kProofInProgress, 0,
                      {writer.data(), static_cast<size_t>(writer.length())});
}

struct Contents {
  GameProof proof;
  LevelInProgress inProgress;
};

// What the file holds, or why it is damaged.
std::optional<Contents> readContents(std::span<const uint8_t> file, std::string& why) {
  std::optional<Unframed> framed = decodeFramed(kProof, file);
  bool withProgress = false;
  if (!framed) {
    framed = decodeFramed(kProofInProgress, file);
    withProgress = framed.has_value();
  }
  if (!framed || framed->body.size() < kCountBytes) {
    why = "it is not a proof of play";
    return std::nullopt;
  }
  std::span<const uint8_t> bytes(framed->body);
  const uint32_t count = loadLe32(bytes.data());
  bytes = bytes.subspan(kCountBytes);
  Contents contents;
  if (withProgress) {
    const uint8_t flags = bytes.empty() ? 0xFF : bytes[0];
    const uint32_t keys = bytes.size() >= kProgressHeadBytes ? loadLe32(bytes.data() + 1) : 0;
    if (bytes.size() < kProgressHeadBytes || (flags & ~kHintUsed) != 0 ||
        keys > kMaxLevelInProgressKeys || bytes.size() - kProgressHeadBytes < keys ||
        (keys == 0 && flags == 0)) {
      why = "the level in progress is cut short or damaged";
      return std::nullopt;
    }
    LevelInProgress& level = contents.inProgress;
    level.hintUsed = (flags & kHintUsed) != 0;
    level.moves.assign(reinterpret_cast<const char*>(bytes.data()) + kProgressHeadBytes, keys);
    if (!areProofKeys(level.moves)) {
      why = "the moves of the level in progress have a byte outside U D L R < >";
      return std::nullopt;
    }
    bytes = bytes.subspan(kProgressHeadBytes + keys);
  }
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  ParsedProof parsed = parseProof(text);
  if (!parsed.proof) {
    why = parsed.refusal;
    return std::nullopt;
  }
  if (parsed.proof->levels.size() != count) {
    why = "it holds " + std::to_string(parsed.proof->levels.size()) + " levels, not " +
          std::to_string(count);
    return std::nullopt;
  }
  if (const auto refusal = checkProof(*parsed.proof)) {
    why = refusal->reason;
    return std::nullopt;
  }
  contents.proof = std::move(*parsed.proof);
  return contents;
}

}  // namespace

void GameProofFile::load() {
  proof_ = GameProof{};
  inProgress_ = {};
  player_.loadProof([&](std::span<const uint8_t> file, std::string& why) {
    std::optional<Contents> read = readContents(file, why);
    if (!read) return false;
    proof_ = std::move(read->proof);
    inProgress_ = std::move(read->inProgress);
    return true;
  });
}

void GameProofFile::clear() {
  proof_ = GameProof{};
  inProgress_ = {};
  write();
}

void GameProofFile::keepLevelInProgress(int32_t levelIndex, const LevelInProgress& level) {
  const bool kept = levelIndex >= 0 && levelIndex < kLevelCount &&
                    static_cast<size_t>(levelIndex) == proof_.levels.size() &&
                    level.moves.size() <= kMaxLevelInProgressKeys && areProofKeys(level.moves);
  LevelInProgress inProgress = kept ? level : LevelInProgress{};
  if (inProgress == inProgress_) return;
  inProgress_ = std::move(inProgress);
  write();
}

void GameProofFile::levelSolved(int32_t levelIndex, std::string_view moves) {
  if (levelIndex < 0 || levelIndex >= kLevelCount) return;
  const auto level = static_cast<size_t>(levelIndex);
  // Levels before it that the proof lacks cannot be proven now.
  if (level > proof_.levels.size()) return;
  inProgress_ = {};
  std::string shortened = shortenLevelMoves(levelIndex, moves);
  if (!replaySolvesLevel(levelIndex, shortened)) {
    return cannotKeep(levelIndex, "its moves do not replay to the solve");
  }
  if (shortened.size() > kMaxProofKeysPerLevel) {
    return cannotKeep(levelIndex, "it took over " + std::to_string(kMaxProofKeysPerLevel) +
                                      " moves even with the detours left out");
  }
  proof_.levels.resize(level);
  proof_.levels.push_back(std::move(shortened));
  if (formatProof(proof_).size() > kMaxProofTextBytes) {
    return cannotKeep(levelIndex,
                      "the proof would be over " + std::to_string(kMaxProofTextBytes) + " bytes");
  }
  write();
}

std::optional<std::string> GameProofFile::proofOfScore(int32_t score) const {
  if (score < 0 || static_cast<size_t>(score) > proof_.levels.size()) return std::nullopt;
  GameProof first;
  first.levels.assign(proof_.levels.begin(), proof_.levels.begin() + score);
  return formatProof(first);
}

void GameProofFile::write() {
  player_.writeProof(fileOf(proof_, inProgress_));
}

size_t GameProofFile::maxFileBytes() {
  return maxFramedFileBytes(kProofInProgress, kCountBytes + kProgressHeadBytes +
                                                  kMaxLevelInProgressKeys + kMaxProofTextBytes);
}

void GameProofFile::cannotKeep(int32_t levelIndex, const std::string& why) {
  warn("the solve of level " + std::to_string(levelIndex + 1) + " cannot be kept as proof (" + why +
       "); the score from it on cannot be proven");
  proof_.levels.resize(static_cast<size_t>(levelIndex));
  inProgress_ = {};
  write();
}

}  // namespace bt
