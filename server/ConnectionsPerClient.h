#pragma once
// How many connections each client holds, so that one client cannot take
// every connection the server has: past `limit`, its new connections are
// turned away. A client is named by clientGroup (an IPv6 client by its /64).
// One entry per client with a connection open. Safe from many threads.
#include <mutex>
#include <string>
#include <unordered_map>

namespace bt::scored {

class ConnectionsPerClient {
 public:
  // 0: no limit.
  explicit ConnectionsPerClient(size_t limit) : limit_(limit) {}

  // Counts one more connection of the client; false, counting nothing, when
  // it holds `limit` already.
  bool enter(const std::string& client);
  void leave(const std::string& client);

 private:
  size_t limit_;
  std::mutex mutex_;
  std::unordered_map<std::string, size_t> open_;
};

}  // namespace bt::scored
