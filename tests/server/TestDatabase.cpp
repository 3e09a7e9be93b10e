#include "TestDatabase.h"

#include <libpq-fe.h>
#include <sqlite3.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "Numbered.h"

namespace bt::scored::test {
namespace {

void runAdmin(const std::string& url, const std::string& sql) {
  PGconn* conn = PQconnectdb(url.c_str());
  if (PQstatus(conn) != CONNECTION_OK) {
    std::string message = PQerrorMessage(conn);
    PQfinish(conn);
    throw std::runtime_error("cannot reach the test PostgreSQL: " + message);
  }
  PGresult* result = PQexec(conn, sql.c_str());
  const bool ok = PQresultStatus(result) == PGRES_COMMAND_OK;
  std::string message = PQresultErrorMessage(result);
  PQclear(result);
  PQfinish(conn);
  if (!ok) throw std::runtime_error(sql + ": " + message);
}

// The URL with its database name replaced.
std::string withDatabase(const std::string& url, const std::string& name) {
  return url.substr(0, url.rfind('/') + 1) + name;
}

}  // namespace

std::string postgresAdminUrl() {
  const char* file = std::getenv("BT_TEST_POSTGRES_URL_FILE");
  if (!file) return {};
  std::ifstream in(file);
  std::string url;
  std::getline(in, url);
  return url;
}

TestDatabase::TestDatabase(Backend backend) : backend_(backend) {
  if (backend == Backend::Sqlite) {
    file_ = std::make_unique<TempDatabaseFile>();
    location_ = file_->path();
    return;
  }
  adminUrl_ = postgresAdminUrl();
  if (adminUrl_.empty()) return;
  static std::atomic<int> counter{0};
  name_ = numbered("scores_", getpid()) + numbered("_", counter++);
  runAdmin(adminUrl_, "CREATE DATABASE " + name_);
  location_ = withDatabase(adminUrl_, name_);
}

void TestDatabase::execute(const std::string& sql) const {
  if (backend_ == Backend::Postgres) {
    runAdmin(location_, sql);
    return;
  }
  sqlite3* db = nullptr;
  const bool opened = sqlite3_open(location_.c_str(), &db) == SQLITE_OK;
  char* error = nullptr;
  const bool ran = opened && sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) == SQLITE_OK;
  const std::string message = error ? error : sqlite3_errmsg(db);
  sqlite3_free(error);
  sqlite3_close(db);
  if (!ran) throw std::runtime_error(sql + ": " + message);
}

TestDatabase::~TestDatabase() {
  if (name_.empty()) return;
  try {
    runAdmin(adminUrl_, "DROP DATABASE IF EXISTS " + name_ + " WITH (FORCE)");
  } catch (const std::exception&) {
    // The server is stopped and its folder removed after the tests anyway.
  }
}

}  // namespace bt::scored::test
