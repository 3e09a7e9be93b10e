#include "net/HighScoreClient.h"

#include <system_error>
#include <utility>

#include "net/ScoreRequest.h"

namespace bt {

namespace {
constexpr int kOkStatus = 200;
constexpr size_t kMaxReply = 1024;
}  // namespace

HighScoreClient::HighScoreClient(platform::Network& network) : network_(network) {}

HighScoreClient::~HighScoreClient() {
  stop();
  dataConnection_.reset();
}

bool HighScoreClient::running() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return running_;
}

bool HighScoreClient::start(ExchangeListener& listener,
                            const std::optional<ScoreSubmission>& submission) {
  if (running()) return false;
  joinWorker();  // the last one has reported; it only has to end
  Order order;
  if (submission) {
    const std::string_view name = submission->name;
    order.path = submitPath(gameId_, name.substr(0, kScoreNameBytes - 1), submission->score);
  } else {
    order.path = fetchPath(gameId_);
  }
  {
    std::lock_guard<std::mutex> lock(mutex_);
    listener_ = &listener;
    running_ = true;
    stopped_ = false;
    received_.reset();
  }
  if (!network_.sendsBlocking()) {
    startExchange(std::move(order));
    return true;
  }
  try {
    worker_ =
        std::thread([this, order = std::move(order)]() mutable { runExchange(std::move(order)); });
  } catch (const std::system_error&) {
    // No thread to be had: the exchange fails as any other would.
    {
      std::lock_guard<std::mutex> lock(mutex_);
      running_ = false;
    }
    listener.notify(ExchangeStatus::Failed);
  }
  return true;
}

void HighScoreClient::stop() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopped_ = true;
    if (post_) post_->cancel();
  }
  joinWorker();
  std::lock_guard<std::mutex> lock(mutex_);
  running_ = false;
}

void HighScoreClient::joinWorker() {
  if (worker_.joinable()) worker_.join();
}

std::optional<ScoreReply> HighScoreClient::takeReceived() {
  std::lock_guard<std::mutex> lock(mutex_);
  return std::exchange(received_, std::nullopt);
}

bool HighScoreClient::report(ExchangeStatus status) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (stopped_) return false;
  listener_->notify(status);
  return true;
}

void HighScoreClient::runExchange(Order order) {
  if (!openExchange()) return;
  finishWith(sendRequest(std::move(order.path)));
}

void HighScoreClient::startExchange(Order order) {
  if (!openExchange()) return;
  // One thread only here: post_ is set before the request can end.
  {
    std::lock_guard<std::mutex> lock(mutex_);
    post_ = makePost(std::move(order.path));
  }
  const bool started = post_->sendLater([this](std::optional<platform::HttpResponse> response) {
    // post_ is this very request: it ends here, after its last use.
    std::unique_ptr<platform::HttpPost> done;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      done = std::move(post_);
    }
    finishWith(response);
  });
  if (started) return;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    post_.reset();
  }
  finish(std::nullopt);
}

bool HighScoreClient::openExchange() {
  if (!report(ExchangeStatus::Connecting)) return false;
  if (!holdDataConnection()) {
    finish(std::nullopt);
    return false;
  }
  return report(ExchangeStatus::Exchanging);
}

bool HighScoreClient::holdDataConnection() {
  // The data connection of an earlier exchange is used again while it holds.
  if (!dataConnection_ || !dataConnection_->isConnected()) {
    dataConnection_ = network_.openDataConnection();
  }
  return dataConnection_ != nullptr;
}

void HighScoreClient::finishWith(const std::optional<platform::HttpResponse>& response) {
  if (!response || response->status != kOkStatus) return finish(std::nullopt);
  finish(parseScoreReply(response->body));
}

std::unique_ptr<platform::HttpPost> HighScoreClient::makePost(std::string path) {
  platform::HttpPostRequest request;
  request.host = server_.host;
  request.port = server_.port;
  request.path = std::move(path);
  request.body = "OK";
  request.agent = kAgent;
  request.maxBody = kMaxReply;
  request.timeout = server_.timeout;
  return network_.makePost(std::move(request));
}

std::optional<platform::HttpResponse> HighScoreClient::sendRequest(std::string path) {
  std::unique_ptr<platform::HttpPost> post = makePost(std::move(path));
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (stopped_) post->cancel();
    post_ = std::move(post);
  }
  // Only this thread replaces post_, so it reads it unlocked; stop reads it
  // under the lock to cancel.
  std::optional<platform::HttpResponse> response = post_->send();
  std::unique_ptr<platform::HttpPost> done;
  std::lock_guard<std::mutex> lock(mutex_);
  done = std::move(post_);
  return response;
}

void HighScoreClient::finish(std::optional<ScoreReply> reply) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (stopped_) return;
  const bool complete = reply.has_value();
  if (complete) received_ = std::move(reply);
  listener_->notify(complete ? ExchangeStatus::Complete : ExchangeStatus::Failed);
  running_ = false;
}

}  // namespace bt
