#pragma once
// The embedded backend: one SQLite file in WAL mode with full synchronous
// commits, written through prepared statements by one writer thread that
// commits submissions in groups. The file is locked for this process alone
// (a second server on it is refused at start), which lets the ten best of
// each game be answered from memory, refreshed after every commit. World
// records, fewer and rarer, are committed one at a time and read from the
// file. Levels' records and puzzles' stand in tables of their own.
#include <sqlite3.h>

#include <mutex>
#include <shared_mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "CommitQueue.h"
#include "ScoreStore.h"

namespace bt::scored {

class SqliteScoreStore : public ScoreStore {
 public:
  // Opens or creates the file and its table, after SQLite's quick check of
  // the file unless `checkFile` is false. Throws StoreError, naming the file
  // and the cause.
  explicit SqliteScoreStore(const std::string& path, bool checkFile = true);
  ~SqliteScoreStore() override;

  std::vector<ScoreEntry> topTen(const std::string& game) override;
  void record(const ScoreRecord& record) override;
  std::vector<MovesEntry> recordsOf(const std::string& game, const std::string& key) override;
  std::vector<LevelBest> levelBests(const std::string& game) override;
  std::vector<PuzzleBest> puzzleBests(const std::string& game,
                                      const std::vector<std::string>& puzzles) override;
  void recordMoves(const MovesRecord& record) override;

 private:
  void execute(const char* sql);
  void finalizeAll();
  void checkForDamage();
  sqlite3_stmt* prepare(const char* sql);
  void commitBatch(const std::vector<ScoreRecord>& records);
  void storeBatch(const std::vector<ScoreRecord>& records);
  void step(sqlite3_stmt* statement);
  // Both with dbMutex_ held.
  std::vector<ScoreEntry> readTopTen(const std::string& game);
  void remember(const std::string& game, std::vector<ScoreEntry> best);
  // The rows of a statement that selects a name and moves, with dbMutex_.
  std::vector<MovesEntry> readMoves(sqlite3_stmt* statement);

  std::mutex dbMutex_;  // the connection and its statements
  sqlite3* db_ = nullptr;
  sqlite3_stmt* upsert_ = nullptr;
  sqlite3_stmt* best_ = nullptr;
  sqlite3_stmt* begin_ = nullptr;
  sqlite3_stmt* commit_ = nullptr;
  sqlite3_stmt* rollback_ = nullptr;
  sqlite3_stmt* upsertMoves_ = nullptr;
  sqlite3_stmt* levelRecords_ = nullptr;
  sqlite3_stmt* levelBests_ = nullptr;
  sqlite3_stmt* upsertPuzzleMoves_ = nullptr;
  sqlite3_stmt* puzzleRecords_ = nullptr;
  sqlite3_stmt* puzzleBest_ = nullptr;

  std::shared_mutex cacheMutex_;
  std::unordered_map<std::string, std::vector<ScoreEntry>> cache_;

  CommitQueue queue_;  // last, so that its writer stops before the rest goes
};

}  // namespace bt::scored
