#pragma once
// The name=value pairs of a URL's query, as written (not yet decoded): the
// parts between '&', empty ones skipped, each cut at its first '='.
#include <optional>
#include <string_view>
#include <vector>

namespace bt {

struct QueryPair {
  std::string_view text;                  // the whole part
  std::string_view name;                  // up to the first '='
  std::optional<std::string_view> value;  // after it; nullopt with no '='
};

std::vector<QueryPair> splitQuery(std::string_view query);

}  // namespace bt
