#pragma once
// The player's best of each daily puzzle, kept in "daily.dat" beside the
// records: the day, the puzzle's id, its par, the fewest moves it was solved
// in and those moves, whether it was also solved after a hint (a hinted
// solve never sets a best), and whether that best was sent to the score
// server. A best is only taken when its moves solve the puzzle from its
// start.
//
// The file holds, framed as storage/FramedFile.h says (no magic, a version
// byte, the sum): the version (1), the number of days (2 bytes, least
// significant first), then for each day its date ("YYYY-MM-DD", 10 bytes),
// the id's length (1 byte) and the id, a flags byte (1 solved, 2 solved
// after a hint, 4 the best was sent), par (1 byte), the best's length (2
// bytes) and its moves (U D L R < >). Anything else is a damaged file. It
// keeps the latest kMostDays days.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "game/Level.h"

namespace bt {

struct DailyBest {
  std::string date;  // "YYYY-MM-DD" (UTC)
  std::string id;    // the day's puzzle id
  int par = 0;       // as the puzzle was made
  bool solved = false;
  bool hinted = false;
  bool sent = false;  // this best reached the score server
  std::string moves;  // the best's moves, when solved
  int best() const { return static_cast<int>(moves.size()); }
  friend bool operator==(const DailyBest&, const DailyBest&) = default;
};

class DailyBook {
 public:
  static constexpr size_t kMostDays = 400;

  // The day's entry, if it has one.
  const DailyBest* day(std::string_view date) const;
  // A solve of the day's puzzle (level, as made, with its par) in these
  // moves: a first or a better best unless hinted, when they solve the level
  // from its start. True when anything changed (and the file should be
  // written).
  bool noteSolve(std::string_view date, std::string_view id, const Level& level, int par,
                 std::string_view moves, bool hinted);
  // The bests not sent to the score server yet, oldest first: for the score
  // exchange, which marks each with markSent once the server took it.
  std::vector<DailyBest> unsent() const;
  // The day's best was sent; false (nothing changes) when the day has no
  // best of these moves (a better one came meanwhile).
  bool markSent(std::string_view date, std::string_view moves);

  const std::vector<DailyBest>& days() const { return days_; }

  std::vector<uint8_t> encode() const;
  static std::optional<DailyBook> decode(std::span<const uint8_t> bytes);
  // The longest file encode can write.
  static size_t maxFileBytes();

 private:
  DailyBest& dayFor(std::string_view date, std::string_view id, int par);

  std::vector<DailyBest> days_;  // by date, oldest first
};

}  // namespace bt
