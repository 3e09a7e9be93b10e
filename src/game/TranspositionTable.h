#pragma once
// Remembers the positions one round of the solver's deepening search has
// already explored, and at what cost, so that turns reached again in another
// order (two turns on rings that do not overlap commute) are not searched
// twice. Fixed size: a newer entry replaces an older one on the same slot, so
// the table only ever saves work and never holds a wrong answer.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace bt::puzzle {

class TranspositionTable {
 public:
  // 2^bits entries of 16 bytes.
  explicit TranspositionTable(int bits = 20);

  int bits() const { return bits_; }
  // Starts a round: what earlier rounds stored no longer prunes.
  void nextRound() { ++round_; }
  // True when this round has already reached `key` at a cost no higher than
  // `cost`; otherwise records the cost and returns false.
  bool reachedBefore(uint64_t key, int cost);

 private:
  struct Entry {
    uint64_t key = 0;
    uint32_t round = 0;
    int32_t cost = 0;
  };
  int bits_;
  std::vector<Entry> entries_;
  uint64_t mask_;
  uint32_t round_ = 1;
};

}  // namespace bt::puzzle
