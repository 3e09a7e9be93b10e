#pragma once
// SIGINT and SIGTERM, delivered to one thread that calls back, so that the
// server stops cleanly between requests instead of in a signal handler.
// Construct it before any other thread starts: they inherit the blocked set.
#include <functional>
#include <thread>

namespace bt::scored {

class SignalWatcher {
 public:
  // Blocks the two signals in the calling thread (and the threads it makes).
  SignalWatcher();
  ~SignalWatcher();
  SignalWatcher(const SignalWatcher&) = delete;
  SignalWatcher& operator=(const SignalWatcher&) = delete;

  // Starts watching; `onSignal` runs on the watcher's thread, once.
  void start(std::function<void()> onSignal);

 private:
  int signalFd_ = -1;
  int wakeFd_ = -1;
  std::thread thread_;
};

}  // namespace bt::scored
