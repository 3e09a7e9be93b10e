#include "app/WorldBests.h"

#include <cstdio>
#include <cstring>

#include "platform/os/FileSystem.h"
#include "platform/os/Quote.h"
#include "platform/os/Warning.h"
#include "storage/ByteWriter.h"
#include "storage/Checksum.h"
#include "storage/LittleEndian.h"
#include "storage/StoredFile.h"

namespace bt {
namespace {

constexpr char kMagic[4] = {'B', 'T', 'W', 'B'};
constexpr uint8_t kVersion = 1;
constexpr size_t kMaxNameLength = 15;
// 72 levels of at most 21 bytes, stored raw at worst, with room.
constexpr size_t kMaxFileBytes = 4096;

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
      !isName(best.name)) {
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
  writer.appendBytes(kMagic, sizeof kMagic);
  writer.appendByte(kVersion);
  uint16_t count = 0;
  for (const auto& best : levels_) count = static_cast<uint16_t>(count + (best ? 1 : 0));
  writer.appendUInt16(count);
  for (size_t i = 0; i < levels_.size(); ++i) {
    if (!levels_[i]) continue;
    const WorldBest& best = *levels_[i];
    writer.appendByte(static_cast<uint8_t>(i + 1));
    writer.appendUInt16(static_cast<uint16_t>(best.moves));
    writer.appendByte(static_cast<uint8_t>(best.name.size()));
    writer.appendBytes(best.name.data(), static_cast<int32_t>(best.name.size()));
  }
  writer.appendInt32(
      static_cast<int32_t>(fnv1a32(writer.data(), static_cast<size_t>(writer.length()))));
  return encodeStored(writer.data(), static_cast<size_t>(writer.length()));
}

std::optional<WorldBests> WorldBests::decode(std::span<const uint8_t> bytes) {
  ByteReader reader;
  if (!decodeStored(bytes.data(), bytes.size(), reader)) return std::nullopt;
  const uint8_t* data = reader.data();
  const size_t length = static_cast<size_t>(reader.length());
  constexpr size_t kHeader = sizeof kMagic + 3;
  if (length < kHeader + 4) return std::nullopt;
  const size_t size = length - 4;
  if (loadLe32(data + size) != fnv1a32(data, size)) return std::nullopt;
  if (std::memcmp(data, kMagic, sizeof kMagic) != 0 || data[4] != kVersion) return std::nullopt;
  const size_t count = loadLe16(data + 5);
  WorldBests bests;
  size_t at = kHeader;
  int lastLevel = 0;
  for (size_t i = 0; i < count; ++i) {
    if (size - at < 4) return std::nullopt;
    const int level = data[at];
    WorldBest best;
    best.moves = loadLe16(data + at + 1);
    const size_t nameLength = data[at + 3];
    at += 4;
    if (level <= lastLevel || size - at < nameLength) return std::nullopt;
    best.name.assign(reinterpret_cast<const char*>(data + at), nameLength);
    if (!bests.set(level - 1, best)) return std::nullopt;
    lastLevel = level;
    at += nameLength;
  }
  if (at != size) return std::nullopt;
  return bests;
}

void WorldBests::load(const std::string& path) {
  *this = WorldBests();
  std::string whyNot;
  const std::optional<std::vector<uint8_t>> bytes = os::readFile(path, kMaxFileBytes, &whyNot);
  if (!bytes) {
    if (os::exists(path)) {
      warn("cannot read " + quote(path) + " (" + whyNot + "); the world's bests are not shown");
    }
    return;
  }
  if (std::optional<WorldBests> read = decode(*bytes)) {
    *this = std::move(*read);
    return;
  }
  const std::string aside = path + ".damaged";
  const bool setAside = std::rename(path.c_str(), aside.c_str()) == 0;
  warn(quote(path) + " is damaged; the world's bests are shown again after the next exchange" +
       (setAside ? " and the file is kept as " + quote(aside) : ""));
}

}  // namespace bt
