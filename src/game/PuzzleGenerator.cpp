#include "game/PuzzleGenerator.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "game/PuzzleScramble.h"
#include "game/SeededRandom.h"
#include "game/Solver.h"

namespace bt::puzzle {
namespace {

// Solver nodes for a candidate's exact search, by difficulty, and for the
// weighted search that looks for a shorter solution when the exact one
// proved enough but found none within the band.
constexpr std::array<uint64_t, 3> kExactWork = {40'000, 120'000, 150'000};
constexpr uint64_t kWeightedWork = 80'000;
// A third into the exact search, one whose proven least is still this far
// below the band gives up.
constexpr int kHopelessGap = 2;
// A candidate's scramble and bounds.
constexpr uint64_t kCandidateWork = 500;
// The first scramble's length by difficulty; later ones follow the
// candidates.
constexpr std::array<int, 3> kFirstTurns = {3, 5, 8};
constexpr int kFewestTurns = 1;
constexpr int kMostTurns = 40;

// Par bands by side (5 to 10) and difficulty. A small board's hardest
// positions take fewer keys: side 5 hardly has one beyond 18.
constexpr std::array<std::array<ParBand, 3>, 6> kBands = {{
    {{{5, 8}, {9, 12}, {13, 18}}},
    {{{6, 9}, {10, 13}, {14, 20}}},
    {{{6, 10}, {11, 14}, {15, 22}}},
    {{{7, 10}, {11, 15}, {16, 24}}},
    {{{7, 11}, {12, 16}, {17, 26}}},
    {{{8, 12}, {13, 17}, {18, 28}}},
}};

size_t difficultyIndex(Difficulty difficulty) {
  return static_cast<size_t>(difficulty);
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

// A pattern table costs about as long to build as this many solver nodes:
// its states are the pairs of places times the cursors.
uint64_t tableWork(const PuzzleBoard& board) {
  uint64_t places = 0;
  for (int y = 0; y < board.side(); ++y) {
    for (int x = 0; x < board.side(); ++x) places += board.inPlay(x, y) ? 1 : 0;
  }
  const auto cursors = static_cast<uint64_t>((board.maxCursorX() - board.minCursorX() + 1) *
                                             (board.maxCursorY() - board.minCursorY() + 1));
  return places * places * cursors / 16;
}

int wantedMargin(int par) {
  return 2 + par / 10;
}

}  // namespace

ParBand parBand(int side, Difficulty difficulty) {
  if (side < kMinPuzzleSide || side > kMaxPuzzleSide) return {};
  return kBands[static_cast<size_t>(side - kMinPuzzleSide)][difficultyIndex(difficulty)];
}

struct PuzzleGenerator::Layout {
  Layout(const Level& tiles, uint64_t seed)
      : tiles(tiles), board(solvedLevel(tiles)), solver(board, false), random(seed) {}

  Level tiles;
  PuzzleBoard board;  // solved; the solver keeps a reference
  Solver solver;
  SeededRandom random;  // the scrambles'
};

struct PuzzleGenerator::Candidate {
  Scramble scramble;
  int plainBound = 0;
  int atLeast = 0;  // no solution is shorter
  bool proven = false;
  std::string best;          // the shortest solution found
  uint64_t stageBudget = 0;  // of the search running
  uint64_t stageNodes = 0;   // searched in it so far
  uint64_t checkpoint = 0;   // where the exact search may give up
  // Keeps a solution found when it is shorter.
  void consider(const std::optional<std::vector<Turn>>& turns) {
    if (!turns) return;
    std::string moves = movesForTurns(*turns, scramble.start.cursorX, scramble.start.cursorY);
    if (moves.size() < best.size()) best = std::move(moves);
  }
};

PuzzleGenerator::PuzzleGenerator(const PuzzleSpec& spec)
    : spec_(spec),
      band_(parBand(spec.side, spec.difficulty)),
      random_(sequenceSeed(spec)),
      turns_(kFirstTurns[difficultyIndex(spec.difficulty)]) {}

PuzzleGenerator::~PuzzleGenerator() = default;

void PuzzleGenerator::newLayout() {
  SeededRandom random(random_);
  random_ = random.next();  // the next layout's own sequence
  const Level tiles = tileLayout(spec_, random);
  layout_ = std::make_unique<Layout>(tiles, random.next());
  scrambles_ = 0;
  stage_ = Stage::Tables;
}

bool PuzzleGenerator::buildTable() {
  if (!layout_->solver.buildNextTable()) return false;
  work_ += tableWork(layout_->board);
  return true;
}

void PuzzleGenerator::newCandidate() {
  ++scrambles_;
  work_ += kCandidateWork;
  Layout& layout = *layout_;
  candidate_ = std::make_unique<Candidate>();
  Candidate& c = *candidate_;
  c.scramble = scramble(layout.board, turns_, layout.random);
  c.best = c.scramble.wayBack;
  const Position& start = c.scramble.start;
  c.plainBound = layout.solver.plainBound(start);
  c.atLeast = layout.solver.lowerBound(start);
  // Plainly too easy or too hard: no search.
  if (static_cast<int>(c.best.size()) < band_.least || c.atLeast > band_.most ||
      anyMarkerHome(layout.board, start)) {
    judge();
    return;
  }
  c.stageBudget = kExactWork[difficultyIndex(spec_.difficulty)];
  c.checkpoint = c.stageBudget / 3;
  layout.solver.beginSearch(start, {.weight = 1.0,
                                    .nodeBudget = c.stageBudget,
                                    .costBelow = band_.most + 1,
                                    .tripleTables = false});
  stage_ = Stage::Exact;
}

void PuzzleGenerator::search(uint64_t units) {
  Candidate& c = *candidate_;
  Solver& solver = layout_->solver;
  const bool exact = stage_ == Stage::Exact;
  const uint64_t stop = exact && c.stageNodes < c.checkpoint ? c.checkpoint : c.stageBudget;
  const SearchOutcome outcome = solver.continueSearch(std::min(units, stop - c.stageNodes));
  // An unfinished search counts the node it refused at the budget.
  const uint64_t searched = outcome.complete ? outcome.nodes : outcome.nodes - 1;
  work_ += searched - c.stageNodes;
  c.stageNodes = searched;
  if (!outcome.complete) {
    if (c.stageNodes < stop) return;
    // At the checkpoint a search still far from the band's least gives up.
    if (stop < c.stageBudget && outcome.provenAtLeast + kHopelessGap >= band_.least) return;
  }
  c.consider(outcome.turns);
  if (exact) {
    c.atLeast = std::max(c.atLeast, outcome.provenAtLeast);
    c.proven = outcome.complete && outcome.turns.has_value();
    // Proven hard enough, but the solutions known are too long: a weighted
    // search may find one within the band.
    if (!c.proven && c.atLeast >= band_.least && c.atLeast <= band_.most &&
        static_cast<int>(c.best.size()) > c.atLeast) {
      c.stageBudget = kWeightedWork;
      c.stageNodes = 0;
      solver.beginSearch(c.scramble.start, {.weight = 2.0,
                                            .nodeBudget = kWeightedWork,
                                            .costBelow = static_cast<int>(c.best.size()),
                                            .tripleTables = false});
      stage_ = Stage::Weighted;
      return;
    }
  }
  judge();
}

int PuzzleGenerator::distanceFromBand(const Candidate& c) const {
  const int par = static_cast<int>(c.best.size());
  if (par < band_.least) return band_.least - par;
  if (c.atLeast > band_.most) return c.atLeast - band_.most;
  return par > band_.most ? par - band_.most : 0;
}

void PuzzleGenerator::judge() {
  Candidate& c = *candidate_;
  const PuzzleBoard& board = layout_->board;
  const int par = static_cast<int>(c.best.size());
  const bool meets = !anyMarkerHome(board, c.scramble.start) && c.atLeast >= band_.least &&
                     par <= band_.most && c.atLeast >= c.plainBound + wantedMargin(c.atLeast);
  // Too easy: a turn more. Too hard, or too hard to tell: one less.
  if (par < band_.least) {
    turns_ = std::min(turns_ + 1, kMostTurns);
  } else if (c.atLeast > band_.most || c.atLeast < band_.least || par > band_.most) {
    turns_ = std::max(turns_ - 1, kFewestTurns);
  }
  // A candidate that misses the criteria is kept only while none nearer is
  // known: one in the band before any outside it.
  const int distance = 2 * distanceFromBand(c) + (meets ? 0 : 1);
  const int tried = best_.candidates + 1;
  if (meets || distance < bestDistance_) {
    bestDistance_ = distance;
    best_.level = withMarkers(layout_->tiles, c.scramble.start);
    best_.solution = c.best;
    best_.par = par;
    best_.proven = c.proven || c.atLeast == par;
    best_.provenAtLeast = std::min(c.atLeast, par);
    best_.meetsCriteria = meets;
  }
  best_.candidates = tried;
  best_.work = work_;
  candidate_.reset();
  stage_ = scrambles_ < kScramblesPerLayout ? Stage::NewCandidate : Stage::NewLayout;
  done_ = meets || work_ >= kTotalWork;
  if (done_) layout_.reset();
}

bool PuzzleGenerator::step(uint64_t work) {
  const uint64_t until = work_ + std::max<uint64_t>(work, 1);
  while (!done_ && work_ < until) {
    switch (stage_) {
      case Stage::NewLayout:
        newLayout();
        break;
      case Stage::Tables:
        if (!buildTable()) stage_ = Stage::NewCandidate;
        break;
      case Stage::NewCandidate:
        newCandidate();
        break;
      case Stage::Exact:
      case Stage::Weighted:
        search(until - work_);
        break;
    }
  }
  return done_;
}

GeneratedPuzzle generatePuzzle(const PuzzleSpec& spec) {
  PuzzleGenerator generator(spec);
  while (!generator.step(PuzzleGenerator::kTotalWork)) {
  }
  return generator.puzzle();
}

}  // namespace bt::puzzle
