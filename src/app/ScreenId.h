#pragma once
// The screens a screen can ask for. Only the low 8 bits of a request count.
#include <cstdint>

namespace bt {

enum class ScreenId : uint32_t {
  Quit = 0,  // ends the program at once; no screen
  NewGame = 1,
  MainMenu = 2,
  Options = 3,
  ScoreTable = 4,
  ContinueGame = 5,  // the game screen started from "save.dat"
  OnlineScores = 6,
  Help = 7,
  Intro = 8,  // the first screen
  ConfirmNewGame = 10,
  LevelSelect = 11,   // beside the phone's screens: every level reached
  PracticeGame = 12,  // the game screen on the level select's level, as practice
  RandomPuzzle = 13,  // choose or type a puzzle of the endless mode
  PuzzleGame = 14,    // the game screen on Application::puzzleChoice
};

}  // namespace bt
