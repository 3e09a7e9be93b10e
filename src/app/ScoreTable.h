#pragma once
// The local table of ten high scores and the initials typed last, kept in
// "highscores.dat" (216 bytes: the initials, then ten names with scores).
#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace bt {

struct ScoreEntry {
  std::array<char, 16> name;  // zero-terminated, at most 15 characters
  int32_t score;
};

class ScoreTable {
 public:
  static constexpr int kEntries = 10;
  static constexpr size_t kNameBytes = 16;

  // Ten entries "AAAAAAAAAAAAAAA" with score 0, nothing highlighted, empty
  // last initials.
  ScoreTable();

  std::array<ScoreEntry, kEntries> entries;
  std::array<char, kNameBytes> lastInitials;

  // Copies text (cut to 15 characters) into the entry's name and into
  // lastInitials. An index outside 0..9 only updates lastInitials.
  void setEntryName(int index, std::string_view text);
  int32_t getHighlighted() const { return highlightedIndex; }
  void setHighlighted(int32_t index) { highlightedIndex = index; }

 private:
  int32_t highlightedIndex = -1;  // not stored in the file
};

inline constexpr size_t kScoreFileBytes = 216;

// The table the file's bytes give: the fields it holds whole are set, and a
// short file leaves the rest at the defaults; names are cut to 15
// characters. The phone's format has no bytes that could be damage.
ScoreTable decodeScores(std::span<const uint8_t> bytes);
// The file's 216 bytes.
std::vector<uint8_t> encodeScores(const ScoreTable& t);

}  // namespace bt
