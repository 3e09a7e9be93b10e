#include "app/RecordBook.h"

#include "game/Replay.h"
#include "game/Ring.h"
#include "storage/ByteWriter.h"
#include "storage/FramedFile.h"

namespace bt {
namespace {

constexpr Framing kFraming{.magic = "", .versioned = true, .summed = true};
constexpr uint8_t kVersion = 2;
// The first version has no flag for a record the server settled.
constexpr uint8_t kVersionBeforeSent = 1;
constexpr uint8_t kReached = 1, kSolved = 2, kHinted = 4, kSent = 8;
// No level's record is anywhere near this long; a longer one is damage.
constexpr size_t kMaxRecordMoves = 4096;

}  // namespace

RecordBook::RecordBook() {
  levels_[0].reached = true;
}

const PersonalRecord& RecordBook::level(int levelIndex) const {
  return levels_.at(static_cast<size_t>(levelIndex));
}

bool RecordBook::markReached(int levelIndex) {
  if (levelIndex < 0 || levelIndex >= kLevelCount) return false;
  PersonalRecord& record = levels_[static_cast<size_t>(levelIndex)];
  if (record.reached) return false;
  record.reached = true;
  return true;
}

bool RecordBook::noteSolve(int levelIndex, std::string_view moves, bool hinted) {
  if (levelIndex < 0 || levelIndex >= kLevelCount) return false;
  // Both are marked, whatever the first answers.
  const bool reached = markReached(levelIndex);
  bool changed = markReached(levelIndex + 1) || reached;
  PersonalRecord& record = levels_[static_cast<size_t>(levelIndex)];
  if (hinted) {
    changed |= !record.hinted;
    record.hinted = true;
    return changed;
  }
  const bool better = !record.solved || moves.size() < record.moves.size();
  if (!better || moves.size() > kMaxRecordMoves || !replaySolvesLevel(levelIndex, moves))
    return changed;
  record.solved = true;
  record.moves = std::string(moves);
  record.sent = false;
  return true;
}

bool RecordBook::markSent(int levelIndex, std::string_view moves) {
  if (levelIndex < 0 || levelIndex >= kLevelCount) return false;
  PersonalRecord& record = levels_[static_cast<size_t>(levelIndex)];
  if (!record.solved || record.sent || record.moves != moves) return false;
  record.sent = true;
  return true;
}

std::vector<uint8_t> RecordBook::encode() const {
  ByteWriter writer;
  writer.appendByte(static_cast<uint8_t>(kLevelCount));
  for (const PersonalRecord& record : levels_) {
    writer.appendByte(static_cast<uint8_t>(
        (record.reached ? kReached : 0) | (record.solved ? kSolved : 0) |
        (record.hinted ? kHinted : 0) | (record.solved && record.sent ? kSent : 0)));
    const std::string moves = record.solved ? record.moves : std::string();
    writer.appendUInt16(static_cast<uint16_t>(moves.size()));
    writer.appendBytes(moves.data(), static_cast<int32_t>(moves.size()));
  }
  return encodeFramed(kFraming, kVersion, {writer.data(), static_cast<size_t>(writer.length())});
}

std::optional<RecordBook> RecordBook::decode(std::span<const uint8_t> bytes) {
  const std::optional<Unframed> framed = decodeFramed(kFraming, bytes);
  if (!framed) return std::nullopt;
  const uint8_t* data = framed->body.data();
  const size_t size = framed->body.size();
  const uint8_t version = framed->version;
  if ((version != kVersion && version != kVersionBeforeSent) || size < 1 ||
      data[0] != kLevelCount) {
    return std::nullopt;
  }
  const uint8_t known = kReached | kSolved | kHinted | (version == kVersion ? kSent : 0);
  RecordBook book;
  size_t at = 1;
  for (PersonalRecord& record : book.levels_) {
    if (size - at < 3) return std::nullopt;
    const uint8_t flags = data[at];
    const size_t length = data[at + 1] | (static_cast<size_t>(data[at + 2]) << 8);
    at += 3;
    if ((flags & ~known) != 0 || length > kMaxRecordMoves || size - at < length ||
        ((flags & kSolved) != 0) != (length > 0) || ((flags & kSent) != 0 && length == 0)) {
      return std::nullopt;
    }
    record.reached = (flags & kReached) != 0 || &record == &book.levels_[0];
    record.solved = (flags & kSolved) != 0;
    record.hinted = (flags & kHinted) != 0;
    record.sent = (flags & kSent) != 0;
    record.moves.assign(reinterpret_cast<const char*>(data + at), length);
    for (char c : record.moves) {
      if (!isMoveLetter(c)) return std::nullopt;
    }
    at += length;
  }
  if (at != size) return std::nullopt;
  return book;
}

size_t RecordBook::maxFileBytes() {
  return maxFramedFileBytes(kFraming, 1 + kLevelCount * (3 + kMaxRecordMoves));
}

}  // namespace bt
