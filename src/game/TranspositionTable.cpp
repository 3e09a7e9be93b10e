#include "game/TranspositionTable.h"

namespace bt::puzzle {

TranspositionTable::TranspositionTable(int bits)
    : bits_(bits), entries_(size_t{1} << bits), mask_((uint64_t{1} << bits) - 1) {}

bool TranspositionTable::reachedBefore(uint64_t key, int cost) {
  Entry& entry = entries_[(key ^ (key >> 29)) & mask_];
  if (entry.key == key && entry.round == round_ && entry.cost <= cost) return true;
  entry = {key, round_, cost};
  return false;
}

}  // namespace bt::puzzle
