#pragma once
// A plain TCP connection to the server for sending what no well-behaved
// client would: partial requests, endless headers, one byte at a time.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <string>

namespace bt::scored::test {

class RawConnection {
 public:
  // To the loopback server at `port`, from the loopback address `from`
  // (any 127.x.y.z), so that one test can be several clients; a small
  // `receiveBuffer` (0: the system's) makes a slow reader slow at once.
  explicit RawConnection(int port, const char* from = "127.0.0.1", int receiveBuffer = 0) {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    if (receiveBuffer > 0) {
      ::setsockopt(fd_, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
    }
    sockaddr_in source{};
    source.sin_family = AF_INET;
    ::inet_pton(AF_INET, from, &source.sin_addr);
    int yes = 1;  // the port is still chosen at connect, as without a bind
    ::setsockopt(fd_, IPPROTO_IP, IP_BIND_ADDRESS_NO_PORT, &yes, sizeof yes);
    if (::bind(fd_, reinterpret_cast<sockaddr*>(&source), sizeof source) != 0) return;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    connected_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  }
  ~RawConnection() { ::close(fd_); }
  RawConnection(const RawConnection&) = delete;
  RawConnection& operator=(const RawConnection&) = delete;

  bool connected() const { return connected_; }

  // False once the server has closed or reset the connection.
  bool send(const std::string& bytes) {
    size_t offset = 0;
    while (offset < bytes.size()) {
      const ssize_t sent = ::send(fd_, bytes.data() + offset, bytes.size() - offset, MSG_NOSIGNAL);
      if (sent <= 0) return false;
      offset += static_cast<size_t>(sent);
    }
    return true;
  }

  // Reads whatever arrives until the server closes; what came, and whether
  // it closed before `limit`.
  std::string receiveUntilClosed(std::chrono::milliseconds limit, bool* closed = nullptr) {
    std::string received;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          deadline - std::chrono::steady_clock::now());
      pollfd p{fd_, POLLIN, 0};
      if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) <= 0) {
        if (closed) *closed = false;
        return received;
      }
      char buffer[4096];
      const ssize_t got = ::recv(fd_, buffer, sizeof buffer, 0);
      if (got <= 0) {
        if (closed) *closed = true;
        return received;
      }
      received.append(buffer, static_cast<size_t>(got));
    }
  }

  bool closedWithin(std::chrono::milliseconds limit) {
    bool closed = false;
    receiveUntilClosed(limit, &closed);
    return closed;
  }

  // Without waiting: whether the server has closed the connection (what it
  // sent before is read and dropped).
  bool closedNow() {
    char buffer[4096];
    for (;;) {
      const ssize_t got = ::recv(fd_, buffer, sizeof buffer, MSG_DONTWAIT);
      if (got == 0) return true;
      if (got < 0) return errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR;
    }
  }

  int fd() const { return fd_; }

 private:
  int fd_ = -1;
  bool connected_ = false;
};

}  // namespace bt::scored::test
