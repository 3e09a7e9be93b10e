#include "ScoreStore.h"

#include "PostgresScoreStore.h"
#include "SqliteScoreStore.h"

namespace bt::scored {

std::unique_ptr<ScoreStore> openScoreStore(const std::string& database,
                                           const StoreOptions& options) {
  if (database.starts_with("postgresql://") || database.starts_with("postgres://")) {
    return std::make_unique<PostgresScoreStore>(database, options.timeout);
  }
  return std::make_unique<SqliteScoreStore>(database, options.checkFile);
}

}  // namespace bt::scored
