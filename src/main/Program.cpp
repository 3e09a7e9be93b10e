#include "main/Program.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

#include "app/Application.h"
#include "app/FrameLoop.h"
#include "app/PlayerData.h"
#include "main/CommandLine.h"
#include "main/DataFolder.h"
#include "main/RecordsReport.h"
#include "main/ScreenFactory.h"
#include "main/ScriptRunner.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/os/FileSystem.h"
#include "platform/os/Quote.h"
#include "platform/os/Warning.h"
#include "sound/WaveWriter.h"
#include "storage/Paths.h"
#ifdef BT_HAVE_SDL
#include "platform/sdl/SdlPlatform.h"
#endif

namespace bt {

namespace {

// The longest script read; a longer one is refused before anything runs.
constexpr size_t kMaxScriptBytes = 16u << 20;

// The art and data folders of this run; nullopt and the reason in problem
// when the data folder cannot be made or the art folder holds no
// Game_Sprite (the program cannot show anything without it).
std::optional<Folders> chooseFolders(const ProgramOptions& options, std::string& problem) {
  const std::string art = chooseArtFolder(options.artDir);
  const auto data = chooseDataFolder(options.dataDir);
  if (!data) {
    problem = "cannot create the data folder " + quote(options.dataDir);
    return std::nullopt;
  }
  Folders folders(art, *data);
  std::error_code error;
  if (!std::filesystem::is_directory(folders.makePath("Game_Sprite"), error)) {
    problem = "no art in " + quote(folders.art()) +
              ": the folder Game_Sprite is missing there (--art-dir names the folder that "
              "holds it)";
    return std::nullopt;
  }
  return folders;
}

// The personal records of the data folder, on stdout; never a window.
int printRecords(const ProgramOptions& options) {
  const auto data = chooseDataFolder(options.dataDir);
  if (!data) {
    warn("cannot find the data folder " + quote(options.dataDir));
    return 1;
  }
  PlayerData player(Folders(std::string(), *data));
  player.loadRecords();
  std::fputs(recordsReport(player.records()).c_str(), stdout);
  return 0;
}

// Runs the Application until it quits; false when the display would not open.
// In a window the key legend shows itself on the first game.
bool runApplication(platform::Platform& platform, const ProgramOptions& options,
                    const Folders& folders, bool inWindow) {
  Application app(platform, options.width, options.height, makeScreenFactory(options.scoreServer),
                  folders);
  if (inWindow) app.introduceLegendOnFirstGame();
  // A puzzle asked for on the command line comes first, without the intro.
  if (!options.puzzle.empty()) app.openPuzzle(options.puzzle);
  if (!app.openDisplay()) return false;
  runFrameLoop(app);
  return true;
}

int runHeadless(const ProgramOptions& options) {
  std::string whyNot;
  const auto text = os::readStream(options.script, kMaxScriptBytes, whyNot);
  if (!text) {
    warn("cannot read the script " + quote(options.script) + ": " + whyNot);
    return 1;
  }
  Script script =
      parseScript(std::string_view(reinterpret_cast<const char*>(text->data()), text->size()));
  if (script.errorLine != 0) {
    std::fprintf(stderr, "script:%d: %s\n", script.errorLine, script.error.c_str());
    return 1;
  }
  std::string problem;
  const std::optional<Folders> folders = chooseFolders(options, problem);
  if (!folders) {
    warn(problem);
    return 1;
  }
  platform::HeadlessPlatform platform;
  ScriptRunner runner(platform, std::move(script));
  if (!runApplication(platform, options, *folders, false)) {
    warn("the display cannot be used");
    return 1;
  }
  int status = 0;
  if (!runner.failure().empty()) {
    std::fprintf(stderr, "%s\n", runner.failure().c_str());
    status = 1;
  }
  // Each failed save has had its warning line; the run as a whole failed.
  if (!platform.saveFailures().empty()) status = 1;
  if (!options.wav.empty() &&
      !os::writeFileAtomically(options.wav,
                               encodeWave8BitMono(platform.headlessWaveOut().written()), &whyNot)) {
    warn("cannot write " + quote(options.wav) + ": " + whyNot);
    status = 1;
  }
  return status;
}

#ifdef BT_HAVE_SDL
int runDesktop(const ProgramOptions& options) {
  platform::SdlPlatformOptions sdlOptions;
  sdlOptions.window.scale = options.scale;
  sdlOptions.fullscreen = options.fullscreen;
  std::string error;
  auto platform = platform::SdlPlatform::create(sdlOptions, error);
  if (!platform) {
    warn("cannot start the display: " + error);
    return 1;
  }
  // A second start only brings the first one's window to the front, and
  // hands it the puzzle it was asked for.
  if (platform->raiseRunningInstance(options.puzzle)) return 0;
  std::string problem;
  const std::optional<Folders> folders = chooseFolders(options, problem);
  if (!folders) {
    warn(problem);
    platform->showError("Brambletop cannot start: " + problem + ".");
    return 1;
  }
  // The icon lies beside the art once the folders are known.
  platform->sdlDisplay().setIconPath(folders->makePath("icon48.png"));
  if (!runApplication(*platform, options, *folders, true)) {
    warn("the display cannot be used");
    return 1;
  }
  return 0;
}
#endif

}  // namespace

int runProgram(const std::vector<std::string>& arguments) {
  auto parsed = parseCommandLine(arguments);
  if (auto* error = std::get_if<CommandLineError>(&parsed)) {
    std::fprintf(stderr, "brambletop: %s\n%s", error->message.c_str(), usageText());
    return 2;
  }
  const ProgramOptions& options = std::get<ProgramOptions>(parsed);
  if (options.help) {
    std::fputs(usageText(), stdout);
    return 0;
  }
  if (options.records) return printRecords(options);
  if (options.headless) return runHeadless(options);
#ifdef BT_HAVE_SDL
  return runDesktop(options);
#else
  warn("this build has no desktop window; use --headless --script FILE");
  return 2;
#endif
}

}  // namespace bt
