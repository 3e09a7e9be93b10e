#pragma once
// What one client connection may take of the server. Time-outs bound the
// whole request, not each read, so that a client trickling one byte a second
// is cut off as surely as a silent one.
#include <chrono>
#include <cstddef>

namespace bt::scored {

struct ConnectionLimits {
  // Before the first request and between requests on a kept-alive connection.
  std::chrono::milliseconds idleTimeout{4000};
  // From a request's first byte to its last.
  std::chrono::milliseconds requestTimeout{4000};
  // For each write of the answer to make progress.
  std::chrono::milliseconds writeTimeout{4000};
  // Request line, headers and body together.
  size_t maxRequestBytes = 16 * 1024;
  size_t maxRequestsPerConnection = 100000;
  // Connections past this are answered 503 and closed at once.
  size_t maxConnections = 512;
};

}  // namespace bt::scored
