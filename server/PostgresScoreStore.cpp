#include "PostgresScoreStore.h"

#include <algorithm>
#include <charconv>

#include "PostgresSql.h"

namespace bt::scored {
namespace {

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

// A whole number in a result's text form.
int64_t numberAt(const PGresult* result, int row, int column) {
  const char* text = PQgetvalue(result, row, column);
  int64_t value = 0;
  std::from_chars(text, text + PQgetlength(result, row, column), value);
  return value;
}

// Columns 1 to 4 of a bests row: fewest moves, names at them, names, first.
BestOf bestAt(const PGresult* result, int row) {
  return {static_cast<int>(numberAt(result, row, 1)), PQgetvalue(result, row, 4),
          numberAt(result, row, 2), numberAt(result, row, 3)};
}

}  // namespace

PostgresScoreStore::PostgresScoreStore(const std::string& url, std::chrono::milliseconds timeout,
                                       size_t scoreConnections, size_t recordConnections)
    : queue_([this](const std::vector<ScoreRecord>& records) { commitBatch(records); }) {
  writer_ = std::make_unique<PgConnection>(url, timeout, stop_);
  createSchema();
  scoreReaders_ = std::make_unique<PgPool>(url, timeout, stop_, scoreConnections);
  recordReaders_ = std::make_unique<PgPool>(url, timeout, stop_, recordConnections);
}

PostgresScoreStore::~PostgresScoreStore() = default;

void PostgresScoreStore::createSchema() {
  try {
    writer_->execute(postgresSchema().c_str());
  } catch (const PgError&) {
    if (writer_->connected()) writer_->execute("ROLLBACK");
    throw;
  }
}

std::vector<ScoreEntry> PostgresScoreStore::topTen(const std::string& game) {
  PgResult result = scoreReaders_->run(kPgTopTen, {game});
  std::vector<ScoreEntry> best;
  for (int row = 0; row < PQntuples(result.get()); ++row) {
    best.push_back(
        {PQgetvalue(result.get(), row, 0), static_cast<int32_t>(numberAt(result.get(), row, 1))});
  }
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
  const PgConnection::Clock::time_point deadline = writer_->deadlineFromNow();
  for (int attempt = 1;; ++attempt) {
    try {
      writer_->run(kPgUpsert, parameters, deadline);
      return;
    } catch (const PgError& e) {
      const bool transient = e.sqlState() == "40P01" || e.sqlState() == "40001";
      if (!transient || attempt == 5) throw;
    }
  }
}

RecordsTable PostgresScoreStore::recordsOf(const std::string& game, const std::string& key) {
  const std::optional<int> level = levelOfKey(key);
  PgResult result = level ? recordReaders_->run(kPgLevelTable, {game, levelKey(*level)})
                          : recordReaders_->run(kPgPuzzleTable, {game, key});
  // The parts come in any order; each is put in its own.
  std::vector<std::pair<int64_t, std::string>> firsts;
  RecordsTable table;
  for (int row = 0; row < PQntuples(result.get()); ++row) {
    const int64_t n = numberAt(result.get(), row, 1);
    const int64_t m = numberAt(result.get(), row, 2);
    switch (numberAt(result.get(), row, 0)) {
      case 1:
        table.tallies.push_back({static_cast<int>(n), m});
        break;
      case 2:
        table.players = m;
        break;
      default:
        firsts.emplace_back(n, PQgetvalue(result.get(), row, 3));
    }
  }
  std::sort(table.tallies.begin(), table.tallies.end(),
            [](const MovesTally& a, const MovesTally& b) { return a.count < b.count; });
  std::sort(firsts.begin(), firsts.end());
  for (auto& [order, name] : firsts) table.firstToFewest.push_back(std::move(name));
  return table;
}

std::vector<PuzzleBest> PostgresScoreStore::puzzleBests(const std::string& game,
                                                        const std::vector<std::string>& puzzles) {
  PgResult result = recordReaders_->run(kPgPuzzleBests, {game, arrayLiteral(puzzles)});
  std::vector<PuzzleBest> bests;
  for (int row = 0; row < PQntuples(result.get()); ++row) {
    bests.push_back({PQgetvalue(result.get(), row, 0), bestAt(result.get(), row)});
  }
  return bests;
}

std::vector<LevelBest> PostgresScoreStore::levelBests(const std::string& game) {
  PgResult result = recordReaders_->run(kPgLevelBests, {game});
  std::vector<LevelBest> bests;
  for (int row = 0; row < PQntuples(result.get()); ++row) {
    bests.push_back({static_cast<int>(numberAt(result.get(), row, 0)), bestAt(result.get(), row)});
  }
  return bests;
}

void PostgresScoreStore::recordMoves(const MovesRecord& r) {
  const std::optional<int> level = levelOfKey(r.key);
  // The tallies' locks are taken in one order, so no deadlock is expected;
  // a serialisation failure is retried as a batch of scores is.
  for (int attempt = 1;; ++attempt) {
    try {
      recordReaders_->run(level ? kPgUpsertMoves : kPgUpsertPuzzleMoves,
                          {r.game, level ? levelKey(*level) : r.key, r.name, r.moves});
      return;
    } catch (const PgError& e) {
      const bool transient = e.sqlState() == "40P01" || e.sqlState() == "40001";
      if (!transient || attempt == 5) throw;
    }
  }
}

void PostgresScoreStore::stopWaiting(std::chrono::milliseconds grace) {
  stop_.stopAfter(grace);
  scoreReaders_->wakeWaiting();
  recordReaders_->wakeWaiting();
}

}  // namespace bt::scored
