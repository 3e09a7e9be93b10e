#pragma once
// One client connection as the HTTP library reads and writes it, with the
// limits of ConnectionLimits enforced underneath: a request that runs past
// its time or its size reads as failed from then on, so the library gives up
// on it wherever it is (request line, headers, any kind of body) and the
// connection is closed; an answer that falls behind its minimum pace writes
// as failed. Each request's head is received whole before the library reads
// it, so that the server can check it first. What is written is gathered
// and sent in as few pieces as the answer allows.
#include <httplib.h>

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "ConnectionLimits.h"

namespace bt::scored {

enum class CutOff { None, TooSlow, TooLarge };

// How the wait for a request's head ended.
enum class HeadWait { Whole, Closed, TooSlow, TooLarge, LineTooLong };

class ConnectionStream : public httplib::Stream {
 public:
  using Clock = std::chrono::steady_clock;

  // `stopFd` becomes readable when the server stops: idle connections end.
  ConnectionStream(int fd, const ConnectionLimits& limits, int stopFd);

  // Waits up to the idle time-out for the next request's first byte, then
  // starts that request's clock and byte count. False when the time ran out,
  // the client left or the server stops.
  bool awaitRequest();
  // Receives until the request's head is here whole, within the request's
  // time and size; blank lines before it are dropped, as HTTP allows. Stops
  // early once the request line is over kMaxRequestLineBytes.
  HeadWait readHead();
  // The head readHead() found, and a shorter one for the library to read in
  // its place.
  std::string_view head() const;
  void replaceHead(std::string_view shorter);

  // Reads the next `size` bytes of the request (a body whose length its
  // head gave) within the request's time and size; false when they did not
  // all come (cutOff() says whether they were too slow).
  bool readBody(size_t size, std::string& body);

  CutOff cutOff() const { return cutOff_; }
  Clock::time_point requestStart() const { return requestStart_; }
  bool answered() const { return answered_; }
  // This request was answered by the server's own handlers (not refused by
  // the library).
  void markHandled() { handled_ = true; }
  bool handled() const { return handled_; }
  // The connection closes after this request's answer (its body is unread).
  void endAfterAnswer() { ending_ = true; }
  bool ending() const { return ending_; }
  // Sends what was written and is still gathered; false when the
  // connection failed. Done before more of the request is read, before the
  // connection closes, and by the server once an answer is written.
  bool flush();
  // Before the connection is closed with bytes still coming: tells the
  // client the answer is complete and reads and drops what it still sends
  // for a moment, since closing with unread bytes resets the connection,
  // which can destroy the answer before the client has read it.
  void drainBeforeClose();

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
  ssize_t receive();
  bool sendAll(const char* ptr, size_t size);
  void dropBlankLines();
  int millisecondsLeft() const;
  // When the answer's next byte must have gone: each write progresses within
  // writeTimeout, and the answer keeps minSendRate after its head start.
  Clock::time_point writeDeadline() const;

  int fd_;
  int stopFd_;
  ConnectionLimits limits_;
  std::vector<char> buffer_;  // bytes received and not yet read: [begin_, end_)
  size_t begin_ = 0;
  size_t end_ = 0;
  size_t headLength_ = 0;
  size_t consumed_ = 0;
  Clock::time_point requestStart_{};
  Clock::time_point deadline_{};
  Clock::time_point answerStart_{};
  size_t answerBytes_ = 0;
  CutOff cutOff_ = CutOff::None;
  bool answerStarted_ = false;
  bool answered_ = false;
  bool writeFailed_ = false;
  bool handled_ = false;
  bool ending_ = false;
  std::string pending_;  // written, not sent yet
  mutable std::string remoteIp_, localIp_;
  mutable int remotePort_ = 0, localPort_ = 0;
  mutable bool remoteKnown_ = false, localKnown_ = false;
};

}  // namespace bt::scored
