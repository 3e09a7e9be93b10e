#pragma once
// One running program per user: the first holds a lock file and listens on a
// local socket beside it; a later start finds the lock taken, asks the first
// through the socket to bring its window to the front (and to open what it
// was started with, a puzzle id), and ends.
//
// The request is a line "raise", then, when there is something to open, a
// line "open " and its text (at most kMostOpenText characters of letters,
// digits and '-'; anything else is not handed on).
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <thread>

namespace bt::platform {

class SingleInstance {
 public:
  // folder: where the lock and the socket live (created, private to the
  // user, when missing).
  explicit SingleInstance(std::string folder) : folder_(std::move(folder)) {}
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  static constexpr size_t kMostOpenText = 40;
  // Called on the listening thread for each request: the text to open, ""
  // when the request only raises the window.
  using RequestHandler = std::function<void(const std::string& openText)>;

  // True when another instance holds the lock; it has been asked to raise
  // its window and to open openText (unless empty). False: this one is the
  // instance now, and onRequest is called (from a listening thread) whenever
  // a later start asks.
  bool raiseRunning(std::string_view openText, RequestHandler onRequest);

 private:
  bool prepareFolder();
  void askRunningToRaise(std::string_view openText);
  void startListening();
  void listen();

  std::string folder_;
  RequestHandler onRequest_;
  int lockFd_ = -1;
  int listenFd_ = -1;
  int wakePipe_[2] = {-1, -1};
  std::thread listener_;
};

}  // namespace bt::platform
