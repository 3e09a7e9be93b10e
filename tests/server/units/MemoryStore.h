#pragma once
// A score store in memory for the server's parts, that can be made to fail.
// Records keep each name's fewest moves per level or puzzle, and tables are
// counted from them as the backends count them.
#include <algorithm>
#include <map>

#include "ScoreStore.h"

namespace bt::scored::test {

class MemoryStore : public ScoreStore {
 public:
  std::vector<ScoreEntry> topTen(const std::string&) override {
    if (failing) throw StoreError("down");
    return entries;
  }
  void record(const ScoreRecord& r) override {
    if (failing) throw StoreError("down");
    entries.insert(entries.begin(), {r.name, r.score});
  }
  RecordsTable recordsOf(const std::string&, const std::string& board) override {
    if (failing) throw StoreError("down");
    std::vector<Kept> kept;
    for (const auto& [key, k] : records) {
      if (key.first == board) kept.push_back(k);
    }
    std::sort(kept.begin(), kept.end(), [](const Kept& a, const Kept& b) {
      return a.moves.size() != b.moves.size() ? a.moves.size() < b.moves.size() : a.order < b.order;
    });
    RecordsTable table;
    table.players = static_cast<int64_t>(kept.size());
    for (const Kept& k : kept) {
      const int count = static_cast<int>(k.moves.size());
      if (!table.tallies.empty() && table.tallies.back().count == count) {
        ++table.tallies.back().players;
      } else if (table.tallies.size() < kTallyRows) {
        table.tallies.push_back({count, 1});
      }
      if (count == table.tallies.front().count && table.firstToFewest.size() < kFirstNames) {
        table.firstToFewest.push_back(k.name);
      }
    }
    return table;
  }
  BestOf bestOf(const std::string& game, const std::string& key) {
    const RecordsTable table = recordsOf(game, key);
    if (table.tallies.empty()) return {};
    return {table.tallies.front().count, table.firstToFewest.front(), table.tallies.front().players,
            table.players};
  }
  std::vector<LevelBest> levelBests(const std::string& game) override {
    std::vector<LevelBest> bests;
    for (int level = 1; level <= 72; ++level) {
      const BestOf best = bestOf(game, levelKey(level));
      if (best.count > 0) bests.push_back({level, best});
    }
    return bests;
  }
  std::vector<PuzzleBest> puzzleBests(const std::string& game,
                                      const std::vector<std::string>& puzzles) override {
    std::vector<PuzzleBest> bests;
    for (const std::string& puzzle : puzzles) {
      const BestOf best = bestOf(game, puzzle);
      if (best.count > 0) bests.push_back({puzzle, best});
    }
    return bests;
  }
  void recordMoves(const MovesRecord& r) override {
    if (failing) throw StoreError("down");
    auto [it, fresh] = records.try_emplace({r.key, r.name}, Kept{r.name, r.moves, ++clock});
    if (!fresh && r.moves.size() < it->second.moves.size()) {
      it->second = Kept{r.name, r.moves, clock};
    }
  }

  struct Kept {
    std::string name;
    std::string moves;
    int order = 0;  // when the name reached these moves
  };
  std::vector<ScoreEntry> entries;
  std::map<std::pair<std::string, std::string>, Kept> records;  // by key and name
  int clock = 0;
  bool failing = false;
};

}  // namespace bt::scored::test
