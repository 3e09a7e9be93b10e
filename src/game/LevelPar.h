#pragma once
// Par: the fewest keys a level can be solved in, counted as the recorded
// solutions count them (a cursor move that moves, a turn that starts): the
// length of each level's recorded solution, proven shortest by the level
// tool's solver where levelParProven says so, else the best found
// (docs/levels.md gives each proof).
namespace bt {

int levelPar(int levelIndex);
// False where no proof reached the recorded length.
bool levelParProven(int levelIndex);

}  // namespace bt
