#include "app/WorldBests.h"

#include "storage/ByteWriter.h"
#include "storage/FramedFile.h"
#include "storage/LittleEndian.h"

namespace bt {
namespace {

constexpr Framing kFraming{.magic = "BTWB", .versioned = true, .summed = true};
constexpr uint8_t kVersion = 1;
// The counts of players beside each best.
constexpr uint8_t kCountedVersion = 2;
constexpr size_t kMaxNameLength = 15;

bool isName(const std::string& name) {
  if (name.empty() || name.size() > kMaxNameLength) return false;
  for (char c : name) {
    if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
  }
  return true;
}

}  // namespace

bool WorldBests::set(int levelIndex, const WorldBest& best) {
  if (levelIndex < 0 || levelIndex >= kLevelCount || best.moves < 1 || best.moves > 0xFFFF ||
      !isName(best.name) || best.atBest > best.players) {
    return false;
  }
  levels_[static_cast<size_t>(levelIndex)] = best;
  return true;
}

const WorldBest* WorldBests::level(int levelIndex) const {
  if (levelIndex < 0 || levelIndex >= kLevelCount) return nullptr;
  const std::optional<WorldBest>& best = levels_[static_cast<size_t>(levelIndex)];
  return best ? &*best : nullptr;
}

std::vector<uint8_t> WorldBests::encode() const {
  ByteWriter writer;
  uint16_t count = 0;
  bool counted = false;
  for (const auto& best : levels_) {
    count = static_cast<uint16_t>(count + (best ? 1 : 0));
    counted = counted || (best && best->players > 0);
  }
  writer.appendUInt16(count);
  for (size_t i = 0; i < levels_.size(); ++i) {
    if (!levels_[i]) continue;
    const WorldBest& best = *levels_[i];
    writer.appendByte(static_cast<uint8_t>(i + 1));
    writer.appendUInt16(static_cast<uint16_t>(best.moves));
    writer.appendByte(static_cast<uint8_t>(best.name.size()));
    writer.appendBytes(best.name.data(), static_cast<int32_t>(best.name.size()));
    if (counted) {
      writer.appendInt32(static_cast<int32_t>(best.atBest));
      writer.appendInt32(static_cast<int32_t>(best.players));
    }
  }
  return encodeFramed(kFraming, counted ? kCountedVersion : kVersion,
                      {writer.data(), static_cast<size_t>(writer.length())});
}

std::optional<WorldBests> WorldBests::decode(std::span<const uint8_t> bytes) {
  const std::optional<Unframed> framed = decodeFramed(kFraming, bytes);
  if (!framed || (framed->version != kVersion && framed->version != kCountedVersion) ||
      framed->body.size() < 2) {
    return std::nullopt;
  }
  const size_t countBytes = framed->version == kCountedVersion ? 8 : 0;
  const uint8_t* data = framed->body.data();
  const size_t size = framed->body.size();
  const size_t count = loadLe16(data);
  WorldBests bests;
  size_t at = 2;
  int lastLevel = 0;
  for (size_t i = 0; i < count; ++i) {
    if (size - at < 4) return std::nullopt;
    const int level = data[at];
    WorldBest best;
    best.moves = loadLe16(data + at + 1);
    const size_t nameLength = data[at + 3];
    at += 4;
    if (level <= lastLevel || size - at < nameLength + countBytes) return std::nullopt;
    best.name.assign(reinterpret_cast<const char*>(data + at), nameLength);
    at += nameLength;
    if (countBytes > 0) {
      best.atBest = loadLe32(data + at);
      best.players = loadLe32(data + at + 4);
      at += countBytes;
    }
    if (!bests.set(level - 1, best)) return std::nullopt;
    lastLevel = level;
  }
  if (at != size) return std::nullopt;
  return bests;
}

size_t WorldBests::maxFileBytes() {
  return maxFramedFileBytes(kFraming, 2 + kLevelCount * (4 + kMaxNameLength + 8));
}

}  // namespace bt
