#pragma once
// A score store in memory for the server's parts, that can be made to fail.
// Records keep each name's fewest moves per level or puzzle, ranked as the backends
// rank them (fewest first, then who reached it first).
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
  std::vector<MovesEntry> recordsOf(const std::string&, const std::string& board) override {
    if (failing) throw StoreError("down");
    std::vector<Kept> kept;
    for (const auto& [key, k] : records) {
      if (key.first == board) kept.push_back(k);
    }
    std::sort(kept.begin(), kept.end(), [](const Kept& a, const Kept& b) {
      return a.entry.moves.size() != b.entry.moves.size()
                 ? a.entry.moves.size() < b.entry.moves.size()
                 : a.order < b.order;
    });
    std::vector<MovesEntry> best;
    for (size_t i = 0; i < kept.size() && i < 10; ++i) best.push_back(kept[i].entry);
    return best;
  }
  std::vector<LevelBest> levelBests(const std::string& game) override {
    std::vector<LevelBest> bests;
    for (int level = 1; level <= 72; ++level) {
      const auto best = recordsOf(game, levelKey(level));
      if (!best.empty()) bests.push_back({level, best.front()});
    }
    return bests;
  }
  std::vector<PuzzleBest> puzzleBests(const std::string& game,
                                      const std::vector<std::string>& puzzles) override {
    std::vector<PuzzleBest> bests;
    for (const std::string& puzzle : puzzles) {
      const auto best = recordsOf(game, puzzle);
      if (!best.empty()) bests.push_back({puzzle, best.front()});
    }
    return bests;
  }
  void recordMoves(const MovesRecord& r) override {
    if (failing) throw StoreError("down");
    auto [it, fresh] = records.try_emplace({r.key, r.name}, Kept{{r.name, r.moves}, ++clock});
    if (!fresh && r.moves.size() < it->second.entry.moves.size()) {
      it->second = Kept{{r.name, r.moves}, clock};
    }
  }

  struct Kept {
    MovesEntry entry;
    int order = 0;
  };
  std::vector<ScoreEntry> entries;
  std::map<std::pair<std::string, std::string>, Kept> records;  // by key and name
  int clock = 0;
  bool failing = false;
};

}  // namespace bt::scored::test
