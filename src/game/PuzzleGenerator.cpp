#include "game/PuzzleGenerator.h"

#include <algorithm>
#include <vector>

#include "game/SeededRandom.h"
#include "game/Solver.h"

namespace bt::puzzle {
namespace {

// Solver nodes for one candidate's proof, then for a weighted search when
// the proof does not finish, and for the whole generator. Setting a
// candidate's solver up (its pattern tables) costs about as much as this
// many nodes on the largest board, and counts as such against the total.
constexpr uint64_t kProofBudget = 120'000;
constexpr uint64_t kWeightedBudget = 40'000;
constexpr uint64_t kTotalBudget = 600'000;
constexpr uint64_t kCandidateCost = 15'000;
constexpr int kMaxScrambles = 16;  // tries to scramble every marker off its tile

struct ScrambleRange {
  int least;
  int most;
};

ScrambleRange scrambleTurns(Difficulty difficulty) {
  switch (difficulty) {
    case Difficulty::Easy:
      return {3, 4};
    case Difficulty::Medium:
      return {5, 7};
    case Difficulty::Hard:
      return {8, 11};
  }
  return {3, 4};
}

// The seed of an id's random sequence: its text, hashed (FNV-1a), so that
// every field of the id changes the puzzle.
uint64_t sequenceSeed(const PuzzleSpec& spec) {
  uint64_t hash = 0xcbf29ce484222325ULL;
  for (char c : formatPuzzleId(spec)) {
    hash ^= static_cast<uint8_t>(c);
    hash *= 0x100000001b3ULL;
  }
  return hash;
}

std::vector<int> playCells(const PuzzleBoard& board) {
  std::vector<int> cells;
  for (int y = 0; y < board.side(); ++y) {
    for (int x = 0; x < board.side(); ++x) {
      if (board.inPlay(x, y)) cells.push_back(cellIndex(x, y));
    }
  }
  return cells;
}

// Tiles on distinct random cells, the colours taking turns so that each has
// its share of the pairs.
Level tileLayout(const PuzzleSpec& spec, SeededRandom& random) {
  Level level{spec.side, {}, {}};
  std::vector<int> cells = playCells(PuzzleBoard(level));
  for (int i = 0; i < spec.pairs; ++i) {
    std::swap(cells[static_cast<size_t>(i)],
              cells[static_cast<size_t>(i + random.below(static_cast<int>(cells.size()) - i))]);
    const int cell = cells[static_cast<size_t>(i)];
    level.tiles.push_back({cell % kMaxSide + 1, cell / kMaxSide + 1, i % spec.colours + 1});
  }
  return level;
}

// Random turns from the solved position, never one that undoes the turn
// before; `undo` gets the turns that take them back.
Position scramble(const PuzzleBoard& board, int turns, SeededRandom& random,
                  std::vector<Turn>& undo) {
  undo.clear();
  Position position = board.start();
  for (int cell = 0; cell < kCells; ++cell) position.markers[cell] = board.tile(cell);
  int lastX = -1, lastY = -1;
  bool lastCcw = false;
  for (int i = 0; i < turns; ++i) {
    const int x = random.between(board.minCursorX(), board.maxCursorX());
    const int y = random.between(board.minCursorY(), board.maxCursorY());
    const bool ccw = random.below(2) == 1;
    if (x == lastX && y == lastY && ccw != lastCcw) {
      --i;
      continue;
    }
    position.cursorX = x;
    position.cursorY = y;
    rotateRing(position, ccw);
    undo.insert(undo.begin(), Turn{x, y, !ccw});
    lastX = x, lastY = y, lastCcw = ccw;
  }
  position.cursorX = board.start().cursorX;
  position.cursorY = board.start().cursorY;
  return position;
}

bool anyMarkerHome(const PuzzleBoard& board, const Position& position) {
  for (int cell = 0; cell < kCells; ++cell) {
    if (position.markers[cell] != kNone && position.markers[cell] == board.tile(cell)) return true;
  }
  return false;
}

Level withMarkers(Level level, const Position& position) {
  level.markers.clear();
  for (int cell = 0; cell < kCells; ++cell) {
    const uint8_t marker = position.markers[cell];
    if (marker != kNone)
      level.markers.push_back({cell % kMaxSide + 1, cell / kMaxSide + 1, marker + 1});
  }
  return level;
}

int wantedMargin(int par) {
  return 2 + par / 10;
}

}  // namespace

ParBand parBand(int side, Difficulty difficulty) {
  // A larger board's cursor travels further between turns.
  const int travel = (side - 5) / 2;
  switch (difficulty) {
    case Difficulty::Easy:
      return {6 + travel, 13 + travel};
    case Difficulty::Medium:
      return {12 + travel, 21 + travel};
    case Difficulty::Hard:
      return {18 + travel, 32 + travel};
  }
  return {};
}

struct PuzzleGenerator::Candidate {
  GeneratedPuzzle puzzle;
  int plainBound = 0;
};

PuzzleGenerator::PuzzleGenerator(const PuzzleSpec& spec)
    : spec_(spec), random_(sequenceSeed(spec)) {}

PuzzleGenerator::Candidate PuzzleGenerator::nextCandidate() {
  SeededRandom random(random_);
  random_ = random.next();  // the next candidate's own sequence
  Candidate candidate;
  Level level = tileLayout(spec_, random);
  const ScrambleRange range = scrambleTurns(spec_.difficulty);
  PuzzleBoard board(level);
  Position start;
  std::vector<Turn> undo;
  for (int i = 0; i < kMaxScrambles; ++i) {
    start = scramble(board, random.between(range.least, range.most), random, undo);
    if (!anyMarkerHome(board, start)) break;
  }
  candidate.puzzle.level = withMarkers(level, start);
  PuzzleBoard scrambled(candidate.puzzle.level);
  Solver solver(scrambled);
  candidate.plainBound = solver.plainBound(scrambled.start());
  SearchOutcome exact =
      solver.search(scrambled.start(), {.weight = 1.0, .nodeBudget = kProofBudget});
  candidate.puzzle.nodes = exact.nodes;
  const int startX = scrambled.start().cursorX, startY = scrambled.start().cursorY;
  candidate.puzzle.proven = exact.complete && exact.turns.has_value();
  // The scramble taken back always solves it; a search may know better.
  std::string solution = movesForTurns(undo, startX, startY);
  auto keepShorter = [&](const std::optional<std::vector<Turn>>& turns) {
    if (!turns) return;
    std::string found = movesForTurns(*turns, startX, startY);
    if (found.size() < solution.size()) solution = std::move(found);
  };
  keepShorter(exact.turns);
  if (!candidate.puzzle.proven) {
    SearchOutcome weighted =
        solver.search(scrambled.start(), {.weight = 2.0, .nodeBudget = kWeightedBudget});
    candidate.puzzle.nodes += weighted.nodes;
    keepShorter(weighted.turns);
  }
  candidate.puzzle.solution = std::move(solution);
  candidate.puzzle.par = static_cast<int>(candidate.puzzle.solution.size());
  candidate.puzzle.meetsCriteria =
      !anyMarkerHome(scrambled, scrambled.start()) && distanceFromBand(candidate.puzzle.par) == 0 &&
      candidate.puzzle.par >= candidate.plainBound + wantedMargin(candidate.puzzle.par);
  return candidate;
}

int PuzzleGenerator::distanceFromBand(int par) const {
  const ParBand band = parBand(spec_.side, spec_.difficulty);
  if (par < band.least) return band.least - par;
  return par > band.most ? par - band.most : 0;
}

bool PuzzleGenerator::step() {
  if (done_) return true;
  Candidate candidate = nextCandidate();
  const int tried = best_.candidates + 1;
  const uint64_t spent = best_.nodes + candidate.puzzle.nodes;
  work_ += candidate.puzzle.nodes + kCandidateCost;
  // A candidate that misses the criteria is kept only while none nearer is
  // known: one in the band before any outside it.
  const int distance =
      2 * distanceFromBand(candidate.puzzle.par) + (candidate.puzzle.meetsCriteria ? 0 : 1);
  if (candidate.puzzle.meetsCriteria || distance < bestDistance_) {
    best_ = std::move(candidate.puzzle);
    bestDistance_ = distance;
  }
  best_.candidates = tried;
  best_.nodes = spent;
  done_ = best_.meetsCriteria || work_ >= kTotalBudget;
  return done_;
}

GeneratedPuzzle generatePuzzle(const PuzzleSpec& spec) {
  PuzzleGenerator generator(spec);
  while (!generator.step()) {
  }
  return generator.puzzle();
}

}  // namespace bt::puzzle
