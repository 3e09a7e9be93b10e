#include "app/ScoreRanking.h"

#include <array>
#include <cstring>

namespace bt {

namespace {

constexpr const char* kDefaultName = "AAAAAAAAAAAAAAA";

bool sameName(const ScoreEntry& entry, std::string_view name) {
  return std::string_view(entry.name.data(), strnlen(entry.name.data(), entry.name.size())) == name;
}

ScoreEntry defaultRow() {
  ScoreEntry row{};
  std::memcpy(row.name.data(), kDefaultName, std::strlen(kDefaultName));
  return row;
}

}  // namespace

int32_t insertScore(ScoreTable& table, int32_t score) {
  int32_t rank = -1;
  for (int32_t i = 0; i < ScoreTable::kEntries; ++i) {
    if (table.entries[i].score < score) {
      rank = i;
      break;
    }
  }
  if (rank < 0 || table.entries[ScoreTable::kEntries - 1].score >= score) return -1;
  for (int32_t i = ScoreTable::kEntries - 1; i > rank; --i) table.entries[i] = table.entries[i - 1];
  ScoreEntry& row = table.entries[rank];
  row.score = score;
  row.name = table.lastInitials;
  row.name.back() = 0;
  if (row.name[0] == 0) std::memcpy(row.name.data(), kDefaultName, std::strlen(kDefaultName));
  table.setHighlighted(rank);
  return rank;
}

int32_t recordGameScore(ScoreTable& table, int32_t scoreOnEnter, int32_t score) {
  if (score <= scoreOnEnter) return -1;
  return insertScore(table, score);
}

int32_t storeName(ScoreTable& table, int32_t index, std::string_view name) {
  table.setEntryName(index, name);
  if (index < 0 || index >= ScoreTable::kEntries) return -1;
  // Compare with the name as stored (cut to 15 characters).
  const ScoreEntry& stored = table.entries[index];
  const std::string_view storedName(stored.name.data(), strnlen(stored.name.data(), 16));
  int32_t best = index;
  for (int32_t i = 0; i < ScoreTable::kEntries; ++i) {
    const ScoreEntry& row = table.entries[i];
    if (sameName(row, storedName) && (row.score > table.entries[best].score ||
                                      (row.score == table.entries[best].score && i < best))) {
      best = i;
    }
  }
  // One pass: the rows of other names and the best of this one keep their
  // order; default rows fill the bottom and are not compared again.
  std::array<ScoreEntry, ScoreTable::kEntries> kept;
  kept.fill(defaultRow());
  int32_t count = 0;
  int32_t keptBest = -1;
  for (int32_t i = 0; i < ScoreTable::kEntries; ++i) {
    if (i != best && sameName(table.entries[i], storedName)) continue;
    if (i == best) keptBest = count;
    kept[count++] = table.entries[i];
  }
  table.entries = kept;
  table.setHighlighted(keptBest);
  return keptBest;
}

}  // namespace bt
