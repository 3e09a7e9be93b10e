#pragma once
// The address a request is counted against. Behind a reverse proxy every
// request comes from the proxy, so the address the proxy saw (the last entry
// of X-Forwarded-For, the one the proxy itself appended) is used instead, but
// only for connections from a proxy named as trusted: anyone else could write
// that header.
#include <string>
#include <vector>

struct sockaddr_storage;

namespace bt::scored {

std::string clientAddress(const std::string& peer, const std::string& forwardedFor,
                          const std::vector<std::string>& trustedProxies);

// Whether the text is an IPv4 or IPv6 address.
bool isIpAddress(const std::string& text);

// The client an address is counted as, by the limits on submissions and
// connections: an IPv4 address alone ("192.0.2.1", also when written as
// "::ffff:192.0.2.1"), and for IPv6 the /64 it lies in ("2001:db8:1:2::/64"),
// since a home or a phone is given a whole /64. Other text is its own client.
std::string clientGroup(const std::string& address);

// The address and port of a socket address as text; an IPv4 client of a
// dual-stack socket is named as IPv4, as a --trusted-proxy would be.
void nameSocketAddress(const sockaddr_storage& address, std::string& ip, int& port);

}  // namespace bt::scored
