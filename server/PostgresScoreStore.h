#pragma once
// The shared backend: a PostgreSQL database that several servers, on one
// machine or many, use at once. Reads go through a small pool of
// connections; submissions are committed in groups by one writer connection,
// as one upsert per batch that keeps the greater score, so concurrent
// servers never lose each other's updates. A world record is one upsert of
// its own on a pooled connection, committed before it returns; levels' and
// puzzles' records stand in tables of their own. Every call gives up after the
// timeout, waiting for a free connection included.
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "CommitQueue.h"
#include "PgConnection.h"
#include "ScoreStore.h"
#include "StopNotice.h"

namespace bt::scored {

class PostgresScoreStore : public ScoreStore {
 public:
  // Connects, and creates the table when it is missing, each connection
  // within `timeout`. Throws StoreError.
  PostgresScoreStore(const std::string& url, std::chrono::milliseconds timeout,
                     size_t readConnections = 8);
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
  using Clock = PgConnection::Clock;
  void createSchema();
  void commitBatch(const std::vector<ScoreRecord>& records);
  std::unique_ptr<PgConnection> takeReader(Clock::time_point deadline);
  void giveBack(std::unique_ptr<PgConnection> connection);
  // Runs a statement on a connection of the pool within the timeout.
  PgResult runOnReader(const char* statement, const std::vector<std::string>& parameters);

  std::chrono::milliseconds timeout_;
  StopNotice stop_;  // before the connections, which hold it
  std::mutex poolMutex_;
  std::condition_variable poolReturned_;
  std::vector<std::unique_ptr<PgConnection>> idleReaders_;
  std::unique_ptr<PgConnection> writer_;  // used by the commit queue's thread only
  CommitQueue queue_;                     // last, so that its writer stops first
};

}  // namespace bt::scored
