#pragma once
// The program's command line:
//   brambletop [--display 240x320|176x220] [--scale N] [--fullscreen|--windowed]
//              [--data-dir DIR] [--art-dir DIR] [--score-server HOST[:PORT]]
//              [--puzzle ID] [--headless --script FILE [--wav FILE]]
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "net/ScoreServer.h"

namespace bt {

struct ProgramOptions {
  int width = 240;
  int height = 320;
  int scale = 0;  // 0: the largest that fits
  // nullopt: as the player last switched it with F11 or Alt+Enter.
  std::optional<bool> fullscreen;
  std::string dataDir;
  std::string artDir;
  ScoreServer scoreServer;
  bool headless = false;
  std::string script;
  std::string wav;
  bool help = false;
  bool records = false;  // print the personal records and end
  std::string puzzle;    // a puzzle id to start with (checked), "" for none
};

struct CommandLineError {
  std::string message;  // one line, without the program name
};

std::variant<ProgramOptions, CommandLineError> parseCommandLine(
    const std::vector<std::string>& arguments);

const char* usageText();

}  // namespace bt
