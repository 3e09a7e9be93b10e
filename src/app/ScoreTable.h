#pragma once
// The local table of ten high scores and the initials typed last, kept in
// "highscores.dat" (216 bytes: the initials, then ten names with scores).
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

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

// What loadScores found at the path.
enum class ScoresFile {
  Missing,     // nothing there: the table is unchanged
  Read,        // the fields it holds whole are set
  Unreadable,  // it exists but cannot be read: unchanged, and left alone
};

// A missing file leaves t unchanged; a short one sets the fields it holds
// whole and leaves the rest. Names are cut to 15 characters. A file that
// exists but cannot be read (no permission, a folder, a device) is named in
// one warning line.
ScoresFile loadScores(ScoreTable& t, const std::string& path);
// Replaces the file atomically; false (and the reason in whyNot) when it
// could not be written. Something at path that cannot be read, or is no
// file (a device, a FIFO), is never replaced.
bool saveScores(const ScoreTable& t, const std::string& path, std::string* whyNot = nullptr);

}  // namespace bt
