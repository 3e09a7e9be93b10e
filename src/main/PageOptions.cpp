#include "main/PageOptions.h"

#include <array>
#include <optional>

#include "net/protocol/PercentDecode.h"
#include "net/protocol/QueryPairs.h"
#include "platform/os/Quote.h"

namespace bt {

namespace {

constexpr std::array<std::string_view, 4> kPageOptions{"display", "scale", "score-server",
                                                       "puzzle"};

bool isPageOption(std::string_view name) {
  for (std::string_view option : kPageOptions) {
    if (name == option) return true;
  }
  return false;
}

}  // namespace

std::variant<std::vector<std::string>, CommandLineError> argumentsOfQuery(std::string_view query) {
  std::vector<std::string> arguments;
  for (const QueryPair& pair : splitQuery(query)) {
    const auto name = percentDecode(pair.name);
    const auto value = percentDecode(pair.value.value_or(std::string_view()));
    if (!name || !value) return CommandLineError{"a broken %-escape in " + quote(pair.text)};
    if (!isPageOption(*name)) return CommandLineError{"unknown option " + quote(*name)};
    arguments.push_back("--" + *name);
    arguments.push_back(*value);
  }
  return arguments;
}

}  // namespace bt
