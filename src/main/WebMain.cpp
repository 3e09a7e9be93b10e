// The program as a web page. The browser runs the frame loop (one step an
// animation frame), so main sets everything up, hands the loop to the page
// and returns; the Application lives until the player quits.
#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/Application.h"
#include "app/FrameLoop.h"
#include "main/CommandLine.h"
#include "main/PageOptions.h"
#include "main/ScreenFactory.h"
#include "platform/web/WebPlatform.h"
#include "storage/Paths.h"

namespace {

using bt::platform::WebPlatform;

constexpr const char* kEndedText = "Brambletop has ended. Reload the page to play again.";

// The options the page's address gives, or nullopt after showing why not.
std::optional<bt::ProgramOptions> readPageOptions() {
  const std::string query = bt::platform::pageQuery();
  auto arguments = bt::argumentsOfQuery(query);
  if (auto* error = std::get_if<bt::CommandLineError>(&arguments)) {
    bt::platform::showPageText("brambletop: " + error->message);
    return std::nullopt;
  }
  const auto& words = std::get<std::vector<std::string>>(arguments);
  auto parsed = bt::parseCommandLine(words);
  if (auto* error = std::get_if<bt::CommandLineError>(&parsed)) {
    bt::platform::showPageText("brambletop: " + error->message);
    return std::nullopt;
  }
  bt::ProgramOptions options = std::get<bt::ProgramOptions>(parsed);
  // Without a server named, the scores go to the server that gave the page.
  if (std::find(words.begin(), words.end(), "--score-server") == words.end()) {
    options.scoreServer.host = bt::platform::pageHost();
    options.scoreServer.port = bt::platform::pagePort();
  }
  return options;
}

}  // namespace

int main() {
  const std::optional<bt::ProgramOptions> options = readPageOptions();
  if (!options) return 2;
  const bt::Folders folders(WebPlatform::kArtFolder, WebPlatform::kDataFolder);
  std::error_code error;
  if (!std::filesystem::is_directory(folders.makePath("Game_Sprite"), error)) {
    bt::platform::showPageText("Brambletop cannot start: the page was built without its art.");
    return 1;
  }
  // Owned by the loop from here on: they end with it.
  auto platform = std::make_shared<WebPlatform>(options->scale);
  auto app =
      std::make_shared<bt::Application>(*platform, options->width, options->height,
                                        bt::makeScreenFactory(options->scoreServer), folders);
  // "?puzzle=ID" opens that puzzle first, without the intro.
  if (!options->puzzle.empty()) app->openPuzzle(options->puzzle);
  if (!app->openDisplay()) {
    bt::platform::showPageText("Brambletop cannot start: the page has no canvas to draw on.");
    return 1;
  }
  auto loop = std::make_shared<bt::FrameLoop>(*app);
  platform->runLoop([loop] { return loop->runDue(); }, [app] { return app->still(); },
                    [platform, app]() mutable {
                      app.reset();  // writes "settings.dat", closes the display
                      bt::platform::showPageText(kEndedText);
                    });
  return 0;
}
