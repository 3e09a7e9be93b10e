#include "net/ScoreServer.h"

#include <charconv>

namespace bt {

namespace {

std::optional<uint16_t> parsePort(std::string_view text) {
  unsigned value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end || value < 1 || value > 65535) {
    return std::nullopt;
  }
  return static_cast<uint16_t>(value);
}

bool isPlainHost(std::string_view host) {
  if (host.empty()) return false;
  for (char c : host) {
    const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                    c == '-' || c == '.' || c == '_';
    if (!ok) return false;
  }
  return true;
}

}  // namespace

std::optional<ScoreServer> parseScoreServer(std::string_view text) {
  ScoreServer server;
  std::string_view host = text;
  std::optional<std::string_view> port;
  if (!text.empty() && text.front() == '[') {
    const size_t close = text.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    host = text.substr(1, close - 1);
    const std::string_view rest = text.substr(close + 1);
    if (!rest.empty()) {
      if (rest.front() != ':') return std::nullopt;
      port = rest.substr(1);
    }
    if (host.empty() || host.find_first_not_of("0123456789abcdefABCDEF:.") != host.npos) {
      return std::nullopt;
    }
  } else {
    const size_t colon = text.rfind(':');
    if (colon != std::string_view::npos) {
      host = text.substr(0, colon);
      port = text.substr(colon + 1);
    }
    if (!isPlainHost(host)) return std::nullopt;
  }
  if (port) {
    const std::optional<uint16_t> number = parsePort(*port);
    if (!number) return std::nullopt;
    server.port = *number;
  }
  server.host = std::string(host);
  return server;
}

}  // namespace bt
