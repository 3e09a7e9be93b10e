#include "net/HighScoreClient.h"

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
  worker_ =
      std::thread([this, order = std::move(order)]() mutable { runExchange(std::move(order)); });
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
  if (!report(ExchangeStatus::Connecting)) return;
  // The data connection of an earlier exchange is used again while it holds.
  if (!dataConnection_ || !dataConnection_->isConnected()) {
    dataConnection_ = network_.openDataConnection();
  }
  bool ok = dataConnection_ != nullptr && report(ExchangeStatus::Exchanging);
  if (ok) {
    platform::HttpPostRequest request;
    request.host = server_.host;
    request.port = server_.port;
    request.path = std::move(order.path);
    request.body = "OK";
    request.agent = kAgent;
    request.maxBody = kMaxReply;
    request.connectTimeout = server_.connectTimeout;
    request.readTimeout = server_.readTimeout;
    std::unique_ptr<platform::HttpPost> post = network_.makePost(std::move(request));
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (stopped_) post->cancel();
      post_ = std::move(post);
    }
    // post_ is only replaced by this thread, so it can be used unlocked here.
    const std::optional<platform::HttpResponse> response = post_->send();
    std::unique_ptr<platform::HttpPost> done;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      done = std::move(post_);
    }
    ok = response && response->status == kOkStatus;
    if (ok) {
      const ScoreReply reply = parseScoreReply(response->body);
      std::lock_guard<std::mutex> lock(mutex_);
      if (stopped_) return;
      received_ = reply;
      listener_->notify(static_cast<int32_t>(ExchangeStatus::Complete));
      running_ = false;
      return;
    }
  }
  std::lock_guard<std::mutex> lock(mutex_);
  if (stopped_) return;
  listener_->notify(static_cast<int32_t>(ExchangeStatus::Failed));
  running_ = false;
}

}  // namespace bt
