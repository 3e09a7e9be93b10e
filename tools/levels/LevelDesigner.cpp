#include "levels/LevelDesigner.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <optional>
#include <random>
#include <set>
#include <stdexcept>

#include "game/LevelShapes.h"
#include "levels/DistanceTable.h"
#include "levels/FilledBoardDesign.h"
#include "levels/LevelCriteria.h"
#include "levels/LevelLayouts.h"
#include "levels/Polisher.h"

namespace bt::levels {

namespace {

constexpr uint32_t kSeed = 0x6272616dU;
// Candidates tried per level, and the solver nodes each may take to find
// its shortest solution: a level whose proof takes longer is passed over.
constexpr int kAttempts = 48;
constexpr int kLayoutTries = 40;
constexpr uint64_t kScreenBudget = 2'000'000;
// A level that no candidate within its window fits takes the nearest one up
// to this many keys beyond it.
constexpr int kSlack = 4;
constexpr int kBreatherSlack = 12;
constexpr int kWideSlack = 24;
constexpr uint64_t kWideBudget = 10'000'000;
constexpr int kWideAttempts = 12;
constexpr uint32_t kWideSalt = 0x77696465U;
// Where even those prove nothing, shorter scrambles: one turn fewer after
// each candidate the budget did not prove.
constexpr int kEasedAttempts = 24;
constexpr uint32_t kEasedSalt = 0x65617365U;
// A small board whose scrambles all fall short of the window is searched
// whole: a few tile layouts, and a sample of the starts at the wanted par.
constexpr int kWholeLayouts = 96;
constexpr int kWholeSamples = 64;
constexpr uint32_t kWholeSalt = 0x77686f6cU;
// Each scramble turn adds about this many moves to the solution, cursor
// moves included.
constexpr double kMovesPerTurn = 2.6;

std::vector<Turn> turnsOfMoves(const PuzzleBoard& board, const std::string& moves) {
  std::vector<Turn> turns;
  Position position = board.start();
  for (char move : moves) {
    board.apply(position, move);
    if (move == kTurnLeft || move == kTurnRight) {
      turns.push_back({position.cursorX, position.cursorY, move == kTurnLeft});
    }
  }
  return turns;
}

}  // namespace

const std::vector<LevelPlan>& levelPlans() {
  static const std::vector<LevelPlan> plans = [] {
    std::vector<LevelPlan> all;
    for (const LevelShape& shape : kLevelShapes) all.push_back({shape.side, shape.pairs});
    return all;
  }();
  return plans;
}

Level fixedLevel(int number) {
  switch (number) {
    case 1:
      return {10,
              {{2, 2, 1}, {3, 3, 2}, {4, 4, 3}, {5, 5, 4}},
              {{3, 2, 1}, {4, 3, 2}, {5, 4, 3}, {6, 5, 4}}};
    case 2:
      return {10,
              {{4, 2, 1}, {7, 2, 2}, {5, 9, 3}, {6, 9, 4}},
              {{3, 3, 1}, {8, 3, 2}, {3, 8, 3}, {8, 8, 4}}};
    case 3:
      return {9, {{9, 5, 2}, {9, 6, 4}, {9, 7, 1}}, {{9, 2, 1}, {9, 3, 2}, {9, 4, 4}}};
    default:
      throw std::out_of_range("only levels 1 to 3 are fixed");
  }
}

SolveReport solveLevel(const Level& level, const std::string& fallback, uint64_t nodeBudget) {
  return solveBoard(PuzzleBoard(level), fallback, nodeBudget);
}

SolveReport solveBoard(const PuzzleBoard& board, const std::string& fallback, uint64_t nodeBudget) {
  std::vector<Turn> best = turnsOfMoves(board, fallback);
  bool known = !fallback.empty();
  if (known) best = polishSolution(board, best, {6, nodeBudget / 64, 3});
  SolveReport report;
  Solver solver(board);
  const int bestLength = known ? solutionLength(board, best) : 1 << 30;
  SearchOutcome exact = solver.search(board.start(), {1.0, nodeBudget, bestLength});
  report.nodes += exact.nodes;
  if (exact.turns) {
    best = *exact.turns;
    known = true;
  }
  report.shortest = exact.complete;
  report.provenAtLeast = exact.provenAtLeast;
  if (!exact.complete) {
    for (double weight : {1.5, 2.5}) {
      const int length = known ? solutionLength(board, best) : 1 << 30;
      SearchOutcome rough = solver.search(board.start(), {weight, nodeBudget / 4, length});
      report.nodes += rough.nodes;
      if (rough.turns) {
        best = *rough.turns;
        known = true;
      }
    }
    if (known) best = polishSolution(board, best, {8, nodeBudget / 32, 3});
  }
  if (!known) throw std::runtime_error("no solution found");
  report.solution = movesForTurns(best, board.start().cursorX, board.start().cursorY);
  // A search cut short within the bound of the solution's own length has
  // still proved it shortest.
  const int length = static_cast<int>(report.solution.size());
  report.shortest = report.shortest || report.provenAtLeast >= length;
  report.provenAtLeast = std::min(report.provenAtLeast, length);
  return report;
}

namespace {

// The pars a candidate for level `number` may have, the preferred one first
// (lowest to highest), given the levels before it.
struct ParWindow {
  int low = 0;
  int high = 0;
  int preferred = 0;
  int slack = kSlack;  // how far past high a candidate may still be kept
};

// A breather's window: below the median par of its chapter's other levels.
ParWindow breatherWindow(int number, const std::vector<DesignedLevel>& earlier) {
  const int chapter = chapterOf(number);
  std::vector<int> pars;
  for (int n = std::max(4, (chapter - 1) * 6 + 1); n < number; ++n) {
    pars.push_back(static_cast<int>(earlier.at(n - 1).solution.size()));
  }
  const int median = medianOf(pars);
  const int high = easiestBreather(median);
  // A breather with many pairs may not get that easy with every marker off
  // its tile: it takes the easiest candidate within a wider slack.
  return {median / 2, high, high, kBreatherSlack};
}

ParWindow parWindow(int number, const std::vector<DesignedLevel>& earlier) {
  if (isBreather(number)) return breatherWindow(number, earlier);
  const int target = chapterTarget(chapterOf(number));
  return {target, target + 1, target};
}

struct Candidate {
  Level level;
  std::string solution;
  int scrambleTurns = 0;
  int par() const { return static_cast<int>(solution.size()); }
};

// How far a par lies from the window: 0 at the preferred par, small within
// the window, larger outside it.
int windowMiss(const ParWindow& window, int par) {
  if (par < window.low) return 2 * (window.low - par) + 1;
  if (par > window.high) return 2 * (par - window.high) + 1;
  return std::abs(par - window.preferred) * (par > window.preferred);
}

bool inWindow(const ParWindow& window, int par) {
  return par >= window.low && par <= window.high;
}

// One candidate layout: tiles, their colours and markers scrambled off them
// by `turns` turns; nullopt when the scramble left more markers on their
// own tiles than the layout forces.
std::optional<Candidate> makeCandidate(int number, int turns, Random& random) {
  const LevelPlan plan = levelPlans().at(number - 1);
  const Level empty{plan.side, {}, {}};
  const PuzzleBoard blank(empty);
  const std::vector<Cell> cells = tileLayout(blank, plan.pairs, random);
  const std::vector<int> colours = tileColours(number, plan.pairs, random);
  // The goal's solver gives the markers' distances and the plain bound,
  // which depend on the tiles alone: built without markers, it builds no
  // pattern tables.
  const Level tilesAlone = layoutLevel(plan.side, cells, colours, Position{});
  Level solvedLevel = tilesAlone;
  solvedLevel.markers = solvedLevel.tiles;
  const PuzzleBoard solvedBoard(solvedLevel);
  const PuzzleBoard tileBoard(tilesAlone);
  const Solver goal(tileBoard);
  Position position = solvedBoard.start();
  const std::vector<Turn> scrambleTurns =
      scramble(blank, goal, position, turns, forcedHome(solvedLevel), random);
  Candidate candidate{
      layoutLevel(plan.side, cells, colours, position), {}, static_cast<int>(scrambleTurns.size())};
  if (markersHome(candidate.level) > forcedHome(candidate.level)) return std::nullopt;
  return candidate;
}

}  // namespace

int medianOf(std::vector<int> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

namespace {

struct Choice {
  std::optional<Candidate> kept;     // the best that meets the criteria
  std::optional<Candidate> easiest;  // the lowest par solved at all
  int attempts = 0;                  // up to the last candidate solved
};

// Tries up to `attempts` candidates from the level's seed (and `salt`), each
// solved within `budget` nodes, and keeps the nearest to the window whose
// margin is wide enough. With `easeWhenTooSlow`, a candidate the budget did
// not prove makes the next scramble a turn shorter.
Choice chooseCandidate(int number, const ParWindow& window, const std::set<std::string>& shapes,
                       uint64_t budget, int attempts, uint32_t salt, bool easeWhenTooSlow = false) {
  Choice choice;
  int turns = static_cast<int>(std::ceil(window.preferred / kMovesPerTurn));
  int keptMiss = 1 << 30;
  for (int attempt = 0; attempt < attempts && keptMiss > 0; ++attempt) {
    Random random(kSeed ^ (number * 7919u) ^ (attempt * 104729u) ^ salt);
    std::optional<Candidate> candidate;
    for (int i = 0; i < kLayoutTries && !candidate; ++i) {
      candidate = makeCandidate(number, turns, random);
    }
    if (!candidate || shapes.count(canonicalShape(candidate->level))) continue;
    const PuzzleBoard board(candidate->level);
    Solver solver(board);
    const SearchOutcome outcome =
        solver.search(board.start(), {1.0, budget, window.high + 1 + window.slack});
    if (!outcome.complete) {  // too slow to prove
      if (easeWhenTooSlow) turns = std::max(2, turns - 1);
      continue;
    }
    choice.attempts = attempt + 1;
    if (!outcome.turns) {  // longer than wanted
      turns = std::max(2, turns - 1);
      continue;
    }
    candidate->solution =
        movesForTurns(*outcome.turns, board.start().cursorX, board.start().cursorY);
    const int par = static_cast<int>(candidate->solution.size());
    if (par < window.low) turns = std::min(kMostScrambleTurns, turns + 1);
    if (par > window.high) turns = std::max(2, turns - 1);
    if (!choice.easiest || par < static_cast<int>(choice.easiest->solution.size())) {
      choice.easiest = candidate;
    }
    if (measureLevel(candidate->level, par, false).margin() < wantedMargin(par)) continue;
    const int miss = windowMiss(window, par);
    if (miss < keptMiss) {
      keptMiss = miss;
      choice.kept = candidate;
    }
  }
  return choice;
}

// The start with the markers most in each other's way among a sample of
// the table's starts at `par`; nullopt when none has the margin or a new
// shape.
std::optional<Candidate> interlockedStart(const DistanceTable& table, const Level& tilesAlone,
                                          int par, const std::set<std::string>& shapes,
                                          Random& random) {
  std::vector<Position> starts = table.startsAt(par);
  std::shuffle(starts.begin(), starts.end(), random);
  if (starts.size() > kWholeSamples) starts.resize(kWholeSamples);
  std::optional<Candidate> chosen;
  int chosenMargin = wantedMargin(par) - 1;
  for (const Position& start : starts) {
    const Level level = withMarkers(tilesAlone, start);
    if (shapes.count(canonicalShape(level))) continue;
    const int margin = measureLevel(level, par, false).margin();
    if (margin <= chosenMargin) continue;
    chosenMargin = margin;
    chosen = Candidate{level, table.solution(start), 0};
  }
  return chosen;
}

// A board small enough to search whole: for each of a few tile layouts, the
// starts at the preferred par, or as deep as the layout goes.
std::optional<Candidate> wholeBoardCandidate(int number, const ParWindow& window,
                                             const std::set<std::string>& shapes, int& layouts) {
  const LevelPlan plan = levelPlans().at(number - 1);
  if (!DistanceTable::fits(plan.side, plan.pairs)) return std::nullopt;
  const PuzzleBoard blank(Level{plan.side, {}, {}});
  std::optional<Candidate> best;
  for (layouts = 0; layouts < kWholeLayouts && (!best || windowMiss(window, best->par()) > 0);
       ++layouts) {
    Random random(kSeed ^ (number * 7919u) ^ (layouts * 104729u) ^ kWholeSalt);
    const std::vector<Cell> cells = tileLayout(blank, plan.pairs, random);
    const std::vector<int> colours = tileColours(number, plan.pairs, random);
    const Level tilesAlone = layoutLevel(plan.side, cells, colours, Position{});
    const DistanceTable table{PuzzleBoard(tilesAlone)};
    const int deepest = std::min(window.preferred, table.farthestStart());
    // The deepest starts may all lack the margin: a key or two shallower.
    for (int par = deepest; par >= deepest - 2 && par > 0; --par) {
      std::optional<Candidate> start = interlockedStart(table, tilesAlone, par, shapes, random);
      if (!start) continue;
      if (!best || windowMiss(window, par) < windowMiss(window, best->par())) best = start;
      break;
    }
  }
  return best;
}

// The kept candidate and the candidates tried.
struct Picked {
  Candidate candidate;
  int attempts = 0;
};

Picked scrambledCandidate(int number, const std::vector<DesignedLevel>& earlier,
                          const std::set<std::string>& shapes) {
  ParWindow window = parWindow(number, earlier);
  Choice choice = chooseCandidate(number, window, shapes, kScreenBudget, kAttempts, 0);
  if (!choice.kept && !choice.easiest) {
    // Nothing near the window proves quickly (a breather crowded with
    // pairs): a few candidates more, with more room and a larger budget.
    window.slack = kWideSlack;
    choice = chooseCandidate(number, window, shapes, kWideBudget, kWideAttempts, kWideSalt);
    choice.attempts += kAttempts;
  }
  if (!choice.kept && !choice.easiest) {
    // Scrambles this crowded are too slow to prove at all (level 70: twenty
    // pairs on side 7): shorter ones until they prove.
    choice = chooseCandidate(number, window, shapes, kWideBudget, kEasedAttempts, kEasedSalt, true);
    choice.attempts += kAttempts + kWideAttempts;
  }
  // Never without a level: at worst the easiest candidate, which the
  // criteria test then names.
  std::optional<Candidate> kept = choice.kept ? choice.kept : choice.easiest;
  if (!choice.kept || !inWindow(window, kept->par())) {
    // Scrambles fall short on small boards; their deepest starts are known.
    int layouts = 0;
    std::optional<Candidate> whole = wholeBoardCandidate(number, window, shapes, layouts);
    if (whole &&
        (!choice.kept || windowMiss(window, whole->par()) < windowMiss(window, kept->par()))) {
      kept = whole;
      choice.attempts += layouts;
    }
  }
  if (!kept) throw std::runtime_error("no candidate for level " + std::to_string(number));
  return {*kept, choice.attempts};
}

// Every cell without a tile starts with a marker (the last level): the
// solution's turns come first, and the level is made as easy as a breather
// of its chapter.
Picked filledCandidate(int number, const std::vector<DesignedLevel>& earlier,
                       const std::set<std::string>& shapes) {
  const LevelPlan plan = levelPlans().at(number - 1);
  const ParWindow window = breatherWindow(number, earlier);
  const std::optional<FilledDesign> filled = designFilledBoard(
      {plan.side, plan.pairs, onlyColourOf(number), window.low, window.high, kWideBudget}, shapes);
  if (!filled) throw std::runtime_error("no candidate for level " + std::to_string(number));
  return {{filled->level, filled->solution, filled->turns}, filled->attempts};
}

bool fillsItsBoard(int number) {
  const LevelPlan plan = levelPlans().at(number - 1);
  return onlyColourOf(number) && crowdsItsBoard(plan.side, plan.pairs);
}

}  // namespace

DesignedLevel designLevel(int number, const std::vector<DesignedLevel>& earlier) {
  DesignedLevel designed;
  std::string fallback;
  if (number <= 3) {
    designed.level = fixedLevel(number);
  } else {
    std::set<std::string> shapes;
    for (const DesignedLevel& e : earlier) shapes.insert(canonicalShape(e.level));
    const Picked picked = fillsItsBoard(number) ? filledCandidate(number, earlier, shapes)
                                                : scrambledCandidate(number, earlier, shapes);
    designed.level = picked.candidate.level;
    designed.scrambleTurns = picked.candidate.scrambleTurns;
    designed.attempts = picked.attempts;
    fallback = picked.candidate.solution;
  }
  const auto began = std::chrono::steady_clock::now();
  const SolveReport report = solveLevel(designed.level, fallback, kProofBudget);
  designed.seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  designed.solution = report.solution;
  designed.shortest = report.shortest;
  designed.provenAtLeast = report.provenAtLeast;
  designed.nodes = report.nodes;
  return designed;
}

}  // namespace bt::levels
