#include "ConnectionStream.h"

#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "ClientAddress.h"

namespace bt::scored {
namespace {

int pollOne(int fd, short events, int timeoutMs) {
  pollfd p{fd, events, 0};
  int ready;
  do {
    ready = ::poll(&p, 1, timeoutMs);
  } while (ready < 0 && errno == EINTR);
  return ready;
}

}  // namespace

ConnectionStream::ConnectionStream(int fd, const ConnectionLimits& limits, int stopFd)
    : fd_(fd), stopFd_(stopFd), limits_(limits) {}

bool ConnectionStream::awaitRequest() {
  if (cutOff_ != CutOff::None) return false;
  if (begin_ == end_) {
    pollfd p[2] = {{fd_, POLLIN, 0}, {stopFd_, POLLIN, 0}};
    int ready;
    do {
      ready = ::poll(p, 2, static_cast<int>(limits_.idleTimeout.count()));
    } while (ready < 0 && errno == EINTR);
    if (ready <= 0 || (p[1].revents & POLLIN)) return false;
    const ssize_t got = ::recv(fd_, buffer_, sizeof buffer_, 0);
    if (got <= 0) return false;
    begin_ = 0;
    end_ = static_cast<size_t>(got);
  }
  requestStart_ = Clock::now();
  deadline_ = requestStart_ + limits_.requestTimeout;
  consumed_ = 0;
  answered_ = false;
  return true;
}

int ConnectionStream::millisecondsLeft() const {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline_ - Clock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

bool ConnectionStream::is_readable() const {
  return begin_ < end_ || (cutOff_ == CutOff::None && pollOne(fd_, POLLIN, millisecondsLeft()) > 0);
}

bool ConnectionStream::is_writable() const {
  return pollOne(fd_, POLLOUT, static_cast<int>(limits_.writeTimeout.count())) > 0;
}

ssize_t ConnectionStream::fill() {
  const int left = millisecondsLeft();
  if (left == 0 || pollOne(fd_, POLLIN, left) <= 0) {
    cutOff_ = CutOff::TooSlow;
    return -1;
  }
  ssize_t got;
  do {
    got = ::recv(fd_, buffer_, sizeof buffer_, 0);
  } while (got < 0 && errno == EINTR);
  if (got <= 0) return got;
  begin_ = 0;
  end_ = static_cast<size_t>(got);
  return got;
}

ssize_t ConnectionStream::read(char* ptr, size_t size) {
  if (cutOff_ != CutOff::None) return -1;
  if (consumed_ >= limits_.maxRequestBytes) {
    cutOff_ = CutOff::TooLarge;
    return -1;
  }
  if (begin_ == end_) {
    const ssize_t got = fill();
    if (got <= 0) return got;
  }
  const size_t n = std::min({size, end_ - begin_, limits_.maxRequestBytes - consumed_});
  std::memcpy(ptr, buffer_ + begin_, n);
  begin_ += n;
  consumed_ += n;
  return static_cast<ssize_t>(n);
}

ssize_t ConnectionStream::write(const char* ptr, size_t size) {
  if (!is_writable()) return -1;
  ssize_t sent;
  do {
    sent = ::send(fd_, ptr, size, MSG_NOSIGNAL);
  } while (sent < 0 && errno == EINTR);
  if (sent > 0) answered_ = true;
  return sent;
}

void ConnectionStream::get_remote_ip_and_port(std::string& ip, int& port) const {
  sockaddr_storage address{};
  socklen_t length = sizeof address;
  if (::getpeername(fd_, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
    nameSocketAddress(address, ip, port);
  }
}

void ConnectionStream::get_local_ip_and_port(std::string& ip, int& port) const {
  sockaddr_storage address{};
  socklen_t length = sizeof address;
  if (::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
    nameSocketAddress(address, ip, port);
  }
}

}  // namespace bt::scored
