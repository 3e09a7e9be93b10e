#pragma once
// Exchanges scores with the score server on a worker thread: it fetches the
// server's ten best, or submits one row and gets the table back. The worker
// reports Connecting, Exchanging, then Complete or Failed through the
// listener's notify, from its own thread, holding the client's lock: after
// stop returns no report follows. start copies what it sends, and the
// received reply waits in the client until the user-interface thread takes
// it (takeReceived). At most one worker runs. Where the network must not
// block (a browser page) there is no worker: start reports Connecting and
// Exchanging itself and the last report comes when the request completes,
// on the same thread.
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "net/ExchangeStatus.h"
#include "net/ScoreReply.h"
#include "net/ScoreServer.h"
#include "platform/Network.h"

namespace bt {

// A row to submit: its name (at most 15 bytes are sent) and score.
struct ScoreSubmission {
  std::string name;
  int32_t score = 0;
};

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

  // Starts an exchange that reports to listener: a fetch, or the submission
  // of one row. False (nothing started) while an exchange runs. A reply
  // still waiting from the exchange before is dropped.
  bool start(ExchangeListener& listener, const std::optional<ScoreSubmission>& submission);
  // Cancels a running exchange (its socket is closed) and waits for the
  // worker; a reply it completed with before stays for takeReceived.
  void stop();
  // True from start until the worker has made its last report.
  bool running() const;
  // The reply of a completed exchange, once; nullopt when there is none.
  std::optional<ScoreReply> takeReceived();

 private:
  struct Order {
    std::string path;
  };

  void runExchange(Order order);
  // The exchange without a worker, for networks that never block.
  void startExchange(Order order);
  // Reports Connecting, brings up the data connection and reports
  // Exchanging; false when the exchange ends there (stopped, or failed with
  // its last report made).
  bool openExchange();
  // Opens or keeps the data connection; false when there is none.
  bool holdDataConnection();
  std::unique_ptr<platform::HttpPost> makePost(std::string path);
  std::optional<platform::HttpResponse> sendRequest(std::string path);
  // The last report for a response (or none).
  void finishWith(const std::optional<platform::HttpResponse>& response);
  // Calls the listener unless the exchange was stopped; false then.
  bool report(ExchangeStatus status);
  // The last report: Complete with the reply left for takeReceived, or
  // Failed without one.
  void finish(std::optional<ScoreReply> reply);
  void joinWorker();

  platform::Network& network_;
  std::string gameId_;
  ScoreServer server_;
  std::thread worker_;
  std::unique_ptr<platform::DataConnection> dataConnection_;  // the worker's, while it runs

  mutable std::mutex mutex_;  // guards everything below
  ExchangeListener* listener_ = nullptr;
  bool running_ = false;
  bool stopped_ = false;
  std::unique_ptr<platform::HttpPost> post_;
  std::optional<ScoreReply> received_;
};

}  // namespace bt
