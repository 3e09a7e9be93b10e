#pragma once
// The shared backend: a PostgreSQL database that several servers, on one
// machine or many, use at once. Reads go through two small pools of
// connections (PgPool), the score table's and the records'; submissions are
// committed in groups by one writer connection, as one upsert per batch that
// keeps the greater score, so concurrent servers never lose each other's
// updates. A world record is one upsert of its own on a connection of the
// records' pool, committed before it returns; levels' and puzzles' records
// stand in tables of their own. Every call gives up after the timeout,
// waiting for a free connection included.
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "CommitQueue.h"
#include "PgConnection.h"
#include "PgPool.h"
#include "ScoreStore.h"
#include "StopNotice.h"

namespace bt::scored {

class PostgresScoreStore : public ScoreStore {
 public:
  // Connects, and creates the table when it is missing, each connection
  // within `timeout`. Throws StoreError.
  PostgresScoreStore(const std::string& url, std::chrono::milliseconds timeout,
                     size_t scoreConnections = 6, size_t recordConnections = 2);
  ~PostgresScoreStore() override;

  std::vector<ScoreEntry> topTen(const std::string& game) override;
  void record(const ScoreRecord& record) override;
  RecordsTable recordsOf(const std::string& game, const std::string& key) override;
  std::vector<LevelBest> levelBests(const std::string& game) override;
  std::vector<PuzzleBest> puzzleBests(const std::string& game,
                                      const std::vector<std::string>& puzzles) override;
  void recordMoves(const MovesRecord& record) override;
  void stopWaiting(std::chrono::milliseconds grace) override;

 private:
  void createSchema();
  void commitBatch(const std::vector<ScoreRecord>& records);

  StopNotice stop_;  // before the connections, which hold it
  // The score table's reads apart from the records', so that a client that
  // repeats records reads as fast as it can holds at most the records'
  // connections, and the game's fetch never waits behind it.
  std::unique_ptr<PgPool> scoreReaders_;
  std::unique_ptr<PgPool> recordReaders_;  // and the records' writes
  std::unique_ptr<PgConnection> writer_;   // used by the commit queue's thread only
  CommitQueue queue_;                      // last, so that its writer stops first
};

}  // namespace bt::scored
