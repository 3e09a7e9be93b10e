#pragma once
// One HTTP/1.1 POST (or GET) over the system's sockets, with one deadline for the
// whole exchange (looking the name up, connecting, sending, reading) and the
// reply's head and body read within their limits (see HttpReplyReader). A
// cancel from any thread wakes every wait at once.
#include <atomic>
#include <chrono>
#include <optional>

#include "platform/Network.h"

namespace bt::platform {

class SocketHttpPost : public HttpPost {
 public:
  explicit SocketHttpPost(HttpPostRequest request);
  ~SocketHttpPost() override;
  SocketHttpPost(const SocketHttpPost&) = delete;
  SocketHttpPost& operator=(const SocketHttpPost&) = delete;

  std::optional<HttpResponse> send() override;
  void cancel() override;

 private:
  using Clock = std::chrono::steady_clock;

  // A connected socket, or -1 (the deadline passed, a cancel came, or no
  // address of the host answered).
  int connectBy(Clock::time_point deadline);
  // True once fd is ready for events; false at the deadline or a cancel.
  bool waitFor(int fd, short events, Clock::time_point deadline);
  bool sendAll(int fd, const std::string& bytes, Clock::time_point deadline);
  std::optional<HttpResponse> readReply(int fd, Clock::time_point deadline);

  const HttpPostRequest request_;
  std::atomic<bool> cancelled_{false};
  int wake_ = -1;  // an eventfd that a cancel makes readable
};

}  // namespace bt::platform
