#pragma once
// One running program per user: the first holds a lock file and listens on a
// local socket beside it; a later start finds the lock taken, asks the first
// through the socket to bring its window to the front, and ends.
#include <functional>
#include <string>
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

  // True when another instance holds the lock; it has been asked to raise
  // its window. False: this one is the instance now, and onRaise is called
  // (from a listening thread) whenever a later start asks.
  bool raiseRunning(std::function<void()> onRaise);

 private:
  bool prepareFolder();
  void askRunningToRaise();
  void startListening();
  void listen();

  std::string folder_;
  std::function<void()> onRaise_;
  int lockFd_ = -1;
  int listenFd_ = -1;
  int wakePipe_[2] = {-1, -1};
  std::thread listener_;
};

}  // namespace bt::platform
