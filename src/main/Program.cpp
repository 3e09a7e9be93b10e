#include "main/Program.h"

#include <cstdio>
#include <memory>

#include "app/Application.h"
#include "app/FrameLoop.h"
#include "main/CommandLine.h"
#include "main/DataFolder.h"
#include "main/ScreenFactory.h"
#include "main/ScriptRunner.h"
#include "main/WavFile.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/os/FileSystem.h"
#include "storage/Paths.h"
#ifdef BT_HAVE_SDL
#include "platform/sdl/SdlPlatform.h"
#endif

namespace bt {

namespace {

void complain(const std::string& message) {
  std::fprintf(stderr, "brambletop: %s\n", message.c_str());
}

bool setUpFolders(const ProgramOptions& options) {
  if (!options.artDir.empty()) setArtFolder(options.artDir);
  const auto data = chooseDataFolder(options.dataDir);
  if (!data) {
    complain("cannot create the data folder '" + options.dataDir + "'");
    return false;
  }
  setDataFolder(*data);
  return true;
}

// Runs the Application until it quits; false when the display would not open.
bool runApplication(platform::Platform& platform, const ProgramOptions& options) {
  Application app(platform, options.width, options.height, makeScreenFactory(options.scoreServer));
  if (!app.openDisplay()) return false;
  runFrameLoop(app);
  return true;
}

int runHeadless(const ProgramOptions& options) {
  const auto text = os::readFile(options.script, 16u << 20);
  if (!text) {
    complain("cannot read the script '" + options.script + "'");
    return 1;
  }
  Script script =
      parseScript(std::string_view(reinterpret_cast<const char*>(text->data()), text->size()));
  if (script.errorLine != 0) {
    std::fprintf(stderr, "script:%d: %s\n", script.errorLine, script.error.c_str());
    return 1;
  }
  if (!setUpFolders(options)) return 1;
  platform::HeadlessPlatform platform;
  ScriptRunner runner(platform, std::move(script));
  if (!runApplication(platform, options)) {
    complain("the display cannot be used");
    return 1;
  }
  int status = 0;
  if (!runner.failure().empty()) {
    std::fprintf(stderr, "%s\n", runner.failure().c_str());
    status = 1;
  }
  if (!options.wav.empty() &&
      !writeWav8BitMono(options.wav, platform.headlessWaveOut().written())) {
    complain("cannot write '" + options.wav + "'");
    status = 1;
  }
  return status;
}

#ifdef BT_HAVE_SDL
int runDesktop(const ProgramOptions& options) {
  platform::SdlPlatformOptions sdlOptions;
  sdlOptions.window.scale = options.scale;
  sdlOptions.window.fullscreen = options.fullscreen;
  std::string error;
  auto platform = platform::SdlPlatform::create(sdlOptions, error);
  if (!platform) {
    complain("cannot start the display: " + error);
    return 1;
  }
  // A second start only brings the first one's window to the front.
  if (platform->raiseRunningInstance()) return 0;
  if (!setUpFolders(options)) return 1;
  // The icon lies beside the art once the folders are known.
  platform->sdlDisplay().setIconPath(makePath("icon48.png"));
  if (!runApplication(*platform, options)) {
    complain("the display cannot be used");
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
  if (options.headless) return runHeadless(options);
#ifdef BT_HAVE_SDL
  return runDesktop(options);
#else
  complain("this build has no desktop window; use --headless --script FILE");
  return 2;
#endif
}

}  // namespace bt
