#include "app/ScoreTable.h"

#include <algorithm>

#include "storage/ByteReader.h"
#include "storage/ByteWriter.h"

namespace bt {
namespace {

using Name = std::array<char, ScoreTable::kNameBytes>;

// Copies text into name, cut to 15 characters so the terminating zero fits.
void copyName(Name& name, std::string_view text) {
  name.fill(0);
  std::copy_n(text.begin(), std::min(text.size(), name.size() - 1), name.begin());
}

// Reads a name when all its 16 bytes are present; one without a terminator
// within them is cut to 15 characters.
bool readName(ByteReader& reader, Name& name) {
  if (reader.remaining() < static_cast<int32_t>(name.size())) return false;
  reader.readBytes(name.data(), static_cast<int32_t>(name.size()));
  name.back() = 0;
  return true;
}

bool readScore(ByteReader& reader, int32_t& score) {
  if (reader.remaining() < 4) return false;
  score = reader.readInt32();
  return true;
}

}  // namespace

ScoreTable::ScoreTable() {
  for (ScoreEntry& entry : entries) {
    copyName(entry.name, "AAAAAAAAAAAAAAA");
    entry.score = 0;
  }
  lastInitials.fill(0);
}

void ScoreTable::setEntryName(int index, std::string_view text) {
  if (index >= 0 && index < kEntries) copyName(entries[index].name, text);
  copyName(lastInitials, text);
}

ScoreTable decodeScores(std::span<const uint8_t> bytes) {
  // Each field is taken only when all of its bytes are present, so a short
  // file leaves the rest at the defaults.
  ScoreTable t;
  ByteReader reader;
  reader.assign(std::vector<uint8_t>(bytes.begin(), bytes.end()));
  if (!readName(reader, t.lastInitials)) return t;
  for (ScoreEntry& entry : t.entries) {
    if (!readName(reader, entry.name) || !readScore(reader, entry.score)) break;
  }
  return t;
}

std::vector<uint8_t> encodeScores(const ScoreTable& t) {
  ByteWriter out;
  out.appendBytes(t.lastInitials.data(), static_cast<int32_t>(t.lastInitials.size()));
  for (const ScoreEntry& entry : t.entries) {
    out.appendBytes(entry.name.data(), static_cast<int32_t>(entry.name.size()));
    out.appendInt32(entry.score);
  }
  return {out.data(), out.data() + out.length()};
}

}  // namespace bt
