#pragma once
// The brambletop-pack command line: picks the command, runs it, and turns
// failures into one line on `err`.
#include <ostream>
#include <string>
#include <vector>

namespace bt::pack {

inline constexpr int kExitDone = 0;
inline constexpr int kExitBadInput = 1;  // a missing or damaged file, an unwritable output
inline constexpr int kExitUsage = 2;     // unknown command or wrong argument count

// Runs one command line (the arguments after the program name) and returns
// the exit status.
int runPackTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace bt::pack
