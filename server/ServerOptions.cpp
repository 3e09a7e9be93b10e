#include "ServerOptions.h"

#include <charconv>
#include <cstdlib>

#include "ClientAddress.h"
#include "DailyPuzzles.h"

namespace bt::scored {

const char* const kServerUsage =
    "usage: brambletop-scored [--listen ADDR:PORT] [--db FILE|postgresql://...]\n"
    "                         [--db-timeout SECONDS] [--no-db-check]\n"
    "                         [--trusted-proxy ADDR]... [--web DIR] [--quiet]\n"
    "                         [--max-connections N] [--connections-per-address N]\n"
    "                         [--min-send-rate BYTES] [--accept-unproven]\n"
    "                         [--today YYYY-MM-DD]\n"
    "  --listen ADDR:PORT     where to take requests (default 127.0.0.1:8750;\n"
    "                         [::1]:PORT for IPv6; port 0 takes a free one)\n"
    "  --db FILE              SQLite file (default $XDG_DATA_HOME/brambletop/scores.db)\n"
    "  --db postgresql://...  a PostgreSQL database that several servers may share\n"
    "  --db-timeout SECONDS   how long a request waits for PostgreSQL before its 503\n"
    "                         (1 to 60, default 3)\n"
    "  --no-db-check          skip SQLite's quick check of the file at start\n"
    "  --trusted-proxy ADDR   a reverse proxy at ADDR whose X-Forwarded-For names\n"
    "                         the client for the submission limit (repeatable)\n"
    "  --web DIR              also serve the web page built in DIR (index.html at /)\n"
    "                         beside the score path, and the tables at /scores\n"
    "  --quiet                no line per request on standard error\n"
    "  --max-connections N    connections served at once (default 512)\n"
    "  --connections-per-address N\n"
    "                         connections one client may hold, an IPv6 client\n"
    "                         counted by its /64 (default 32; 0: no limit); a\n"
    "                         --trusted-proxy is not limited\n"
    "  --min-send-rate BYTES  bytes a second a reply must average after its\n"
    "                         first 4 s (default 4096; 0: no minimum)\n"
    "  --accept-unproven      take a score without a proof of play when its check\n"
    "                         value matches, as the phone's client sends it\n"
    "  --today YYYY-MM-DD     take this date (UTC, 1678 to 2261) as today for the\n"
    "                         daily puzzles, to try a day out (default: the\n"
    "                         system clock's)\n";

namespace {

bool readListen(const std::string& text, ServerOptions& options) {
  const size_t colon = text.rfind(':');
  if (colon == std::string::npos || colon == 0) return false;
  std::string host = text.substr(0, colon);
  const std::string port = text.substr(colon + 1);
  if (host.front() == '[') {
    if (host.size() < 3 || host.back() != ']') return false;
    host = host.substr(1, host.size() - 2);
  } else if (host.find(':') != std::string::npos) {
    return false;  // an IPv6 address needs its brackets
  }
  int value = -1;
  const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), value);
  if (port.empty() || error != std::errc() || end != port.data() + port.size() || value < 0 ||
      value > 65535) {
    return false;
  }
  options.host = host;
  options.port = value;
  return true;
}

// A whole decimal number from `least` to `most`.
bool readCount(const std::string& text, size_t least, size_t most, size_t& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && error == std::errc() && end == text.data() + text.size() &&
         value >= least && value <= most;
}

// The options that set a limit: the limit, or null for another option.
size_t* limitNamed(const std::string& name, ConnectionLimits& limits) {
  if (name == "--max-connections") return &limits.maxConnections;
  if (name == "--connections-per-address") return &limits.maxConnectionsPerClient;
  if (name == "--min-send-rate") return &limits.minSendRate;
  return nullptr;
}

}  // namespace

std::variant<ServerOptions, OptionsError> parseServerOptions(const std::vector<std::string>& args) {
  ServerOptions options;
  for (size_t i = 0; i < args.size(); ++i) {
    std::string name = args[i];
    std::string value;
    bool hasValue = false;
    if (const size_t eq = name.find('='); name.starts_with("--") && eq != std::string::npos) {
      value = name.substr(eq + 1);
      name = name.substr(0, eq);
      hasValue = true;
    }
    size_t* limit = limitNamed(name, options.limits);
    const bool takesValue = name == "--listen" || name == "--db" || name == "--db-timeout" ||
                            name == "--trusted-proxy" || name == "--web" || name == "--today" ||
                            limit;
    const bool flag = name == "--quiet" || name == "--help" || name == "--no-db-check" ||
                      name == "--accept-unproven";
    if (!takesValue && !flag) return OptionsError{"unknown option " + args[i]};
    if (flag) {
      if (hasValue) return OptionsError{name + " takes no value"};
      if (name == "--no-db-check") {
        options.checkDatabase = false;
      } else if (name == "--accept-unproven") {
        options.acceptUnproven = true;
      } else {
        (name == "--quiet" ? options.quiet : options.help) = true;
      }
      continue;
    }
    if (!hasValue) {
      if (i + 1 == args.size()) return OptionsError{name + " needs a value"};
      value = args[++i];
    }
    if (limit) {
      // Connections are bounded by descriptors; a million bytes a second is
      // more than any minimum needs.
      const size_t least = name == "--max-connections" ? 1 : 0;
      if (!readCount(value, least, 1000000, *limit)) {
        return OptionsError{name + " needs a whole number from " + std::to_string(least) +
                            " to 1000000, not " + value};
      }
    } else if (name == "--listen") {
      if (!readListen(value, options))
        return OptionsError{"--listen needs ADDR:PORT, not " + value};
    } else if (name == "--db") {
      if (value.empty()) return OptionsError{"--db needs a file or a postgresql:// URL"};
      options.database = value;
    } else if (name == "--db-timeout") {
      size_t seconds = 0;
      if (!readCount(value, 1, 60, seconds))
        return OptionsError{"--db-timeout needs whole seconds from 1 to 60, not " + value};
      options.databaseTimeoutSeconds = static_cast<int>(seconds);
    } else if (name == "--web") {
      if (value.empty()) return OptionsError{"--web needs a folder"};
      options.webFolder = value;
    } else if (name == "--today") {
      options.today = puzzle::parseDate(value);
      if (!options.today || !canBeToday(*options.today)) {
        return OptionsError{"--today needs a date YYYY-MM-DD from " +
                            std::to_string(kFirstTodayYear) + "-01-01 to " +
                            std::to_string(kLastTodayYear) + "-12-31, not " + value};
      }
    } else {
      if (!isIpAddress(value))
        return OptionsError{"--trusted-proxy needs an IP address, not " + value};
      options.trustedProxies.push_back(value);
    }
  }
  return options;
}

std::string defaultDatabasePath() {
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data && *data) return std::string(data) + "/brambletop/scores.db";
  const char* home = std::getenv("HOME");
  if (home && *home) return std::string(home) + "/.local/share/brambletop/scores.db";
  return {};
}

}  // namespace bt::scored
