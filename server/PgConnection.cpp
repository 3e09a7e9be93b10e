#include "PgConnection.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>

#include "LogSink.h"
#include "PostgresSql.h"

namespace bt::scored {
namespace {

std::string firstLine(const char* text) {
  std::string line = text ? text : "";
  const size_t end = line.find('\n');
  return end == std::string::npos ? line : line.substr(0, end);
}

std::string spoken(std::chrono::milliseconds time) {
  return time.count() % 1000 == 0 ? std::to_string(time.count() / 1000) + " s"
                                  : std::to_string(time.count()) + " ms";
}

// libpq would print the server's notices with a write that may block.
void logNotice(void*, const char* message) {
  LogSink::standardError().writeLine("brambletop-scored: PostgreSQL " + firstLine(message) + "\n");
}

PgError errorOf(const PGresult* result) {
  const char* state = PQresultErrorField(result, PG_DIAG_SQLSTATE);
  return PgError(firstLine(PQresultErrorMessage(result)), state ? state : "");
}

}  // namespace

PgConnection::PgConnection(std::string url, std::chrono::milliseconds timeout,
                           const StopNotice& stop)
    : url_(std::move(url)), timeout_(timeout), stop_(stop) {
  connect(deadlineFromNow());
}

PgConnection::~PgConnection() {
  drop();
}

bool PgConnection::connected() const {
  return conn_ && PQstatus(conn_) == CONNECTION_OK;
}

void PgConnection::drop() {
  // In non-blocking mode the goodbye that PQfinish sends never waits.
  PQfinish(conn_);
  conn_ = nullptr;
  prepared_ = false;
}

void PgConnection::lost() {
  const std::string reason = firstLine(PQerrorMessage(conn_));
  throw PgError(reason.empty() ? "the connection to PostgreSQL was lost" : reason, "");
}

void PgConnection::connect(Clock::time_point deadline) {
  drop();
  const char* keywords[] = {"dbname", nullptr};
  const char* values[] = {url_.c_str(), nullptr};
  conn_ = PQconnectStartParams(keywords, values, 1);
  // As libpq asks: first wait to write, then as each step says.
  for (PostgresPollingStatusType step = PGRES_POLLING_WRITING; step != PGRES_POLLING_OK;
       step = PQconnectPoll(conn_)) {
    if (!conn_ || step == PGRES_POLLING_FAILED || PQstatus(conn_) == CONNECTION_BAD) {
      const std::string reason = conn_ ? firstLine(PQerrorMessage(conn_)) : "out of memory";
      drop();
      throw PgError("cannot connect to PostgreSQL: " + reason, "");
    }
    await(step == PGRES_POLLING_READING ? POLLIN : POLLOUT, deadline);
  }
  PQsetnonblocking(conn_, 1);
  PQsetNoticeProcessor(conn_, logNotice, nullptr);
  // The top ten are the first ten entries of the scores_rank index for the
  // game. Without fresh statistics (a new table, or one that grew in the
  // last minute) the planner would instead collect the whole game and sort
  // it, 100 times slower at a few thousand rows; these connections run only
  // PostgresSql's statements, for which the indexes are always the way.
  // The server gives up on a statement when this side does.
  const std::string settings =
      "SET enable_seqscan = off; SET enable_bitmapscan = off; SET statement_timeout = " +
      std::to_string(timeout_.count());
  try {
    execute(settings.c_str(), deadline);
  } catch (const PgError&) {
    drop();  // not to be used without its settings
    throw;
  }
}

void PgConnection::prepare(Clock::time_point deadline) {
  for (const auto& [name, sql] : postgresStatements()) {
    if (!PQsendPrepare(conn_, name, sql.c_str(), 0, nullptr)) lost();
    try {
      finish(deadline);
    } catch (const PgError& e) {
      throw PgError("cannot prepare " + std::string(name) + ": " + e.what(), e.sqlState());
    }
  }
  prepared_ = true;
}

void PgConnection::execute(const char* sql) {
  const Clock::time_point deadline = deadlineFromNow();
  if (!connected()) connect(deadline);
  execute(sql, deadline);
}

void PgConnection::execute(const char* sql, Clock::time_point deadline) {
  if (!PQsendQuery(conn_, sql)) lost();
  finish(deadline);
}

PgResult PgConnection::run(const char* statement, const std::vector<std::string>& parameters,
                           Clock::time_point deadline) {
  if (!connected()) connect(deadline);
  try {
    return runOnce(statement, parameters, deadline);
  } catch (const PgError&) {
    // Refused by a server that is still there, or out of time: no retry.
    if (!conn_ || connected()) throw;
  }
  // The server went away (restart, dropped connection): one new connection.
  // Both statements are safe to repeat: a fetch, and an upsert that keeps the
  // greater score.
  connect(deadline);
  return runOnce(statement, parameters, deadline);
}

PgResult PgConnection::runOnce(const char* statement, const std::vector<std::string>& parameters,
                               Clock::time_point deadline) {
  if (!prepared_) prepare(deadline);
  std::vector<const char*> values;
  values.reserve(parameters.size());
  for (const std::string& p : parameters) values.push_back(p.c_str());
  if (!PQsendQueryPrepared(conn_, statement, static_cast<int>(values.size()), values.data(),
                           nullptr, nullptr, 0)) {
    lost();
  }
  return finish(deadline);
}

PgResult PgConnection::finish(Clock::time_point deadline) {
  for (int flushed; (flushed = PQflush(conn_)) != 0;) {
    if (flushed < 0) lost();
    await(POLLIN | POLLOUT, deadline);
    if (!PQconsumeInput(conn_)) lost();
  }
  PgResult last(nullptr, &PQclear);
  std::optional<PgError> error;
  for (;;) {
    while (PQisBusy(conn_)) {
      await(POLLIN, deadline);
      if (!PQconsumeInput(conn_)) lost();
    }
    PgResult result(PQgetResult(conn_), &PQclear);
    if (!result) break;
    const ExecStatusType status = PQresultStatus(result.get());
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK && !error) {
      error = errorOf(result.get());
    }
    last = std::move(result);
  }
  if (error) throw *error;
  return last;
}

void PgConnection::await(short events, Clock::time_point deadline) {
  for (;;) {
    const bool stopping = stop_.stopping();
    const Clock::time_point limit = std::min(deadline, stop_.deadline());
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(limit - Clock::now());
    if (left.count() <= 0) {
      drop();
      throw PgError(limit < deadline ? "the server is stopping"
                                     : "PostgreSQL did not answer within " + spoken(timeout_),
                    "");
    }
    if (PQsocket(conn_) < 0) lost();
    pollfd ready[2] = {{PQsocket(conn_), events, 0}, {stop_.fd(), POLLIN, 0}};
    // Once stopping, the notice is always readable: the time limit is enough.
    const int count = ::poll(ready, stopping ? 1 : 2, static_cast<int>(left.count()));
    if (count < 0 && errno != EINTR) {
      const std::string reason = std::strerror(errno);
      drop();
      throw PgError("cannot wait for PostgreSQL: " + reason, "");
    }
    if (count > 0 && ready[0].revents != 0) return;
  }
}

}  // namespace bt::scored
