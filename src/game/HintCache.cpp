#include "game/HintCache.h"

#include <utility>

namespace bt::puzzle {

uint64_t markersHash(const Position& position) {
  // FNV-1a over the cells.
  uint64_t hash = 0xcbf29ce484222325ULL;
  for (uint8_t marker : position.markers) {
    hash ^= marker;
    hash *= 0x100000001b3ULL;
  }
  return hash;
}

const HintCache::Item* HintCache::findItem(const Position& position) const {
  const auto found = items_.find(markersHash(position));
  if (found == items_.end()) return nullptr;
  for (const Item& item : found->second) {
    if (item.known.cursorX == position.cursorX && item.known.cursorY == position.cursorY &&
        item.markers == position.markers) {
      return &item;
    }
  }
  return nullptr;
}

HintCache::Item* HintCache::findItem(const Position& position) {
  return const_cast<Item*>(std::as_const(*this).findItem(position));
}

const HintCache::Entry* HintCache::find(const Position& position) const {
  const Item* item = findItem(position);
  return item ? &item->known.entry : nullptr;
}

std::vector<HintCache::Known> HintCache::withMarkers(const Position& position) const {
  std::vector<Known> known;
  const auto found = items_.find(markersHash(position));
  if (found == items_.end()) return known;
  for (const Item& item : found->second) {
    if (item.markers == position.markers) known.push_back(item.known);
  }
  return known;
}

bool HintCache::add(const PuzzleBoard& board, const Position& from, std::string_view moves,
                    bool shortest) {
  Position end = from;
  if (!board.play(end, moves) || !board.solved(end)) return false;
  if (count_ + moves.size() > kMostPositions) clear();
  Position position = from;
  const int length = static_cast<int>(moves.size());
  for (int i = 0; i < length; ++i) {
    const Entry entry{moves[i], length - i, shortest};
    if (Item* item = findItem(position)) {
      const Entry& old = item->known.entry;
      const bool better = entry.keysLeft < old.keysLeft ||
                          (entry.keysLeft == old.keysLeft && entry.shortest && !old.shortest);
      if (better) item->known.entry = entry;
    } else {
      items_[markersHash(position)].push_back(
          {position.markers, {position.cursorX, position.cursorY, entry}});
      ++count_;
    }
    board.apply(position, moves[i]);
  }
  return true;
}

std::string HintCache::movesFrom(const PuzzleBoard& board, Position position) const {
  std::string moves;
  while (!board.solved(position)) {
    const Entry* entry = find(position);
    if (!entry) return {};
    moves += entry->key;
    board.apply(position, entry->key);
  }
  return moves;
}

void HintCache::clear() {
  items_.clear();
  count_ = 0;
}

}  // namespace bt::puzzle
