#include "main/PageOptions.h"

#include <array>
#include <optional>

#include "platform/os/Quote.h"

namespace bt {

namespace {

constexpr std::array<std::string_view, 3> kPageOptions{"display", "scale", "score-server"};

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A query part with its %XX escapes and '+' decoded; nullopt for a broken
// escape.
std::optional<std::string> decodePart(std::string_view part) {
  std::string text;
  for (size_t i = 0; i < part.size(); ++i) {
    if (part[i] == '+') {
      text += ' ';
    } else if (part[i] != '%') {
      text += part[i];
    } else {
      const int high = i + 2 < part.size() ? hexValue(part[i + 1]) : -1;
      const int low = high >= 0 ? hexValue(part[i + 2]) : -1;
      if (low < 0) return std::nullopt;
      text += static_cast<char>(high * 16 + low);
      i += 2;
    }
  }
  return text;
}

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
    const auto name = decodePart(pair.substr(0, equals));
    const auto value =
        decodePart(equals == std::string_view::npos ? std::string_view() : pair.substr(equals + 1));
    if (!name || !value) return CommandLineError{"a broken %-escape in " + quote(pair)};
    if (!isPageOption(*name)) return CommandLineError{"unknown option " + quote(*name)};
    arguments.push_back("--" + *name);
    arguments.push_back(*value);
  }
  return arguments;
}

}  // namespace bt
