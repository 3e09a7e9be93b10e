#pragma once
// Requests as the game makes them, over a real HTTP connection, and the
// reply read back into the table's order.
#include <httplib.h>

#include <string>
#include <utility>
#include <vector>

#include "Numbered.h"
#include "net/protocol/ScoreCheck.h"

namespace bt::scored::test {

struct Answer {
  int status = 0;  // 0: no answer
  std::string body;
};

// A score request with the game's body "OK".
inline Answer post(httplib::Client& client, const std::string& query,
                   const std::string& path = kScorePath) {
  auto result = client.Post(path + "?" + query, "OK", "application/x-www-form-urlencoded");
  if (!result) return {};
  return {result->status, result->body};
}

inline std::string fetchQuery(const std::string& game) {
  return "game=" + game;
}

inline std::string submitQuery(const std::string& game, const std::string& name, int32_t score) {
  return "game=" + game + "&init=" + name + "&score=" + std::to_string(score) +
         "&special=" + std::to_string(scoreCheckValue(score));
}

// The reply's ten pairs in the table's order, best first ("1234 NAME").
inline std::vector<std::string> bestFirst(const std::string& body) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < body.size()) {
    const size_t end = body.find('\n', start);
    lines.push_back(body.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return {lines.rbegin(), lines.rend()};
}

inline httplib::Client clientFor(int port) {
  httplib::Client client("127.0.0.1", port);
  client.set_connection_timeout(5);
  client.set_read_timeout(10);
  client.set_keep_alive(true);
  client.set_tcp_nodelay(true);
  return client;
}

}  // namespace bt::scored::test
