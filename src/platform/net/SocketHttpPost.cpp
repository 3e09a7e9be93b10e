#include "platform/net/SocketHttpPost.h"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <utility>

#include "platform/net/HttpReplyReader.h"

namespace bt::platform {

namespace {

using Clock = std::chrono::steady_clock;

struct AddressListFree {
  void operator()(addrinfo* list) const { ::freeaddrinfo(list); }
};
using AddressList = std::unique_ptr<addrinfo, AddressListFree>;

// Closes the descriptor when it goes out of scope.
class Socket {
 public:
  explicit Socket(int fd = -1) : fd_(fd) {}
  ~Socket() {
    if (fd_ >= 0) ::close(fd_);
  }
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

// A name looked up on a thread of its own, which tells through a pipe that
// it is done. Shared with that thread: a lookup the post stops waiting for
// ends when the system's resolver gives up, and frees itself then.
struct Lookup {
  Lookup() {
    if (::pipe2(done, O_CLOEXEC | O_NONBLOCK) != 0) done[0] = done[1] = -1;
  }
  ~Lookup() {
    for (int fd : done) {
      if (fd >= 0) ::close(fd);
    }
  }
  Lookup(const Lookup&) = delete;
  Lookup& operator=(const Lookup&) = delete;

  std::mutex mutex;
  AddressList addresses;  // set by the thread
  int done[2];
};

addrinfo hintsFor(int flags) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_NUMERICSERV | flags;
  return hints;
}

// Request text carries no line breaks or NULs of its own: they would end the
// line early and start another one.
bool fitsOnALine(const std::string& text) {
  return text.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

int millisecondsUntil(Clock::time_point deadline) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
  if (left <= 0) return 0;
  return left > INT_MAX ? INT_MAX : static_cast<int>(left);
}

}  // namespace

SocketHttpPost::SocketHttpPost(HttpPostRequest request)
    : request_(std::move(request)), wake_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

SocketHttpPost::~SocketHttpPost() {
  if (wake_ >= 0) ::close(wake_);
}

void SocketHttpPost::cancel() {
  cancelled_ = true;
  const uint64_t one = 1;
  if (wake_ >= 0) (void)!::write(wake_, &one, sizeof one);
}

bool SocketHttpPost::waitFor(int fd, short events, Clock::time_point deadline) {
  for (;;) {
    if (cancelled_ || wake_ < 0) return false;
    const int left = millisecondsUntil(deadline);
    if (left == 0) return false;
    pollfd fds[2] = {{fd, events, 0}, {wake_, POLLIN, 0}};
    const int ready = ::poll(fds, 2, left);
    if (ready < 0 && errno != EINTR) return false;
    if (ready > 0 && fds[0].revents != 0 && !cancelled_) return true;
  }
}

int SocketHttpPost::connectBy(Clock::time_point deadline) {
  const std::string service = std::to_string(request_.port);
  AddressList addresses;
  addrinfo* found = nullptr;
  const addrinfo numeric = hintsFor(AI_NUMERICHOST);
  if (::getaddrinfo(request_.host.c_str(), service.c_str(), &numeric, &found) == 0) {
    addresses.reset(found);
  } else {
    // A name: the system's resolver may take long, and cannot be told to
    // stop, so it runs on its own thread while this one keeps the deadline.
    auto lookup = std::make_shared<Lookup>();
    if (lookup->done[0] < 0) return -1;
    try {
      std::thread([lookup, host = request_.host, service] {
        const addrinfo hints = hintsFor(0);
        addrinfo* list = nullptr;
        if (::getaddrinfo(host.c_str(), service.c_str(), &hints, &list) != 0) list = nullptr;
        std::lock_guard<std::mutex> lock(lookup->mutex);
        lookup->addresses.reset(list);
        (void)!::write(lookup->done[1], "", 1);
      }).detach();
    } catch (const std::system_error&) {
      return -1;
    }
    if (!waitFor(lookup->done[0], POLLIN, deadline)) return -1;
    std::lock_guard<std::mutex> lock(lookup->mutex);
    addresses = std::move(lookup->addresses);
  }
  for (const addrinfo* address = addresses.get(); address != nullptr; address = address->ai_next) {
    const int fd = ::socket(address->ai_family, address->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                            address->ai_protocol);
    if (fd < 0) continue;
    if (::connect(fd, address->ai_addr, address->ai_addrlen) == 0) return fd;
    if (errno == EINPROGRESS) {
      if (!waitFor(fd, POLLOUT, deadline)) {
        ::close(fd);
        return -1;  // the deadline or a cancel: no other address is tried
      }
      int error = 0;
      socklen_t size = sizeof error;
      if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0) return fd;
    }
    ::close(fd);
  }
  return -1;
}

bool SocketHttpPost::sendAll(int fd, const std::string& bytes, Clock::time_point deadline) {
  size_t sent = 0;
  while (sent < bytes.size()) {
    if (!waitFor(fd, POLLOUT, deadline)) return false;
    const ssize_t put = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (put < 0) {
      if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK) continue;
      return false;
    }
    sent += static_cast<size_t>(put);
  }
  return true;
}

std::optional<HttpResponse> SocketHttpPost::readReply(int fd, Clock::time_point deadline) {
  HttpReplyReader reader(request_.maxHead, request_.maxBody);
  char chunk[16384];
  while (reader.state() == HttpReplyReader::State::Reading) {
    if (!waitFor(fd, POLLIN, deadline)) return std::nullopt;
    const ssize_t got = ::recv(fd, chunk, sizeof chunk, 0);
    if (got < 0) {
      if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK) continue;
      return std::nullopt;
    }
    if (got == 0) {
      reader.end();
    } else {
      reader.take(std::string_view(chunk, static_cast<size_t>(got)));
    }
  }
  if (reader.state() != HttpReplyReader::State::Done) return std::nullopt;
  return HttpResponse{reader.status(), reader.body()};
}

std::optional<HttpResponse> SocketHttpPost::send() {
  const Clock::time_point deadline = Clock::now() + request_.timeout;
  // A space would end the request line's target early.
  const bool get = request_.method == "GET";
  if (cancelled_ || (!get && request_.method != "POST") || !fitsOnALine(request_.host) ||
      !fitsOnALine(request_.path) || request_.path.find(' ') != std::string::npos ||
      !fitsOnALine(request_.agent)) {
    return std::nullopt;
  }
  const Socket connection(connectBy(deadline));
  if (connection.get() < 0) return std::nullopt;
  std::string text;
  text.append(request_.method).append(" ").append(request_.path).append(" HTTP/1.1\r\nHost: ");
  // An IPv6 address stands in brackets; the port is named unless it is 80.
  const bool bracket = request_.host.find(':') != std::string::npos;
  text.append(bracket ? "[" : "").append(request_.host).append(bracket ? "]" : "");
  if (request_.port != 80) text.append(":").append(std::to_string(request_.port));
  text.append("\r\nUser-Agent: ").append(request_.agent);
  if (!get) text.append("\r\nContent-Length: ").append(std::to_string(request_.body.size()));
  text.append("\r\nConnection: close\r\n\r\n");
  if (!get) text.append(request_.body);
  if (!sendAll(connection.get(), text, deadline)) return std::nullopt;
  return readReply(connection.get(), deadline);
}

}  // namespace bt::platform
