#include "ConnectionStream.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "ClientAddress.h"
#include "RequestHead.h"

namespace bt::scored {
namespace {

constexpr size_t kReceivePiece = 4096;
// At most this much of an answer waits in the system unsent. Without a
// bound the system takes megabytes at once, which would count towards the
// minimum pace as sent, and the socket is writable again as soon as the
// client takes a little.
constexpr int kUnsentBytes = 16 * 1024;
// Written pieces up to this much are gathered before they are sent.
constexpr size_t kGatherBytes = 4096;
// How long, and how much, drainBeforeClose() reads at most.
constexpr auto kDrainTime = std::chrono::seconds(2);
constexpr size_t kDrainBytes = 64 * 1024;

int pollOne(int fd, short events, int timeoutMs) {
  pollfd p{fd, events, 0};
  int ready;
  do {
    ready = ::poll(&p, 1, timeoutMs);
  } while (ready < 0 && errno == EINTR);
  return ready;
}

int millisecondsUntil(ConnectionStream::Clock::time_point deadline) {
  const auto left =
      std::chrono::ceil<std::chrono::milliseconds>(deadline - ConnectionStream::Clock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

}  // namespace

ConnectionStream::ConnectionStream(int fd, const ConnectionLimits& limits, int stopFd)
    : fd_(fd), stopFd_(stopFd), limits_(limits), buffer_(kReceivePiece) {
  ::setsockopt(fd_, IPPROTO_TCP, TCP_NOTSENT_LOWAT, &kUnsentBytes, sizeof kUnsentBytes);
}

bool ConnectionStream::awaitRequest() {
  if (!flush() || cutOff_ != CutOff::None) return false;
  if (begin_ == end_) {
    pollfd p[2] = {{fd_, POLLIN, 0}, {stopFd_, POLLIN, 0}};
    int ready;
    do {
      ready = ::poll(p, 2, static_cast<int>(limits_.idleTimeout.count()));
    } while (ready < 0 && errno == EINTR);
    if (ready <= 0 || (p[1].revents & POLLIN)) return false;
    if (receive() <= 0) return false;
  }
  requestStart_ = Clock::now();
  deadline_ = requestStart_ + limits_.requestTimeout;
  consumed_ = 0;
  headLength_ = 0;
  answerStarted_ = false;
  answered_ = false;
  handled_ = false;
  return true;
}

HeadWait ConnectionStream::readHead() {
  size_t searched = 0;
  for (;;) {
    if (begin_ < end_ && buffer_[begin_] == '\r') {
      dropBlankLines();  // no head starts with CR
      searched = 0;
    }
    const std::string_view bytes(buffer_.data() + begin_, end_ - begin_);
    if (const size_t end = findHeadEnd(bytes, searched); end != std::string_view::npos) {
      headLength_ = end;
      return HeadWait::Whole;
    }
    searched = bytes.size();
    const size_t lineEnd = bytes.find('\n');
    if ((lineEnd == std::string_view::npos ? bytes.size() : lineEnd + 1) > kMaxRequestLineBytes) {
      return HeadWait::LineTooLong;
    }
    if (bytes.size() >= limits_.maxRequestBytes) return HeadWait::TooLarge;
    const ssize_t got = fill();
    if (got <= 0) return cutOff_ == CutOff::TooSlow ? HeadWait::TooSlow : HeadWait::Closed;
  }
}

void ConnectionStream::dropBlankLines() {
  while (end_ - begin_ >= 2 && buffer_[begin_] == '\r' && buffer_[begin_ + 1] == '\n') {
    begin_ += 2;
  }
}

std::string_view ConnectionStream::head() const {
  return {buffer_.data() + begin_, headLength_};
}

void ConnectionStream::replaceHead(std::string_view shorter) {
  if (shorter.size() > headLength_) return;
  const size_t start = begin_ + headLength_ - shorter.size();
  std::memmove(buffer_.data() + start, shorter.data(), shorter.size());
  begin_ = start;
  headLength_ = shorter.size();
}

int ConnectionStream::millisecondsLeft() const {
  return millisecondsUntil(deadline_);
}

bool ConnectionStream::is_readable() const {
  return begin_ < end_ || (cutOff_ == CutOff::None && pollOne(fd_, POLLIN, millisecondsLeft()) > 0);
}

bool ConnectionStream::is_writable() const {
  return !writeFailed_ && pollOne(fd_, POLLOUT, millisecondsUntil(writeDeadline())) > 0;
}

ssize_t ConnectionStream::fill() {
  // What was written goes before more is waited for (a 100 Continue, say).
  if (!flush()) return -1;
  const int left = millisecondsLeft();
  if (left == 0 || pollOne(fd_, POLLIN, left) <= 0) {
    cutOff_ = CutOff::TooSlow;
    return -1;
  }
  return receive();
}

ssize_t ConnectionStream::receive() {
  if (begin_ == end_) {
    begin_ = end_ = 0;
  } else if (end_ == buffer_.size() && begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  // Grows only while a head is gathered, which readHead() bounds.
  if (end_ == buffer_.size()) buffer_.resize(buffer_.size() + kReceivePiece);
  ssize_t got;
  do {
    got = ::recv(fd_, buffer_.data() + end_, buffer_.size() - end_, 0);
  } while (got < 0 && errno == EINTR);
  if (got > 0) end_ += static_cast<size_t>(got);
  return got;
}

ssize_t ConnectionStream::read(char* ptr, size_t size) {
  if (cutOff_ != CutOff::None) return -1;
  const size_t most = limits_.maxRequestBytes + limits_.maxBodyBytes;
  if (consumed_ >= most) {
    cutOff_ = CutOff::TooLarge;
    return -1;
  }
  if (begin_ == end_) {
    const ssize_t got = fill();
    if (got <= 0) return got;
  }
  const size_t n = std::min({size, end_ - begin_, most - consumed_});
  std::memcpy(ptr, buffer_.data() + begin_, n);
  begin_ += n;
  consumed_ += n;
  return static_cast<ssize_t>(n);
}

bool ConnectionStream::readBody(size_t size, std::string& body) {
  body.resize(size);
  for (size_t got = 0; got < size;) {
    const ssize_t n = read(body.data() + got, size - got);
    if (n <= 0) return false;
    got += static_cast<size_t>(n);
  }
  return true;
}

ConnectionStream::Clock::time_point ConnectionStream::writeDeadline() const {
  const auto stalled = Clock::now() + limits_.writeTimeout;
  if (!answerStarted_ || limits_.minSendRate == 0) return stalled;
  const auto earned = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(
      static_cast<double>(answerBytes_) / static_cast<double>(limits_.minSendRate)));
  return std::min(stalled, answerStart_ + limits_.writeTimeout + earned);
}

// The whole of `size` or -1: the library does not always write the rest of
// a short write. Small pieces are gathered (an answer's head and body go in
// one segment) until the answer is written, more is to be read, or they
// fill kGatherBytes.
ssize_t ConnectionStream::write(const char* ptr, size_t size) {
  if (writeFailed_) return -1;
  if (!answerStarted_) {
    answerStarted_ = true;
    answerStart_ = Clock::now();
    answerBytes_ = 0;
  }
  answered_ = true;
  if (pending_.size() + size > kGatherBytes && !flush()) return -1;
  if (size <= kGatherBytes) {
    pending_.append(ptr, size);
    return static_cast<ssize_t>(size);
  }
  return sendAll(ptr, size) ? static_cast<ssize_t>(size) : -1;
}

bool ConnectionStream::flush() {
  if (pending_.empty()) return !writeFailed_;
  const bool sent = !writeFailed_ && sendAll(pending_.data(), pending_.size());
  pending_.clear();
  return sent;
}

// The socket is waited for only when it takes no more: a client that keeps
// up costs one call a piece.
bool ConnectionStream::sendAll(const char* ptr, size_t size) {
  for (size_t done = 0; done < size;) {
    const ssize_t sent = ::send(fd_, ptr + done, size - done, MSG_NOSIGNAL | MSG_DONTWAIT);
    if (sent > 0) {
      done += static_cast<size_t>(sent);
      answerBytes_ += static_cast<size_t>(sent);
    } else if (sent < 0 && errno == EINTR) {
      continue;
    } else if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && is_writable()) {
      continue;
    } else {
      writeFailed_ = true;
      return false;
    }
  }
  return true;
}

void ConnectionStream::drainBeforeClose() {
  flush();
  ::shutdown(fd_, SHUT_WR);
  const auto end = Clock::now() + kDrainTime;
  size_t dropped = 0;
  char sink[4096];
  while (dropped < kDrainBytes) {
    pollfd p[2] = {{fd_, POLLIN, 0}, {stopFd_, POLLIN, 0}};
    const int left = millisecondsUntil(end);
    if (left == 0 || ::poll(p, 2, left) <= 0 || (p[1].revents & POLLIN)) return;
    const ssize_t got = ::recv(fd_, sink, sizeof sink, 0);
    if (got <= 0) return;
    dropped += static_cast<size_t>(got);
  }
}

// Asked for each request: the addresses are looked up once.
void ConnectionStream::get_remote_ip_and_port(std::string& ip, int& port) const {
  if (!remoteKnown_) {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    if (::getpeername(fd_, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
      nameSocketAddress(address, remoteIp_, remotePort_);
    }
    remoteKnown_ = true;
  }
  ip = remoteIp_;
  port = remotePort_;
}

void ConnectionStream::get_local_ip_and_port(std::string& ip, int& port) const {
  if (!localKnown_) {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    if (::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
      nameSocketAddress(address, localIp_, localPort_);
    }
    localKnown_ = true;
  }
  ip = localIp_;
  port = localPort_;
}

}  // namespace bt::scored
