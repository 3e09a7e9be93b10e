#pragma once
// The score server's command line:
//   brambletop-scored [--listen ADDR:PORT] [--db FILE|postgresql://...]
//                     [--db-timeout SECONDS] [--no-db-check]
//                     [--trusted-proxy ADDR]... [--web DIR] [--quiet]
//                     [--max-connections N] [--connections-per-address N]
//                     [--min-send-rate BYTES] [--accept-unproven]
//                     [--today YYYY-MM-DD]
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "ConnectionLimits.h"
#include "ScoreStore.h"
#include "game/DailyPuzzle.h"
#include "net/protocol/ScoreCheck.h"

namespace bt::scored {

struct ServerOptions {
  std::string host = "127.0.0.1";
  int port = kScoreServerPort;  // 0: any free port
  std::string database;         // empty: the default file
  // For each call to PostgreSQL.
  int databaseTimeoutSeconds = static_cast<int>(kDefaultDatabaseTimeout.count());
  bool checkDatabase = true;  // SQLite's quick check at start
  std::vector<std::string> trustedProxies;
  std::string webFolder;  // empty: no web page served
  ConnectionLimits limits;
  bool acceptUnproven = false;  // scores without a proof of play, by the check value
  // The date the daily puzzles take as today; none: the system clock's.
  std::optional<puzzle::CivilDate> today;
  bool quiet = false;
  bool help = false;
};

struct OptionsError {
  std::string message;
};

extern const char* const kServerUsage;

std::variant<ServerOptions, OptionsError> parseServerOptions(const std::vector<std::string>& args);

// $XDG_DATA_HOME/brambletop/scores.db, else ~/.local/share/brambletop/scores.db;
// empty when neither variable is set.
std::string defaultDatabasePath();

}  // namespace bt::scored
