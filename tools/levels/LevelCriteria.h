#pragma once
// What makes a level worth solving, in figures that a test can check cheaply
// and docs/levels.md publishes beside each level:
//
// - Home: markers that start on a tile of their own colour, against the
//   fewest that the level's side, tiles and colours force (nonzero only when
//   a colour has more pairs than the cells that are not its tiles).
// - Solo bound: what the markers need if each went home on its own: the
//   larger of the most keys any one marker needs alone on the board (cursor
//   moves from the start and turns), and the solver's plain bound (the most
//   turns any one marker needs, or an eighth of all their turns, plus the
//   cursor moves that bring every misplaced marker into the ring once).
//   Both are lower bounds of the shortest solution; the margin par - solo
//   bound is what the markers' getting in each other's way adds: the
//   interlock.
// - The curve: levels come in chapters of six; the sixth level of a chapter
//   is a breather, except the last level of the game. The fixed levels 1 to
//   3 take no part in their chapter's figures.
// - Symmetry: a level's shape up to the eight symmetries of the cut square
//   and any renaming of its colours.
#include <string>
#include <string_view>
#include <vector>

#include "levels/PuzzleNames.h"

namespace bt::levels {

struct LevelFigures {
  int par = 0;
  int home = 0;        // markers on a tile of their colour at the start
  int forcedHome = 0;  // the fewest the layout allows
  int loneMost = 0;    // most keys one marker needs alone
  int plainBound = 0;  // the solver's plain bound at the start
  int soloBound = 0;   // the larger of the two
  int pairBound = 0;   // the solver's bound from pairs and triples of markers
  int margin() const { return par - soloBound; }
};

// Figures of a level and its (shortest) solution's length; the pair bound
// (which builds the solver's pattern tables) only when asked for.
LevelFigures measureLevel(const Level& level, int par, bool withPairBound = true);

// Markers on a tile of their own colour at the level's start.
int markersHome(const Level& level);

// Fewest markers on tiles of their own colour that any arrangement of the
// level's markers on its cells has.
int forcedHome(const Level& level);

// Fewest keys that bring a marker alone on the board from `cell` onto a
// tile of `colour` (0 to 3), from the board's start cursor.
int loneMarkerKeys(const PuzzleBoard& board, int cell, uint8_t colour);

// The interlock a level needs: par at least this much above its solo bound
// (two keys, and a tenth of par).
int wantedMargin(int par);

// Chapters of six levels; the breathers are levels 6, 12, ... 66.
int chapterOf(int number);
bool isBreather(int number);
// The par the designer aims the ordinary levels of a chapter at: 14 in the
// first chapter rising by one a chapter to 25 in the last.
int chapterTarget(int chapter);
// A breather's par is below its chapter's median par (of the ordinary
// levels) by at least three keys and a fifth.
bool breatherEasyEnough(int breatherPar, int chapterMedian);
int easiestBreather(int chapterMedian);

// A text that is equal for two levels exactly when one is the other turned
// or mirrored, with its colours renamed.
std::string canonicalShape(const Level& level);

}  // namespace bt::levels
