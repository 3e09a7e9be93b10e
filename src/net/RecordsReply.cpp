#include "net/RecordsReply.h"

#include <charconv>
#include <set>

#include "net/protocol/RecordsProtocol.h"

namespace bt {

namespace {

constexpr size_t kLevelRecordLines = 10;
constexpr size_t kMaxNameLength = 15;

// A whole decimal number from 1 to `most`, without sign or leading zero.
bool readCount(std::string_view text, int32_t most, int32_t& value) {
  if (text.empty() || text.front() == '0' || text.size() > 10) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value >= 1 && value <= most;
}

// The items of one line between single spaces.
std::vector<std::string_view> itemsOf(std::string_view line) {
  std::vector<std::string_view> items;
  for (;;) {
    const size_t space = line.find(' ');
    items.push_back(line.substr(0, space));
    if (space == std::string_view::npos) return items;
    line.remove_prefix(space + 1);
  }
}

// Calls `take` with each line's items until it says it has enough.
template <typename Take>
void forEachLine(std::string_view body, Take take) {
  while (!body.empty()) {
    const size_t end = body.find('\n');
    if (!take(itemsOf(body.substr(0, end)))) return;
    if (end == std::string_view::npos) return;
    body.remove_prefix(end + 1);
  }
}

// A count of players: 1 to a trillion, as readCount reads it.
bool readPlayers(std::string_view text, int64_t& value) {
  constexpr int64_t kMostPlayers = 1'000'000'000'000;
  if (text.empty() || text.front() == '0' || text.size() > 13) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value >= 1 &&
         value <= kMostPlayers;
}

bool readRecord(std::string_view count, std::string_view name, LevelRecord& record) {
  if (!readCount(count, kMaxRecordMoves, record.moves) || !isRecordName(name)) return false;
  record.name = std::string(name);
  return true;
}

}  // namespace

bool isRecordName(std::string_view text) {
  if (text.empty() || text.size() > kMaxNameLength) return false;
  for (char c : text) {
    if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
  }
  return true;
}

std::vector<LevelRecord> parseLevelRecords(std::string_view body) {
  std::vector<LevelRecord> records;
  forEachLine(body, [&](const std::vector<std::string_view>& items) {
    LevelRecord record;
    if (items.size() == 2 && readRecord(items[0], items[1], record)) records.push_back(record);
    return records.size() < kLevelRecordLines;
  });
  return records;
}

std::vector<WorldRecord> parseWorldRecords(std::string_view body) {
  std::vector<WorldRecord> records;
  std::set<int32_t> levels;
  forEachLine(body, [&](const std::vector<std::string_view>& items) {
    WorldRecord record;
    if (items.size() == 3 && readCount(items[0], kMaxRecordLevel, record.level) &&
        readRecord(items[1], items[2], record.best) && levels.insert(record.level).second) {
      records.push_back(record);
    }
    return records.size() < static_cast<size_t>(kMaxRecordLevel);
  });
  return records;
}

std::vector<WorldRecordPlayers> parseWorldRecordPlayers(std::string_view body) {
  std::vector<WorldRecordPlayers> counts;
  std::set<int32_t> levels;
  forEachLine(body, [&](const std::vector<std::string_view>& items) {
    WorldRecordPlayers count;
    if (items.size() == 4 && items[0] == kPlayersWord &&
        readCount(items[1], kMaxRecordLevel, count.level) && readPlayers(items[2], count.atBest) &&
        readPlayers(items[3], count.players) && count.atBest <= count.players &&
        levels.insert(count.level).second) {
      counts.push_back(count);
    }
    return counts.size() < static_cast<size_t>(kMaxRecordLevel);
  });
  return counts;
}

}  // namespace bt
