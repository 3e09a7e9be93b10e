#pragma once
// A fresh, empty score database for one test, on either backend: an SQLite
// file in a temporary folder, or a new database on the PostgreSQL server that
// the test set-up started (its URL in the file named by
// BT_TEST_POSTGRES_URL_FILE). Removed at the end.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ScoredProcess.h"

namespace bt::scored::test {

enum class Backend { Sqlite, Postgres };

// Names the instances of a test on each backend.
inline std::string backendName(const ::testing::TestParamInfo<Backend>& info) {
  return info.param == Backend::Sqlite ? "sqlite" : "postgres";
}

class TestDatabase {
 public:
  explicit TestDatabase(Backend backend);
  ~TestDatabase();
  // The --db value; empty when PostgreSQL is not available (the test skips).
  const std::string& location() const { return location_; }
  Backend backend() const { return backend_; }
  // Runs SQL on the database as another program would, while no server
  // has it open. Throws std::runtime_error.
  void execute(const std::string& sql) const;

 private:
  Backend backend_;
  std::unique_ptr<TempDatabaseFile> file_;
  std::string adminUrl_;
  std::string name_;
  std::string location_;
};

// The URL of the test PostgreSQL server's admin database, or empty.
std::string postgresAdminUrl();

}  // namespace bt::scored::test
