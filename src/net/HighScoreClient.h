#pragma once
// Exchanges the score table with the score server on a worker thread: with
// no row highlighted it fetches the server's ten best, otherwise it submits
// the highlighted row; either way the reply replaces the local rows. The
// worker reports 1, 2, then 3 or 4 through the listener's notify, from its
// own thread, holding the client's lock: after stop returns no report
// follows. The worker never touches the ScoreTable: start copies what it
// sends, and the received rows wait in the client until the user-interface
// thread calls applyReceived. At most one worker runs. Where the network
// must not block (a browser page) there is no worker: start reports 1 and 2
// itself and the last report comes when the request completes, on the same
// thread.
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "app/ScoreTable.h"
#include "app/Screen.h"
#include "net/ExchangeStatus.h"
#include "net/ScoreReply.h"
#include "net/ScoreServer.h"
#include "platform/Network.h"

namespace bt {

class HighScoreClient {
 public:
  // The agent string the requests carry.
  static constexpr const char* kAgent = "Microsoft Internet Explorer";

  explicit HighScoreClient(platform::Network& network);
  // Stops a running exchange and releases the data connection.
  ~HighScoreClient();
  HighScoreClient(const HighScoreClient&) = delete;
  HighScoreClient& operator=(const HighScoreClient&) = delete;

  void setGameId(std::string_view gameId) { gameId_ = gameId; }
  void setServer(const ScoreServer& server) { server_ = server; }
  void setScoreTable(ScoreTable* table) { table_ = table; }

  // Starts an exchange that reports to listener; false (nothing started)
  // without a table or while an exchange runs.
  bool start(Screen& listener);
  // Cancels a running exchange (its socket is closed) and waits for the
  // worker; rows it received before stay for applyReceived.
  void stop();
  // True from start until the worker has made its last report.
  bool running() const;
  // Writes rows received by a completed exchange into the table and clears
  // the highlight, so that the next exchange fetches; false when there were
  // none. User-interface thread only.
  bool applyReceived();

 private:
  struct Order {
    std::string path;
  };

  void runExchange(Order order);
  // The exchange without a worker, for networks that never block.
  void startExchange(Order order);
  // Reports 1, brings up the data connection and reports 2; false when the
  // exchange ends there (stopped, or failed with its last report made).
  bool openExchange();
  // Opens or keeps the data connection; false when there is none.
  bool holdDataConnection();
  std::unique_ptr<platform::HttpPost> makePost(std::string path);
  std::optional<platform::HttpResponse> sendRequest(std::string path);
  // The last report for a response (or none).
  void finishWith(const std::optional<platform::HttpResponse>& response);
  // Calls the listener unless the exchange was stopped; false then.
  bool report(ExchangeStatus status);
  // The last report: 3 with the rows left for applyReceived, or 4 without.
  void finish(std::optional<ScoreReply> reply);
  void joinWorker();

  platform::Network& network_;
  std::string gameId_;
  ScoreServer server_;
  ScoreTable* table_ = nullptr;
  std::thread worker_;
  std::unique_ptr<platform::DataConnection> dataConnection_;  // the worker's, while it runs

  mutable std::mutex mutex_;  // guards everything below
  Screen* listener_ = nullptr;
  bool running_ = false;
  bool stopped_ = false;
  std::unique_ptr<platform::HttpPost> post_;
  std::optional<ScoreReply> received_;
};

}  // namespace bt
