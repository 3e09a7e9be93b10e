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
//
// Once the server has answered the exchange's own request, whatever its
// status, the exchange may send more before its last report (ExchangeExtras):
// personal world records, and a fetch of each level's world best. They
// never change the reports; what they brought waits for takeExtras.
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "net/ExchangeExtras.h"
#include "net/ExchangeStatus.h"
#include "net/ScoreReply.h"
#include "net/ScoreServer.h"
#include "platform/Network.h"

namespace bt {

// A row to submit: its name (at most 15 bytes are sent) and score, with the
// proof of the play that earned it (the text form of game/GameProof.h) when
// the game holds one; without, the body is the phone's "OK".
struct ScoreSubmission {
  std::string name;
  int32_t score = 0;
  std::optional<std::string> proof;
};

class HighScoreClient {
 public:
  // The agent string the requests carry.
  static constexpr const char* kAgent = "Microsoft Internet Explorer";
  // Why the server refused the exchange's own request, as one line.
  using RefusalReporter = std::function<void(std::string_view reason)>;

  explicit HighScoreClient(platform::Network& network);
  // Stops a running exchange and releases the data connection.
  ~HighScoreClient();
  HighScoreClient(const HighScoreClient&) = delete;
  HighScoreClient& operator=(const HighScoreClient&) = delete;

  void setGameId(std::string_view gameId) { gameId_ = gameId; }
  void setServer(const ScoreServer& server) { server_ = server; }
  // Called, before the Failed report and from the same thread, when the
  // server answers the exchange's own request with a status other than 200:
  // the status and the first line of the answer, printable bytes only
  // ("the score server answered 403: the score has no proof of play"). It
  // runs under the client's lock: it must not call the client.
  void setRefusalReporter(RefusalReporter reporter) { refusalReporter_ = std::move(reporter); }

  // Starts an exchange that reports to listener: a fetch, or the submission
  // of one row, then the extras. False (nothing started) while an exchange
  // runs. A reply still waiting from the exchange before is dropped.
  bool start(ExchangeListener& listener, const std::optional<ScoreSubmission>& submission,
             const ExchangeExtras& extras = {});
  // Cancels a running exchange (its socket is closed) and waits for the
  // worker; a reply it completed with before stays for takeReceived.
  void stop();
  // True from start until the worker has made its last report.
  bool running() const;
  // The reply of a completed exchange, once; nullopt when there is none.
  std::optional<ScoreReply> takeReceived();
  // What the extras of the last exchange brought, once it has made its last
  // report (Complete or Failed); nullopt before, and once taken.
  std::optional<ExtrasOutcome> takeExtras();

 private:
  struct Order {
    RequestPlan own;
    std::vector<RequestPlan> extras;
    ExtrasOutcome outcome;  // before any of the extras is sent
  };
  struct Chain;

  void runExchange(Order order);
  // The exchange without a worker, for networks that never block.
  void startExchange(Order order);
  void sendLater(std::shared_ptr<Chain> chain);
  // Reports Connecting, brings up the data connection and reports
  // Exchanging; false when the exchange ends there (stopped, or failed with
  // its last report made and nothing of the extras sent).
  bool openExchange(const ExtrasOutcome& nothingSent);
  // Opens or keeps the data connection; false when there is none.
  bool holdDataConnection();
  std::unique_ptr<platform::HttpPost> makePost(const RequestPlan& plan);
  std::optional<platform::HttpResponse> sendRequest(const RequestPlan& plan);
  // The last report for the own request's response (or none).
  void finishWith(const std::optional<platform::HttpResponse>& response, ExtrasOutcome extras);
  // Calls the listener unless the exchange was stopped; false then.
  bool report(ExchangeStatus status);
  // The last report: Complete with the reply left for takeReceived, or
  // Failed without one (after the refusal's reason, when there is one).
  void finish(std::optional<ScoreReply> reply, ExtrasOutcome extras = {}, std::string refusal = {});
  void joinWorker();

  platform::Network& network_;
  std::string gameId_;
  ScoreServer server_;
  RefusalReporter refusalReporter_;
  std::thread worker_;
  std::unique_ptr<platform::DataConnection> dataConnection_;  // the worker's, while it runs

  mutable std::mutex mutex_;  // guards everything below
  ExchangeListener* listener_ = nullptr;
  bool running_ = false;
  bool stopped_ = false;
  std::unique_ptr<platform::HttpPost> post_;
  std::optional<ScoreReply> received_;
  std::optional<ExtrasOutcome> extrasOutcome_;
};

}  // namespace bt
