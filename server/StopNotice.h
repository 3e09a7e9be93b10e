#pragma once
// Tells waits for a database that the server is stopping: a time after
// which they give up, and a descriptor that becomes readable then, for a
// wait in poll() to wake. Safe from any thread.
#include <atomic>
#include <chrono>

namespace bt::scored {

class StopNotice {
 public:
  using Clock = std::chrono::steady_clock;

  StopNotice();
  ~StopNotice();
  StopNotice(const StopNotice&) = delete;
  StopNotice& operator=(const StopNotice&) = delete;

  // Waits end `grace` from now at the latest. The first call counts.
  void stopAfter(std::chrono::milliseconds grace);
  bool stopping() const { return deadline() != Clock::time_point::max(); }
  // Clock::time_point::max() until stopAfter().
  Clock::time_point deadline() const {
    return Clock::time_point(Clock::duration(deadline_.load()));
  }
  int fd() const { return fd_; }

 private:
  std::atomic<Clock::rep> deadline_{Clock::time_point::max().time_since_epoch().count()};
  int fd_ = -1;
};

}  // namespace bt::scored
