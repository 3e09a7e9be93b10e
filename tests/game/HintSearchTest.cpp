#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>

#include "game/GamePuzzle.h"
#include "game/HintSearch.h"
#include "game/LevelData.h"
#include "game/LevelTable.h"
#include "game/Solver.h"

namespace bt {
namespace {

constexpr char kKeys[] = {'U', 'D', 'L', 'R', '<', '>'};

Game levelStart(int index) {
  Game game;
  startLevel(game, index);
  EXPECT_TRUE(game.board.isSetUp());
  return game;
}

// One key through the rules, a rotation noted in the history as the game
// screen notes it; false when the rules refuse it.
bool play(Game& game, UndoHistory& history, char key) {
  if (key != '<' && key != '>') return playMove(game, key);
  if (startRotation(game, key == '<') != RotationStart::Started) return false;
  history.record(game);
  finishRotation(game);
  return true;
}

// The moves, played through the rules from the game as it stands, solve it.
bool solves(Game game, std::string_view moves) {
  for (char move : moves) {
    if (!playMove(game, move)) return false;
  }
  return isSolved(game.board);
}

Hint ask(HintSearch& hints, const Game& game, const UndoHistory& history) {
  return hints.ask(game, history.turnsSinceRestart(game));
}

// From every level's start, a player who only ever plays the hinted key
// solves the level in exactly its par, the recorded solution's length; each
// hint tells the keys still to go.
TEST(HintSearchTest, FollowingHintsFromEveryStartSolvesTheLevelInPar) {
  const auto solutions = levelSolutions();
  for (int index = 0; index < kLevelCount; ++index) {
    SCOPED_TRACE("level " + std::to_string(index + 1));
    Game game = levelStart(index);
    UndoHistory history;
    HintSearch hints;
    const int par = static_cast<int>(solutions[static_cast<size_t>(index)].size());
    int keys = 0;
    while (!isSolved(game.board) && keys <= par) {
      const Hint hint = ask(hints, game, history);
      ASSERT_NE(hint.key, 0);
      EXPECT_EQ(hint.keys, par - keys);
      ASSERT_TRUE(play(game, history, hint.key));
      ++keys;
    }
    EXPECT_TRUE(isSolved(game.board));
    EXPECT_EQ(keys, par);
    EXPECT_EQ(ask(hints, game, history).key, 0) << "no hint on a solved board";
  }
}

// From positions off the recorded solution (a few random keys from a point
// along it, or a longer walk from the start), the hint's key starts a
// solution that the rules play to the end, in the keys the hint tells, and
// that is no longer than the best the solver finds there on its own: the
// shortest, marked so, wherever a search with fewer nodes than the hint's
// proves it.
TEST(HintSearchTest, HintsFromRandomPositionsAreNoLongerThanTheSolversBest) {
  // The hint's exact search may use more nodes than the reference's, so that
  // it ends wherever the reference does.
  constexpr uint64_t kReferenceNodes = 9'000;
  const HintLimits limits{12'000, 36'000};
  std::mt19937 random(2024);
  const auto solutions = levelSolutions();
  int proven = 0, samples = 0;
  for (int index = 0; index < kLevelCount; index += 6) {
    HintSearch hints(limits);
    const Game start = levelStart(index);
    const puzzle::PuzzleBoard board(puzzleLevelOf(start));
    puzzle::Solver solver(board);
    for (int walk : {3, 12}) {
      SCOPED_TRACE("level " + std::to_string(index + 1) + ", walk " + std::to_string(walk));
      Game game = start;
      UndoHistory history;
      const std::string_view solution = solutions[static_cast<size_t>(index)];
      const size_t along = walk < 10 ? random() % solution.size() : 0;
      for (size_t i = 0; i < along; ++i) ASSERT_TRUE(play(game, history, solution[i]));
      for (int keys = 0; keys < walk;) keys += play(game, history, kKeys[random() % 6]);
      if (isSolved(game.board)) continue;

      const Hint first = ask(hints, game, history);
      ASSERT_NE(first.key, 0);
      while (hints.busy()) hints.work(game, HintSearch::kSliceNodes);
      const Hint hint = ask(hints, game, history);
      ASSERT_NE(hint.key, 0);
      EXPECT_LE(hint.keys, first.keys);
      const std::string moves = hints.solution();
      ASSERT_EQ(static_cast<int>(moves.size()), hint.keys);
      EXPECT_EQ(moves.front(), hint.key);
      EXPECT_TRUE(solves(game, moves)) << moves;

      const puzzle::Position position = puzzlePositionOf(game);
      const puzzle::SearchLimits exact{1.0, kReferenceNodes, 1 << 30, true, false};
      const puzzle::SearchOutcome shortest = solver.search(position, exact);
      puzzle::SearchOutcome best = shortest;
      if (!best.complete)
        best = solver.search(position, {2.0, kReferenceNodes, 1 << 30, true, false});
      if (best.turns) {
        const int length = static_cast<int>(
            puzzle::movesForTurns(*best.turns, position.cursorX, position.cursorY).size());
        EXPECT_LE(hint.keys, length);
      }
      EXPECT_LE(shortest.provenAtLeast, hint.keys);
      if (shortest.complete) {
        EXPECT_EQ(hint.keys, shortest.provenAtLeast);
        EXPECT_TRUE(hint.shortest);
        ++proven;
      }
      ++samples;
    }
  }
  EXPECT_GT(proven, 0);
  EXPECT_GT(samples, 20);
}

// Without any search, a position off the recorded solution is still
// answered: a cursor moved off it goes back and the solution goes on; turns
// made off it are turned back first. Without those turns there is nothing
// to offer, and no hint is better than a wrong one.
TEST(HintSearchTest, TheWayBackAnswersWithoutSearching) {
  const HintLimits noSearch{0, 0};
  const std::string_view solution = levelSolutions()[0];  // "UU<L>L<L>"
  Game game = levelStart(0);
  UndoHistory history;
  HintSearch hints(noSearch);
  for (char key : solution.substr(0, 3)) ASSERT_TRUE(play(game, history, key));
  ASSERT_TRUE(play(game, history, 'R'));
  ASSERT_TRUE(play(game, history, 'D'));
  Hint hint = ask(hints, game, history);
  EXPECT_EQ(hints.solution(), "LU" + std::string(solution.substr(3)));
  EXPECT_EQ(hint.key, 'L');
  EXPECT_EQ(hint.ringX, game.board.cursorX - 2);  // after "LU" and the solution's "L"
  EXPECT_EQ(hint.ringY, game.board.cursorY - 1);
  EXPECT_FALSE(hint.counterClockwise);  // the solution's next turn is '>'
  EXPECT_FALSE(hint.shortest);

  ASSERT_TRUE(play(game, history, '<'));
  ASSERT_TRUE(play(game, history, 'D'));
  ASSERT_TRUE(play(game, history, '<'));
  hint = ask(hints, game, history);
  EXPECT_EQ(hints.solution(), ">U>LU" + std::string(solution.substr(3)));
  EXPECT_EQ(hint.key, '>');
  EXPECT_TRUE(solves(game, hints.solution()));

  HintSearch forgetful(noSearch);
  EXPECT_EQ(forgetful.ask(game, {}).key, 0);
  EXPECT_TRUE(forgetful.solution().empty());
}

// A rotation still sliding counts as ended: the hint is the one for the
// board after it, and asking changes nothing in the game.
TEST(HintSearchTest, ARotationInProgressCountsAsEnded) {
  Game game = levelStart(1);
  UndoHistory history;
  ASSERT_TRUE(play(game, history, 'U'));
  ASSERT_EQ(startRotation(game, true), RotationStart::Started);
  history.record(game);
  stepRotation(game);
  const Game sliding = game;
  HintSearch hints;
  const Hint during = ask(hints, game, history);
  EXPECT_EQ(game.board.cells, sliding.board.cells);
  EXPECT_TRUE(game.rotation.rotating);
  finishRotation(game);
  EXPECT_EQ(puzzlePositionOf(sliding), puzzlePositionOf(game));
  HintSearch after;
  EXPECT_EQ(ask(after, game, history), during);
  EXPECT_NE(during.key, 0);
}

// A board whose tiles are not its level's (a continued game may claim any
// level) is searched as it stands: the recorded solution is not offered, and
// the hint still solves it.
TEST(HintSearchTest, ABoardWithOtherTilesIsSolvedAsItStands) {
  Game game = levelStart(4);
  game.board.levelIndex = 0;
  HintSearch hints;
  const Hint hint = hints.ask(game, {});
  ASSERT_NE(hint.key, 0);
  EXPECT_TRUE(solves(game, hints.solution()));
  EXPECT_NE(hints.solution(), levelSolutions()[0]);
}

// The game's note that a hint was shown lasts through the level's moves and
// until the level is set up afresh: a restart, the next level, a new game.
TEST(HintSearchTest, TheHintNoteLastsUntilTheLevelIsSetUpAfresh) {
  const std::string_view solution = levelSolutions()[0];
  Game game = levelStart(0);
  game.hintUsed = true;
  for (char key : solution.substr(0, solution.size() - 1)) ASSERT_TRUE(playMove(game, key));
  EXPECT_TRUE(game.hintUsed);
  restartLevel(game);
  EXPECT_FALSE(game.hintUsed);
  game.hintUsed = true;
  for (char key : solution) ASSERT_TRUE(playMove(game, key));
  EXPECT_TRUE(game.hintUsed) << "solved, the next level not yet set up";
  ASSERT_EQ(checkCompletion(game), GameStatus::LevelComplete);
  EXPECT_FALSE(game.hintUsed);
  game.hintUsed = true;
  startNewGame(game);
  EXPECT_FALSE(game.hintUsed);
}

}  // namespace
}  // namespace bt
