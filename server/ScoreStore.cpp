#include "ScoreStore.h"

#include <charconv>

#include "PostgresScoreStore.h"
#include "SqliteScoreStore.h"

namespace bt::scored {

std::string levelKey(int level) {
  return std::to_string(level);
}

std::optional<int> levelOfKey(std::string_view key) {
  if (key.empty() || key.size() > 4 || key.front() == '0') return std::nullopt;
  int level = 0;
  const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), level);
  if (error != std::errc() || end != key.data() + key.size() || level < 1) return std::nullopt;
  return level;
}

std::unique_ptr<ScoreStore> openScoreStore(const std::string& database,
                                           const StoreOptions& options) {
  if (database.starts_with("postgresql://") || database.starts_with("postgres://")) {
    return std::make_unique<PostgresScoreStore>(database, options.timeout);
  }
  return std::make_unique<SqliteScoreStore>(database, options.checkFile);
}

}  // namespace bt::scored
