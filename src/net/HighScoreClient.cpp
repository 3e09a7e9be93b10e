#include "net/HighScoreClient.h"

#include <system_error>
#include <utility>

#include "net/RecordsRequest.h"
#include "net/ScoreRequest.h"

namespace bt {

namespace {

constexpr int kOkStatus = 200;
constexpr size_t kMaxReply = 1024;
constexpr size_t kMaxReasonBytes = 200;

// The status and the first line of a refusal, without bytes that could
// disturb a terminal or a log.
std::string refusalOf(const platform::HttpResponse& response) {
  std::string line;
  for (char c : response.body) {
    if (c == '\n' || c == '\r' || line.size() == kMaxReasonBytes) break;
    line += c >= ' ' && c <= '~' ? c : '?';
  }
  std::string reason = "the score server answered " + std::to_string(response.status);
  return line.empty() ? reason : reason + ": " + line;
}

}  // namespace

// The requests of an exchange without a worker, sent one after the other as
// each completes.
struct HighScoreClient::Chain {
  Order order;
  ExtrasOutcome extras;
  size_t next = 0;  // 0: the own request; i > 0: extra i - 1
  std::optional<platform::HttpResponse> own;

  const RequestPlan& current() const { return next == 0 ? order.own : order.extras[next - 1]; }
  bool done() const { return next > order.extras.size(); }
};

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
                            const std::optional<ScoreSubmission>& submission,
                            const ExchangeExtras& extras) {
  if (running()) return false;
  joinWorker();  // the last one has reported; it only has to end
  Order order;
  order.own.maxBody = kMaxReply;
  if (submission) {
    const std::string_view name = submission->name;
    order.own.path = submitPath(gameId_, name.substr(0, kScoreNameBytes - 1), submission->score);
    order.own.body = scoreBody(submission->proof);
  } else {
    order.own.path = fetchPath(gameId_);
    order.own.body = scoreBody(std::nullopt);
  }
  order.extras = planExtras(gameId_, extras);
  order.outcome = outcomeBefore(extras);
  {
    std::lock_guard<std::mutex> lock(mutex_);
    listener_ = &listener;
    running_ = true;
    stopped_ = false;
    received_.reset();
    extrasOutcome_.reset();
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

std::optional<ExtrasOutcome> HighScoreClient::takeExtras() {
  std::lock_guard<std::mutex> lock(mutex_);
  return std::exchange(extrasOutcome_, std::nullopt);
}

bool HighScoreClient::report(ExchangeStatus status) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (stopped_) return false;
  listener_->notify(status);
  return true;
}

void HighScoreClient::runExchange(Order order) {
  if (!openExchange(order.outcome)) return;
  const std::optional<platform::HttpResponse> own = sendRequest(order.own);
  ExtrasOutcome extras = std::move(order.outcome);
  if (own) {
    for (const RequestPlan& plan : order.extras) {
      const std::optional<platform::HttpResponse> response = sendRequest(plan);
      if (!response) break;  // no answer (or stopped): the rest waits for another time
      noteExtra(plan, *response, extras);
    }
  }
  finishWith(own, std::move(extras));
}

void HighScoreClient::startExchange(Order order) {
  if (!openExchange(order.outcome)) return;
  auto chain = std::make_shared<Chain>();
  chain->extras = std::move(order.outcome);
  chain->order = std::move(order);
  sendLater(std::move(chain));
}

void HighScoreClient::sendLater(std::shared_ptr<Chain> chain) {
  // One thread only here: post_ is set before the request can end.
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (stopped_) return;
    post_ = makePost(chain->current());
  }
  const bool started = post_->sendLater([this, chain](std::optional<platform::HttpResponse> r) {
    // post_ is this very request: it ends here, before the next one starts.
    {
      std::lock_guard<std::mutex> lock(mutex_);
      post_.reset();
    }
    if (chain->next == 0) {
      chain->own = std::move(r);
      if (!chain->own) return finishWith(std::nullopt, std::move(chain->extras));
    } else if (r) {
      noteExtra(chain->current(), *r, chain->extras);
    } else {
      return finishWith(chain->own, std::move(chain->extras));
    }
    ++chain->next;
    if (chain->done()) return finishWith(chain->own, std::move(chain->extras));
    sendLater(chain);
  });
  if (started) return;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    post_.reset();
  }
  finishWith(chain->own, std::move(chain->extras));
}

bool HighScoreClient::openExchange(const ExtrasOutcome& nothingSent) {
  if (!report(ExchangeStatus::Connecting)) return false;
  if (!holdDataConnection()) {
    finish(std::nullopt, nothingSent);
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

void HighScoreClient::finishWith(const std::optional<platform::HttpResponse>& response,
                                 ExtrasOutcome extras) {
  if (!response) return finish(std::nullopt, std::move(extras));
  if (response->status != kOkStatus) {
    return finish(std::nullopt, std::move(extras), refusalOf(*response));
  }
  finish(parseScoreReply(response->body), std::move(extras));
}

std::unique_ptr<platform::HttpPost> HighScoreClient::makePost(const RequestPlan& plan) {
  platform::HttpPostRequest request;
  request.host = server_.host;
  request.port = server_.port;
  request.method = plan.method;
  request.path = plan.path;
  request.body = plan.body;
  request.agent = kAgent;
  request.maxBody = plan.maxBody;
  request.timeout = server_.timeout;
  return network_.makePost(std::move(request));
}

std::optional<platform::HttpResponse> HighScoreClient::sendRequest(const RequestPlan& plan) {
  std::unique_ptr<platform::HttpPost> post = makePost(plan);
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

void HighScoreClient::finish(std::optional<ScoreReply> reply, ExtrasOutcome extras,
                             std::string refusal) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (stopped_) return;
  const bool complete = reply.has_value();
  if (complete) received_ = std::move(reply);
  extrasOutcome_ = std::move(extras);
  if (!refusal.empty() && refusalReporter_) refusalReporter_(refusal);
  listener_->notify(complete ? ExchangeStatus::Complete : ExchangeStatus::Failed);
  running_ = false;
}

}  // namespace bt
