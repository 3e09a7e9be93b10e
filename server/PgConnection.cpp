#include "PgConnection.h"

namespace bt::scored {
namespace {

constexpr const char* kTopTenSql =
    "SELECT name, score FROM scores WHERE game = $1 "
    "ORDER BY score DESC, achieved, name LIMIT 10";

// One statement for a whole batch: the arrays are read in their order, so
// servers that sort their batches take row locks in one order and cannot
// deadlock on each other.
constexpr const char* kUpsertSql =
    "INSERT INTO scores (game, name, score, achieved) "
    "SELECT g, n, s, clock_timestamp() FROM unnest($1::text[], $2::text[], $3::int[]) "
    "AS batch (g, n, s) "
    "ON CONFLICT (game, name) DO UPDATE SET score = EXCLUDED.score, "
    "achieved = EXCLUDED.achieved WHERE EXCLUDED.score > scores.score";

std::string firstLine(const char* text) {
  std::string line = text ? text : "";
  const size_t end = line.find('\n');
  return end == std::string::npos ? line : line.substr(0, end);
}

}  // namespace

PgConnection::PgConnection(const std::string& url) : url_(url) {
  connect();
}

PgConnection::~PgConnection() {
  PQfinish(conn_);
}

void PgConnection::connect() {
  PQfinish(conn_);
  // A database that does not answer is given up on after 5 s; the URL may
  // say otherwise (later parameters win).
  const char* keywords[] = {"connect_timeout", "dbname", nullptr};
  const char* values[] = {"5", url_.c_str(), nullptr};
  conn_ = PQconnectdbParams(keywords, values, 1);
  if (PQstatus(conn_) != CONNECTION_OK) {
    throw PgError("cannot connect to PostgreSQL: " + firstLine(PQerrorMessage(conn_)), "");
  }
  prepared_ = false;
  // The top ten are the first ten entries of the scores_rank index for the
  // game. Without fresh statistics (a new table, or one that grew in the
  // last minute) the planner would instead collect the whole game and sort
  // it, 100 times slower at a few thousand rows; these connections run only
  // the two statements above, for which the indexes are always the way.
  execute("SET enable_seqscan = off; SET enable_bitmapscan = off");
  // A statement stuck on locks or a sick server fails the request instead
  // of holding its thread.
  execute("SET statement_timeout = '10s'");
}

void PgConnection::prepare() {
  for (const auto& [name, sql] : {std::pair{kTopTen, kTopTenSql}, std::pair{kUpsert, kUpsertSql}}) {
    PgResult prepared(PQprepare(conn_, name, sql, 0, nullptr), &PQclear);
    if (PQresultStatus(prepared.get()) != PGRES_COMMAND_OK) {
      throw PgError("cannot prepare " + std::string(name) + ": " +
                        firstLine(PQresultErrorMessage(prepared.get())),
                    "");
    }
  }
  prepared_ = true;
}

void PgConnection::execute(const char* sql) {
  PgResult result(PQexec(conn_, sql), &PQclear);
  const ExecStatusType status = PQresultStatus(result.get());
  if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
    const char* state = PQresultErrorField(result.get(), PG_DIAG_SQLSTATE);
    throw PgError(firstLine(PQresultErrorMessage(result.get())), state ? state : "");
  }
}

PgResult PgConnection::run(const char* statement, const std::vector<std::string>& parameters) {
  if (PQstatus(conn_) != CONNECTION_OK) connect();
  try {
    return runOnce(statement, parameters);
  } catch (const PgError&) {
    if (PQstatus(conn_) == CONNECTION_OK) throw;
  }
  // The server went away (restart, dropped connection): one new connection.
  // Both statements are safe to repeat: a fetch, and an upsert that keeps the
  // greater score.
  connect();
  return runOnce(statement, parameters);
}

PgResult PgConnection::runOnce(const char* statement, const std::vector<std::string>& parameters) {
  if (!prepared_) prepare();
  std::vector<const char*> values;
  values.reserve(parameters.size());
  for (const std::string& p : parameters) values.push_back(p.c_str());
  PgResult result(PQexecPrepared(conn_, statement, static_cast<int>(values.size()), values.data(),
                                 nullptr, nullptr, 0),
                  &PQclear);
  const ExecStatusType status = PQresultStatus(result.get());
  if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
    const char* state = PQresultErrorField(result.get(), PG_DIAG_SQLSTATE);
    throw PgError(firstLine(PQresultErrorMessage(result.get())), state ? state : "");
  }
  return result;
}

}  // namespace bt::scored
