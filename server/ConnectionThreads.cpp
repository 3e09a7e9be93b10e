#include "ConnectionThreads.h"

#include <memory>
#include <thread>

namespace bt::scored {

void ConnectionThreads::enqueue(std::function<void()> fn) {
  {
    std::lock_guard lock(mutex_);
    ++running_;
  }
  auto task = std::make_shared<std::function<void()>>(std::move(fn));
  try {
    std::thread([this, task]() mutable {
      (*task)();
      task.reset();  // the connection's state goes before the count drops
      std::lock_guard lock(mutex_);
      if (--running_ == 0) allDone_.notify_all();
    }).detach();
  } catch (const std::system_error&) {
    // No thread to be had: serve this one on the accepting thread rather than
    // leak its socket.
    {
      std::lock_guard lock(mutex_);
      --running_;
    }
    (*task)();
  }
}

void ConnectionThreads::shutdown() {
  std::unique_lock lock(mutex_);
  allDone_.wait(lock, [&] { return running_ == 0; });
}

}  // namespace bt::scored
