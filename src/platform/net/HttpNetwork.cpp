#include "platform/net/HttpNetwork.h"

#include <fcntl.h>
#include <httplib.h>
#include <pthread.h>
#include <signal.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <mutex>

namespace bt::platform {

namespace {

// Connected for as long as the network does not refuse data connections.
class DesktopDataConnection : public DataConnection {
 public:
  explicit DesktopDataConnection(const std::atomic<bool>& refused) : refused_(refused) {}
  bool isConnected() const override { return !refused_; }

 private:
  const std::atomic<bool>& refused_;
};

// The library writes without MSG_NOSIGNAL. It checks that the socket is alive
// before each write, but a reset from the server (or a cancel) arriving just
// after the check would raise SIGPIPE, which ends the program. While a
// request runs this thread holds SIGPIPE blocked, and one raised by its
// writes is taken before the old mask comes back.
class PipeSignalBlock {
 public:
  PipeSignalBlock() {
    sigemptyset(&pipe_);
    sigaddset(&pipe_, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe_, &old_);
  }
  ~PipeSignalBlock() {
    const timespec zero{0, 0};
    while (sigtimedwait(&pipe_, nullptr, &zero) > 0) {
    }
    pthread_sigmask(SIG_SETMASK, &old_, nullptr);
  }
  PipeSignalBlock(const PipeSignalBlock&) = delete;
  PipeSignalBlock& operator=(const PipeSignalBlock&) = delete;

 private:
  sigset_t pipe_;
  sigset_t old_;
};

// One POST with cpp-httplib. A cancel shuts down the socket: that wakes the
// library's wait in connect, send or receive at once. The socket is known
// through a duplicate taken when it is created, so that its number cannot be
// reused by another socket before the duplicate is closed.
class HttplibPost : public HttpPost {
 public:
  explicit HttplibPost(HttpPostRequest request) : request_(std::move(request)) {}
  ~HttplibPost() override { forgetSocket(); }

  std::optional<HttpResponse> send() override;
  void cancel() override;

 private:
  void takeSocket(int socket);
  void forgetSocket();

  const HttpPostRequest request_;
  std::mutex mutex_;
  bool cancelled_ = false;
  int socket_ = -1;  // our duplicate of the library's socket, or -1
};

void HttplibPost::takeSocket(int socket) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (socket_ >= 0) ::close(socket_);
  socket_ = ::fcntl(socket, F_DUPFD_CLOEXEC, 0);
  if (cancelled_) ::shutdown(socket, SHUT_RDWR);
}

void HttplibPost::forgetSocket() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (socket_ >= 0) ::close(socket_);
  socket_ = -1;
}

void HttplibPost::cancel() {
  std::lock_guard<std::mutex> lock(mutex_);
  cancelled_ = true;
  if (socket_ >= 0) ::shutdown(socket_, SHUT_RDWR);
}

std::optional<HttpResponse> HttplibPost::send() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (cancelled_) return std::nullopt;
  }
  httplib::Client client(request_.host, request_.port);
  client.set_connection_timeout(request_.connectTimeout);
  client.set_read_timeout(request_.readTimeout);
  client.set_write_timeout(request_.readTimeout);
  client.set_keep_alive(false);
  client.set_socket_options([this](socket_t socket) { takeSocket(socket); });

  httplib::Request request;
  request.method = "POST";
  request.path = request_.path;
  request.body = request_.body;
  request.set_header("User-Agent", request_.agent);
  HttpResponse result;
  bool cut = false;  // the body reached maxBody and the rest was left unread
  request.content_receiver = [&](const char* data, size_t length, uint64_t, uint64_t) {
    const size_t room = request_.maxBody - result.body.size();
    result.body.append(data, std::min(room, length));
    cut = length >= room;
    return !cut;
  };
  httplib::Response response;
  httplib::Error error = httplib::Error::Success;
  bool sent = false;
  {
    const PipeSignalBlock block;
    sent = client.send(request, response, error);
  }
  forgetSocket();
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (cancelled_) return std::nullopt;
  }
  if (!sent && !(cut && error == httplib::Error::Canceled)) return std::nullopt;
  result.status = response.status;
  return result;
}

}  // namespace

std::unique_ptr<DataConnection> HttpNetwork::openDataConnection() {
  if (refuseData_) return nullptr;
  ++opened_;
  return std::make_unique<DesktopDataConnection>(refuseData_);
}

std::unique_ptr<HttpPost> HttpNetwork::makePost(HttpPostRequest request) {
  return std::make_unique<HttplibPost>(std::move(request));
}

}  // namespace bt::platform
