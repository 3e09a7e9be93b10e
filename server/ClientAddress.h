#pragma once
// The address a request is counted against. Behind a reverse proxy every
// request comes from the proxy, so the address the proxy saw (the last entry
// of X-Forwarded-For, the one the proxy itself appended) is used instead, but
// only for connections from a proxy named as trusted: anyone else could write
// that header.
#include <string>
#include <vector>

namespace bt::scored {

std::string clientAddress(const std::string& peer, const std::string& forwardedFor,
                          const std::vector<std::string>& trustedProxies);

// Whether the text is an IPv4 or IPv6 address.
bool isIpAddress(const std::string& text);

}  // namespace bt::scored
