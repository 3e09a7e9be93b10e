#include "ConnectionsPerClient.h"

namespace bt::scored {

bool ConnectionsPerClient::enter(const std::string& client) {
  if (limit_ == 0) return true;
  std::lock_guard lock(mutex_);
  size_t& open = open_[client];
  if (open >= limit_) return false;
  ++open;
  return true;
}

void ConnectionsPerClient::leave(const std::string& client) {
  if (limit_ == 0) return;
  std::lock_guard lock(mutex_);
  const auto found = open_.find(client);
  if (found != open_.end() && --found->second == 0) open_.erase(found);
}

}  // namespace bt::scored
