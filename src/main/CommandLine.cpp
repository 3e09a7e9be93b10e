#include "main/CommandLine.h"

#include <charconv>
#include <optional>

#include "game/PuzzleId.h"
#include "platform/os/Quote.h"

namespace bt {

namespace {

constexpr int kMaxScale = 16;

bool parseScale(const std::string& text, int& scale) {
  int value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || value < 1 || value > kMaxScale) return false;
  scale = value;
  return true;
}

// The options that take a value; --name=value is accepted as well.
bool takesValue(const std::string& name) {
  return name == "--display" || name == "--scale" || name == "--data-dir" || name == "--art-dir" ||
         name == "--script" || name == "--wav" || name == "--score-server" || name == "--puzzle";
}

std::optional<CommandLineError> applyValue(ProgramOptions& options, const std::string& name,
                                           const std::string& value) {
  if (name == "--display") {
    if (value == "240x320") {
      options.width = 240;
      options.height = 320;
    } else if (value == "176x220") {
      options.width = 176;
      options.height = 220;
    } else {
      return CommandLineError{"--display takes 240x320 or 176x220, not " + quote(value)};
    }
  } else if (name == "--scale") {
    if (!parseScale(value, options.scale)) {
      return CommandLineError{"--scale takes a whole number from 1 to 16, not " + quote(value)};
    }
  } else if (value.empty()) {
    return CommandLineError{name + " needs a non-empty value"};
  } else if (name == "--data-dir") {
    options.dataDir = value;
  } else if (name == "--art-dir") {
    options.artDir = value;
  } else if (name == "--script") {
    options.script = value;
  } else if (name == "--wav") {
    options.wav = value;
  } else if (name == "--puzzle") {
    const auto spec = puzzle::parsePuzzleId(value);
    if (!spec) {
      return CommandLineError{"--puzzle takes a puzzle id such as 8c3p6m-k4x9q, not " +
                              quote(value)};
    }
    options.puzzle = puzzle::formatPuzzleId(*spec);
  } else if (name == "--score-server") {
    const std::optional<ScoreServer> server = parseScoreServer(value);
    if (!server) {
      return CommandLineError{"--score-server takes HOST or HOST:PORT, not '" + value + "'"};
    }
    options.scoreServer = *server;
  }
  return std::nullopt;
}

std::optional<CommandLineError> checkCombination(const ProgramOptions& options) {
  if (options.headless && options.script.empty()) {
    return CommandLineError{"--headless needs --script FILE"};
  }
  if (!options.headless && !options.script.empty()) {
    return CommandLineError{"--script runs only with --headless"};
  }
  if (!options.headless && !options.wav.empty()) {
    return CommandLineError{"--wav works only with --headless"};
  }
  if (options.records && (options.headless || !options.puzzle.empty())) {
    return CommandLineError{"--records prints the records and runs nothing else"};
  }
  return std::nullopt;
}

}  // namespace

std::variant<ProgramOptions, CommandLineError> parseCommandLine(
    const std::vector<std::string>& arguments) {
  ProgramOptions options;
  for (size_t i = 0; i < arguments.size(); ++i) {
    std::string name = arguments[i];
    std::optional<std::string> value;
    if (const size_t equals = name.find('=');
        name.rfind("--", 0) == 0 && equals != std::string::npos) {
      value = name.substr(equals + 1);
      name.resize(equals);
    }
    if (takesValue(name)) {
      if (!value) {
        if (i + 1 >= arguments.size()) return CommandLineError{name + " needs a value"};
        value = arguments[++i];
      }
      if (auto error = applyValue(options, name, *value)) return *error;
    } else if (value) {
      return CommandLineError{quote(name) + " takes no value"};
    } else if (name == "--fullscreen" || name == "--windowed") {
      const bool fullscreen = name == "--fullscreen";
      if (options.fullscreen && *options.fullscreen != fullscreen) {
        return CommandLineError{"--fullscreen and --windowed exclude each other"};
      }
      options.fullscreen = fullscreen;
    } else if (name == "--headless") {
      options.headless = true;
    } else if (name == "--help" || name == "-h") {
      options.help = true;
    } else if (name == "--records") {
      options.records = true;
    } else {
      return CommandLineError{"unknown option " + quote(name)};
    }
  }
  if (auto error = checkCombination(options)) return *error;
  return options;
}

const char* usageText() {
  return "usage: brambletop [--display 240x320|176x220] [--scale N] [--fullscreen|--windowed]\n"
         "                  [--data-dir DIR] [--art-dir DIR] [--score-server HOST[:PORT]]\n"
         "                  [--puzzle ID] [--headless --script FILE [--wav FILE]]\n"
         "       brambletop --records [--data-dir DIR]\n";
}

}  // namespace bt
