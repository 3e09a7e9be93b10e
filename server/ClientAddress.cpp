#include "ClientAddress.h"

#include <arpa/inet.h>

#include <algorithm>

namespace bt::scored {

bool isIpAddress(const std::string& text) {
  unsigned char buffer[sizeof(in6_addr)];
  return inet_pton(AF_INET, text.c_str(), buffer) == 1 ||
         inet_pton(AF_INET6, text.c_str(), buffer) == 1;
}

std::string clientAddress(const std::string& peer, const std::string& forwardedFor,
                          const std::vector<std::string>& trustedProxies) {
  if (forwardedFor.empty() ||
      std::find(trustedProxies.begin(), trustedProxies.end(), peer) == trustedProxies.end()) {
    return peer;
  }
  const size_t comma = forwardedFor.rfind(',');
  std::string last = comma == std::string::npos ? forwardedFor : forwardedFor.substr(comma + 1);
  const size_t first = last.find_first_not_of(" \t");
  const size_t end = last.find_last_not_of(" \t");
  last = first == std::string::npos ? "" : last.substr(first, end - first + 1);
  return isIpAddress(last) ? last : peer;
}

}  // namespace bt::scored
