#pragma once
// At most `limit` submissions per address in any `window` (30 a minute): the
// times of an address's last `limit` submissions are kept, and one more is
// allowed only when the oldest of them has left the window. The number of
// addresses kept is bounded; when it is full of addresses still inside their
// window, a new address is refused too. Safe from many threads.
#include <chrono>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

namespace bt::scored {

class SubmissionRateLimit {
 public:
  using Clock = std::chrono::steady_clock;

  SubmissionRateLimit(size_t limit = 30, Clock::duration window = std::chrono::minutes(1),
                      size_t maxAddresses = 16384);

  // Counts a submission from the address at `now` and says whether it is
  // within the limit; a refused one is not counted.
  bool allow(const std::string& address, Clock::time_point now);

 private:
  struct History {
    std::vector<Clock::time_point> times;  // a ring once it holds `limit`
    size_t oldest = 0;
    Clock::time_point newest() const;
  };
  void forgetQuiet(Clock::time_point now);

  size_t limit_;
  Clock::duration window_;
  size_t maxAddresses_;
  std::mutex mutex_;
  std::unordered_map<std::string, History> histories_;
};

}  // namespace bt::scored
