#pragma once
// Where the score server listens, and how long an exchange waits for it.
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "net/protocol/ScoreCheck.h"

namespace bt {

struct ScoreServer {
  std::string host = "127.0.0.1";
  uint16_t port = kScoreServerPort;
  // The whole exchange, from the name's lookup to the reply's last byte.
  std::chrono::milliseconds timeout{10000};
};

// "HOST" or "HOST:PORT" (an IPv6 address in brackets, "[::1]:8750"); nullopt
// for an empty host or a port outside 1..65535.
std::optional<ScoreServer> parseScoreServer(std::string_view text);

}  // namespace bt
