#pragma once
// At most `limit` submissions per client in any `window` (30 a minute); a
// client is an IPv4 address, or an IPv6 /64 (see clientGroup). The times of
// a client's last `limit` submissions are kept, and one more is allowed only
// when the oldest of them has left the window.
//
// At most `maxClients` are kept, so memory stays bounded whatever the number
// of addresses: a client first seen when the table is full takes the place of
// the one seen longest ago, so a newcomer is never refused for want of room.
// Every attempt counts as being seen, refused or not, so a client that keeps
// trying stays known; forgetting one that went quiet can only let it submit
// early, never refuse anyone. Clients quiet for a whole window are dropped as
// they age. Safe from many threads.
#include <chrono>
#include <list>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

namespace bt::scored {

class SubmissionRateLimit {
 public:
  using Clock = std::chrono::steady_clock;

  SubmissionRateLimit(size_t limit = 30, Clock::duration window = std::chrono::minutes(1),
                      size_t maxClients = 16384);

  // Counts a submission from the address at `now` and says whether it is
  // within the limit; a refused one is not counted.
  bool allow(const std::string& address, Clock::time_point now);
  // How many clients are kept now (never more than `maxClients`).
  size_t clientsKept() const;

 private:
  struct Client {
    std::string group;
    std::vector<Clock::time_point> times;  // a ring once it holds `limit`
    size_t oldest = 0;
    Clock::time_point lastSeen;
  };
  Client& find(const std::string& group, Clock::time_point now);
  void forgetQuiet(Clock::time_point now);

  size_t limit_;
  Clock::duration window_;
  size_t maxClients_;
  mutable std::mutex mutex_;
  std::list<Client> clients_;  // the one seen last first
  std::unordered_map<std::string, std::list<Client>::iterator> byGroup_;
};

}  // namespace bt::scored
