#pragma once
// The player's personal records, kept in "records.dat" beside the saved game:
// for every level whether it was reached, the fewest moves it was solved in
// and those moves, and whether it was solved only after a hint (a hinted
// solve never sets a record). A record is only taken when its moves solve
// the level from its start through the rules, so a level continued from a
// saved game (whose earlier moves are not known) cannot claim one.
//
// A record is sent to the score server at the next exchange of the online
// score screen; once the server has settled it (took it or refused it for
// good) it is marked sent and not sent again, until a better one replaces it.
//
// The file holds, framed as storage/FramedFile.h says (no magic, a version
// byte, the sum): the version (2), the number of levels (72), then for each
// level a flags byte (1 reached, 2 solved, 4 solved after a hint, 8 the
// record was settled with the score server), the record's length (2 bytes,
// least significant first) and its moves (U D L R < >). Version 1, written
// before records went to the server, is the same without flag 8, and reads
// as records not yet sent. Anything else is a damaged file.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "game/LevelData.h"

namespace bt {

struct PersonalRecord {
  bool reached = false;
  bool solved = false;  // best and moves hold a record
  bool hinted = false;  // solved after a hint at least once
  std::string moves;    // the record's moves
  bool sent = false;    // the score server settled this record
  int best() const { return static_cast<int>(moves.size()); }
};

class RecordBook {
 public:
  // Level 1 is always reached.
  RecordBook();

  const PersonalRecord& level(int levelIndex) const;
  // True when the level was not reached before.
  bool markReached(int levelIndex);
  // A solve of the level in these moves: a first or a better record unless
  // hinted; the next level becomes reached. True when anything changed
  // (and the file should be written).
  bool noteSolve(int levelIndex, std::string_view moves, bool hinted);
  // The score server settled the level's record of these moves: it is not
  // sent again. True when that changed anything (a record since replaced by
  // a better one stays unsent).
  bool markSent(int levelIndex, std::string_view moves);

  std::vector<uint8_t> encode() const;
  static std::optional<RecordBook> decode(std::span<const uint8_t> bytes);
  // The longest file encode can write.
  static size_t maxFileBytes();

 private:
  std::array<PersonalRecord, kLevelCount> levels_{};
};

}  // namespace bt
