#pragma once
// One libpq connection with the score table's prepared statements, made
// again once when the server went away between two uses.
#include <libpq-fe.h>

#include <memory>
#include <string>
#include <vector>

#include "ScoreStore.h"

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
  // Connects; throws PgError. The statements are prepared on first use, so
  // that the table can be created first.
  explicit PgConnection(const std::string& url);
  ~PgConnection();
  PgConnection(const PgConnection&) = delete;
  PgConnection& operator=(const PgConnection&) = delete;

  // Runs a statement prepared by the constructor (kTopTen or kUpsert) with
  // text parameters; reconnects and retries once on a lost connection.
  // Throws PgError.
  PgResult run(const char* statement, const std::vector<std::string>& parameters);
  // Runs plain SQL without parameters; throws StoreError.
  void execute(const char* sql);

  static constexpr const char* kTopTen = "top_ten";
  static constexpr const char* kUpsert = "upsert";

 private:
  void connect();
  void prepare();
  PgResult runOnce(const char* statement, const std::vector<std::string>& parameters);

  std::string url_;
  PGconn* conn_ = nullptr;
  bool prepared_ = false;
};

}  // namespace bt::scored
