#pragma once
// An exchange listener for the score client tests: records every report,
// from whichever thread makes it, and waits for the ones a test expects.
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

#include "net/ExchangeStatus.h"

namespace bt::test {

class RecordingListener : public ExchangeListener {
 public:
  void notify(ExchangeStatus status) override {
    std::lock_guard<std::mutex> lock(mutex_);
    reports_.push_back(status);
    changed_.notify_all();
  }

  // Waits (at most 20 s) until the last report is Complete or Failed; every
  // report so far.
  std::vector<ExchangeStatus> waitForEnd() {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait_for(lock, std::chrono::seconds(20), [this] {
      return !reports_.empty() && (reports_.back() == ExchangeStatus::Complete ||
                                   reports_.back() == ExchangeStatus::Failed);
    });
    return reports_;
  }
  // Waits (at most 20 s) until the last report is status.
  void waitFor(ExchangeStatus status) {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait_for(lock, std::chrono::seconds(20),
                      [&] { return !reports_.empty() && reports_.back() == status; });
  }
  std::vector<ExchangeStatus> reports() {
    std::lock_guard<std::mutex> lock(mutex_);
    return reports_;
  }
  void clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    reports_.clear();
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<ExchangeStatus> reports_;
};

}  // namespace bt::test
