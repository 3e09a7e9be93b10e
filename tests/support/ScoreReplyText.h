#pragma once
// A score server's reply of ten rows for the client tests: scores 10 to 100
// with the names PREFIX1 to PREFIX10, lowest first as the server sends them.
#include <string>

namespace bt::test {

inline std::string tenPairs(const std::string& prefix) {
  std::string body;
  for (int i = 1; i <= 10; ++i)
    body += std::to_string(i * 10) + " " + prefix + std::to_string(i) + "\n";
  return body;
}

}  // namespace bt::test
