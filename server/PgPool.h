#pragma once
// A few connections to PostgreSQL that requests take in turn: a statement
// runs on one taken for it, and a request that finds none free waits for
// one until its deadline, or until the server stops. Safe from many
// threads.
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "PgConnection.h"
#include "StopNotice.h"

namespace bt::scored {

class PgPool {
 public:
  using Clock = PgConnection::Clock;

  // Connects `count` connections, each within `timeout`; throws PgError.
  PgPool(const std::string& url, std::chrono::milliseconds timeout, const StopNotice& stop,
         size_t count);

  // Runs a prepared statement on a connection of the pool within the
  // timeout, waiting for one included. Throws StoreError.
  PgResult run(const char* statement, const std::vector<std::string>& parameters);
  // The server is stopping: those waiting look at the time again.
  void wakeWaiting();

 private:
  std::unique_ptr<PgConnection> take(Clock::time_point deadline);
  void giveBack(std::unique_ptr<PgConnection> connection);

  std::chrono::milliseconds timeout_;
  const StopNotice& stop_;
  std::mutex mutex_;
  std::condition_variable returned_;
  std::vector<std::unique_ptr<PgConnection>> idle_;
};

}  // namespace bt::scored
