#include "PostgresScoreStore.h"

#include <algorithm>
#include <charconv>

namespace bt::scored {
namespace {

// Serialises the schema's creation when several servers start at once.
constexpr const char* kSchema =
    "BEGIN;"
    "SELECT pg_advisory_xact_lock(8750001);"
    "CREATE TABLE IF NOT EXISTS scores ("
    " game text NOT NULL, name text NOT NULL, score integer NOT NULL,"
    " achieved timestamptz NOT NULL, PRIMARY KEY (game, name));"
    "CREATE INDEX IF NOT EXISTS scores_rank ON scores (game, score DESC, achieved, name);"
    "CREATE TABLE IF NOT EXISTS records ("
    " game text NOT NULL, level integer NOT NULL, name text NOT NULL, count integer NOT NULL,"
    " moves text NOT NULL, achieved timestamptz NOT NULL, PRIMARY KEY (game, level, name));"
    "CREATE INDEX IF NOT EXISTS records_rank ON records (game, level, count, achieved, name);"
    "CREATE TABLE IF NOT EXISTS puzzle_records ("
    " game text NOT NULL, puzzle text NOT NULL, name text NOT NULL, count integer NOT NULL,"
    " moves text NOT NULL, achieved timestamptz NOT NULL, PRIMARY KEY (game, puzzle, name));"
    "CREATE INDEX IF NOT EXISTS puzzle_records_rank"
    " ON puzzle_records (game, puzzle, count, achieved, name);"
    "COMMIT;";

// A PostgreSQL array literal of the given texts, each quoted.
std::string arrayLiteral(const std::vector<std::string>& items) {
  std::string out = "{";
  for (size_t i = 0; i < items.size(); ++i) {
    if (i) out += ',';
    out += '"';
    for (char c : items[i]) {
      if (c == '"' || c == '\\') out += '\\';
      out += c;
    }
    out += '"';
  }
  return out + "}";
}

// One record per game and name, the greatest score of each, in key order:
// one statement may not update a row twice, and a common order keeps two
// servers' batches from deadlocking.
std::vector<ScoreRecord> mergedInKeyOrder(std::vector<ScoreRecord> records) {
  std::sort(records.begin(), records.end(), [](const ScoreRecord& a, const ScoreRecord& b) {
    if (a.game != b.game) return a.game < b.game;
    if (a.name != b.name) return a.name < b.name;
    return a.score > b.score;
  });
  std::vector<ScoreRecord> merged;
  for (ScoreRecord& r : records) {
    if (merged.empty() || merged.back().game != r.game || merged.back().name != r.name) {
      merged.push_back(std::move(r));
    }
  }
  return merged;
}

}  // namespace

PostgresScoreStore::PostgresScoreStore(const std::string& url, std::chrono::milliseconds timeout,
                                       size_t readConnections)
    : timeout_(timeout),
      queue_([this](const std::vector<ScoreRecord>& records) { commitBatch(records); }) {
  writer_ = std::make_unique<PgConnection>(url, timeout, stop_);
  createSchema();
  for (size_t i = 0; i < readConnections; ++i) {
    idleReaders_.push_back(std::make_unique<PgConnection>(url, timeout, stop_));
  }
}

PostgresScoreStore::~PostgresScoreStore() = default;

void PostgresScoreStore::createSchema() {
  try {
    writer_->execute(kSchema);
  } catch (const PgError&) {
    if (writer_->connected()) writer_->execute("ROLLBACK");
    throw;
  }
}

std::vector<ScoreEntry> PostgresScoreStore::topTen(const std::string& game) {
  const Clock::time_point deadline = Clock::now() + timeout_;
  std::unique_ptr<PgConnection> reader = takeReader(deadline);
  std::vector<ScoreEntry> best;
  try {
    PgResult result = reader->run(PgConnection::kTopTen, {game}, deadline);
    for (int row = 0; row < PQntuples(result.get()); ++row) {
      const char* score = PQgetvalue(result.get(), row, 1);
      ScoreEntry entry{PQgetvalue(result.get(), row, 0), 0};
      std::from_chars(score, score + PQgetlength(result.get(), row, 1), entry.score);
      best.push_back(std::move(entry));
    }
  } catch (...) {
    giveBack(std::move(reader));
    throw;
  }
  giveBack(std::move(reader));
  return best;
}

void PostgresScoreStore::record(const ScoreRecord& record) {
  queue_.record(record);
}

void PostgresScoreStore::commitBatch(const std::vector<ScoreRecord>& records) {
  std::vector<std::string> games, names, scores;
  for (const ScoreRecord& r : mergedInKeyOrder(records)) {
    games.push_back(r.game);
    names.push_back(r.name);
    scores.push_back(std::to_string(r.score));
  }
  const std::vector<std::string> parameters = {arrayLiteral(games), arrayLiteral(names),
                                               arrayLiteral(scores)};
  // A deadlock or serialisation failure against another server is retried
  // while time is left; the statement is repeatable.
  const Clock::time_point deadline = writer_->deadlineFromNow();
  for (int attempt = 1;; ++attempt) {
    try {
      writer_->run(PgConnection::kUpsert, parameters, deadline);
      return;
    } catch (const PgError& e) {
      const bool transient = e.sqlState() == "40P01" || e.sqlState() == "40001";
      if (!transient || attempt == 5) throw;
    }
  }
}

PgResult PostgresScoreStore::runOnReader(const char* statement,
                                         const std::vector<std::string>& parameters) {
  const Clock::time_point deadline = Clock::now() + timeout_;
  std::unique_ptr<PgConnection> reader = takeReader(deadline);
  try {
    PgResult result = reader->run(statement, parameters, deadline);
    giveBack(std::move(reader));
    return result;
  } catch (...) {
    giveBack(std::move(reader));
    throw;
  }
}

std::vector<MovesEntry> PostgresScoreStore::recordsOf(const std::string& game,
                                                      const std::string& key) {
  const std::optional<int> level = levelOfKey(key);
  PgResult result = level ? runOnReader(PgConnection::kLevelRecords, {game, levelKey(*level)})
                          : runOnReader(PgConnection::kPuzzleRecords, {game, key});
  std::vector<MovesEntry> best;
  for (int row = 0; row < PQntuples(result.get()); ++row) {
    best.push_back({PQgetvalue(result.get(), row, 0), PQgetvalue(result.get(), row, 1)});
  }
  return best;
}

std::vector<PuzzleBest> PostgresScoreStore::puzzleBests(const std::string& game,
                                                        const std::vector<std::string>& puzzles) {
  PgResult result = runOnReader(PgConnection::kPuzzleBests, {game, arrayLiteral(puzzles)});
  std::vector<PuzzleBest> found;
  for (int row = 0; row < PQntuples(result.get()); ++row) {
    found.push_back({PQgetvalue(result.get(), row, 0),
                     {PQgetvalue(result.get(), row, 1), PQgetvalue(result.get(), row, 2)}});
  }
  // In the order asked.
  std::vector<PuzzleBest> bests;
  for (const std::string& puzzle : puzzles) {
    for (PuzzleBest& best : found) {
      if (best.puzzle == puzzle) bests.push_back(std::move(best));
    }
  }
  return bests;
}

std::vector<LevelBest> PostgresScoreStore::levelBests(const std::string& game) {
  PgResult result = runOnReader(PgConnection::kLevelBests, {game});
  std::vector<LevelBest> bests;
  for (int row = 0; row < PQntuples(result.get()); ++row) {
    const char* level = PQgetvalue(result.get(), row, 0);
    LevelBest best{0, {PQgetvalue(result.get(), row, 1), PQgetvalue(result.get(), row, 2)}};
    std::from_chars(level, level + PQgetlength(result.get(), row, 0), best.level);
    bests.push_back(std::move(best));
  }
  return bests;
}

void PostgresScoreStore::recordMoves(const MovesRecord& r) {
  const std::optional<int> level = levelOfKey(r.key);
  runOnReader(level ? PgConnection::kUpsertMoves : PgConnection::kUpsertPuzzleMoves,
              {r.game, level ? levelKey(*level) : r.key, r.name, r.moves});
}

void PostgresScoreStore::stopWaiting(std::chrono::milliseconds grace) {
  stop_.stopAfter(grace);
  // Those waiting for a connection look at the time again.
  std::lock_guard lock(poolMutex_);
  poolReturned_.notify_all();
}

std::unique_ptr<PgConnection> PostgresScoreStore::takeReader(Clock::time_point deadline) {
  std::unique_lock lock(poolMutex_);
  while (idleReaders_.empty()) {
    const Clock::time_point limit = std::min(deadline, stop_.deadline());
    if (poolReturned_.wait_until(lock, limit) == std::cv_status::timeout && idleReaders_.empty()) {
      throw StoreError(limit < deadline ? "the server is stopping"
                                        : "no connection to PostgreSQL came free in time");
    }
  }
  std::unique_ptr<PgConnection> reader = std::move(idleReaders_.back());
  idleReaders_.pop_back();
  return reader;
}

void PostgresScoreStore::giveBack(std::unique_ptr<PgConnection> connection) {
  {
    std::lock_guard lock(poolMutex_);
    idleReaders_.push_back(std::move(connection));
  }
  poolReturned_.notify_one();
}

}  // namespace bt::scored
