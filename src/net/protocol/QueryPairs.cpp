#include "net/protocol/QueryPairs.h"

namespace bt {

std::vector<QueryPair> splitQuery(std::string_view query) {
  std::vector<QueryPair> pairs;
  while (!query.empty()) {
    const size_t amp = query.find('&');
    const std::string_view part = query.substr(0, amp);
    query = amp == std::string_view::npos ? std::string_view() : query.substr(amp + 1);
    if (part.empty()) continue;
    const size_t eq = part.find('=');
    QueryPair pair{part, part.substr(0, eq), std::nullopt};
    if (eq != std::string_view::npos) pair.value = part.substr(eq + 1);
    pairs.push_back(pair);
  }
  return pairs;
}

}  // namespace bt
