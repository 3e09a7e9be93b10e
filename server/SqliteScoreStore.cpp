#include "SqliteScoreStore.h"

#include <algorithm>
#include <chrono>
#include <set>

#include "SqliteFileAccess.h"
#include "SqliteSchema.h"

namespace bt::scored {
namespace {

// How many games' tables are kept in memory; games past that are read from
// the file each time.
constexpr size_t kMaxCachedGames = 4096;

// Each kind of record's statements; @names as RecordTallySql fills them in.
constexpr const char* kUpsertMoves =
    "INSERT INTO @records (game, @key, name, count, moves, achieved) "
    "VALUES (?1, ?2, ?3, length(?4), ?4, ?5) "
    "ON CONFLICT (game, @key, name) DO UPDATE SET count = excluded.count, "
    "moves = excluded.moves, achieved = excluded.achieved "
    "WHERE excluded.count < @records.count";
constexpr const char* kTallies =
    "SELECT count, players FROM @tallies WHERE game = ?1 AND @key = ?2 ORDER BY count LIMIT ";
constexpr const char* kPlayers = "SELECT players FROM @players WHERE game = ?1 AND @key = ?2";
constexpr const char* kFirst =
    "SELECT name FROM @records WHERE game = ?1 AND @key = ?2 AND count = ?3 "
    "ORDER BY achieved, name LIMIT ";
// The first to reach a count: the records index gives it in one lookup.
constexpr const char* kFirstOfCount =
    "(SELECT name FROM @records r WHERE r.game = t.game AND r.@key = t.@key "
    "AND r.count = t.count ORDER BY r.achieved, r.name LIMIT 1)";
constexpr const char* kBest =
    "SELECT t.count, t.players, p.players, @first FROM @tallies t "
    "JOIN @players p ON p.game = t.game AND p.@key = t.@key "
    "WHERE t.game = ?1 AND t.@key = ?2 ORDER BY t.count LIMIT 1";
// Every level's: a few lookups a level, whatever the records kept.
constexpr const char* kLevelBests =
    "SELECT p.level, t.count, t.players, p.players, @first FROM @players p "
    "JOIN @tallies t ON t.game = p.game AND t.level = p.level AND t.count = "
    "(SELECT min(count) FROM @tallies m WHERE m.game = p.game AND m.level = p.level) "
    "WHERE p.game = ?1 ORDER BY p.level LIMIT 1000";

// The text with the first name's subquery in place of @first.
std::string withFirst(std::string text) {
  text.replace(text.find("@first"), 6, kFirstOfCount);
  return text;
}

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

// Binds ?1 and ?2 of a record's statement: the game, and the level's number
// or the puzzle's id.
void bindKey(sqlite3_stmt* statement, const std::string& game, const std::string& key) {
  sqlite3_bind_text(statement, 1, game.data(), static_cast<int>(game.size()), SQLITE_STATIC);
  if (const std::optional<int> level = levelOfKey(key)) {
    sqlite3_bind_int(statement, 2, *level);
  } else {
    sqlite3_bind_text(statement, 2, key.data(), static_cast<int>(key.size()), SQLITE_STATIC);
  }
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
    sqliteExecute(db_, "PRAGMA locking_mode=EXCLUSIVE");
    sqliteExecute(db_, "PRAGMA journal_mode=WAL");
    if (checkFile) checkForDamage();
    sqliteExecute(db_, "PRAGMA synchronous=FULL");
    createSqliteSchema(db_);
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
    levelBests_ = prepare(tallySql(withFirst(kLevelBests), kSqliteLevelTables));
    prepareRecords(levels_, kSqliteLevelTables);
    prepareRecords(puzzles_, kSqlitePuzzleTables);
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

void SqliteScoreStore::prepareRecords(RecordStatements& statements, const RecordTables& tables) {
  statements.upsert = prepare(tallySql(kUpsertMoves, tables));
  statements.tallies = prepare(tallySql(kTallies + std::to_string(kTallyRows), tables));
  statements.players = prepare(tallySql(kPlayers, tables));
  statements.first = prepare(tallySql(kFirst + std::to_string(kFirstNames), tables));
  statements.best = prepare(tallySql(withFirst(kBest), tables));
}

void SqliteScoreStore::finalizeAll() {
  for (sqlite3_stmt* s : {upsert_, best_, begin_, commit_, rollback_, levelBests_}) {
    sqlite3_finalize(s);
  }
  for (const RecordStatements* kind : {&levels_, &puzzles_}) {
    for (sqlite3_stmt* s : {kind->upsert, kind->tallies, kind->players, kind->first, kind->best}) {
      sqlite3_finalize(s);
    }
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

sqlite3_stmt* SqliteScoreStore::prepare(const std::string& sql) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v3(db_, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr) !=
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
  remember(game, best);
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

SqliteScoreStore::RecordStatements& SqliteScoreStore::statementsOf(const std::string& key) {
  return levelOfKey(key) ? levels_ : puzzles_;
}

BestOf SqliteScoreStore::readBest(sqlite3_stmt* statement, int firstColumn) {
  return {sqlite3_column_int(statement, firstColumn), columnText(statement, firstColumn + 3),
          sqlite3_column_int64(statement, firstColumn + 1),
          sqlite3_column_int64(statement, firstColumn + 2)};
}

RecordsTable SqliteScoreStore::recordsOf(const std::string& game, const std::string& key) {
  std::lock_guard lock(dbMutex_);
  RecordStatements& kind = statementsOf(key);
  RecordsTable table;
  {
    StatementUse use{kind.tallies};
    bindKey(kind.tallies, game, key);
    for (int status; (status = sqlite3_step(kind.tallies)) != SQLITE_DONE;) {
      if (status != SQLITE_ROW) throw StoreError(sqlite3_errmsg(db_));
      table.tallies.push_back(
          {sqlite3_column_int(kind.tallies, 0), sqlite3_column_int64(kind.tallies, 1)});
    }
  }
  if (table.tallies.empty()) return table;
  {
    StatementUse use{kind.players};
    bindKey(kind.players, game, key);
    const int status = sqlite3_step(kind.players);
    if (status != SQLITE_ROW && status != SQLITE_DONE) throw StoreError(sqlite3_errmsg(db_));
    if (status == SQLITE_ROW) table.players = sqlite3_column_int64(kind.players, 0);
  }
  StatementUse use{kind.first};
  bindKey(kind.first, game, key);
  sqlite3_bind_int(kind.first, 3, table.tallies.front().count);
  for (int status; (status = sqlite3_step(kind.first)) != SQLITE_DONE;) {
    if (status != SQLITE_ROW) throw StoreError(sqlite3_errmsg(db_));
    table.firstToFewest.push_back(columnText(kind.first, 0));
  }
  return table;
}

std::vector<PuzzleBest> SqliteScoreStore::puzzleBests(const std::string& game,
                                                      const std::vector<std::string>& puzzles) {
  std::lock_guard lock(dbMutex_);
  std::vector<PuzzleBest> bests;
  for (const std::string& puzzle : puzzles) {
    StatementUse use{puzzles_.best};
    bindKey(puzzles_.best, game, puzzle);
    const int status = sqlite3_step(puzzles_.best);
    if (status != SQLITE_ROW && status != SQLITE_DONE) throw StoreError(sqlite3_errmsg(db_));
    if (status == SQLITE_ROW) bests.push_back({puzzle, readBest(puzzles_.best, 0)});
  }
  return bests;
}

std::vector<LevelBest> SqliteScoreStore::levelBests(const std::string& game) {
  std::lock_guard lock(dbMutex_);
  StatementUse use{levelBests_};
  sqlite3_bind_text(levelBests_, 1, game.data(), static_cast<int>(game.size()), SQLITE_STATIC);
  std::vector<LevelBest> bests;
  for (int status; (status = sqlite3_step(levelBests_)) != SQLITE_DONE;) {
    if (status != SQLITE_ROW) throw StoreError(sqlite3_errmsg(db_));
    bests.push_back({sqlite3_column_int(levelBests_, 0), readBest(levelBests_, 1)});
  }
  return bests;
}

void SqliteScoreStore::recordMoves(const MovesRecord& r) {
  std::lock_guard lock(dbMutex_);
  sqlite3_stmt* statement = statementsOf(r.key).upsert;
  // One statement commits by itself, with the tallies its triggers keep, on
  // disk before it returns (synchronous FULL); it waits only for a batch of
  // scores being committed.
  bindKey(statement, r.game, r.key);
  sqlite3_bind_text(statement, 3, r.name.data(), static_cast<int>(r.name.size()), SQLITE_STATIC);
  sqlite3_bind_text(statement, 4, r.moves.data(), static_cast<int>(r.moves.size()), SQLITE_STATIC);
  sqlite3_bind_int64(statement, 5, nowMicroseconds());
  step(statement);
}

// An empty table is kept too (a fetch of a game without scores would read
// the file each time), but never in the place of a game's scores: when the
// cache is full, a table with scores takes an empty one's place.
void SqliteScoreStore::remember(const std::string& game, std::vector<ScoreEntry> best) {
  std::unique_lock lock(cacheMutex_);
  auto found = cache_.find(game);
  if (found != cache_.end()) {
    found->second = std::move(best);
    return;
  }
  if (cache_.size() >= kMaxCachedGames) {
    if (best.empty()) return;
    const auto empty = std::find_if(cache_.begin(), cache_.end(),
                                    [](const auto& entry) { return entry.second.empty(); });
    if (empty == cache_.end()) return;
    cache_.erase(empty);
  }
  cache_.emplace(game, std::move(best));
}

}  // namespace bt::scored
