// brambletop-scored: the online score table's server. See ServerOptions.h
// for the command line and docs/server.md for running it.
#include <malloc.h>
#include <signal.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "DailyPuzzleWarmer.h"
#include "LogSink.h"
#include "RequestLog.h"
#include "ScoreHttpServer.h"
#include "ScoreService.h"
#include "ScoreStore.h"
#include "ServerOptions.h"
#include "SignalWatcher.h"
#include "StaticFiles.h"
#include "SubmissionRateLimit.h"

namespace {

using namespace bt::scored;

// On a stop, requests in flight may wait this much more for the database: a
// healthy one answers in milliseconds, one that does not answer is not
// waited for.
constexpr std::chrono::milliseconds kStopGrace{1000};

// Every connection holds a descriptor: take all the descriptors allowed.
void raiseDescriptorLimit() {
  rlimit limit{};
  if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_NOFILE, &limit);
  }
}

// The default file's folder is made when missing; a given file's is not.
std::string databaseToUse(const ServerOptions& options) {
  if (!options.database.empty()) return options.database;
  const std::string path = defaultDatabasePath();
  if (path.empty()) throw StoreError("neither XDG_DATA_HOME nor HOME is set; give --db FILE");
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
  if (error) throw StoreError("cannot make the folder of " + path + ": " + error.message());
  return path;
}

// Shown on start; the password of a database URL is left out.
std::string shownDatabase(const std::string& database) {
  const size_t scheme = database.find("://");
  const size_t at = database.find('@');
  if (scheme == std::string::npos || at == std::string::npos) return database;
  const size_t colon = database.find(':', scheme + 3);
  if (colon == std::string::npos || colon > at) return database;
  return database.substr(0, colon) + ":***" + database.substr(at);
}

int run(const ServerOptions& options, const StaticFiles* webFiles) {
  SignalWatcher signals;  // before any thread starts
  std::signal(SIGPIPE, SIG_IGN);
  raiseDescriptorLimit();
  // Per-thread allocation arenas would multiply memory by the connections.
  mallopt(M_ARENA_MAX, 2);

  std::unique_ptr<ScoreStore> store;
  std::string database;
  try {
    database = databaseToUse(options);
    store =
        openScoreStore(database, {.timeout = std::chrono::seconds(options.databaseTimeoutSeconds),
                                  .checkFile = options.checkDatabase});
  } catch (const StoreError& e) {
    std::fprintf(stderr, "brambletop-scored: %s\n", e.what());
    return 1;
  }
  SubmissionRateLimit limit;
  DailyPuzzles::Clock clock;
  if (options.today) clock = [noon = noonOf(*options.today)] { return noon; };
  ScoreService service(*store, limit, options.acceptUnproven, std::move(clock));
  if (webFiles) service.serveScoresPage();
  RequestLog log(!options.quiet);
  ScoreHttpServer server(service, log, options.trustedProxies, options.limits);
  if (webFiles) server.serveWebFiles(*webFiles);
  const int port = server.bindTo(options.host, options.port);
  if (port < 0) {
    std::fprintf(stderr, "brambletop-scored: cannot listen on %s:%d\n", options.host.c_str(),
                 options.port);
    return 1;
  }
  // From here on standard error is written only through the log, which
  // never waits for a reader.
  LogSink& errors = LogSink::standardError();
  errors.writeLine("brambletop-scored: listening on " + options.host + ":" + std::to_string(port) +
                   ", scores in " + shownDatabase(database) +
                   (webFiles ? ", web page from " + webFiles->root().string() : "") + "\n");
  DailyPuzzleWarmer warmer(service.dailyPuzzles());
  signals.start([&server, &store, &service] {
    store->stopWaiting(kStopGrace);
    service.stopWaiting();
    server.shutDown();
  });
  const bool served = server.serve();
  errors.writeLine("brambletop-scored: stopped\n");
  return served ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  auto parsed = parseServerOptions(args);
  if (auto* error = std::get_if<OptionsError>(&parsed)) {
    std::fprintf(stderr, "brambletop-scored: %s\n%s", error->message.c_str(), kServerUsage);
    return 2;
  }
  const ServerOptions& options = std::get<ServerOptions>(parsed);
  if (options.help) {
    std::fputs(kServerUsage, stdout);
    return 0;
  }
  std::optional<StaticFiles> webFiles;
  if (!options.webFolder.empty()) {
    auto opened = StaticFiles::open(options.webFolder);
    if (auto* reason = std::get_if<std::string>(&opened)) {
      std::fprintf(stderr, "brambletop-scored: %s\n%s", reason->c_str(), kServerUsage);
      return 2;
    }
    webFiles = std::move(std::get<StaticFiles>(opened));
  }
  return run(options, webFiles ? &*webFiles : nullptr);
}
