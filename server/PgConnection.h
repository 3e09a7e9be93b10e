#pragma once
// One libpq connection with the score table's prepared statements, made
// again once when the server went away between two uses.
//
// Every call has a deadline of its own, kept by this side: libpq is driven
// without blocking and the socket is waited on with poll(), so a database
// that stops answering (a stopped process, a lost host, a full disk) fails
// the call when the deadline passes, over TCP or a Unix socket alike; TCP
// time-outs would not, as the kernel still acknowledges for a stopped
// process. A call that runs out of time drops the connection, which the
// next call makes anew. Host names are looked up before the deadline
// applies: name the database by address where that matters.
#include <libpq-fe.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "ScoreStore.h"
#include "StopNotice.h"

namespace bt::scored {

// A failed statement, with its SQLSTATE ("40P01" for a deadlock) when the
// server sent one.
class PgError : public StoreError {
 public:
  PgError(const std::string& message, std::string sqlState)
      : StoreError(message), sqlState_(std::move(sqlState)) {}
  const std::string& sqlState() const { return sqlState_; }

 private:
  std::string sqlState_;
};

// A query's result, cleared when it goes out of scope.
using PgResult = std::unique_ptr<PGresult, decltype(&PQclear)>;

class PgConnection {
 public:
  using Clock = std::chrono::steady_clock;

  // Connects within `timeout`, the time every later call may take too, or
  // less once `stop` says so; throws PgError. The statements are prepared
  // on first use, so that the table can be created first.
  PgConnection(std::string url, std::chrono::milliseconds timeout, const StopNotice& stop);
  ~PgConnection();
  PgConnection(const PgConnection&) = delete;
  PgConnection& operator=(const PgConnection&) = delete;

  // The deadline of a call that starts now.
  Clock::time_point deadlineFromNow() const { return Clock::now() + timeout_; }
  // Runs a prepared statement (one of PostgresSql's) with text parameters;
  // reconnects and retries once on a lost connection, all by `deadline`.
  // Throws PgError.
  PgResult run(const char* statement, const std::vector<std::string>& parameters,
               Clock::time_point deadline);
  // Runs plain SQL without parameters within the timeout; throws PgError.
  void execute(const char* sql);
  bool connected() const;

 private:
  void connect(Clock::time_point deadline);
  void prepare(Clock::time_point deadline);
  void execute(const char* sql, Clock::time_point deadline);
  PgResult runOnce(const char* statement, const std::vector<std::string>& parameters,
                   Clock::time_point deadline);
  // Sends what the last PQsend* queued and collects its results: the last
  // one, or the first error thrown.
  PgResult finish(Clock::time_point deadline);
  // Waits until the socket is ready for `events`; past the deadline, drops
  // the connection and throws.
  void await(short events, Clock::time_point deadline);
  [[noreturn]] void lost();
  void drop();

  std::string url_;
  std::chrono::milliseconds timeout_;
  const StopNotice& stop_;
  PGconn* conn_ = nullptr;
  bool prepared_ = false;
};

}  // namespace bt::scored
