#include "SqliteSchema.h"

#include "ScoreStore.h"

namespace bt::scored {
namespace {

constexpr const char* kTables =
    "CREATE TABLE IF NOT EXISTS scores ("
    " game TEXT NOT NULL, name TEXT NOT NULL, score INTEGER NOT NULL,"
    " achieved INTEGER NOT NULL, PRIMARY KEY (game, name)) WITHOUT ROWID;"
    "CREATE INDEX IF NOT EXISTS scores_rank ON scores (game, score DESC, achieved, name);"
    "CREATE TABLE IF NOT EXISTS records ("
    " game TEXT NOT NULL, level INTEGER NOT NULL, name TEXT NOT NULL, count INTEGER NOT NULL,"
    " moves TEXT NOT NULL, achieved INTEGER NOT NULL,"
    " PRIMARY KEY (game, level, name)) WITHOUT ROWID;"
    "CREATE INDEX IF NOT EXISTS records_rank ON records (game, level, count, achieved, name);"
    "CREATE TABLE IF NOT EXISTS puzzle_records ("
    " game TEXT NOT NULL, puzzle TEXT NOT NULL, name TEXT NOT NULL, count INTEGER NOT NULL,"
    " moves TEXT NOT NULL, achieved INTEGER NOT NULL,"
    " PRIMARY KEY (game, puzzle, name)) WITHOUT ROWID;"
    "CREATE INDEX IF NOT EXISTS puzzle_records_rank"
    " ON puzzle_records (game, puzzle, count, achieved, name);";

// A name's record leaves the tallies of its old count.
constexpr const char* kUncount =
    "UPDATE @tallies SET players = players - 1"
    " WHERE game = OLD.game AND @key = OLD.@key AND count = OLD.count;"
    "DELETE FROM @tallies"
    " WHERE game = OLD.game AND @key = OLD.@key AND count = OLD.count AND players <= 0;"
    "UPDATE @players SET players = players - 1 WHERE game = OLD.game AND @key = OLD.@key;"
    "DELETE FROM @players WHERE game = OLD.game AND @key = OLD.@key AND players <= 0;";

// ... and joins those of its new one.
constexpr const char* kCount =
    "INSERT INTO @tallies VALUES (NEW.game, NEW.@key, NEW.count, 1)"
    " ON CONFLICT (game, @key, count) DO UPDATE SET players = players + 1;"
    "INSERT INTO @players VALUES (NEW.game, NEW.@key, 1)"
    " ON CONFLICT (game, @key) DO UPDATE SET players = players + 1;";

constexpr const char* kTallyTables =
    "CREATE TABLE @tallies (game TEXT NOT NULL, @key @keyType NOT NULL,"
    " count INTEGER NOT NULL, players INTEGER NOT NULL,"
    " PRIMARY KEY (game, @key, count)) WITHOUT ROWID;"
    "CREATE TABLE @players (game TEXT NOT NULL, @key @keyType NOT NULL,"
    " players INTEGER NOT NULL, PRIMARY KEY (game, @key)) WITHOUT ROWID;"
    "INSERT INTO @tallies SELECT game, @key, count, count(*) FROM @records"
    " GROUP BY game, @key, count;"
    "INSERT INTO @players SELECT game, @key, count(*) FROM @records GROUP BY game, @key;";

bool tableExists(sqlite3* db, const char* name) {
  sqlite3_stmt* query = nullptr;
  if (sqlite3_prepare_v2(db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1", -1,
                         &query, nullptr) != SQLITE_OK) {
    throw StoreError(sqlite3_errmsg(db));
  }
  sqlite3_bind_text(query, 1, name, -1, SQLITE_STATIC);
  const int status = sqlite3_step(query);
  sqlite3_finalize(query);
  if (status != SQLITE_ROW && status != SQLITE_DONE) throw StoreError(sqlite3_errmsg(db));
  return status == SQLITE_ROW;
}

// The tallies of one kind of record, counted from the records kept so far.
void createTallies(sqlite3* db, const RecordTables& tables) {
  if (tableExists(db, tables.tallies)) return;
  sqliteExecute(db, tallySql(kTallyTables, tables));
  const std::string uncount = tallySql(kUncount, tables);
  const std::string count = tallySql(kCount, tables);
  sqliteExecute(
      db, tallySql("CREATE TRIGGER @records_counted AFTER INSERT ON @records BEGIN ", tables) +
              count + "END;");
  sqliteExecute(db, tallySql("CREATE TRIGGER @records_recounted"
                             " AFTER UPDATE OF game, @key, count ON @records"
                             " WHEN OLD.game IS NOT NEW.game OR OLD.@key IS NOT NEW.@key"
                             " OR OLD.count IS NOT NEW.count BEGIN ",
                             tables) +
                        uncount + count + "END;");
  sqliteExecute(
      db, tallySql("CREATE TRIGGER @records_uncounted AFTER DELETE ON @records BEGIN ", tables) +
              uncount + "END;");
}

}  // namespace

void sqliteExecute(sqlite3* db, const std::string& sql) {
  char* error = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    std::string message = error ? error : sqlite3_errmsg(db);
    sqlite3_free(error);
    throw StoreError(message);
  }
}

void createSqliteSchema(sqlite3* db) {
  sqliteExecute(db, "BEGIN IMMEDIATE");
  try {
    sqliteExecute(db, kTables);
    createTallies(db, kSqliteLevelTables);
    createTallies(db, kSqlitePuzzleTables);
    sqliteExecute(db, "COMMIT");
  } catch (const StoreError&) {
    if (!sqlite3_get_autocommit(db)) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
}

}  // namespace bt::scored
