#include "app/GameProofFile.h"

#include <cstdio>
#include <cstring>
#include <span>

#include "app/Application.h"
#include "app/DataFiles.h"
#include "platform/os/FileSystem.h"
#include "platform/os/Quote.h"
#include "platform/os/Warning.h"
#include "storage/ByteWriter.h"
#include "storage/StoredFile.h"

namespace bt {

namespace {

constexpr char kMagic[4] = {'B', 'T', 'P', 'F'};
constexpr size_t kHeaderBytes = sizeof kMagic + 4;
// A proof at its longest, compressed at the codec's worst, with room.
constexpr size_t kMaxFileBytes = 2 * kMaxProofTextBytes;

std::vector<uint8_t> contentsOf(const GameProof& proof) {
  const std::string text = formatProof(proof);
  ByteWriter writer;
  writer.appendBytes(kMagic, sizeof kMagic);
  writer.appendInt32(static_cast<int32_t>(proof.levels.size()));
  writer.appendBytes(text.data(), static_cast<int32_t>(text.size()));
  return encodeStored(writer.data(), static_cast<size_t>(writer.length()));
}

// The proof the contents hold, or why they are damaged.
std::optional<GameProof> readContents(std::span<const uint8_t> bytes, std::string& why) {
  if (bytes.size() < kHeaderBytes || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0) {
    why = "it is not a proof of play";
    return std::nullopt;
  }
  const uint32_t count = static_cast<uint32_t>(bytes[4]) | static_cast<uint32_t>(bytes[5]) << 8 |
                         static_cast<uint32_t>(bytes[6]) << 16 |
                         static_cast<uint32_t>(bytes[7]) << 24;
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()) + kHeaderBytes,
                              bytes.size() - kHeaderBytes);
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
  return std::move(*parsed.proof);
}

}  // namespace

void GameProofFile::load() {
  proof_ = GameProof{};
  const std::string path = app_.makeDataPath(kProofFile);
  std::string why;
  const std::optional<std::vector<uint8_t>> file = os::readFile(path, kMaxFileBytes, &why);
  if (!file) {
    if (os::exists(path)) {
      warn("cannot read " + quote(path) + " (" + why + "); this game's score has no proof");
    }
    return;
  }
  ByteReader reader;
  std::optional<GameProof> read;
  if (decodeStored(file->data(), file->size(), reader)) {
    read = readContents(
        std::span<const uint8_t>(reader.data(), static_cast<size_t>(reader.length())), why);
  } else {
    why = "its length is impossible";
  }
  if (read) {
    proof_ = std::move(*read);
    return;
  }
  const std::string aside = path + ".damaged";
  const bool setAside = std::rename(path.c_str(), aside.c_str()) == 0;
  warn(quote(path) + " is damaged (" + why + "); this game's score has no proof" +
       (setAside ? " and the file is kept as " + quote(aside) : ""));
}

void GameProofFile::clear() {
  proof_ = GameProof{};
  write();
}

void GameProofFile::levelSolved(int32_t levelIndex, std::string_view moves) {
  if (levelIndex < 0 || levelIndex >= kLevelCount) return;
  const auto level = static_cast<size_t>(levelIndex);
  // Levels before it that the proof lacks cannot be proven now.
  if (level > proof_.levels.size()) return;
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
  app_.writeDataFile(kProofFile, "the proof of play", contentsOf(proof_));
}

void GameProofFile::cannotKeep(int32_t levelIndex, const std::string& why) {
  warn("the solve of level " + std::to_string(levelIndex + 1) + " cannot be kept as proof (" + why +
       "); the score from it on cannot be proven");
  proof_.levels.resize(static_cast<size_t>(levelIndex));
  write();
}

}  // namespace bt
