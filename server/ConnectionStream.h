#pragma once
// One client connection as the HTTP library reads and writes it, with the
// limits of ConnectionLimits enforced underneath: a request that runs past
// its time or its size reads as failed from then on, so the library gives up
// on it wherever it is (request line, headers, any kind of body) and the
// connection is closed.
#include <httplib.h>

#include <chrono>

#include "ConnectionLimits.h"

namespace bt::scored {

enum class CutOff { None, TooSlow, TooLarge };

class ConnectionStream : public httplib::Stream {
 public:
  using Clock = std::chrono::steady_clock;

  // `stopFd` becomes readable when the server stops: idle connections end.
  ConnectionStream(int fd, const ConnectionLimits& limits, int stopFd);

  // Waits up to the idle time-out for the next request's first byte, then
  // starts that request's clock and byte count. False when the time ran out,
  // the client left or the server stops.
  bool awaitRequest();
  CutOff cutOff() const { return cutOff_; }
  Clock::time_point requestStart() const { return requestStart_; }
  bool answered() const { return answered_; }
  // The connection closes after this request's answer (its body is unread).
  void endAfterAnswer() { ending_ = true; }
  bool ending() const { return ending_; }

  bool is_readable() const override;
  bool is_writable() const override;
  ssize_t read(char* ptr, size_t size) override;
  ssize_t write(const char* ptr, size_t size) override;
  void get_remote_ip_and_port(std::string& ip, int& port) const override;
  void get_local_ip_and_port(std::string& ip, int& port) const override;
  socket_t socket() const override { return fd_; }

 private:
  // Receives more bytes before the request's deadline: the count, 0 at the
  // end of the stream, -1 on failure or cut-off.
  ssize_t fill();
  int millisecondsLeft() const;

  int fd_;
  int stopFd_;
  ConnectionLimits limits_;
  char buffer_[4096];
  size_t begin_ = 0;
  size_t end_ = 0;
  size_t consumed_ = 0;
  Clock::time_point requestStart_{};
  Clock::time_point deadline_{};
  CutOff cutOff_ = CutOff::None;
  bool answered_ = false;
  bool ending_ = false;
};

}  // namespace bt::scored
