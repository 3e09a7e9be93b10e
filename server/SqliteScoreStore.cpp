#include "SqliteScoreStore.h"

#include <algorithm>
#include <chrono>
#include <set>

#include "SqliteFileAccess.h"

namespace bt::scored {
namespace {

// How many games' tables are kept in memory; games past that are read from
// the file each time.
constexpr size_t kMaxCachedGames = 4096;

constexpr const char* kSchema =
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

int64_t nowMicroseconds() {
  using namespace std::chrono;
  return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}

// Resets a statement when the step that used it is over, however it ends.
struct StatementUse {
  sqlite3_stmt* statement;
  ~StatementUse() {
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
  }
};

std::string columnText(sqlite3_stmt* statement, int column) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
  return text ? text : "";
}

// What stands in the way is told before what SQLite made of it.
std::string whyUnusable(const std::string& path, int code, const std::string& message) {
  if (std::string problem = sqliteAccessProblem(path); !problem.empty()) return problem;
  if (code == SQLITE_BUSY) return "it is in use by another process";
  if (code == SQLITE_CORRUPT) return "it is damaged (" + message + ")";
  return message;
}

}  // namespace

SqliteScoreStore::SqliteScoreStore(const std::string& path, bool checkFile)
    : queue_([this](const std::vector<ScoreRecord>& records) { commitBatch(records); }) {
  if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
      SQLITE_OK) {
    std::string reason = sqliteAccessProblem(path);
    if (reason.empty()) reason = db_ ? sqlite3_errmsg(db_) : "out of memory";
    sqlite3_close(db_);
    db_ = nullptr;
    throw StoreError("cannot open " + path + ": " + reason);
  }
  try {
    // SQLite falls back to reading alone a file that it may not write.
    if (sqlite3_db_readonly(db_, "main") == 1) throw StoreError("it cannot be written");
    // Exclusive locking before WAL: no shared-memory index, and the lock taken
    // by the first write below is held until the server stops.
    execute("PRAGMA locking_mode=EXCLUSIVE");
    execute("PRAGMA journal_mode=WAL");
    if (checkFile) checkForDamage();
    execute("PRAGMA synchronous=FULL");
    execute("BEGIN IMMEDIATE");
    execute(kSchema);
    execute("COMMIT");
    upsert_ = prepare(
        "INSERT INTO scores (game, name, score, achieved) VALUES (?1, ?2, ?3, ?4) "
        "ON CONFLICT (game, name) DO UPDATE SET score = excluded.score, "
        "achieved = excluded.achieved WHERE excluded.score > scores.score");
    best_ = prepare(
        "SELECT name, score FROM scores WHERE game = ?1 "
        "ORDER BY score DESC, achieved, name LIMIT 10");
    begin_ = prepare("BEGIN IMMEDIATE");
    commit_ = prepare("COMMIT");
    rollback_ = prepare("ROLLBACK");
    upsertMoves_ = prepare(
        "INSERT INTO records (game, level, name, count, moves, achieved) "
        "VALUES (?1, ?2, ?3, length(?4), ?4, ?5) "
        "ON CONFLICT (game, level, name) DO UPDATE SET count = excluded.count, "
        "moves = excluded.moves, achieved = excluded.achieved "
        "WHERE excluded.count < records.count");
    levelRecords_ = prepare(
        "SELECT name, moves FROM records WHERE game = ?1 AND level = ?2 "
        "ORDER BY count, achieved, name LIMIT 10");
    levelBests_ = prepare(
        "SELECT level, name, moves FROM (SELECT level, name, moves, row_number() OVER "
        "(PARTITION BY level ORDER BY count, achieved, name) AS rank FROM records "
        "WHERE game = ?1) WHERE rank = 1 ORDER BY level");
    upsertPuzzleMoves_ = prepare(
        "INSERT INTO puzzle_records (game, puzzle, name, count, moves, achieved) "
        "VALUES (?1, ?2, ?3, length(?4), ?4, ?5) "
        "ON CONFLICT (game, puzzle, name) DO UPDATE SET count = excluded.count, "
        "moves = excluded.moves, achieved = excluded.achieved "
        "WHERE excluded.count < puzzle_records.count");
    puzzleRecords_ = prepare(
        "SELECT name, moves FROM puzzle_records WHERE game = ?1 AND puzzle = ?2 "
        "ORDER BY count, achieved, name LIMIT 10");
    puzzleBest_ = prepare(
        "SELECT name, moves FROM puzzle_records WHERE game = ?1 AND puzzle = ?2 "
        "ORDER BY count, achieved, name LIMIT 1");
  } catch (const StoreError& e) {
    const int code = sqlite3_errcode(db_);
    finalizeAll();
    sqlite3_close(db_);
    db_ = nullptr;
    throw StoreError("cannot use " + path + ": " + whyUnusable(path, code, e.what()));
  }
}

SqliteScoreStore::~SqliteScoreStore() {
  finalizeAll();
  sqlite3_close(db_);
}

void SqliteScoreStore::finalizeAll() {
  for (sqlite3_stmt* s : {upsert_, best_, begin_, commit_, rollback_, upsertMoves_, levelRecords_,
                          levelBests_, upsertPuzzleMoves_, puzzleRecords_, puzzleBest_}) {
    sqlite3_finalize(s);
  }
}

void SqliteScoreStore::execute(const char* sql) {
  char* error = nullptr;
  if (sqlite3_exec(db_, sql, nullptr, nullptr, &error) != SQLITE_OK) {
    std::string message = error ? error : sqlite3_errmsg(db_);
    sqlite3_free(error);
    throw StoreError(message);
  }
}

// Damaged pages would otherwise show only when a request happens to read
// them, as 503s or as scores missing from a table.
void SqliteScoreStore::checkForDamage() {
  sqlite3_stmt* check = nullptr;
  if (sqlite3_prepare_v2(db_, "PRAGMA quick_check(1)", -1, &check, nullptr) != SQLITE_OK) {
    throw StoreError(sqlite3_errmsg(db_));
  }
  const int status = sqlite3_step(check);
  const auto* first = status == SQLITE_ROW ? sqlite3_column_text(check, 0) : nullptr;
  std::string verdict = first ? reinterpret_cast<const char*>(first) : "";
  const std::string error = sqlite3_errmsg(db_);
  sqlite3_finalize(check);
  if (status != SQLITE_ROW) throw StoreError(error);
  if (verdict == "ok") return;
  // The first line names the database ("*** in database main ***").
  if (verdict.starts_with("***") && verdict.find('\n') != std::string::npos) {
    verdict.erase(0, verdict.find('\n') + 1);
  }
  std::replace(verdict.begin(), verdict.end(), '\n', ' ');
  throw StoreError("it is damaged (SQLite's quick check: " + verdict +
                   "); recover what it holds with sqlite3's .recover, or restore a copy");
}

sqlite3_stmt* SqliteScoreStore::prepare(const char* sql) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr) !=
      SQLITE_OK) {
    throw StoreError(sqlite3_errmsg(db_));
  }
  return statement;
}

std::vector<ScoreEntry> SqliteScoreStore::topTen(const std::string& game) {
  {
    std::shared_lock lock(cacheMutex_);
    auto found = cache_.find(game);
    if (found != cache_.end()) return found->second;
  }
  std::lock_guard lock(dbMutex_);
  std::vector<ScoreEntry> best = readTopTen(game);
  if (!best.empty()) remember(game, best);
  return best;
}

void SqliteScoreStore::record(const ScoreRecord& record) {
  queue_.record(record);
}

void SqliteScoreStore::commitBatch(const std::vector<ScoreRecord>& records) {
  std::lock_guard lock(dbMutex_);
  storeBatch(records);
  std::set<std::string> games;
  for (const ScoreRecord& r : records) games.insert(r.game);
  for (const std::string& game : games) {
    try {
      remember(game, readTopTen(game));
    } catch (const StoreError&) {
      // The batch is committed; the game is read from the file next time.
      std::unique_lock cacheLock(cacheMutex_);
      cache_.erase(game);
    }
  }
}

void SqliteScoreStore::step(sqlite3_stmt* statement) {
  StatementUse use{statement};
  if (sqlite3_step(statement) != SQLITE_DONE) throw StoreError(sqlite3_errmsg(db_));
}

void SqliteScoreStore::storeBatch(const std::vector<ScoreRecord>& records) {
  step(begin_);
  try {
    const int64_t achieved = nowMicroseconds();
    for (const ScoreRecord& r : records) {
      sqlite3_bind_text(upsert_, 1, r.game.data(), static_cast<int>(r.game.size()), SQLITE_STATIC);
      sqlite3_bind_text(upsert_, 2, r.name.data(), static_cast<int>(r.name.size()), SQLITE_STATIC);
      sqlite3_bind_int(upsert_, 3, r.score);
      sqlite3_bind_int64(upsert_, 4, achieved);
      step(upsert_);
    }
    step(commit_);
  } catch (const StoreError&) {
    if (!sqlite3_get_autocommit(db_)) {
      StatementUse use{rollback_};
      sqlite3_step(rollback_);
    }
    throw;
  }
}

std::vector<ScoreEntry> SqliteScoreStore::readTopTen(const std::string& game) {
  StatementUse use{best_};
  sqlite3_bind_text(best_, 1, game.data(), static_cast<int>(game.size()), SQLITE_STATIC);
  std::vector<ScoreEntry> best;
  int status;
  while ((status = sqlite3_step(best_)) == SQLITE_ROW) {
    const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(best_, 0));
    best.push_back({name ? name : "", sqlite3_column_int(best_, 1)});
  }
  if (status != SQLITE_DONE) throw StoreError(sqlite3_errmsg(db_));
  return best;
}

std::vector<MovesEntry> SqliteScoreStore::readMoves(sqlite3_stmt* statement) {
  std::vector<MovesEntry> best;
  int status;
  while ((status = sqlite3_step(statement)) == SQLITE_ROW) {
    best.push_back({columnText(statement, 0), columnText(statement, 1)});
  }
  if (status != SQLITE_DONE) throw StoreError(sqlite3_errmsg(db_));
  return best;
}

std::vector<MovesEntry> SqliteScoreStore::recordsOf(const std::string& game,
                                                    const std::string& key) {
  std::lock_guard lock(dbMutex_);
  const std::optional<int> level = levelOfKey(key);
  sqlite3_stmt* statement = level ? levelRecords_ : puzzleRecords_;
  StatementUse use{statement};
  sqlite3_bind_text(statement, 1, game.data(), static_cast<int>(game.size()), SQLITE_STATIC);
  if (level) {
    sqlite3_bind_int(statement, 2, *level);
  } else {
    sqlite3_bind_text(statement, 2, key.data(), static_cast<int>(key.size()), SQLITE_STATIC);
  }
  return readMoves(statement);
}

std::vector<PuzzleBest> SqliteScoreStore::puzzleBests(const std::string& game,
                                                      const std::vector<std::string>& puzzles) {
  std::lock_guard lock(dbMutex_);
  std::vector<PuzzleBest> bests;
  for (const std::string& puzzle : puzzles) {
    StatementUse use{puzzleBest_};
    sqlite3_bind_text(puzzleBest_, 1, game.data(), static_cast<int>(game.size()), SQLITE_STATIC);
    sqlite3_bind_text(puzzleBest_, 2, puzzle.data(), static_cast<int>(puzzle.size()),
                      SQLITE_STATIC);
    std::vector<MovesEntry> best = readMoves(puzzleBest_);
    if (!best.empty()) bests.push_back({puzzle, std::move(best.front())});
  }
  return bests;
}

std::vector<LevelBest> SqliteScoreStore::levelBests(const std::string& game) {
  std::lock_guard lock(dbMutex_);
  StatementUse use{levelBests_};
  sqlite3_bind_text(levelBests_, 1, game.data(), static_cast<int>(game.size()), SQLITE_STATIC);
  std::vector<LevelBest> bests;
  int status;
  while ((status = sqlite3_step(levelBests_)) == SQLITE_ROW) {
    bests.push_back({sqlite3_column_int(levelBests_, 0),
                     {columnText(levelBests_, 1), columnText(levelBests_, 2)}});
  }
  if (status != SQLITE_DONE) throw StoreError(sqlite3_errmsg(db_));
  return bests;
}

void SqliteScoreStore::recordMoves(const MovesRecord& r) {
  std::lock_guard lock(dbMutex_);
  const std::optional<int> level = levelOfKey(r.key);
  sqlite3_stmt* statement = level ? upsertMoves_ : upsertPuzzleMoves_;
  // One statement commits by itself, on disk before it returns (synchronous
  // FULL); it waits only for a batch of scores being committed.
  sqlite3_bind_text(statement, 1, r.game.data(), static_cast<int>(r.game.size()), SQLITE_STATIC);
  if (level) {
    sqlite3_bind_int(statement, 2, *level);
  } else {
    sqlite3_bind_text(statement, 2, r.key.data(), static_cast<int>(r.key.size()), SQLITE_STATIC);
  }
  sqlite3_bind_text(statement, 3, r.name.data(), static_cast<int>(r.name.size()), SQLITE_STATIC);
  sqlite3_bind_text(statement, 4, r.moves.data(), static_cast<int>(r.moves.size()), SQLITE_STATIC);
  sqlite3_bind_int64(statement, 5, nowMicroseconds());
  step(statement);
}

void SqliteScoreStore::remember(const std::string& game, std::vector<ScoreEntry> best) {
  std::unique_lock lock(cacheMutex_);
  auto found = cache_.find(game);
  if (found != cache_.end()) {
    found->second = std::move(best);
  } else if (cache_.size() < kMaxCachedGames) {
    cache_.emplace(game, std::move(best));
  }
}

}  // namespace bt::scored
