#pragma once
// The screens a screen can ask for. Only the low 8 bits of a request count.
// NewGame and ContinueGame are the phone's requests for the game screen; a
// request for Play carries the session it plays (ScreenRequest).
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
  Play = 12,          // the game screen playing the session of its request
  RandomPuzzle = 13,  // choose or type a puzzle of the endless mode
};

}  // namespace bt
