#include "main/PageOptions.h"

#include <array>
#include <optional>

#include "net/protocol/PercentDecode.h"
#include "platform/os/Quote.h"

namespace bt {

namespace {

constexpr std::array<std::string_view, 3> kPageOptions{"display", "scale", "score-server"};

bool isPageOption(std::string_view name) {
  for (std::string_view option : kPageOptions) {
    if (name == option) return true;
  }
  return false;
}

}  // namespace

std::variant<std::vector<std::string>, CommandLineError> argumentsOfQuery(std::string_view query) {
  std::vector<std::string> arguments;
  while (!query.empty()) {
    const size_t end = query.find('&');
    const std::string_view pair = query.substr(0, end);
    query = end == std::string_view::npos ? std::string_view() : query.substr(end + 1);
    if (pair.empty()) continue;
    const size_t equals = pair.find('=');
    const auto name = percentDecode(pair.substr(0, equals));
    const auto value = percentDecode(equals == std::string_view::npos ? std::string_view()
                                                                      : pair.substr(equals + 1));
    if (!name || !value) return CommandLineError{"a broken %-escape in " + quote(pair)};
    if (!isPageOption(*name)) return CommandLineError{"unknown option " + quote(*name)};
    arguments.push_back("--" + *name);
    arguments.push_back(*value);
  }
  return arguments;
}

}  // namespace bt
