#pragma once
// The command line of brambletop-levels. See kUsage in LevelsTool.cpp.
#include <ostream>
#include <string>
#include <vector>

namespace bt::levels {

inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;  // an output that cannot be written
inline constexpr int kExitUsage = 2;   // unknown command, wrong arguments

int runLevelsTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace bt::levels
