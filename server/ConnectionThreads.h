#pragma once
// The HTTP library's task queue, one thread per connection: a pool of a few
// threads would let a handful of idle clients keep everyone else waiting.
// The number of connections is bounded by the server, not here.
#include <httplib.h>

#include <condition_variable>
#include <mutex>

namespace bt::scored {

class ConnectionThreads : public httplib::TaskQueue {
 public:
  void enqueue(std::function<void()> fn) override;
  // Waits until every connection's thread has finished.
  void shutdown() override;

 private:
  std::mutex mutex_;
  std::condition_variable allDone_;
  size_t running_ = 0;
};

}  // namespace bt::scored
