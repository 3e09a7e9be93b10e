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

bool HighScoreClient::start(Screen& listener) {
  if (table_ == nullptr || running()) return false;
  applyReceived();  // a table still waiting decides what this exchange does
  joinWorker();     // the last one has reported; it only has to end
  Order order;
  const int32_t highlighted = table_->getHighlighted();
  if (highlighted < 0 || highlighted >= ScoreTable::kEntries) {
    order.path = fetchPath(gameId_);
  } else {
    const ScoreEntry& entry = table_->entries[static_cast<size_t>(highlighted)];
    order.path = submitPath(gameId_, std::string_view(entry.name.data()), entry.score);
  }
  {
    std::lock_guard<std::mutex> lock(mutex_);
    listener_ = &listener;
    running_ = true;
    stopped_ = false;
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
    listener.notify(static_cast<int32_t>(ExchangeStatus::Failed));
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

bool HighScoreClient::applyReceived() {
  std::optional<ScoreReply> reply;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    reply = std::exchange(received_, std::nullopt);
  }
  if (!reply || table_ == nullptr) return false;
  applyScoreReply(*reply, *table_);
  table_->setHighlighted(-1);
  return true;
}

bool HighScoreClient::report(ExchangeStatus status) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (stopped_) return false;
  listener_->notify(static_cast<int32_t>(status));
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
  listener_->notify(
      static_cast<int32_t>(complete ? ExchangeStatus::Complete : ExchangeStatus::Failed));
  running_ = false;
}

}  // namespace bt
