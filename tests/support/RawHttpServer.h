#pragma once
// A server on a free loopback port that answers each connection with bytes of
// the test's own choosing, however malformed or slow: it reads the request's
// head, then hands the socket to the test's reply function, on its own
// thread. It counts what the reply managed to send.
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <thread>

namespace bt::test {

class RawHttpServer {
 public:
  // The reply gets a sender: it sends bytes and says false once the client
  // has gone (or the server is stopping).
  using Send = std::function<bool(std::string_view bytes)>;
  using Reply = std::function<void(const Send& send)>;

  explicit RawHttpServer(Reply reply) : reply_(std::move(reply)) {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        ::listen(listener_, 4) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
      return;
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { serve(); });
  }
  ~RawHttpServer() {
    stopping_ = true;
    ::shutdown(listener_, SHUT_RDWR);
    if (thread_.joinable()) thread_.join();
    ::close(listener_);
  }
  RawHttpServer(const RawHttpServer&) = delete;
  RawHttpServer& operator=(const RawHttpServer&) = delete;

  int port() const { return port_; }
  // Bytes the replies have sent so far.
  size_t sent() const { return sent_; }

 private:
  void serve() {
    while (!stopping_) {
      const int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
      if (client < 0) return;
      readHead(client);
      reply_([&](std::string_view bytes) { return sendAll(client, bytes); });
      ::close(client);
    }
  }

  // Reads up to the blank line that ends the request's head (the short body
  // after it is left unread).
  static void readHead(int client) {
    std::string head;
    char chunk[512];
    while (head.find("\r\n\r\n") == std::string::npos && head.size() < 65536) {
      const ssize_t got = ::recv(client, chunk, sizeof chunk, 0);
      if (got <= 0) return;
      head.append(chunk, static_cast<size_t>(got));
    }
  }

  bool sendAll(int client, std::string_view bytes) {
    while (!bytes.empty()) {
      if (stopping_) return false;
      pollfd ready{client, POLLOUT, 0};
      if (::poll(&ready, 1, 100) <= 0) continue;
      const ssize_t put = ::send(client, bytes.data(), bytes.size(), MSG_NOSIGNAL);
      if (put <= 0) return false;
      sent_ += static_cast<size_t>(put);
      bytes.remove_prefix(static_cast<size_t>(put));
    }
    return true;
  }

  Reply reply_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  std::atomic<size_t> sent_{0};
  std::thread thread_;
};

}  // namespace bt::test
