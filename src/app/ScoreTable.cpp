#include "app/ScoreTable.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "platform/os/FileSystem.h"

namespace bt {
namespace {

using Name = std::array<char, ScoreTable::kNameBytes>;

// Copies text into name, cut to 15 characters so the terminating zero fits.
void copyName(Name& name, std::string_view text) {
  name.fill(0);
  std::copy_n(text.begin(), std::min(text.size(), name.size() - 1), name.begin());
}

// Reads the file's fields in order; each field is taken only when all of
// its bytes are present, so a short file leaves the rest unchanged.
class FieldReader {
 public:
  explicit FieldReader(const std::vector<uint8_t>& bytes) : bytes_(bytes) {}

  // A name without a terminator within its 16 bytes is cut to 15 characters.
  bool readName(Name& name) {
    if (!has(name.size())) return false;
    std::memcpy(name.data(), &bytes_[position_], name.size());
    name.back() = 0;
    position_ += name.size();
    return true;
  }

  bool readInt32(int32_t& value) {
    if (!has(4)) return false;
    uint32_t bits = 0;
    for (int i = 3; i >= 0; --i) bits = (bits << 8) | bytes_[position_ + i];
    value = static_cast<int32_t>(bits);
    position_ += 4;
    return true;
  }

 private:
  bool has(size_t n) const { return bytes_.size() - position_ >= n; }

  const std::vector<uint8_t>& bytes_;
  size_t position_ = 0;
};

void appendInt32(std::vector<uint8_t>& out, int32_t value) {
  uint32_t bits = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(bits >> (8 * i)));
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

bool loadScores(ScoreTable& t, const std::string& path) {
  std::optional<std::vector<uint8_t>> bytes = os::readFile(path);
  if (!bytes) return false;
  FieldReader reader(*bytes);
  if (!reader.readName(t.lastInitials)) return true;
  for (ScoreEntry& entry : t.entries) {
    if (!reader.readName(entry.name) || !reader.readInt32(entry.score)) break;
  }
  return true;
}

bool saveScores(const ScoreTable& t, const std::string& path) {
  std::vector<uint8_t> bytes;
  bytes.reserve(kScoreFileBytes);
  bytes.insert(bytes.end(), t.lastInitials.begin(), t.lastInitials.end());
  for (const ScoreEntry& entry : t.entries) {
    bytes.insert(bytes.end(), entry.name.begin(), entry.name.end());
    appendInt32(bytes, entry.score);
  }
  return os::writeFileAtomically(path, bytes);
}

}  // namespace bt
