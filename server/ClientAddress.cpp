#include "ClientAddress.h"

#include <arpa/inet.h>
#include <sys/socket.h>

#include <algorithm>
#include <cstring>

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

std::string clientGroup(const std::string& address) {
  in6_addr v6{};
  char text[INET6_ADDRSTRLEN] = "";
  if (inet_pton(AF_INET6, address.c_str(), &v6) != 1) {
    in_addr v4{};
    if (inet_pton(AF_INET, address.c_str(), &v4) != 1) return address;
    inet_ntop(AF_INET, &v4, text, sizeof text);
    return text;
  }
  if (IN6_IS_ADDR_V4MAPPED(&v6)) {
    inet_ntop(AF_INET, &v6.s6_addr[12], text, sizeof text);
    return text;
  }
  std::memset(&v6.s6_addr[8], 0, 8);
  inet_ntop(AF_INET6, &v6, text, sizeof text);
  return std::string(text) + "/64";
}

void nameSocketAddress(const sockaddr_storage& address, std::string& ip, int& port) {
  char text[INET6_ADDRSTRLEN] = "";
  if (address.ss_family == AF_INET) {
    const auto& v4 = reinterpret_cast<const sockaddr_in&>(address);
    inet_ntop(AF_INET, &v4.sin_addr, text, sizeof text);
    port = ntohs(v4.sin_port);
  } else if (address.ss_family == AF_INET6) {
    const auto& v6 = reinterpret_cast<const sockaddr_in6&>(address);
    if (IN6_IS_ADDR_V4MAPPED(&v6.sin6_addr)) {
      inet_ntop(AF_INET, &v6.sin6_addr.s6_addr[12], text, sizeof text);
    } else {
      inet_ntop(AF_INET6, &v6.sin6_addr, text, sizeof text);
    }
    port = ntohs(v6.sin6_port);
  }
  ip = text;
}

}  // namespace bt::scored
