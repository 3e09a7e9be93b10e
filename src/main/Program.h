#pragma once
// The program from start to end: command line, single-instance rule, art and
// data folders, the Application on the chosen platform, and the frame loop.
#include <string>
#include <vector>

namespace bt {

// Exit status: 0 after a normal end (or when another instance was raised),
// 1 when the display or a script failed, or a headless run could not save a
// file of the player's, 2 for a bad command line.
int runProgram(const std::vector<std::string>& arguments);

}  // namespace bt
