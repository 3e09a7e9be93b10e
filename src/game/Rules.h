#pragma once
// The rules of the puzzle on a Board: cursor moves, the 17-frame rotation of
// the ring of eight cells around the cursor's 2 x 2 centre, the completion
// checks and restarts. Pure state changes that return what happened: the
// caller draws (where the pieces stand and what the status line says), plays
// sounds, keeps the settings and decides what a solve leads to.
//
// Input during a rotation: the commit writes the pieces into the ring where
// the rotation started, wherever the cursor has moved since; a restart drops
// the lifted pieces (the level is set up afresh); finishRotation commits at
// once (before the game is saved). So the board always holds every marker of
// the level exactly once, apart from the eight lifted while they slide.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "game/Board.h"
#include "game/Level.h"
#include "game/LevelData.h"
#include "game/Ring.h"

namespace bt {

inline constexpr int kRotationFrames = 17;
inline constexpr int kLastLevelIndex = kLevelCount - 1;
// The levelIndex of a board that is no level of the built-in table.
inline constexpr int32_t kNoLevelIndex = -1;

// One ring cell's marker while it slides from ring position k towards the
// next position in the direction of the turn: its colour (0 to 3, or
// cellEmpty).
struct RotationPiece {
  uint8_t colour = cellEmpty;
};

struct Rotation {
  bool counterClockwise = false;
  bool rotating = false;
  uint8_t animFrame = 0;  // frames done, 0 to 17; it stays at 17 after the commit
  std::array<RotationPiece, kRingSize> pieces{};
  uint8_t cursorX = 0;  // the ring the pieces were lifted from
  uint8_t cursorY = 0;
};

// The level checkCompletion last found solved, and the keys that solved it.
struct SolvedLevel {
  int32_t levelIndex = kNoLevelIndex;  // none yet, or a board of no level
  std::string moves;
  bool hintUsed = false;
  // The board as it was solved: the redraw that finds it solved still shows
  // it, though the next level is set up already.
  Board board;
};

struct Game {
  Board board;
  Rotation rotation;
  bool gameOver = false;  // the last level has been solved
  // The keys of the current level so far, as a recorded solution writes
  // them: a cursor move that moved the cursor, a turn that started ('<'
  // left, '>' right). A restart, a new level and a restored game start it
  // empty; undo and redo (UndoHistory) put it back with the board.
  std::string moves;
  // A hint was shown on this level; cleared when a level is set up afresh
  // (a new game, the next level, a restart), so the level checkCompletion
  // reports solved keeps its flag in lastSolved. Not part of "save.dat".
  bool hintUsed = false;
  SolvedLevel lastSolved;
  // The level the board was set up from, which a restart sets up again;
  // none past the last level or before a board is set up.
  std::shared_ptr<const Level> level;
};

enum class Move { Up, Down, Left, Right };

enum class RotationStart {
  Ignored,  // the game is over or the board was never set up
  Refused,  // a rotation is already running (the request still counts as play)
  Started,  // the ring's markers are lifted and sliding
};

enum class GameStatus {
  Playing,
  LevelComplete,
  GameOver,
  Solved,  // a board with no level after it (checkSolved) is solved
};

// Sets level 1 up: levelIndex 0, no rotation, gameOver clear.
void startNewGame(Game& game);
// The same for any level (0 to kLastLevelIndex), as practice plays it.
void startLevel(Game& game, int32_t levelIndex);
// Sets a level that is no built-in one up (levelIndex kNoLevelIndex), no
// rotation, gameOver clear. A level whose side is not 5 to 10 is refused
// and changes nothing (false).
bool startBoard(Game& game, std::shared_ptr<const Level> level);
// Moves the cursor one cell when the ring stays inside the board; false (and
// no change) otherwise.
bool moveCursor(Board& board, Move move);
// The same, counted in the game's moves when the cursor moved.
bool moveCursor(Game& game, Move move);
// The letter of a cursor move in a solution ('U' 'D' 'L' 'R').
char letterOf(Move move);
// Lifts the ring's eight markers and starts the animation; a turn that
// starts counts in the game's moves.
RotationStart startRotation(Game& game, bool counterClockwise);
// One frame of the slide; after the 17th frame commits the pieces to the
// ring where the rotation started. Nothing when no rotation runs.
void stepRotation(Game& game);
// Commits a running rotation at once, as its 17th frame would.
void finishRotation(Game& game);
// The completion check of the built-in levels, run before each redraw: a
// solved board (and no rotation running) moves to the next level, or past
// the last level ends the game; the solved level's moves and hint go to
// lastSolved. Returns what happened.
GameStatus checkCompletion(Game& game);
// The completion check of a board with no level after it: once solved (no
// rotation running) the game ends (Solved, from then on until a restart;
// its moves and hint in lastSolved).
GameStatus checkSolved(Game& game);
// The ring position piece k of a rotation slides towards.
size_t nextRingPosition(const Rotation& rotation, size_t k);
// Sets the game's level up afresh, dropping a running rotation's pieces;
// gameOver clear (a board solved by checkSolved can be played again).
// Nothing on a board that was never set up or once past the last level.
void restartLevel(Game& game);
// One move of a recorded solution ('U' 'D' 'L' 'R', '<' rotate left, '>'
// rotate right), a rotation committed at once; false for a refused move or
// any other character.
bool playMove(Game& game, char move);
// The cursor move of a solution's letter 'U' 'D' 'L' 'R'; nullopt for any
// other character.
std::optional<Move> cursorMoveOf(char letter);

}  // namespace bt
