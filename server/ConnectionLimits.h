#pragma once
// What one client connection may take of the server. Time-outs bound the
// whole request, not each read, so that a client trickling one byte a second
// is cut off as surely as a silent one; an answer must keep a minimum pace
// for the same reason.
#include <chrono>
#include <cstddef>

namespace bt::scored {

struct ConnectionLimits {
  // Before the first request and between requests on a kept-alive connection.
  std::chrono::milliseconds idleTimeout{4000};
  // From a request's first byte to its last.
  std::chrono::milliseconds requestTimeout{4000};
  // For each write of the answer to make progress, and the head start of
  // the answer's minimum pace.
  std::chrono::milliseconds writeTimeout{4000};
  // Bytes a second an answer must average once its first writeTimeout has
  // passed (0: none): at 4 KiB/s the 443 KiB web page takes under two
  // minutes, which a phone on a poor 2G link still manages, while a reader
  // that takes a byte now and then holds its connection no longer than that.
  size_t minSendRate = 4096;
  // Request line and headers.
  size_t maxRequestBytes = 16 * 1024;
  // What a body may add to them: the largest of the paths' limits, which
  // each path checks for itself.
  size_t maxBodyBytes = 33 * 1024;
  size_t maxRequestsPerConnection = 100000;
  // Connections past this are answered 503 and closed at once.
  size_t maxConnections = 512;
  // A client's connections past this (0: no limit) are answered 429 and
  // closed at once, except a trusted proxy's: it speaks for many clients.
  size_t maxConnectionsPerClient = 32;
};

}  // namespace bt::scored
