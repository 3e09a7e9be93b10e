#pragma once
// The score server's world-records replies (net/protocol/RecordsProtocol.h),
// read safely: one record a line ("COUNT NAME" for a level's table, "LEVEL
// COUNT NAME" and "players LEVEL AT ALL" for each level's best), items
// separated by single spaces, lines by '\n'. A line that does
// not match exactly (a number out of range, a name of other than 1 to 15
// of A-Z 0-9, anything more) is skipped, and so is a level given twice;
// reading stops after the lines a reply may hold. Pure: safe on any bytes.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bt {

// The most keys a record may count, and the highest level number read.
inline constexpr int32_t kMaxRecordMoves = 1000;
inline constexpr int32_t kMaxRecordLevel = 999;

struct LevelRecord {
  int32_t moves = 0;
  std::string name;
  bool operator==(const LevelRecord&) const = default;
};

struct WorldRecord {
  int32_t level = 0;  // from 1
  LevelRecord best;
  bool operator==(const WorldRecord&) const = default;
};

// Whether the text is a name the server keeps: 1 to 15 of A-Z 0-9.
bool isRecordName(std::string_view text);

// How many players hold a level's fewest moves, and how many solved it.
struct WorldRecordPlayers {
  int32_t level = 0;  // from 1
  int64_t atBest = 0;
  int64_t players = 0;
  bool operator==(const WorldRecordPlayers&) const = default;
};

// The "COUNT NAME" lines of a level's table, as sent (the first names to
// reach its fewest moves; an older server's ten best); at most ten.
std::vector<LevelRecord> parseLevelRecords(std::string_view body);
// Each level's best, as sent; at most one per level, at most kMaxRecordLevel.
std::vector<WorldRecord> parseWorldRecords(std::string_view body);
// The same reply's "players LEVEL AT ALL" lines, AT from 1 to ALL; at most
// one per level. None from an older server.
std::vector<WorldRecordPlayers> parseWorldRecordPlayers(std::string_view body);

}  // namespace bt
