#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

#include "game/LevelData.h"
#include "game/PuzzleBoard.h"
#include "game/PuzzleScramble.h"
#include "game/Solver.h"

namespace bt::puzzle {
namespace {

constexpr char kKeys[] = {kUp, kDown, kLeft, kRight, kTurnLeft, kTurnRight};

// A position as a number: its markers in cell order, then its cursor.
uint64_t codeOf(const Position& position) {
  uint64_t code = 0;
  for (int cell = 0; cell < kCells; ++cell) {
    if (position.markers[cell] != kNone) code = code * 512 + cell * 4 + position.markers[cell];
  }
  return code * 128 + cellIndex(position.cursorX, position.cursorY);
}

// Every position reachable from the board's start with its true shortest
// solution length: the whole component by breadth-first search over keys,
// then distances from every solved position in it (each key has an inverse,
// so the graph is undirected).
struct Component {
  std::vector<Position> positions;
  std::vector<int> distance;  // to the nearest solved position
};

Component exploreByBreadthFirst(const PuzzleBoard& board) {
  Component c;
  std::unordered_map<uint64_t, int> index;
  std::vector<std::vector<int>> edges;
  c.positions.push_back(board.start());
  index[codeOf(board.start())] = 0;
  for (size_t i = 0; i < c.positions.size(); ++i) {
    edges.emplace_back();
    for (char key : kKeys) {
      Position next = c.positions[i];
      if (!board.apply(next, key) || next == c.positions[i]) continue;
      const auto [it, added] = index.try_emplace(codeOf(next), int(c.positions.size()));
      if (added) c.positions.push_back(next);
      edges[i].push_back(it->second);
    }
  }
  c.distance.assign(c.positions.size(), -1);
  std::vector<int> queue;
  for (size_t i = 0; i < c.positions.size(); ++i) {
    if (board.solved(c.positions[i])) {
      c.distance[i] = 0;
      queue.push_back(int(i));
    }
  }
  for (size_t head = 0; head < queue.size(); ++head) {
    for (int next : edges[queue[head]]) {
      if (c.distance[next] >= 0) continue;
      c.distance[next] = c.distance[queue[head]] + 1;
      queue.push_back(next);
    }
  }
  return c;
}

// Tiles on random cells of the playing area, the markers on them, then
// scrambled by random keys (so the level can be solved).
Level randomLevel(int side, int pairs, int colours, std::mt19937& random) {
  Level level{side, {}, {}};
  const PuzzleBoard blank(level);
  std::vector<std::pair<int, int>> cells;
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      if (blank.inPlay(x, y)) cells.push_back({x + 1, y + 1});
    }
  }
  std::shuffle(cells.begin(), cells.end(), random);
  for (int i = 0; i < pairs; ++i) {
    level.tiles.push_back({cells[i].first, cells[i].second, 1 + i % colours});
  }
  level.markers = level.tiles;
  const PuzzleBoard solved(level);
  Position position = solved.start();
  for (int i = 0; i < 60; ++i) solved.apply(position, kKeys[random() % 6]);
  return withMarkers(level, position);
}

// On small boards the whole puzzle fits in memory: the bound never exceeds
// the true distance of any position, and the solver's proven length is the
// true distance from positions all over the component.
TEST(SolverTest, BoundIsAdmissibleAndSearchIsExactOnSmallBoards) {
  struct Case {
    int side, pairs, colours;
  };
  const Case cases[] = {{5, 4, 2}, {5, 3, 3}, {5, 4, 1}, {6, 3, 2}, {6, 3, 1}};
  std::mt19937 random(20);
  for (const Case& k : cases) {
    for (int layout = 0; layout < 2; ++layout) {
      SCOPED_TRACE("side " + std::to_string(k.side) + ", " + std::to_string(k.pairs) + " pairs, " +
                   std::to_string(k.colours) + " colours, layout " + std::to_string(layout));
      const PuzzleBoard board(randomLevel(k.side, k.pairs, k.colours, random));
      const Component c = exploreByBreadthFirst(board);
      Solver solver(board);
      // Searches first: the first one adds the tables for triples of markers.
      for (int sample = 0; sample < 12; ++sample) {
        const size_t i = random() % c.positions.size();
        const SearchOutcome outcome = solver.search(c.positions[i], {1.0, 20'000'000});
        ASSERT_TRUE(outcome.complete);
        ASSERT_TRUE(outcome.turns.has_value());
        const std::string moves =
            movesForTurns(*outcome.turns, c.positions[i].cursorX, c.positions[i].cursorY);
        EXPECT_EQ(static_cast<int>(moves.size()), c.distance[i]);
        Position played = c.positions[i];
        EXPECT_TRUE(board.play(played, moves));
        EXPECT_TRUE(board.solved(played));
      }
      int exceeded = 0, tight = 0;
      for (size_t i = 0; i < c.positions.size(); ++i) {
        ASSERT_GE(c.distance[i], 0);
        const int bound = solver.lowerBound(c.positions[i]);
        exceeded += bound > c.distance[i];
        tight += bound == c.distance[i];
      }
      EXPECT_EQ(exceeded, 0);
      EXPECT_GT(tight, 0);
    }
  }
}

// A search run in pieces of any size finds what one search with all their
// nodes finds: the same turns, the same count of nodes, the same bound, when
// the budget runs out and when the search ends, exact or weighted; and a
// solver whose tables are built one by one after the search began answers
// as one built at once.
TEST(SolverTest, SearchInPiecesFindsWhatOneSearchFinds) {
  struct Case {
    int level;
    double weight;
    uint64_t budget;
    bool strong;
    bool ends;  // with a solution, within the budget
  };
  const Case cases[] = {
      {8, 1.0, 20'000, true, true},  // after 18,598 nodes
      {5, 1.0, 20'000, true, true},  // after 12,183
      {4, 1.0, 20'000, true, false},  {9, 1.0, 20'000, true, false},
      {20, 2.0, 20'000, true, false}, {16, 1.0, 10'000, false, false},
  };
  std::mt19937 pieceSizes(5);
  for (const Case& k : cases) {
    SCOPED_TRACE("level " + std::to_string(k.level) + ", weight " + std::to_string(k.weight));
    const PuzzleBoard board(levelOf(builtInLevels()[k.level - 1]));
    std::mt19937 walk(static_cast<unsigned>(k.level));
    Position position = board.start();
    for (int keys = 0; keys < 8; ++keys) board.apply(position, kKeys[walk() % 6]);
    const SearchLimits limits{k.weight, k.budget, 1 << 30, k.strong, false};
    Solver whole(board);
    const SearchOutcome expected = whole.search(position, limits);
    Solver pieces(board, false);
    pieces.beginSearch(position, limits);
    while (pieces.buildNextTable()) {
    }
    SearchOutcome got;
    for (uint64_t spent = 0; spent < k.budget;) {
      const uint64_t piece = std::min<uint64_t>(k.budget - spent, 1 + pieceSizes() % 3000);
      got = pieces.continueSearch(piece);
      spent += piece;
      if (got.complete) break;
    }
    ASSERT_EQ(expected.complete, k.ends);
    EXPECT_EQ(got.complete, expected.complete);
    EXPECT_EQ(got.nodes, expected.nodes);
    EXPECT_EQ(got.provenAtLeast, expected.provenAtLeast);
    ASSERT_EQ(got.turns.has_value(), expected.turns.has_value());
    if (got.turns) {
      EXPECT_EQ(movesForTurns(*got.turns, position.cursorX, position.cursorY),
                movesForTurns(*expected.turns, position.cursorX, position.cursorY));
    }
    if (got.complete) {
      // Pieces after the end change nothing.
      const SearchOutcome again = pieces.continueSearch(1000);
      EXPECT_EQ(again.nodes, got.nodes);
      EXPECT_TRUE(again.complete);
    }
  }
}

}  // namespace
}  // namespace bt::puzzle
