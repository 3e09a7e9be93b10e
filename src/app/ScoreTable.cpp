#include "app/ScoreTable.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "platform/os/FileSystem.h"
#include "platform/os/Quote.h"
#include "platform/os/Warning.h"
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

ScoresFile loadScores(ScoreTable& t, const std::string& path) {
  std::string whyNot;
  std::optional<std::vector<uint8_t>> bytes = os::readFile(path, 256u << 20, &whyNot);
  if (!bytes) {
    if (!os::exists(path)) return ScoresFile::Missing;
    warn("cannot read " + quote(path) + " (" + whyNot +
         "); the default score table is used, and the file is left as it is: no score of this "
         "run is kept in it");
    return ScoresFile::Unreadable;
  }
  // Each field is taken only when all of its bytes are present, so a short
  // file leaves the rest unchanged.
  ByteReader reader;
  reader.assign(std::move(*bytes));
  if (!readName(reader, t.lastInitials)) return ScoresFile::Read;
  for (ScoreEntry& entry : t.entries) {
    if (!readName(reader, entry.name) || !readScore(reader, entry.score)) break;
  }
  return ScoresFile::Read;
}

bool saveScores(const ScoreTable& t, const std::string& path, std::string* whyNot) {
  ByteWriter out;
  out.appendBytes(t.lastInitials.data(), static_cast<int32_t>(t.lastInitials.size()));
  for (const ScoreEntry& entry : t.entries) {
    out.appendBytes(entry.name.data(), static_cast<int32_t>(entry.name.size()));
    out.appendInt32(entry.score);
  }
  return os::writeFileAtomically(path, out.data(), static_cast<size_t>(out.length()), whyNot,
                                 os::Replace::ReadableFile);
}

}  // namespace bt
