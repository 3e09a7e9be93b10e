#include "SubmissionRateLimit.h"

namespace bt::scored {

SubmissionRateLimit::SubmissionRateLimit(size_t limit, Clock::duration window, size_t maxAddresses)
    : limit_(limit), window_(window), maxAddresses_(maxAddresses) {}

SubmissionRateLimit::Clock::time_point SubmissionRateLimit::History::newest() const {
  if (times.empty()) return {};
  return times[(oldest + times.size() - 1) % times.size()];
}

bool SubmissionRateLimit::allow(const std::string& address, Clock::time_point now) {
  if (limit_ == 0) return false;
  std::lock_guard lock(mutex_);
  auto found = histories_.find(address);
  if (found == histories_.end()) {
    if (histories_.size() >= maxAddresses_) forgetQuiet(now);
    if (histories_.size() >= maxAddresses_) return false;
    found = histories_.emplace(address, History{}).first;
  }
  History& h = found->second;
  if (h.times.size() < limit_) {
    h.times.push_back(now);
    return true;
  }
  if (now - h.times[h.oldest] < window_) return false;
  h.times[h.oldest] = now;
  h.oldest = (h.oldest + 1) % limit_;
  return true;
}

void SubmissionRateLimit::forgetQuiet(Clock::time_point now) {
  std::erase_if(histories_,
                [&](const auto& entry) { return now - entry.second.newest() >= window_; });
}

}  // namespace bt::scored
