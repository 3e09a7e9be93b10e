#pragma once
// The embedded backend: one SQLite file in WAL mode with full synchronous
// commits, written through prepared statements by one writer thread that
// commits submissions in groups. The file is locked for this process alone
// (a second server on it is refused at start), which lets the ten best of
// each game be answered from memory, refreshed after every commit. World
// records, fewer and rarer, are committed one at a time and read from the
// file through their tallies (RecordTallySql). Levels' records and puzzles'
// stand in tables of their own.
#include <sqlite3.h>

#include <mutex>
#include <shared_mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "CommitQueue.h"
#include "RecordTallySql.h"
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
  RecordsTable recordsOf(const std::string& game, const std::string& key) override;
  std::vector<LevelBest> levelBests(const std::string& game) override;
  std::vector<PuzzleBest> puzzleBests(const std::string& game,
                                      const std::vector<std::string>& puzzles) override;
  void recordMoves(const MovesRecord& record) override;

 private:
  // The statements that read and write one kind of record (a level's or a
  // puzzle's), each bound to the game as ?1 and the key as ?2.
  struct RecordStatements {
    sqlite3_stmt* upsert = nullptr;   // ?3 name, ?4 moves, ?5 when
    sqlite3_stmt* tallies = nullptr;  // count, players; fewest first
    sqlite3_stmt* players = nullptr;  // players
    sqlite3_stmt* first = nullptr;    // ?3 count: the names that reached it, first first
    sqlite3_stmt* best = nullptr;     // count, at it, players, the first name
  };

  void prepareRecords(RecordStatements& statements, const RecordTables& tables);
  void finalizeAll();
  void checkForDamage();
  sqlite3_stmt* prepare(const std::string& sql);
  void commitBatch(const std::vector<ScoreRecord>& records);
  void storeBatch(const std::vector<ScoreRecord>& records);
  void step(sqlite3_stmt* statement);
  // All with dbMutex_ held.
  std::vector<ScoreEntry> readTopTen(const std::string& game);
  void remember(const std::string& game, std::vector<ScoreEntry> best);
  // The statements of the key's kind (a level's or a puzzle's).
  RecordStatements& statementsOf(const std::string& key);
  // The best of a statement positioned on a row (count, at it, players, first).
  static BestOf readBest(sqlite3_stmt* statement, int firstColumn);

  std::mutex dbMutex_;  // the connection and its statements
  sqlite3* db_ = nullptr;
  sqlite3_stmt* upsert_ = nullptr;
  sqlite3_stmt* best_ = nullptr;
  sqlite3_stmt* begin_ = nullptr;
  sqlite3_stmt* commit_ = nullptr;
  sqlite3_stmt* rollback_ = nullptr;
  sqlite3_stmt* levelBests_ = nullptr;
  RecordStatements levels_;
  RecordStatements puzzles_;

  std::shared_mutex cacheMutex_;
  std::unordered_map<std::string, std::vector<ScoreEntry>> cache_;

  CommitQueue queue_;  // last, so that its writer stops before the rest goes
};

}  // namespace bt::scored
