#include "SubmissionRateLimit.h"

#include "ClientAddress.h"

namespace bt::scored {

SubmissionRateLimit::SubmissionRateLimit(size_t limit, Clock::duration window, size_t maxClients)
    : limit_(limit), window_(window), maxClients_(maxClients > 0 ? maxClients : 1) {}

bool SubmissionRateLimit::allow(const std::string& address, Clock::time_point now) {
  if (limit_ == 0) return false;
  const std::string group = clientGroup(address);
  std::lock_guard lock(mutex_);
  forgetQuiet(now);
  Client& client = find(group, now);
  if (client.times.size() < limit_) {
    client.times.push_back(now);
    return true;
  }
  if (now - client.times[client.oldest] < window_) return false;
  client.times[client.oldest] = now;
  client.oldest = (client.oldest + 1) % limit_;
  return true;
}

size_t SubmissionRateLimit::clientsKept() const {
  std::lock_guard lock(mutex_);
  return clients_.size();
}

SubmissionRateLimit::Client& SubmissionRateLimit::find(const std::string& group,
                                                       Clock::time_point now) {
  if (const auto found = byGroup_.find(group); found != byGroup_.end()) {
    clients_.splice(clients_.begin(), clients_, found->second);
  } else {
    if (clients_.size() >= maxClients_) {
      byGroup_.erase(clients_.back().group);
      clients_.pop_back();
    }
    clients_.emplace_front();
    clients_.front().group = group;
    byGroup_.emplace(group, clients_.begin());
  }
  clients_.front().lastSeen = now;
  return clients_.front();
}

void SubmissionRateLimit::forgetQuiet(Clock::time_point now) {
  // Each submission kept is no later than the client's last attempt.
  while (!clients_.empty() && now - clients_.back().lastSeen >= window_) {
    byGroup_.erase(clients_.back().group);
    clients_.pop_back();
  }
}

}  // namespace bt::scored
