#pragma once
// Work on a thread of its own: started at construction, joined at
// destruction (the work must see to it that it returns soon once asked).
#include <functional>
#include <thread>

#include "platform/Platform.h"

namespace bt::platform {

class ThreadTask : public BackgroundTask {
 public:
  explicit ThreadTask(std::function<void()> work) : thread_(std::move(work)) {}
  ~ThreadTask() override {
    if (thread_.joinable()) thread_.join();
  }
  ThreadTask(const ThreadTask&) = delete;
  ThreadTask& operator=(const ThreadTask&) = delete;

 private:
  std::thread thread_;
};

}  // namespace bt::platform
