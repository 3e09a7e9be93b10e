#include "AcceptEncoding.h"

namespace bt::scored {
namespace {

std::string_view trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

bool equalsIgnoringCase(std::string_view text, std::string_view lower) {
  if (text.size() != lower.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c =
        text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
    if (c != lower[i]) return false;
  }
  return true;
}

// "q=0", "q=0.", "q=0.000": the coding is refused.
bool refusedByQuality(std::string_view parameters) {
  while (!parameters.empty()) {
    const size_t semicolon = parameters.find(';');
    const std::string_view parameter = trim(parameters.substr(0, semicolon));
    parameters =
        semicolon == std::string_view::npos ? std::string_view() : parameters.substr(semicolon + 1);
    if (parameter.size() < 2 || !equalsIgnoringCase(parameter.substr(0, 2), "q=")) continue;
    const std::string_view value = trim(parameter.substr(2));
    if (value.empty() || value.front() != '0') return false;
    if (value.size() == 1) return true;
    return value[1] == '.' && value.find_first_not_of('0', 2) == std::string_view::npos;
  }
  return false;
}

}  // namespace

bool acceptsGzip(std::string_view acceptEncoding) {
  bool gzipNamed = false;
  bool gzipTaken = false;
  bool anyTaken = false;
  while (!acceptEncoding.empty()) {
    const size_t comma = acceptEncoding.find(',');
    const std::string_view item = acceptEncoding.substr(0, comma);
    acceptEncoding =
        comma == std::string_view::npos ? std::string_view() : acceptEncoding.substr(comma + 1);
    const size_t semicolon = item.find(';');
    const std::string_view coding = trim(item.substr(0, semicolon));
    const bool taken =
        semicolon == std::string_view::npos || !refusedByQuality(item.substr(semicolon + 1));
    if (equalsIgnoringCase(coding, "gzip") || equalsIgnoringCase(coding, "x-gzip")) {
      gzipNamed = true;
      gzipTaken = gzipTaken || taken;
    } else if (coding == "*") {
      anyTaken = taken;
    }
  }
  return gzipNamed ? gzipTaken : anyTaken;
}

}  // namespace bt::scored
